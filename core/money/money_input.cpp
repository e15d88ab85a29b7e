#include "money/money_input.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QtGlobal>

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "money/currency.h"
#include "money/icu_locale.h"

namespace tallyra::MoneyInput {

namespace {

constexpr char32_t kMinusSign = U'\u2212';
constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr char16_t kNarrowNoBreakSpace = u'\u202F';

enum class Operator
{
    plus,
    minus,
    times,
    dividedBy
};

struct Tokens
{
    std::vector<std::u32string> operands;
    std::vector<Operator> operators;
};

struct LocaleMarks
{
    QString decimal;
    QString grouping;
};

bool isNumeric(char32_t c)
{
    return u_getNumericValue(static_cast<UChar32>(c)) != U_NO_NUMERIC_VALUE;
}

std::u32string codePoints(QStringView text)
{
    std::u32string result;
    result.reserve(static_cast<size_t>(text.size()));
    for (const char32_t c : text.toUcs4())
        result.push_back(c);
    return result;
}

// The field only ever holds ASCII digits, so the locale is asked for its
// Latin-digit symbols and formats: Arabic locales, for one, write "٫" as
// the decimal separator next to Arabic-Indic digits but "." next to Latin
// ones.
icu::Locale inputIcuLocale(const QLocale& locale)
{
    return icu::Locale((icuLocaleId(locale) + "@numbers=latn").c_str());
}

QString toQString(const icu::UnicodeString& text)
{
    return QString::fromUtf16(text.getBuffer(), text.length());
}

LocaleMarks marksFor(const QLocale& locale)
{
    // Building the symbols loads locale data; sanitize() runs on every
    // keystroke, so each thread keeps what it has looked up.
    thread_local std::unordered_map<std::string, LocaleMarks> cache;
    const std::string id = icuLocaleId(locale);
    if (const auto found = cache.find(id); found != cache.end())
        return found->second;
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(inputIcuLocale(locale), status);
    LocaleMarks marks;
    if (U_SUCCESS(status)) {
        marks.decimal =
            toQString(symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
        marks.grouping =
            toQString(symbols.getConstSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
    } else {
        qWarning("Amount input: no number symbols for %s (%s)", id.c_str(), u_errorName(status));
    }
    cache.emplace(id, marks);
    return marks;
}

// The decimal separator the reader takes in text that holds only numeric
// characters, "." and ","; 0 when there is none. Shared by the reader and
// the typing filter so that what the field keeps is what gets read.
char32_t decimalSeparatorOf(std::u32string_view kept, const LocaleMarks& marks)
{
    const auto dots = std::count(kept.begin(), kept.end(), U'.');
    const auto commas = std::count(kept.begin(), kept.end(), U',');
    if (dots > 0 && commas > 0)
        return kept.rfind(U'.') > kept.rfind(U',') ? U'.' : U',';
    if (dots == 1)
        return U'.';
    if (commas == 1) {
        // "1,234" is a thousand in English but one and a bit in German;
        // any other count of digits after a lone comma can only be a
        // fraction ("12,5", "1,2345").
        const size_t after = kept.size() - kept.rfind(U',') - 1;
        if (after != 3 || marks.decimal == QLatin1String(","))
            return U',';
    }
    return 0;
}

std::optional<Decimal> readNumber(std::u32string_view text, const LocaleMarks& marks)
{
    std::u32string kept;
    for (const char32_t c : text) {
        if (c == kMinusSign)
            kept.push_back(U'-');
        else if (c == U'.' || c == U',' || c == U'-' || isNumeric(c))
            kept.push_back(c);
    }
    const bool negative = kept.starts_with(U'-');
    std::erase(kept, U'-');
    if (kept.empty())
        return std::nullopt;

    const char32_t separator = decimalSeparatorOf(kept, marks);

    // Stopping at a second point reads "12.3.4" (from "1,2.3.4") as 12.3,
    // the longest number the text starts with.
    std::string normalised;
    normalised.reserve(kept.size());
    bool hasPoint = false;
    for (const char32_t c : kept) {
        if (c == separator) {
            if (hasPoint)
                break;
            hasPoint = true;
            normalised.push_back('.');
        } else if (c != U'.' && c != U',') {
            const int32_t digit = u_charDigitValue(static_cast<UChar32>(c));
            if (digit < 0 || digit > 9)
                return std::nullopt; // "½", "²": numeric, but not a digit to read
            normalised.push_back(static_cast<char>('0' + digit));
        }
    }
    if (normalised.empty() || normalised == ".")
        return std::nullopt;
    auto value = Decimal::parse(
        QString::fromLatin1(normalised.data(), static_cast<qsizetype>(normalised.size())));
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<Tokens> tokenize(std::u32string_view text)
{
    Tokens tokens;
    tokens.operands.emplace_back();
    bool operandHasNumeric = false;
    const auto startOperand = [&](Operator op) {
        tokens.operators.push_back(op);
        tokens.operands.emplace_back();
        operandHasNumeric = false;
    };
    for (const char32_t c : text) {
        if (c == U'+') {
            startOperand(Operator::plus);
        } else if (c == U'×' || c == U'*') {
            startOperand(Operator::times);
        } else if (c == U'÷' || c == U'/') {
            startOperand(Operator::dividedBy);
        } else if (c == U'-' || c == kMinusSign) {
            // A minus before any digit is the operand's sign: "5×-2", "−3+4"
            // and "5--2" all read as the user meant.
            if (operandHasNumeric)
                startOperand(Operator::minus);
            else
                tokens.operands.back().push_back(U'-');
        } else {
            tokens.operands.back().push_back(c);
            operandHasNumeric = operandHasNumeric || isNumeric(c);
        }
    }
    const bool complete = std::all_of(
        tokens.operands.begin(), tokens.operands.end(), [](const std::u32string& operand) {
            return std::any_of(operand.begin(), operand.end(), isNumeric);
        });
    if (!complete)
        return std::nullopt;
    return tokens;
}

bool isOperatorCharacter(QChar c)
{
    switch (c.unicode()) {
    case u'+':
    case u'-':
    case u'\u2212':
    case u'×':
    case u'*':
    case u'÷':
    case u'/':
        return true;
    default:
        return false;
    }
}

bool isKeptBySanitize(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'.' || u == u',' || u == u' ' || u == kNoBreakSpace ||
           u == kNarrowNoBreakSpace || isOperatorCharacter(c);
}

struct KeptText
{
    std::u32string text;       // the digits, "." and "," of an operand
    std::vector<qsizetype> at; // where each of them sits in the operand
};

KeptText keptOf(const QString& segment)
{
    KeptText kept;
    for (qsizetype i = 0; i < segment.size(); ++i) {
        const QChar c = segment.at(i);
        if (c == u'.' || c == u',' || (c >= u'0' && c <= u'9')) {
            kept.text.push_back(c.unicode());
            kept.at.push_back(i);
        }
    }
    return kept;
}

char32_t separatorIn(const QString& segment, const LocaleMarks& marks)
{
    return decimalSeparatorOf(keptOf(segment).text, marks);
}

// One step of cutting an operand down to what the reader takes with at
// most `digits` fraction digits. Each step only removes characters, so
// repeating it until nothing changes ends, and the result is a fixed point:
// filtering the filtered text changes nothing. A cut never lets a grouping
// mark turn into a decimal separator or the other way round, which would
// change the whole part of the amount ("1.200,5" in yen stays 1200).
QString limitOnce(const QString& segment, const LocaleMarks& marks, int digits)
{
    const KeptText kept = keptOf(segment);
    // Two marks in a row separate nothing; the reader would take "1..2"
    // as 12, so the second one is refused like a letter.
    for (size_t i = 1; i < kept.text.size(); ++i) {
        const auto isMark = [](char32_t c) { return c == U'.' || c == U','; };
        if (isMark(kept.text[i]) && isMark(kept.text[i - 1]))
            return QString(segment).remove(kept.at[i], 1);
    }
    const char32_t separator = decimalSeparatorOf(kept.text, marks);
    if (separator == 0)
        return segment;
    const char32_t other = separator == U'.' ? U',' : U'.';
    const size_t first = kept.text.find(separator);
    if (const size_t second = kept.text.find(separator, first + 1);
        second != std::u32string::npos) {
        // The reader stops at a repeated separator and skips grouping
        // marks inside the fraction ("1,2.3.4" reads as 12.3); the text
        // is cut to exactly what it read.
        QString result = segment.left(kept.at[second]);
        for (size_t i = second; i-- > first + 1;)
            if (kept.text[i] == other)
                result.remove(kept.at[i], 1);
        return result;
    }
    if (digits == 0) {
        QString whole = segment.left(kept.at[first]);
        if (separatorIn(whole, marks) != 0) {
            whole.remove(u'.');
            whole.remove(u',');
        }
        return whole;
    }
    std::vector<qsizetype> fraction;
    for (size_t i = first + 1; i < kept.text.size(); ++i)
        if (kept.text[i] >= U'0' && kept.text[i] <= U'9')
            fraction.push_back(kept.at[i]);
    if (fraction.size() <= static_cast<size_t>(digits))
        return segment;
    // Digits go from the end, spaces typed between them stay. Fewer digits
    // can make a lone comma look like a grouping mark ("1,2345" cut to
    // "1,234" would read as 1234), so the cut goes on until it still reads
    // as a fraction.
    QString result = segment;
    for (size_t i = fraction.size(); i-- > 0;) {
        result.remove(fraction[i], 1);
        if (i <= static_cast<size_t>(digits) && separatorIn(result, marks) == separator)
            break;
    }
    return result;
}

QString limitFraction(QString segment, const LocaleMarks& marks, int digits)
{
    for (;;) {
        QString next = limitOnce(segment, marks, digits);
        if (next == segment)
            return segment;
        segment = std::move(next);
    }
}

QString formatPlain(const QString& posixText, const QLocale& locale,
                    const icu::number::Precision& precision)
{
    const std::string digits = posixText.toStdString();
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted =
        icu::number::NumberFormatter::withLocale(inputIcuLocale(locale))
            .grouping(UNUM_GROUPING_OFF)
            .precision(precision)
            .roundingMode(UNUM_ROUND_HALFEVEN)
            .formatDecimal(icu::StringPiece(digits), status);
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status)) {
        // The POSIX text still reads back correctly in every locale.
        qWarning("Amount input: ICU could not format %s (%s)", digits.c_str(), u_errorName(status));
        return posixText;
    }
    return toQString(text);
}

} // namespace

std::optional<Decimal> number(QStringView text, const QLocale& locale)
{
    return readNumber(codePoints(text), marksFor(locale));
}

std::optional<Decimal> evaluate(QStringView text, const QLocale& locale)
{
    const std::optional<Tokens> tokens = tokenize(codePoints(text));
    if (!tokens)
        return std::nullopt;
    const LocaleMarks marks = marksFor(locale);
    std::vector<Decimal> operands;
    operands.reserve(tokens->operands.size());
    for (const std::u32string& operand : tokens->operands) {
        std::optional<Decimal> value = readNumber(operand, marks);
        if (!value)
            return std::nullopt;
        operands.push_back(*value);
    }

    // × and ÷ fold into the term on their left; + and − wait for the
    // second pass so that they bind last.
    std::vector<Decimal> terms{operands.front()};
    std::vector<Operator> additive;
    for (size_t i = 0; i < tokens->operators.size(); ++i) {
        const Decimal& operand = operands[i + 1];
        switch (tokens->operators[i]) {
        case Operator::times:
            terms.back() *= operand;
            break;
        case Operator::dividedBy:
            if (operand.isZero())
                return std::nullopt;
            terms.back() /= operand;
            break;
        case Operator::plus:
        case Operator::minus:
            terms.push_back(operand);
            additive.push_back(tokens->operators[i]);
            break;
        }
    }
    Decimal result = terms.front();
    for (size_t i = 0; i < additive.size(); ++i) {
        if (additive[i] == Operator::plus)
            result += terms[i + 1];
        else
            result -= terms[i + 1];
    }
    if (result.isNaN())
        return std::nullopt;
    return result;
}

bool isExpression(QStringView text)
{
    const std::optional<Tokens> tokens = tokenize(codePoints(text));
    return tokens && !tokens->operators.empty();
}

QString sanitize(QStringView text, const CurrencyCode& currency, const QLocale& locale)
{
    const LocaleMarks marks = marksFor(locale);
    const int digits = Currency::minorDigits(currency);

    QString result;
    result.reserve(text.size());
    QString segment;
    for (const QChar c : text) {
        if (!isKeptBySanitize(c))
            continue;
        if (isOperatorCharacter(c)) {
            result += limitFraction(std::exchange(segment, QString()), marks, digits);
            result += c;
        } else {
            segment += c;
        }
    }
    result += limitFraction(segment, marks, digits);
    return result;
}

QString editingText(const Decimal& value, const CurrencyCode& currency, const QLocale& locale)
{
    if (value.isNaN())
        return {};
    const int digits = Currency::minorDigits(currency);
    // Rounding the exact value first keeps ICU from ever seeing more digits
    // than it shows, and turns "-0.001" into "0" rather than "-0".
    const Decimal shown = value.rounded(digits, Rounding::halfEven);
    return formatPlain(shown.toString(), locale, icu::number::Precision::minMaxFraction(0, digits));
}

QString placeholder(const CurrencyCode& currency, const QLocale& locale)
{
    return formatPlain(QStringLiteral("0"), locale,
                       icu::number::Precision::fixedFraction(Currency::minorDigits(currency)));
}

} // namespace tallyra::MoneyInput
