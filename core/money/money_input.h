#pragma once

// MoneyInput: reading, cleaning and pre-filling the text of an amount field.
//
// Users type amounts the way their locale writes them, or the way some
// other locale does ("1.234,56", "1,234.56", "−12.50 $"), and may type a
// small calculation ("10+5×2", "1,5*2"). These functions read such text
// into an exact Decimal, keep the field from taking more fraction digits
// than the currency has, and format the text a field starts with.
//
// "Numeric character" here means a character with a Unicode numeric value
// (Numeric_Type Decimal, Digit or Numeric: "7", "٣", "²", "½"). Decimal
// digits of any script are read as their digit value; other numeric
// characters ("½", "²") are kept while tokenizing but make a number
// unreadable, so "1½" has no value rather than a wrong one.
//
// Locale data (decimal and grouping separators, number formatting) comes
// from ICU for the given locale with Latin digits: the field keeps only
// ASCII digits while typing, so it must never be pre-filled with digits it
// would then drop.
//
// Errors: text that cannot be read gives no value (std::nullopt); there is
// no error message. Nothing is rounded here except editingText(), which
// rounds half to even to the currency's minor digits.
//
// Thread safety: pure functions; any thread.
//
// Example:
//   MoneyInput::evaluate(u"1.234,5+10", QLocale(QLocale::German)) == Decimal(12445) / 10

#include <optional>

#include <QLocale>
#include <QString>
#include <QStringView>

#include "money/decimal.h"
#include "money/money.h"

namespace tallyra::MoneyInput {

// One typed number. Keeps numeric characters, ".", ",", "-" and "−"; a
// leading minus makes it negative. When both "." and "," occur, the later
// one is the decimal separator; a lone "," followed by exactly three digits
// is a decimal separator only in a locale that writes decimals with ",".
// Repeated separators are grouping marks ("1.234.567").
[[nodiscard]] std::optional<Decimal> number(QStringView text, const QLocale& locale);

// A number or a calculation with + − × ÷ (also * and /), where × and ÷
// bind before + and −. Nothing when any operand is unreadable, an operator
// has no operand, or a divisor is zero. Not rounded to minor units.
[[nodiscard]] std::optional<Decimal> evaluate(QStringView text, const QLocale& locale);

// True when the text is at least two operands joined by operators.
[[nodiscard]] bool isExpression(QStringView text);

// The text with every character an amount field does not take removed
// (all but ASCII digits, "." and ",", the three spaces U+0020, U+00A0 and
// U+202F, and + - − × * ÷ /), and each operand cut to what number() reads
// with at most the currency's number of fraction digits: fraction digits
// beyond them go (for a currency without minor units, the separator with
// them), and so does anything after a repeated decimal separator, which
// the reader would ignore. Grouping marks and spaces stay as typed unless
// a cut would turn a grouping mark into a decimal point. Idempotent.
[[nodiscard]] QString sanitize(QStringView text, const CurrencyCode& currency,
                               const QLocale& locale);

// The value as the field shows it when editing starts: no grouping, and
// 0 up to minorDigits(currency) fraction digits ("12.5", "12"). A NaN gives
// the empty text.
[[nodiscard]] QString editingText(const Decimal& value, const CurrencyCode& currency,
                                  const QLocale& locale);

// Zero with exactly minorDigits(currency) fraction digits ("0.00", "0,00",
// "0" for yen).
[[nodiscard]] QString placeholder(const CurrencyCode& currency, const QLocale& locale);

} // namespace tallyra::MoneyInput
