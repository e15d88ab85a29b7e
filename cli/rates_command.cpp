#include "rates_command.h"

#include <memory>

#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

#include "base/clock.h"
#include "ledger_session.h"
#include "money/currency.h"
#include "rates/exchange_rates.h"
#include "rates/rate_endpoints.h"
#include "services/store_location.h"
#include "settings/app_settings.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/user_defaults_backend.h"

namespace tallyra::cli {

namespace {

CurrencySet parseCodes(const QString& text)
{
    static const QRegularExpression code(QStringLiteral("^[A-Z]{3}$"));
    CurrencySet codes;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString upper = part.trimmed().toUpper();
        if (!code.match(upper).hasMatch())
            throw UsageError(
                QStringLiteral("--need expects currency codes such as USD,EUR, not “%1”.")
                    .arg(part));
        codes.insert(upper);
    }
    if (codes.empty())
        throw UsageError(QStringLiteral("--need expects currency codes such as USD,EUR."));
    return codes;
}

void waitFor(const QFuture<void>& future)
{
    if (future.isFinished())
        return;
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
}

QString isoText(const QDateTime& instant)
{
    return instant.toUTC().toString(Qt::ISODate);
}

// Currencies known to lack a rate: the ones asked for, and those the service
// itself remembers as retrying or unlisted today.
std::map<CurrencyCode, MissingRateCause> missingRates(const ExchangeRates& service,
                                                      const CurrencySet& needed)
{
    CurrencySet candidates = needed;
    candidates.insert(service.retrying().begin(), service.retrying().end());
    const CurrencySet unlisted = service.currentUnlisted();
    candidates.insert(unlisted.begin(), unlisted.end());
    std::map<CurrencyCode, MissingRateCause> missing;
    for (const CurrencyCode& code : candidates)
        if (!service.rates().hasRate(code))
            missing.emplace(code, service.missingCause(code));
    return missing;
}

void printJson(QTextStream& out, const ExchangeRates& service,
               const std::map<CurrencyCode, MissingRateCause>& missing)
{
    const FXRates& rates = service.rates();
    QJsonObject perUnit;
    for (const auto& [code, rate] : rates.perUnit)
        perUnit.insert(code, rate.toString());
    QJsonObject sources;
    for (const auto& [code, source] : rates.sources)
        sources.insert(code, rawValue(source));
    QJsonObject missingObject;
    for (const auto& [code, cause] : missing)
        missingObject.insert(code, rawValue(cause));

    QJsonObject root;
    root.insert(QStringLiteral("base"), rates.base);
    root.insert(QStringLiteral("perUnit"), perUnit);
    root.insert(QStringLiteral("sources"), sources);
    root.insert(QStringLiteral("updated"),
                service.updated() ? QJsonValue(isoText(*service.updated())) : QJsonValue());
    root.insert(QStringLiteral("lastError"),
                service.lastError() ? QJsonValue(*service.lastError()) : QJsonValue());
    root.insert(QStringLiteral("missing"), missingObject);
    out << QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString causeNote(MissingRateCause cause)
{
    switch (cause) {
    case MissingRateCause::unlisted:
        return QStringLiteral(
            "Not listed by the banks; amounts in these currencies aren’t counted in "
            "totals or net worth");
    case MissingRateCause::failed:
        return QStringLiteral("Couldn’t load — will retry; until then amounts in these currencies "
                              "aren’t counted in totals or net worth");
    case MissingRateCause::loading:
        return QStringLiteral("Amounts in these currencies aren’t counted in totals or net worth");
    }
    return {};
}

void printText(QTextStream& out, const ExchangeRates& service,
               const std::map<CurrencyCode, MissingRateCause>& missing)
{
    const FXRates& rates = service.rates();
    out << "Base: " << rates.base << '\n';
    out << "Updated: "
        << (service.updated() ? isoText(*service.updated()) : QStringLiteral("Not loaded yet"))
        << '\n';
    if (service.lastError())
        out << "Couldn’t refresh rates: " << *service.lastError() << '\n';
    if (!rates.perUnit.empty()) {
        out << "\nOne unit in " << rates.base << ":\n";
        for (const auto& [code, rate] : rates.perUnit) {
            const auto source = rates.sources.find(code);
            out << "  " << code << "  " << rate.toString().leftJustified(18) << ' '
                << (source == rates.sources.end() ? QString() : title(source->second)) << '\n';
        }
    }
    // Grouped by cause in the order the application lists them.
    for (MissingRateCause cause :
         {MissingRateCause::unlisted, MissingRateCause::failed, MissingRateCause::loading}) {
        QStringList codes;
        for (const auto& [code, itsCause] : missing)
            if (itsCause == cause)
                codes.append(code);
        if (!codes.isEmpty())
            out << '\n' << codes.join(QStringLiteral(", ")) << ": " << causeNote(cause) << '\n';
    }
}

} // namespace

int runRates(CommandContext& context, QStringList arguments)
{
    const bool refresh = takeFlag(arguments, QStringLiteral("--refresh"));
    const auto needText = takeOption(arguments, QStringLiteral("--need"));
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("rates: unexpected “%1”.").arg(arguments.first()));
    CurrencySet needed = needText ? parseCodes(*needText) : CurrencySet{};
    // A refresh is for the currencies of every open account, as the
    // application's own refresh is, plus whatever --need adds.
    if (refresh && (context.options.sampleData || context.options.dbPath ||
                    QFileInfo::exists(StoreLocation::defaultDatabaseFile()))) {
        LedgerSession session(context.options, LedgerSession::Access::readExisting);
        for (const Account& account : session.index().accounts())
            if (!account.isArchived)
                needed.insert(account.currency);
    }

    // The application keeps the rate cache in the local settings, or in
    // memory when it runs on sample data.
    std::unique_ptr<SettingsBackend> backend;
    if (context.options.sampleData)
        backend = std::make_unique<InMemorySettingsBackend>();
    else
        backend = std::make_unique<UserDefaultsBackend>();
    Currency::setMain(
        LedgerSession::mainCurrencyFrom(context.options, AppSettings::read(*backend)));
    const QTimeZone zone = LedgerSession::zoneFrom(context.options);

    const SystemClock clock;
    ExchangeRates service(
        makeBankRateProvider(std::make_shared<HttpSession>(), RateEndpoints::fromEnvironment()),
        *backend, clock, zone);
    // As at the application's start-up, a cache kept against another base
    // is re-expressed against this run's main currency.
    service.setBase(Currency::main());
    if (refresh) {
        needed.erase(Currency::main());
        if (needed.empty())
            throw UsageError(QStringLiteral("rates --refresh: no account needs another currency; "
                                            "name some with --need USD,EUR."));
        waitFor(service.refresh(needed));
    }

    const auto missing = missingRates(service, needed);
    if (context.options.json)
        printJson(context.out, service, missing);
    else
        printText(context.out, service, missing);
    return refresh && service.lastError() ? 1 : 0;
}

} // namespace tallyra::cli
