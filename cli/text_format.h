#pragma once

// How tallyra-cli shows values to a person at a terminal (without --json):
// the one place that decides the look of amounts, days, shares and
// columns, so that it can change in one go.
//
//   Money      "120.50 UAH" (the currency's digits, '.' as the point)
//   days       "2026-11-30" in the run's time zone
//   shares     "12.5 %"
//
// Thread safety: pure functions; any thread.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include "money/money.h"

namespace tallyra::cli {

[[nodiscard]] QString moneyText(const Money& money);
// The calendar day of the instant in the zone.
[[nodiscard]] QString dayText(const QDateTime& instant, const QTimeZone& zone);
[[nodiscard]] QString dayText(const QDate& day);
// A fraction 0…1 as a percentage with one decimal.
[[nodiscard]] QString shareText(double share);
// Text padded (or cut) to a column of `width` characters.
[[nodiscard]] QString leftColumn(const QString& text, int width);
[[nodiscard]] QString rightColumn(const QString& text, int width);

// The width of amount columns.
inline constexpr int kAmountWidth = 20;

} // namespace tallyra::cli
