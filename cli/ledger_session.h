#pragma once

// LedgerSession: what the ledger commands of tallyra-cli work on, made from
// the global options.
//
//   Store         --db PATH, else the application's database
//                 (StoreLocation::defaultDatabaseFile()); with --sample-data
//                 an in-memory store filled with the built-in sample ledger,
//                 shifted so that its newest transaction is dated today.
//                 Commands that only read refuse a database file that
//                 doesn't exist instead of creating an empty one.
//   Main currency --currency, else with --sample-data the sample's home
//                 currency (UAH), else the "settings.currency" setting of
//                 the local settings, else USD.
//   Time zone     --tz (an IANA id), else the system's.
//   Today         --today, else the current day in that zone. "Now" is the
//                 current instant, or with --today the end of that day (so
//                 everything dated on the pinned day has happened).
//   Calendar      --month-start and --first-weekday, else the local
//                 settings (1 and Monday unless changed); --locale, else the
//                 system locale; --mode converts period lengths into that
//                 family, else lengths are used as given.
//   Rates         --rates FILE (a snapshot {"base", "perUnit": {code:
//                 decimal text}, "sources": {code: raw}}), else the rate
//                 cache the application keeps in the local settings (in
//                 memory, so empty, with --sample-data). Rates against
//                 another base are re-expressed against the main currency.
//
// The index is built synchronously: readLedger() on the main context, then
// LedgerIndex::build() with the rates.
//
// Errors: the constructor and the accessors throw UsageError for bad option
// values and tallyra::Error (StoreError, LedgerImportError, …) for a store
// or rates file that can't be used.
// Threading: main thread only.

#include <memory>
#include <optional>

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include "cli_options.h"
#include "periods/calendar_settings.h"
#include "periods/period_engine.h"
#include "periods/period_mode.h"
#include "reports/fx_rates.h"
#include "reports/ledger_index.h"
#include "settings/app_settings.h"

namespace tallyra {
class SettingsBackend;
class StoreContainer;
class StoreContext;
} // namespace tallyra

namespace tallyra::cli {

class LedgerSession final
{
public:
    enum class Access
    {
        readExisting, // the database file must exist
        createIfMissing,
    };

    LedgerSession(const GlobalOptions& options, Access access);
    ~LedgerSession();
    LedgerSession(const LedgerSession&) = delete;
    LedgerSession& operator=(const LedgerSession&) = delete;

    [[nodiscard]] StoreContainer& container() noexcept { return *m_container; }
    [[nodiscard]] StoreContext& context() noexcept;
    // The database file; none for the sample ledger in memory.
    [[nodiscard]] std::optional<QString> databaseFile() const;

    [[nodiscard]] const QTimeZone& zone() const noexcept { return m_zone; }
    [[nodiscard]] const QDate& today() const noexcept { return m_today; }
    [[nodiscard]] const QDateTime& now() const noexcept { return m_now; }
    // The instant a day's balance holds until: the start of the next day.
    [[nodiscard]] QDateTime endOfDay(const QDate& day) const;

    // The rates of this run, against the main currency.
    [[nodiscard]] const FXRates& rates();
    // The ledger, loaded on first use.
    [[nodiscard]] const LedgerIndex& index();
    // The period engine for today, with the ledger's oldest transaction as
    // the start of all time.
    [[nodiscard]] PeriodEngine periodEngine();
    [[nodiscard]] const std::optional<PeriodMode>& periodMode() const noexcept { return m_mode; }
    // The settings' default period ("settings.defaultPeriod").
    [[nodiscard]] PeriodLength defaultPeriod() const noexcept { return m_defaultPeriod; }
    [[nodiscard]] const QLocale& locale() const noexcept { return m_locale; }

    // The account with that id, else with exactly that name. Throws
    // UsageError when there is none, or when several share the name.
    [[nodiscard]] const Account& findAccount(const QString& nameOrId);

    // The run's time zone (--tz, else the system's). Throws UsageError for
    // a zone that doesn't exist.
    [[nodiscard]] static QTimeZone zoneFrom(const GlobalOptions& options);

    // The run's main currency: --currency, else the sample ledger's home
    // currency on sample data, else the settings' currency. Throws
    // UsageError for something that isn't a currency code.
    [[nodiscard]] static QString mainCurrencyFrom(const GlobalOptions& options,
                                                  const AppSettings& settings);

private:
    void openStore(Access access);
    FXRates loadRates() const;

    const GlobalOptions& m_options;
    std::unique_ptr<SettingsBackend> m_settings;
    QTimeZone m_zone;
    QDate m_today;
    QDateTime m_now;
    CalendarSettings m_calendar;
    QLocale m_locale;
    std::optional<PeriodMode> m_mode;
    PeriodLength m_defaultPeriod = PeriodLength::last30Days;
    std::unique_ptr<StoreContainer> m_container;
    std::optional<FXRates> m_rates;
    std::optional<LedgerIndex> m_index;
};

} // namespace tallyra::cli
