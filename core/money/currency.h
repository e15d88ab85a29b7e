#pragma once

// Facts about currencies and the process-wide currency choices.
//
// Currency::main() is the currency totals, net worth and plans are shown
// in; it is set at start-up from the settings and again when the setting
// changes, and every read and write takes one mutex. Currency::inputLocale()
// is the locale typed amounts are read in; it is set by the main thread at
// start-up before any report runs.

#include <QList>
#include <QLocale>
#include <QString>

namespace tallyra::Currency {

inline constexpr char16_t kFallbackCode[] = u"USD";

// 0 for JPY, KRW, VND, CLP, ISK; 3 for BHD, KWD, OMR, JOD, TND; 2 for every
// other text, compared exactly (so "jpy" has 2).
[[nodiscard]] int minorDigits(const QString& code) noexcept;
// 10^minorDigits(code): 1, 100 or 1000.
[[nodiscard]] std::int64_t minorScale(const QString& code) noexcept;

// Every selectable code: ICU's common, non-deprecated ISO 4217 codes,
// ascending by code point. Computed once per process (thread-safe); the
// returned list lives as long as the process.
[[nodiscard]] const QList<QString>& all();
// The currency's name from ICU in the locale, with its first character
// upper-cased by the locale's casing rules ("euro" becomes "Euro" in
// French); the code itself, unchanged, when ICU has no name for it or the
// text is not three letters.
[[nodiscard]] QString name(const QString& code, const QLocale& locale);

[[nodiscard]] QString main();
void setMain(const QString& code);

[[nodiscard]] QLocale inputLocale();
void setInputLocale(const QLocale& locale);

} // namespace tallyra::Currency
