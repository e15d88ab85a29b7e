#include "services/app_services.h"

#include <set>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "i18n/string_table.h"
#include "money/currency.h"
#include "rates/rate_endpoints.h"
#include "services/build_environment.h"
#include "services/cloud_start_results.h"
#include "services/default_categories.h"
#include "services/sample_data.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/user_defaults_backend.h"
#include "store/account_model.h"

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcStartup, "tallyra.services.startup")

QString languageOf(const QString& name)
{
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

} // namespace

QStringList AppServices::availableLocalizations()
{
    return {QStringLiteral("en"), QStringLiteral("uk")};
}

QStringList AppServices::systemPreferredLocalizations()
{
    const QStringList available = availableLocalizations();
    QStringList preferred;
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = languageOf(language);
        if (available.contains(code) && !preferred.contains(code))
            preferred.append(code);
    }
    return preferred;
}

QLocale AppServices::startLocale(const AppEnvironment& env,
                                 const QStringList& preferredLocalizations, const QLocale& system)
{
    if (env.localeOverride)
        return QLocale(*env.localeOverride);
    const QString first = preferredLocalizations.isEmpty()
                              ? QStringLiteral("en")
                              : languageOf(preferredLocalizations.first());
    if (env.keepsNothing())
        return QLocale(first == u"uk" ? QStringLiteral("uk_UA") : QStringLiteral("en_US"));
    // The user's regional formats, in the language the application speaks.
    return QLocale(QLocale(first).language(), system.territory());
}

std::unique_ptr<AppServices> AppServices::start(Options options)
{
    std::unique_ptr<AppServices> services(new AppServices);
    AppServices& s = *services;
    s.m_env = options.env;
    s.m_clock = options.clock ? options.clock : std::make_shared<const SystemClock>();
    s.m_zone = options.zone;
    s.m_defaults = options.defaults ? options.defaults : std::make_shared<UserDefaultsBackend>();
    const bool keepsNothing = s.m_env.keepsNothing();

    // Settings, main currency, locale.
    std::shared_ptr<SettingsBackend> settingsBackend =
        keepsNothing ? std::make_shared<InMemorySettingsBackend>() : s.m_defaults;
    s.m_settings = std::make_unique<SettingsStore>(settingsBackend);
    // The sample's amounts, plans and rates are written for its home
    // currency; its settings are in memory, so this changes nothing kept.
    if (s.m_env.useSampleData)
        s.m_settings->update([](AppSettings& settings) {
            settings.currency = QString::fromUtf16(SampleData::kHomeCurrency);
        });
    Currency::setMain(s.m_settings->settings().currency);
    const QStringList preferred = options.preferredLocalizations.isEmpty()
                                      ? systemPreferredLocalizations()
                                      : options.preferredLocalizations;
    s.m_locale = startLocale(s.m_env, preferred);
    QLocale::setDefault(s.m_locale);
    Currency::setInputLocale(s.m_locale);
    // Before anything names itself in the user's language (the starter
    // categories below).
    (void)installApplicationTranslator(s.m_locale);

    // The store.
    const LedgerStore::OpenOptions where{options.databaseFile, s.m_clock, s.m_zone,
                                         options.containerProvider};
    const std::optional<CloudEnvironment> build =
        options.buildEnvironment ? options.buildEnvironment() : BuildEnvironment::detect();
    std::unique_ptr<StoreContainer> container;
    std::optional<QString> containerIdentifier;
    {
        auto opened = LedgerStore::makeContainer(keepsNothing, build, *s.m_defaults, where);
        if (opened) {
            container = std::move(opened.value().container);
            containerIdentifier = opened.value().cloudContainerIdentifier;
        } else {
            qCCritical(lcStartup, "The store couldn’t be opened: %s",
                       qUtf8Printable(opened.error().detail()));
            s.m_storeFailure = opened.error().userMessage();
        }
    }
    if (container && s.m_env.useSampleData) {
        try {
            if (options.fillSampleData)
                options.fillSampleData(container->mainContext());
            else
                (void)SampleData::load(container->mainContext(), s.m_zone, s.today());
        } catch (const Error& error) {
            qCCritical(lcStartup, "The sample data couldn’t be loaded: %s %s",
                       qUtf8Printable(error.userMessage()), qUtf8Printable(error.detail()));
            s.m_storeFailure = error.userMessage();
            container.reset();
            containerIdentifier.reset();
        }
    }
    if (!container) {
        auto memory = LedgerStore::makeContainer(true, std::nullopt, *s.m_defaults, where);
        if (!memory)
            throw FatalError(
                QCoreApplication::translate("AppServices", "The data model is invalid: ") +
                    memory.error().userMessage(),
                memory.error().detail());
        container = std::move(memory.value().container);
    }

    // Cloud sync status.
    const CloudStartResults startResults =
        s.m_env.useSampleData ? CloudStartResults{} : CloudStartResults::current();
    s.m_cloud = std::make_unique<CloudSyncMonitor>(
        CloudSyncMonitor::StoreFacts{containerIdentifier, !container->isInMemory()},
        startResults.failureMessage, startResults.mismatch);
    s.m_mirroring = std::make_unique<StoreMirroringAdapter>(*container);
    s.m_cloud->start(s.m_mirroring.get());

    // Starter categories. With syncing on they wait: the cloud may bring
    // the user's own tree.
    if (!s.m_storeFailure && !s.m_env.useSampleData && !s.m_cloud->isSyncEnabled()) {
        try {
            (void)DefaultCategories::seedIfNeeded(container->mainContext(), *settingsBackend);
        } catch (const Error& error) {
            qCCritical(lcStartup, "Starter categories: %s",
                       qUtf8Printable(error.userMessage() + u' ' + error.detail()));
            s.m_seedFailure = error.userMessage();
        }
    }

    // Rates and the ledger.
    s.m_rateCache = keepsNothing ? std::make_shared<InMemorySettingsBackend>() : s.m_defaults;
    std::shared_ptr<const RateProvider> rateProvider = options.rateProvider;
    if (!rateProvider) {
        s.m_http = std::make_shared<HttpSession>();
        rateProvider = makeBankRateProvider(s.m_http, RateEndpoints::fromEnvironment());
    }
    s.m_rates = std::make_unique<ExchangeRates>(std::move(rateProvider), *s.m_rateCache, *s.m_clock,
                                                s.m_zone);
    if (s.m_rates->rates().base != Currency::main())
        s.m_rates->setBase(Currency::main());
    s.m_store = std::make_unique<LedgerStore>(std::move(container), s.m_rates->rates(),
                                              options.reloadDelay);

    LedgerStore* store = s.m_store.get();
    connect(s.m_rates.get(), &ExchangeRates::ratesChanged, store, &LedgerStore::setRates);
    connect(s.m_settings.get(), &SettingsStore::settingsChanged, &s,
            [&s](const AppSettings& settings) { s.setMainCurrency(settings.currency); });
    return services;
}

AppServices::~AppServices() = default;

QDate AppServices::today() const
{
    return m_clock->now().toTimeZone(m_zone).date();
}

void AppServices::setMainCurrency(const QString& code)
{
    if (code == Currency::main())
        return;
    Currency::setMain(code);
    m_rates->setBase(code);
    m_store->setRates(m_rates->rates());
    m_store->reload();
    (void)refreshRates();
}

QFuture<void> AppServices::refreshRates()
{
    CurrencySet currencies;
    try {
        // From the store rather than the index: the first load may still be
        // under way, and the accounts are few.
        for (const AccountModel& account : m_store->mainContext().fetch<AccountModel>())
            currencies.insert(account.currency);
    } catch (const StoreError& error) {
        qCWarning(lcStartup, "Accounts for the rate refresh: %s", qUtf8Printable(error.detail()));
        for (const Account& account : m_store->index()->accounts())
            currencies.insert(account.currency);
    }
    return m_rates->refresh(currencies);
}

} // namespace tallyra
