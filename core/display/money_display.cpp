#include "display/money_display.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>

#include <unicode/currunit.h>
#include <unicode/dcfmtsym.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include "i18n/string_table.h"
#include "money/currency.h"
#include "money/decimal.h"
#include "money/icu_locale.h"

namespace tallyra {

namespace number = icu::number;

namespace {

constexpr char16_t kMinusSign = u'\u2212';
constexpr char16_t kNoBreakSpace = u'\u00A0';

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::Locale icuLocale(const QLocale& locale)
{
    return icu::Locale(icuLocaleId(locale).c_str());
}

bool isDigit(QChar c)
{
    return c.isDigit();
}

// ICU's own minus is a hyphen-minus in most locales; amounts on screen use
// the real minus sign everywhere.
icu::DecimalFormatSymbols symbolsWithMinus(const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(locale, status);
    symbols.setSymbol(icu::DecimalFormatSymbols::kMinusSignSymbol,
                      icu::UnicodeString(static_cast<UChar>(kMinusSign)));
    return symbols;
}

QString formatted(const number::LocalizedNumberFormatter& formatter, const Decimal& value)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray text = value.toString().toLatin1();
    const number::FormattedNumber result =
        formatter.formatDecimal(icu::StringPiece(text.constData(), int32_t(text.size())), status);
    const icu::UnicodeString out = result.toString(status);
    return U_SUCCESS(status) ? fromIcu(out) : QString();
}

QString formatted(const number::LocalizedNumberFormatter& formatter, double value)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString out = formatter.formatDouble(value, status).toString(status);
    return U_SUCCESS(status) ? fromIcu(out) : QString();
}

} // namespace

// The ICU formatters of the display, made once and reused: building a
// number formatter costs far more than using one, and lists format
// thousands of amounts per redraw.
class MoneyDisplay::Formatters
{
public:
    struct ForCurrency
    {
        bool valid = false;
        number::LocalizedNumberFormatter standard; // the currency's own digits
        number::LocalizedNumberFormatter whole;    // cents hidden
        number::LocalizedNumberFormatter exact;    // exactly the minor digits
    };

    Formatters(const QLocale& userLanguage, const QLocale& numbers)
        : numberLocale(icuLocale(numbers)), language(icuLocale(userLanguage))
    {
        const number::LocalizedNumberFormatter plain =
            number::NumberFormatter::withLocale(this->numberLocale)
                .roundingMode(UNUM_ROUND_HALFUP)
                .symbols(symbolsWithMinus(this->numberLocale));
        axisWhole = plain.precision(number::Precision::integer());
        axisTenths = plain.precision(number::Precision::minMaxFraction(0, 1));
        axisCents = plain.precision(number::Precision::minMaxFraction(0, 2));

        // Digits and separators of the number locale; the per-cent sign and
        // its place of the user's language.
        UErrorCode status = U_ZERO_ERROR;
        icu::DecimalFormatSymbols percentSymbols = symbolsWithMinus(this->language);
        const icu::DecimalFormatSymbols numberSymbols(this->numberLocale, status);
        for (const auto symbol : {icu::DecimalFormatSymbols::kDecimalSeparatorSymbol,
                                  icu::DecimalFormatSymbols::kGroupingSeparatorSymbol})
            percentSymbols.setSymbol(symbol, numberSymbols.getSymbol(symbol));
        percentSymbols.setSymbol(icu::DecimalFormatSymbols::kPlusSignSymbol,
                                 icu::UnicodeString(u'+'));
        const number::LocalizedNumberFormatter percentBase =
            number::NumberFormatter::withLocale(this->language)
                .unit(icu::MeasureUnit::getPercent())
                .roundingMode(UNUM_ROUND_HALFUP)
                .symbols(percentSymbols);
        percentWhole = percentBase.precision(number::Precision::integer());
        percentTenths = percentBase.precision(number::Precision::fixedFraction(1));
    }

    const ForCurrency& currency(const QString& code, bool narrow)
    {
        const auto found = byCurrency.find({code, narrow});
        if (found != byCurrency.end())
            return found->second;
        ForCurrency made;
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString iso(reinterpret_cast<const UChar*>(code.utf16()), int32_t(code.size()));
        const icu::CurrencyUnit unit(iso.getTerminatedBuffer(), status);
        if (U_SUCCESS(status) && code.size() == 3) {
            const number::LocalizedNumberFormatter base =
                number::NumberFormatter::withLocale(numberLocale)
                    .unit(unit)
                    .unitWidth(narrow ? UNUM_UNIT_WIDTH_NARROW : UNUM_UNIT_WIDTH_SHORT)
                    .roundingMode(UNUM_ROUND_HALFUP)
                    .symbols(symbolsWithMinus(numberLocale));
            made.valid = true;
            made.standard = base.precision(number::Precision::currency(UCURR_USAGE_STANDARD));
            made.whole = base.precision(number::Precision::integer());
            made.exact =
                base.precision(number::Precision::fixedFraction(Currency::minorDigits(code)));
        }
        return byCurrency.emplace(std::make_pair(code, narrow), std::move(made)).first->second;
    }

    icu::Locale numberLocale;
    icu::Locale language;
    number::LocalizedNumberFormatter axisWhole;
    number::LocalizedNumberFormatter axisTenths;
    number::LocalizedNumberFormatter axisCents;
    number::LocalizedNumberFormatter percentWhole;
    number::LocalizedNumberFormatter percentTenths;
    std::map<std::pair<QString, bool>, ForCurrency> byCurrency;
};

MoneyDisplay::MoneyDisplay(QLocale language, QObject* parent)
    : MoneyDisplay(std::move(language), QLocale(QString::fromLatin1(kNumberLocale)), parent)
{
}

MoneyDisplay::MoneyDisplay(QLocale language, QLocale numberLocale, QObject* parent)
    : QObject(parent), m_language(std::move(language)), m_numberLocale(std::move(numberLocale)),
      m_formatters(std::make_unique<Formatters>(m_language, m_numberLocale))
{
}

MoneyDisplay::~MoneyDisplay() = default;

void MoneyDisplay::setHideCents(bool hide)
{
    if (m_hideCents == hide)
        return;
    m_hideCents = hide;
    emit hideCentsChanged(hide);
}

void MoneyDisplay::setHideBalances(bool hide)
{
    if (m_hideBalances == hide)
        return;
    m_hideBalances = hide;
    emit hideBalancesChanged(hide);
}

const MoneyDisplay::Symbol& MoneyDisplay::symbol(const QString& currency) const
{
    const auto found = m_symbols.find(currency);
    if (found != m_symbols.end())
        return found->second;

    const auto zeroIn = [&](bool narrow) {
        const Formatters::ForCurrency& formatters = m_formatters->currency(currency, narrow);
        return formatters.valid ? formatted(formatters.whole, Decimal(0)) : QString();
    };
    const auto symbolOf = [](const QString& zero) {
        QString text;
        for (const QChar c : zero)
            if (!isDigit(c) && !c.isSpace())
                text += c;
        return text;
    };

    Symbol made;
    const QString narrowZero = zeroIn(true);
    made.isNarrow = currency == QLatin1String("USD") || symbolOf(narrowZero) != QLatin1String("$");
    const QString zero = made.isNarrow ? narrowZero : zeroIn(false);
    if (zero.isEmpty()) {
        // A code ICU can't format as a currency is shown as itself after
        // the number.
        made.text = currency;
        made.isFirst = false;
    } else {
        made.text = symbolOf(zero);
        made.isFirst = !isDigit(zero.front());
        if (made.isFirst) {
            const qsizetype firstDigit =
                std::find_if(zero.begin(), zero.end(), isDigit) - zero.begin();
            made.prefix = zero.left(firstDigit);
        }
    }
    return m_symbols.emplace(currency, std::move(made)).first->second;
}

QString MoneyDisplay::masked(const QString& currency) const
{
    const Symbol& shown = symbol(currency);
    const QString mask = QString::fromUtf16(kMask);
    return shown.isFirst ? QString(shown.text + kNoBreakSpace + mask)
                         : QString(mask + kNoBreakSpace + shown.text);
}

QString MoneyDisplay::format(std::int64_t minor, const QString& currency, bool respectsHideCents,
                             Masking masking) const
{
    if (m_hideBalances && masking == Masking::whenHidden)
        return masked(currency);
    const Decimal value = Decimal::fromMinor(minor, Currency::minorDigits(currency));
    const Formatters::ForCurrency& formatters =
        m_formatters->currency(currency, symbol(currency).isNarrow);
    if (!formatters.valid) {
        const int digits = respectsHideCents && m_hideCents ? 0 : Currency::minorDigits(currency);
        QString text = value.toFixed(digits);
        if (text.startsWith(u'-'))
            text[0] = QChar(kMinusSign);
        return text + kNoBreakSpace + currency;
    }
    if (!respectsHideCents)
        return formatted(formatters.exact, value);
    return formatted(m_hideCents ? formatters.whole : formatters.standard, value);
}

QString MoneyDisplay::signedAmount(std::int64_t minor, const QString& currency,
                                   Masking masking) const
{
    if (minor == 0 || (m_hideBalances && masking == Masking::whenHidden))
        return format(minor, currency, true, masking);
    const std::int64_t magnitude = minor == std::numeric_limits<std::int64_t>::min()
                                       ? std::numeric_limits<std::int64_t>::max()
                                       : (minor < 0 ? -minor : minor);
    return (minor > 0 ? QChar(u'+') : QChar(kMinusSign)) +
           format(magnitude, currency, true, masking);
}

QString MoneyDisplay::axisLabel(double value, const QString& currency, bool compact) const
{
    if (!std::isfinite(value))
        return {};
    const double magnitude = std::fabs(value);
    const StringTable table(m_language);
    QString text;
    if (magnitude >= 1'000'000.0) {
        text = table.translate("MoneyDisplay", "%1M", "millions on a chart axis: 1.2M")
                   .arg(formatted(m_formatters->axisTenths, magnitude / 1'000'000.0));
    } else if (magnitude >= (compact ? 1'000.0 : 10'000.0)) {
        text = table.translate("MoneyDisplay", "%1k", "thousands on a chart axis: 12.5k")
                   .arg(formatted(m_formatters->axisTenths, magnitude / 1'000.0));
    } else {
        const bool cents = magnitude < 100.0 && !m_hideCents;
        text = formatted(cents ? m_formatters->axisCents : m_formatters->axisWhole, magnitude);
    }
    const Symbol& shown = symbol(currency);
    text =
        shown.isFirst ? QString(shown.prefix + text) : QString(text + kNoBreakSpace + shown.text);
    // −0.004 shows as 0 and carries no sign.
    const bool showsZero =
        std::all_of(text.begin(), text.end(), [](QChar c) { return !c.isDigit() || c == u'0'; });
    return value < 0 && !showsZero ? QString(QChar(kMinusSign) + text) : text;
}

QString MoneyDisplay::percent(double ratio, PercentDigits digits, bool isSigned) const
{
    if (!std::isfinite(ratio))
        return {};
    const double magnitude = std::fabs(ratio) * 100.0;
    const bool tenths = digits == PercentDigits::oneDigit ||
                        (digits == PercentDigits::adaptive && magnitude < 10.0);
    number::LocalizedNumberFormatter formatter =
        tenths ? m_formatters->percentTenths : m_formatters->percentWhole;
    if (isSigned)
        formatter = formatter.sign(UNUM_SIGN_EXCEPT_ZERO);
    return formatted(formatter, isSigned && ratio < 0 ? -magnitude : magnitude);
}

QString MoneyDisplay::dayOfMonth(int day) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat ordinal(icu::URBNF_ORDINAL, m_formatters->language, status);
    if (U_SUCCESS(status)) {
        icu::UnicodeString text;
        ordinal.format(int32_t(day), text);
        if (!text.isEmpty())
            return fromIcu(text);
    }
    return StringTable(m_language)
        .translate("DayOfMonth", "%1",
                   "A day of the month in a picker: the number and its ordinal suffix (1st, 22nd)")
        .arg(day);
}

} // namespace tallyra
