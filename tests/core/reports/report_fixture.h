#pragma once

// What the report tests share: instants on Kyiv's wall clock, a period
// engine pinned to a day there, and rates with a hryvnia base.

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include "money/currency.h"
#include "periods/period_engine.h"
#include "reports/fx_rates.h"
#include "support/ledger_builder.h"

namespace tallyra::testing {

inline const QTimeZone& kyivZone()
{
    static const QTimeZone zone("Europe/Kyiv");
    return zone;
}

// A Kyiv wall-clock time as a UTC instant.
inline QDateTime kyiv(int y, int m, int d, int h = 12, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), kyivZone()).toUTC();
}

// An engine whose today is the given Kyiv day (at noon), first weekday
// Monday, with the ledger's first transaction as the start of all time.
inline PeriodEngine engineOn(int y, int m, int d, std::optional<QDateTime> dataStart = {},
                             int monthStartDay = 1)
{
    return PeriodEngine(kyiv(y, m, d), CalendarSettings{monthStartDay, 2},
                        QStringLiteral("Europe/Kyiv"), QLocale(QStringLiteral("en_US")),
                        std::move(dataStart));
}

// Hryvnia base; a dollar is 40.00, a euro 45.00; pounds have no rate.
inline FXRates uahRates()
{
    FXRates rates = FXRates::empty(QStringLiteral("UAH"));
    rates.perUnit[QStringLiteral("USD")] = *Decimal::parse(u"40");
    rates.perUnit[QStringLiteral("EUR")] = *Decimal::parse(u"45");
    return rates;
}

inline QStringList texts(std::initializer_list<const char*> utf8)
{
    QStringList list;
    for (const char* text : utf8)
        list.append(QString::fromUtf8(text));
    return list;
}

inline Money uah(std::int64_t minor)
{
    return Money{minor, QStringLiteral("UAH")};
}

// Reports name the main currency only through the rates; tests still pin
// it so that records made without a currency agree.
class ReportTest : public ::testing::Test
{
protected:
    void SetUp() override { Currency::setMain(QStringLiteral("UAH")); }
    void TearDown() override { Currency::setMain(QStringLiteral("USD")); }
};

} // namespace tallyra::testing
