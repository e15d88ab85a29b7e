#pragma once

// What the tallyra-cli write commands share: opening the database for
// writing, the clock and time zone of the run, reading amounts, finding
// accounts and categories by what the user typed, and printing results.
//
// The run's "now" is the current time; --today D moves it to the same
// wall-clock time on D in the run's zone (--tz, else the system zone), so
// "today" decisions (balance dates, default transaction dates) follow D.
// Amounts are read with the money input rules in --locale (en_US when
// none), so "12,50" and "10+2.5" work.
//
// Errors: a lookup that finds nothing (or more than one account by that
// name) throws tallyra::Error with a message for the terminal; bad option
// values throw UsageError.

#include <memory>
#include <optional>

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "base/clock.h"
#include "base/error.h"
#include "command.h"
#include "model/entry_kind.h"
#include "money/decimal.h"
#include "money/money.h"
#include "store/store_container.h"

namespace tallyra::cli {

class WriteSession
{
public:
    // Opens the database of --db (the application's default database
    // otherwise, creating its folder), with the run's clock. Write
    // commands refuse --sample-data: there is nothing to write to.
    explicit WriteSession(const GlobalOptions& options);
    ~WriteSession();

    [[nodiscard]] StoreContext& context() const { return m_store->mainContext(); }
    [[nodiscard]] const QTimeZone& zone() const noexcept { return m_zone; }
    [[nodiscard]] const QLocale& locale() const noexcept { return m_locale; }
    [[nodiscard]] QDateTime now() const { return m_clock->now(); }
    [[nodiscard]] QDate today() const { return now().toTimeZone(m_zone).date(); }

    // A typed amount in the currency; NaN when it is empty or no number,
    // so the writer reports it the way the application does ("Enter an
    // amount."). Text the amount field would not take as typed (letters,
    // more fraction digits than the currency has) throws tallyra::Error
    // naming what could not be read: the window shows the user what it
    // keeps, a command line would store it silently.
    [[nodiscard]] Decimal amount(const QString& text, const CurrencyCode& currency) const;
    // The account's currency; the main currency when there is none.
    [[nodiscard]] CurrencyCode currencyOf(const std::optional<AccountId>& id) const;

    // An account by id (canonical UUID text) or by name (exact, else
    // ignoring case).
    [[nodiscard]] AccountModel account(const QString& nameOrID) const;
    // A category by its path of names from the top, joined by "/"
    // ("Food/Groceries"), or by id.
    [[nodiscard]] CategoryModel category(const QString& path) const;
    // The category's path of names from the top.
    [[nodiscard]] QString pathOf(const CategoryModel& category) const;

    // The instant as the user reads it: "2025-03-07 12:00" in the zone.
    [[nodiscard]] QString localText(const QDateTime& instant) const;

private:
    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<StoreContainer> m_store;
    QTimeZone m_zone;
    QLocale m_locale;
};

// Reads the first word of the arguments as a transaction kind.
[[nodiscard]] EntryKind parseEntryKind(const QString& text);
// HH:MM.
[[nodiscard]] QTime parseTime(const QString& text, const QString& optionName);
// minor units as a plain decimal with the currency's digits ("12.50 UAH").
[[nodiscard]] QString moneyText(std::int64_t minor, const QString& currency);
// Throws UsageError when anything is left over after the options were taken.
void expectNoMoreArguments(const QStringList& arguments);
// Prints the object as one line of JSON.
void printJson(QTextStream& out, const QJsonObject& object);

} // namespace tallyra::cli
