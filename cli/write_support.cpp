#include "write_support.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include "money/currency.h"
#include "money/money_input.h"
#include "periods/wall_clock.h"
#include "services/default_categories.h"
#include "services/store_location.h"
#include "settings/app_settings.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/user_defaults_backend.h"

namespace tallyra::cli {

namespace {

QTimeZone zoneOf(const GlobalOptions& options)
{
    if (!options.timeZone)
        return QTimeZone::systemTimeZone();
    QTimeZone zone(options.timeZone->toUtf8());
    if (!zone.isValid())
        throw UsageError(
            QStringLiteral("--tz expects an IANA time zone, not “%1”.").arg(*options.timeZone));
    return zone;
}

QString databaseFile(const GlobalOptions& options)
{
    if (options.dbPath)
        return *options.dbPath;
    const QString file = StoreLocation::defaultDatabaseFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

} // namespace

WriteSession::WriteSession(const GlobalOptions& options)
    : m_zone(zoneOf(options)),
      m_locale(options.locale ? QLocale(*options.locale) : QLocale(QStringLiteral("en_US")))
{
    if (options.sampleData)
        throw UsageError(QStringLiteral(
            "Write commands work on a database; --sample-data is only for reading."));
    if (options.currency) {
        if (!Currency::all().contains(*options.currency))
            throw UsageError(
                QStringLiteral("--currency expects a currency code such as UAH, not “%1”.")
                    .arg(*options.currency));
        Currency::setMain(*options.currency);
    } else {
        const UserDefaultsBackend settings;
        Currency::setMain(AppSettings::read(settings).currency);
    }

    QDateTime now = QDateTime::currentDateTimeUtc();
    if (options.today) {
        const QTime wallClock = now.toTimeZone(m_zone).time();
        now = WallClock(m_zone).instant(*options.today, wallClock);
    }
    m_clock = std::make_shared<FixedClock>(now);

    const QString file = databaseFile(options);
    const QFileInfo before(file);
    const bool isNew = !before.exists() || (before.isFile() && before.size() == 0);
    auto opened = StoreContainer::open(StoreConfiguration::onDisk(file, m_clock));
    if (!opened)
        throw opened.error();
    m_store = std::move(opened).value();
    // A ledger started from the command line begins like one started in the
    // window: with the starter categories. The device's "seeded" flag
    // belongs to the window's own database, so it is neither read nor set.
    if (isNew) {
        InMemorySettingsBackend scratch;
        DefaultCategories::seedIfNeeded(m_store->mainContext(), scratch);
    }
}

WriteSession::~WriteSession() = default;

Decimal WriteSession::amount(const QString& text, const CurrencyCode& currency) const
{
    const QString kept = MoneyInput::sanitize(text, currency, m_locale);
    if (kept != text) {
        // The filter only removes characters, so what it kept is a
        // subsequence of the text; the rest is what it could not read.
        QString dropped;
        qsizetype next = 0;
        for (const QChar c : text) {
            if (next < kept.size() && kept.at(next) == c)
                ++next;
            else
                dropped += c;
        }
        const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
        const bool fraction = std::any_of(dropped.cbegin(), dropped.cend(), isDigit) &&
                              std::all_of(dropped.cbegin(), dropped.cend(), [&](QChar c) {
                                  return isDigit(c) || c == u'.' || c == u',';
                              });
        if (fraction)
            throw Error(QStringLiteral("Can’t read “%1” as an amount in %2: it has more decimal "
                                       "places than %2 allows (“%3” would be left out).")
                            .arg(text, currency, dropped));
        throw Error(QStringLiteral("Can’t read “%1” as an amount: “%2” is not part of one.")
                        .arg(text, dropped));
    }
    return MoneyInput::evaluate(text, m_locale).value_or(Decimal::nan());
}

CurrencyCode WriteSession::currencyOf(const std::optional<AccountId>& id) const
{
    if (id)
        if (const auto found = context().fetchFirst(Predicate<AccountModel>::idEquals(*id)))
            return found->currency;
    return Currency::main();
}

AccountModel WriteSession::account(const QString& nameOrID) const
{
    if (const auto id = AccountId::fromString(nameOrID))
        if (auto found = context().fetchFirst(Predicate<AccountModel>::idEquals(*id)))
            return *found;
    const QList<AccountModel> accounts = context().fetch<AccountModel>();
    QList<AccountModel> matches;
    for (const AccountModel& account : accounts)
        if (account.name == nameOrID)
            matches.append(account);
    if (matches.isEmpty())
        for (const AccountModel& account : accounts)
            if (account.name.compare(nameOrID, Qt::CaseInsensitive) == 0)
                matches.append(account);
    if (matches.isEmpty())
        throw Error(QStringLiteral("There is no account “%1”.").arg(nameOrID));
    if (matches.size() > 1)
        throw Error(
            QStringLiteral("Several accounts are called “%1”; give its id instead.").arg(nameOrID));
    return matches.first();
}

CategoryModel WriteSession::category(const QString& path) const
{
    if (const auto id = CategoryId::fromString(path))
        if (auto found = context().fetchFirst(Predicate<CategoryModel>::idEquals(*id)))
            return *found;
    const QList<CategoryModel> categories = context().fetch<CategoryModel>();
    std::optional<CategoryModel> current;
    for (const QString& name : path.split(u'/')) {
        const QString wanted = name.trimmed();
        const auto find = [&](Qt::CaseSensitivity sensitivity) -> std::optional<CategoryModel> {
            for (const CategoryModel& category : categories) {
                const bool sameParent =
                    current ? category.parent == current->objectID : !category.parent;
                if (sameParent && category.name.compare(wanted, sensitivity) == 0)
                    return category;
            }
            return std::nullopt;
        };
        std::optional<CategoryModel> next = find(Qt::CaseSensitive);
        if (!next)
            next = find(Qt::CaseInsensitive);
        if (!next)
            throw Error(QStringLiteral("There is no category “%1”.").arg(path));
        current = std::move(next);
    }
    if (!current)
        throw Error(QStringLiteral("There is no category “%1”.").arg(path));
    return *current;
}

QString WriteSession::pathOf(const CategoryModel& category) const
{
    QStringList names{category.name};
    std::optional<std::int64_t> parent = category.parent;
    // Four levels at most; the bound only guards against damaged data.
    for (int depth = 0; parent && depth < 16; ++depth) {
        const auto found = context().object<CategoryModel>(*parent);
        if (!found)
            break;
        names.prepend(found->name);
        parent = found->parent;
    }
    return names.join(u'/');
}

QString WriteSession::localText(const QDateTime& instant) const
{
    return instant.toTimeZone(m_zone).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

EntryKind parseEntryKind(const QString& text)
{
    if (const auto kind = enumFromRaw<EntryKind>(text.toLower()))
        return *kind;
    throw UsageError(
        QStringLiteral("The kind is expense, income or transfer, not “%1”.").arg(text));
}

QTime parseTime(const QString& text, const QString& optionName)
{
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
    if (!time.isValid())
        throw UsageError(
            QStringLiteral("%1 expects a time as HH:MM, not “%2”.").arg(optionName, text));
    return time;
}

QString moneyText(std::int64_t minor, const QString& currency)
{
    return Decimal::fromMinor(minor, Currency::minorDigits(currency))
               .toFixed(Currency::minorDigits(currency)) +
           u' ' + currency;
}

void expectNoMoreArguments(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("Unexpected “%1”. Try --help.").arg(arguments.join(u' ')));
}

void printJson(QTextStream& out, const QJsonObject& object)
{
    out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
}

} // namespace tallyra::cli
