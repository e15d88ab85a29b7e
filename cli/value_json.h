#pragma once

// How tallyra-cli writes values: JSON with the field names of the value
// types (--json), and plain text for people.
//
//   Money      {"minor": 12050, "currency": "UAH"}; as text "120.50 UAH"
//   instants   ISO 8601 in the run's time zone with its offset,
//              "2026-03-01T00:00:00+02:00" (milliseconds only when not 0)
//   ids        canonical UUID text without braces
//
// Thread safety: pure functions; any thread.

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <QTimeZone>

#include "money/money.h"
#include "periods/date_interval.h"
#include "periods/period_window.h"
#include "reports/period_totals.h"

namespace tallyra::cli {

[[nodiscard]] QJsonObject moneyJson(const Money& money);
[[nodiscard]] QString instantText(const QDateTime& instant, const QTimeZone& zone);
[[nodiscard]] QJsonObject intervalJson(const DateInterval& interval, const QTimeZone& zone);
[[nodiscard]] QJsonObject windowJson(const PeriodWindow& window, const QTimeZone& zone);
[[nodiscard]] QJsonObject totalsJson(const PeriodTotals& totals);

// The value as indented JSON followed by a line break.
void printJson(QTextStream& out, const QJsonValue& value);

} // namespace tallyra::cli
