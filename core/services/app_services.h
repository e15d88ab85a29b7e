#pragma once

// AppServices: the long-lived services of a run, built once at start-up in
// a fixed order and owned together: the settings store, the opened ledger
// store with its published index, the cloud sync monitor and the
// exchange-rate service. The application and the command line both start
// through start(); the writers are added by the application layer on top
// of store().
//
// Start-up, on the main thread:
//   1. the settings store: on the device-local defaults, or in memory with
//      sample data or an empty store;
//   2. Currency::main from the currency setting; the display and input
//      locale, whose language's string table is installed for the run (localeOverride; else with
//      sample data or an empty store "uk_UA" when the first preferred localization is "uk" and
//      "en_US" otherwise; else the system locale in the first preferred localization's language,
//      "en" when there is none);
//   3. the store (LedgerStore::makeContainer) with the build's cloud
//      environment, in memory with sample data or an empty store;
//   4. with sample data, the fillSampleData hook (by default the built-in
//      sample ledger) fills the new store; its
//      failure counts as a failed open;
//   5. a failed open leaves its message in storeFailure and the run goes on
//      with an empty store in memory; if even that can't be opened, start()
//      throws FatalError ("The data model is invalid: …");
//   6. the sync monitor, told why cloud syncing didn't start (never with
//      sample data), watching the store's mirroring reports;
//   7. the starter categories, when the real database opened (no
//      storeFailure), sample data is off and syncing is off; a failure is
//      logged as "Starter categories: …" and kept in seedFailure;
//   8. the exchange-rate service over its cache (the defaults, or memory
//      when nothing is kept), rebased to the main currency when the cache
//      was for another, and the LedgerStore with its rates, whose first
//      load starts at once. Every change of the service's rates goes to the
//      ledger store; a change of the currency setting goes through
//      setMainCurrency().
//
// Errors: start() throws FatalError only; every other failure is kept as
// storeFailure or seedFailure for the user interface.
// Threading: main thread only.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include <QDate>
#include <QFuture>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "base/clock.h"
#include "base/error.h"
#include "rates/exchange_rates.h"
#include "rates/http_session.h"
#include "rates/rate_provider.h"
#include "services/app_environment.h"
#include "services/cloud_container_provider.h"
#include "services/cloud_environment.h"
#include "services/cloud_sync_monitor.h"
#include "services/ledger_store.h"
#include "services/store_mirroring_adapter.h"
#include "settings/settings_backend.h"
#include "settings/settings_store.h"

namespace tallyra {

class AppServices final : public QObject
{
    Q_OBJECT

public:
    // The store could not be opened even in memory.
    class FatalError final : public Error
    {
    public:
        using Error::Error;
    };

    struct Options
    {
        AppEnvironment env;
        // The device-local defaults (settings, "cloud." keys, rate cache);
        // the standard UserDefaultsBackend when null.
        std::shared_ptr<SettingsBackend> defaults;
        // The database file; the default file in the data folder when empty.
        QString databaseFile;
        // "Now" for the store, the rates and today(); the system clock when null.
        std::shared_ptr<const Clock> clock;
        // The zone of "today", of backup names and of the rates' day.
        QTimeZone zone = QTimeZone::systemTimeZone();
        // The build's cloud environment; BuildEnvironment::detect when null.
        std::function<std::optional<CloudEnvironment>()> buildEnvironment;
        // The platform's store engine; CloudContainerProvider::platform() when null.
        std::shared_ptr<const CloudContainerProvider> containerProvider;
        // Where rates come from; the two banks over a new HTTP session when null.
        std::shared_ptr<const RateProvider> rateProvider;
        // The application's localizations in the user's order of
        // preference; systemPreferredLocalizations() when empty.
        QStringList preferredLocalizations;
        // Fills the new in-memory store with the sample ledger (saving it);
        // throws tallyra::Error on failure. Used only with useSampleData.
        std::function<void(StoreContext&)> fillSampleData;
        std::chrono::milliseconds reloadDelay = LedgerStore::kReloadDelay;
    };

    // The localizations the application ships ("en", "uk").
    [[nodiscard]] static QStringList availableLocalizations();
    // The shipped localizations in the order of the system's UI languages.
    [[nodiscard]] static QStringList systemPreferredLocalizations();
    // The locale of step 2 for these options.
    [[nodiscard]] static QLocale startLocale(const AppEnvironment& env,
                                             const QStringList& preferredLocalizations,
                                             const QLocale& system = QLocale::system());

    // Runs the start-up sequence above. Throws FatalError.
    [[nodiscard]] static std::unique_ptr<AppServices> start(Options options);
    ~AppServices() override;

    [[nodiscard]] const AppEnvironment& env() const noexcept { return m_env; }
    [[nodiscard]] SettingsStore& settings() const noexcept { return *m_settings; }
    [[nodiscard]] LedgerStore& store() const noexcept { return *m_store; }
    [[nodiscard]] CloudSyncMonitor& cloud() const noexcept { return *m_cloud; }
    [[nodiscard]] ExchangeRates& rates() const noexcept { return *m_rates; }
    // The device-local defaults (not the in-memory settings of a run that
    // keeps nothing).
    [[nodiscard]] SettingsBackend& defaults() const noexcept { return *m_defaults; }
    [[nodiscard]] const Clock& clock() const noexcept { return *m_clock; }
    [[nodiscard]] const QTimeZone& zone() const noexcept { return m_zone; }
    [[nodiscard]] const QLocale& locale() const noexcept { return m_locale; }
    // The calendar day of the clock's now in the zone.
    [[nodiscard]] QDate today() const;
    // Why the real database couldn't be opened; the run is on an empty
    // store in memory then.
    [[nodiscard]] const std::optional<QString>& storeFailure() const noexcept
    {
        return m_storeFailure;
    }
    // Why the starter categories couldn't be made.
    [[nodiscard]] const std::optional<QString>& seedFailure() const noexcept
    {
        return m_seedFailure;
    }

    // Switches the run to another main currency when it differs from
    // Currency::main(): sets it, rebases the rates, hands them to the
    // ledger store, reloads it (budgets and goals are read in the main
    // currency) and starts a rate refresh. The settings are not written.
    void setMainCurrency(const QString& code);
    // Refreshes the rates for the currencies of every account.
    QFuture<void> refreshRates();

private:
    AppServices() = default;

    AppEnvironment m_env;
    std::shared_ptr<const Clock> m_clock;
    QTimeZone m_zone;
    QLocale m_locale;
    std::shared_ptr<SettingsBackend> m_defaults;
    std::shared_ptr<SettingsBackend> m_rateCache;
    std::unique_ptr<SettingsStore> m_settings;
    std::shared_ptr<HttpSession> m_http;
    std::unique_ptr<ExchangeRates> m_rates;
    std::unique_ptr<LedgerStore> m_store;
    std::unique_ptr<StoreMirroringAdapter> m_mirroring;
    std::unique_ptr<CloudSyncMonitor> m_cloud;
    std::optional<QString> m_storeFailure;
    std::optional<QString> m_seedFailure;
};

} // namespace tallyra
