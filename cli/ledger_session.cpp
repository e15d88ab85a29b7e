#include "ledger_session.h"

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

#include "base/clock.h"
#include "money/currency.h"
#include "rates/exchange_rates.h"
#include "rates/rates_file.h"
#include "services/sample_data.h"
#include "services/store_location.h"
#include "settings/app_settings.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/user_defaults_backend.h"
#include "store/ledger_reader.h"
#include "store/store_container.h"

namespace tallyra::cli {

namespace {

bool isCurrencyCode(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{3}$"));
    return pattern.match(text).hasMatch();
}

QString quoted(const QString& text)
{
    return u'“' + text + u'”';
}

} // namespace

LedgerSession::LedgerSession(const GlobalOptions& options, Access access) : m_options(options)
{
    if (options.sampleData)
        m_settings = std::make_unique<InMemorySettingsBackend>();
    else
        m_settings = std::make_unique<UserDefaultsBackend>();
    const AppSettings settings = AppSettings::read(*m_settings);

    Currency::setMain(mainCurrencyFrom(options, settings));

    m_zone = zoneFrom(options);
    const QDateTime realNow = SystemClock().now();
    m_today = options.today.value_or(realNow.toTimeZone(m_zone).date());
    m_now = options.today ? endOfDay(*options.today) : realNow;

    m_calendar = CalendarSettings{options.monthStartDay.value_or(settings.monthStartDay),
                                  options.firstWeekday.value_or(settings.firstWeekday)};
    m_locale = options.locale ? QLocale(*options.locale) : QLocale::system();
    if (options.periodMode)
        m_mode = enumFromRaw<PeriodMode>(*options.periodMode);
    m_defaultPeriod = settings.defaultPeriod;

    openStore(access);
}

LedgerSession::~LedgerSession() = default;

QTimeZone LedgerSession::zoneFrom(const GlobalOptions& options)
{
    if (!options.timeZone)
        return QTimeZone::systemTimeZone();
    QTimeZone zone(options.timeZone->toUtf8());
    if (!zone.isValid())
        throw UsageError(
            QStringLiteral("--tz expects an IANA time zone such as Europe/Kyiv, not %1.")
                .arg(quoted(*options.timeZone)));
    return zone;
}

QString LedgerSession::mainCurrencyFrom(const GlobalOptions& options, const AppSettings& settings)
{
    if (options.currency) {
        if (!isCurrencyCode(*options.currency))
            throw UsageError(
                QStringLiteral("--currency expects a currency code such as USD, not %1.")
                    .arg(quoted(*options.currency)));
        return *options.currency;
    }
    if (options.sampleData)
        return QString::fromUtf16(SampleData::kHomeCurrency);
    return settings.currency;
}

void LedgerSession::openStore(Access access)
{
    if (m_options.sampleData) {
        auto opened = StoreContainer::open(StoreConfiguration::inMemory());
        if (!opened)
            throw opened.error();
        m_container = std::move(opened).value();
        SampleData::load(m_container->mainContext(), m_zone, m_today);
        return;
    }
    const QString path = m_options.dbPath.value_or(StoreLocation::defaultDatabaseFile());
    if (access == Access::readExisting) {
        // stat() rather than QFileInfo: a folder that can't be searched must
        // say so instead of passing for a missing file.
        struct stat info
        {
        };
        if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
            if (errno == ENOENT)
                throw Error(QStringLiteral("There is no database at %1.").arg(quoted(path)));
            throw Error(QStringLiteral("The database at %1 can’t be read: %2.")
                            .arg(quoted(path), QString::fromLocal8Bit(std::strerror(errno))));
        }
        // An empty file is what SQLite leaves when a database was opened but
        // never written; a command that only reads must not turn it into one.
        if (S_ISREG(info.st_mode) && info.st_size == 0) {
            auto empty = StoreContainer::open(StoreConfiguration::inMemory());
            if (!empty)
                throw empty.error();
            m_container = std::move(empty).value();
            return;
        }
    }
    auto opened = StoreContainer::open(StoreConfiguration::onDisk(path));
    if (!opened)
        throw opened.error();
    m_container = std::move(opened).value();
}

StoreContext& LedgerSession::context() noexcept
{
    return m_container->mainContext();
}

std::optional<QString> LedgerSession::databaseFile() const
{
    return m_container->fileLocation();
}

QDateTime LedgerSession::endOfDay(const QDate& day) const
{
    return day.addDays(1).startOfDay(m_zone).toUTC();
}

FXRates LedgerSession::loadRates() const
{
    const CurrencyCode main = Currency::main();
    if (m_options.ratesFile)
        return readRatesFile(*m_options.ratesFile, main);
    // The service only reads its cache here; it is never asked to refresh,
    // so it needs no provider.
    const SystemClock clock;
    const ExchangeRates cache(nullptr, *m_settings, clock, m_zone);
    if (cache.rates().base == main)
        return cache.rates();
    return ExchangeRates::rebased(cache.rates(), main).value_or(FXRates::empty(main));
}

const FXRates& LedgerSession::rates()
{
    if (!m_rates)
        m_rates = loadRates();
    return *m_rates;
}

const LedgerIndex& LedgerSession::index()
{
    if (m_index)
        return *m_index;
    auto records = readLedger(context());
    if (!records)
        throw records.error();
    m_index = LedgerIndex::build(std::move(records).value(), rates());
    return *m_index;
}

PeriodEngine LedgerSession::periodEngine()
{
    const LedgerIndex& ledger = index();
    std::optional<QDateTime> dataStart;
    if (!ledger.entries().empty())
        dataStart = ledger.entries().front().date;
    return PeriodEngine(m_today.startOfDay(m_zone), m_calendar, m_zone, m_locale, dataStart);
}

const Account& LedgerSession::findAccount(const QString& nameOrId)
{
    const LedgerIndex& ledger = index();
    if (const auto id = AccountId::fromString(nameOrId))
        if (const Account* account = ledger.account(*id))
            return *account;
    const Account* found = nullptr;
    for (const Account& account : ledger.accounts()) {
        if (account.name != nameOrId)
            continue;
        if (found != nullptr)
            throw UsageError(
                QStringLiteral("Several accounts are named %1; give its id instead (see accounts).")
                    .arg(quoted(nameOrId)));
        found = &account;
    }
    if (found == nullptr)
        throw UsageError(QStringLiteral("No account is named %1.").arg(quoted(nameOrId)));
    return *found;
}

} // namespace tallyra::cli
