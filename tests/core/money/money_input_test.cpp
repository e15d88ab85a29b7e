#include "money/money_input.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "money/currency.h"

using namespace tallyra;

namespace {

QLocale locale(const char* name)
{
    return QLocale(QString::fromLatin1(name));
}

std::string utf8(QStringView text)
{
    return text.toString().toStdString();
}

// expected == nullptr means "no value".
struct ReadCase
{
    const char* locale;
    const char16_t* text;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c)
{
    return out << c.locale << " '" << utf8(QStringView(c.text)) << "'";
}

void expectValue(const std::optional<Decimal>& actual, const char* expected, const ReadCase& c)
{
    if (expected == nullptr) {
        EXPECT_FALSE(actual.has_value()) << c << " gave " << actual->toString().toStdString();
        return;
    }
    ASSERT_TRUE(actual.has_value()) << c << " gave no value";
    EXPECT_EQ(*actual, *Decimal::parse(QString::fromLatin1(expected)))
        << c << " gave " << actual->toString().toStdString();
}

class MoneyInputNumber : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(MoneyInputNumber, readsTypedNumbers)
{
    const ReadCase& c = GetParam();
    expectValue(MoneyInput::number(c.text, locale(c.locale)), c.expected, c);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyInputNumber,
    ::testing::Values(
        // A lone comma before three digits is the locale's call.
        ReadCase{"en_US", u"1,234", "1234"}, ReadCase{"de_DE", u"1,234", "1.234"},
        ReadCase{"fr_FR", u"1,234", "1.234"}, ReadCase{"uk_UA", u"1,234", "1.234"},
        ReadCase{"C", u"1,234", "1234"}, ReadCase{"ar_EG", u"1,234", "1234"},
        // Any other lone comma is a decimal separator everywhere.
        ReadCase{"en_US", u"1,5", "1.5"}, ReadCase{"de_DE", u"1,5", "1.5"},
        ReadCase{"en_US", u"1,2345", "1.2345"}, ReadCase{"en_US", u"12,", "12"},
        ReadCase{"en_US", u",5", "0.5"},
        // Both separators: the later one is the decimal separator.
        ReadCase{"en_US", u"1.234.567,89", "1234567.89"},
        ReadCase{"de_DE", u"1.234.567,89", "1234567.89"}, ReadCase{"de_DE", u"1,234.56", "1234.56"},
        ReadCase{"uk_UA", u"1,234.56", "1234.56"},
        // Repeated separators are grouping marks.
        ReadCase{"en_US", u"1.234.567", "1234567"}, ReadCase{"en_US", u"1,234,567", "1234567"},
        ReadCase{"de_DE", u"1.234", "1.234"},
        // Later separator repeats: read up to its second occurrence.
        ReadCase{"en_US", u"1,2.3.4", "12.3"}, ReadCase{"de_DE", u"1.2,3,4", "12.3"},
        // Signs, spaces, currency signs and letters.
        ReadCase{"en_US", u"\u221212.50 $", "-12.5"}, ReadCase{"en_US", u"-12.50", "-12.5"},
        ReadCase{"en_US", u"--5", "-5"}, ReadCase{"en_US", u"5-", "5"},
        ReadCase{"en_US", u"12-3", "123"}, ReadCase{"en_US", u"+5", "5"},
        ReadCase{"en_US", u"(12)", "12"}, ReadCase{"en_US", u"-0", "0"},
        ReadCase{"fr_FR", u"12\u202F345,67\u00A0\u20AC", "12345.67"},
        ReadCase{"uk_UA", u"1\u00A0234,5 \u0433\u0440\u043D", "1234.5"},
        ReadCase{"en_US", u"1 234", "1234"},
        // Digits of other scripts read as their value; other numerics do not.
        ReadCase{"en_US", u"\u0661\u0662\u0663,\u0664", "123.4"},
        ReadCase{"ar_EG", u"\u0661\u066C\u0662\u0663\u0664", "1234"},
        ReadCase{"en_US", u"\uFF11\uFF12.\uFF15", "12.5"},
        ReadCase{"en_US", u"\U0001D7CF\U0001D7D0", "12"}, ReadCase{"en_US", u"\u00BD", nullptr},
        ReadCase{"en_US", u"1\u00BD", nullptr}, ReadCase{"en_US", u"12\u00B2", nullptr},
        ReadCase{"en_US", u"1,2.3.\u00BD", "12.3"},
        // Exact beyond the precision of a double.
        ReadCase{"en_US", u"123456789012345678901234567890.123",
                 "123456789012345678901234567890.123"},
        // Nothing to read.
        ReadCase{"en_US", u"", nullptr}, ReadCase{"en_US", u".", nullptr},
        ReadCase{"en_US", u",", nullptr}, ReadCase{"en_US", u"abc", nullptr},
        ReadCase{"en_US", u"-", nullptr}, ReadCase{"en_US", u"\u2212", nullptr},
        ReadCase{"en_US", u"1.2,3,4,", "12.3"}, ReadCase{"en_US", u",,", nullptr},
        ReadCase{"en_US", u"..", nullptr}, ReadCase{"en_US", u"$", nullptr}));

class MoneyInputEvaluate : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(MoneyInputEvaluate, computesCalculations)
{
    const ReadCase& c = GetParam();
    expectValue(MoneyInput::evaluate(c.text, locale(c.locale)), c.expected, c);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyInputEvaluate,
    ::testing::Values(
        ReadCase{"en_US", u"12", "12"}, ReadCase{"en_US", u"10+5\u00D72", "20"},
        ReadCase{"en_US", u"10+5*2", "20"}, ReadCase{"en_US", u"2\u00D73+4\u00D75", "26"},
        ReadCase{"en_US", u"2+3\u00D74\u22126\u00F73", "12"}, ReadCase{"en_US", u"10-2-3", "5"},
        ReadCase{"en_US", u"8\u00F72\u00F72", "2"}, ReadCase{"en_US", u"10/4", "2.5"},
        ReadCase{"en_US", u"0.1+0.2", "0.3"}, ReadCase{"en_US", u"0\u00F75", "0"},
        // Signs after an operator or at the start.
        ReadCase{"en_US", u"7\u2212\u22122", "9"}, ReadCase{"en_US", u"5--2", "7"},
        ReadCase{"en_US", u"5\u00D7-2", "-10"}, ReadCase{"en_US", u"\u22123+4", "1"},
        ReadCase{"en_US", u"-3", "-3"},
        // Operands are read in the locale.
        ReadCase{"de_DE", u"1,5*2", "3"}, ReadCase{"en_US", u"1,5*2", "3"},
        ReadCase{"en_US", u"1,234+1", "1235"}, ReadCase{"de_DE", u"1,234+1", "2.234"},
        ReadCase{"de_DE", u"1.000,5+1", "1001.5"},
        ReadCase{"fr_FR", u"1\u202F000,5 \u2212 0,5", "1000"},
        ReadCase{"uk_UA", u"100,50\u00F72", "50.25"}, ReadCase{"en_US", u"$12 + $3", "15"},
        ReadCase{"en_US", u"1 2 + 3", "15"},
        // No value.
        ReadCase{"en_US", u"100\u00F70", nullptr}, ReadCase{"en_US", u"1/0.00", nullptr},
        ReadCase{"en_US", u"12+", nullptr}, ReadCase{"en_US", u"+5", nullptr},
        ReadCase{"en_US", u"\u00D73", nullptr}, ReadCase{"en_US", u"5+\u00BD", nullptr},
        ReadCase{"en_US", u"", nullptr}, ReadCase{"en_US", u"abc", nullptr},
        ReadCase{"en_US", u"1++2", nullptr}, ReadCase{"en_US", u"5+.", nullptr}));

TEST(MoneyInput, divisionKeepsThirtyEightDigits)
{
    const auto third = MoneyInput::evaluate(u"1/3", locale("en_US"));
    ASSERT_TRUE(third.has_value());
    const QString digits = QStringLiteral("0.") + QString(38, u'3');
    EXPECT_EQ(third->rounded(38, Rounding::halfEven), *Decimal::parse(digits));
}

TEST(MoneyInput, longPastedNumberClampsInsteadOfFailing)
{
    const QString pasted = QStringLiteral("1") + QString(100'000, u'0') + QStringLiteral("+1");
    const auto value = MoneyInput::evaluate(pasted, locale("en_US"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(Money::fromDecimal(*value, QStringLiteral("USD")).minor, kMoneyLimitMinor);
}

struct ExpressionCase
{
    const char16_t* text;
    bool expected;
};

TEST(MoneyInput, isExpressionNeedsTwoOperandsAndAnOperator)
{
    const ExpressionCase cases[] = {
        {u"12", false},      {u"12+3", true},     {u"+3", false},  {u"-3", false},
        {u"\u22123", false}, {u"5--2", true},     {u"12+", false}, {u"", false},
        {u"3\u2212", false}, {u"2\u00D73", true}, {u"a+b", false}, {u"1/2", true},
        {u"\u00BD+1", true}, {u"12-", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoneyInput::isExpression(c.text), c.expected) << utf8(QStringView(c.text));
}

struct SanitizeCase
{
    const char* locale;
    const char* currency;
    const char16_t* text;
    const char16_t* expected;
};

TEST(MoneyInput, sanitizeKeepsFieldCharactersAndLimitsFractions)
{
    const SanitizeCase cases[] = {
        {"en_US", "USD", u"12.345", u"12.34"},
        {"en_US", "JPY", u"$1 200.5", u"1 200"},
        {"en_US", "USD", u"abc", u""},
        // The filter cuts where the reader would see a fraction: a lone
        // dot is a decimal point in every locale, a lone comma before
        // exactly three digits only where the locale writes decimals so.
        {"de_DE", "EUR", u"1.2345+3,456", u"1.23+3,45"},
        {"en_US", "USD", u"12,345", u"12,345"},
        {"fr_FR", "EUR", u"12,345", u"12,34"},
        {"fr_FR", "EUR", u"12.345", u"12.34"},
        {"de_DE", "EUR", u"12.345", u"12.34"},
        {"de_DE", "EUR", u"1,234.56", u"1,234.56"},
        {"de_DE", "EUR", u"0,001", u"0,00"},
        {"en_US", "USD", u"1,2345", u"1,23"},
        {"en_US", "KWD", u"1,2345 ", u"1,23 "},
        {"en_US", "KWD", u"1.2345 ", u"1.234 "},
        // Cutting the fraction of a yen amount keeps its whole part.
        {"de_DE", "JPY", u"1.200,5", u"1200"},
        {"en_US", "JPY", u"1,200.5", u"1,200"},
        {"en_US", "JPY", u"12.3.4", u"12.3.4"},
        // A repeated separator ends what is read; the rest goes.
        {"en_US", "USD", u"1,2.3.4", u"1,2.3"},
        {"en_US", "USD", u"1.2,3.4", u"1.23"},
        {"en_US", "USD", u"1..2", u"1.2"},
        {"de_DE", "EUR", u"1 ,,5", u"1 ,5"},
        {"fr_FR", "JPY", u"0.5", u"0"},
        {"uk_UA", "UAH", u"1\u00A0234,567", u"1\u00A0234,56"},
        {"fr_FR", "EUR", u"1\u202F234,5678", u"1\u202F234,56"},
        // Digits are cut, not the spaces typed after them.
        {"fr_FR", "EUR", u"1\u202F234,5678\u00A0\u20AC", u"1\u202F234,56\u00A0"},
        {"en_US", "BHD", u"1.2345", u"1.234"},
        {"en_US", "USD", u"12.34 5", u"12.34 "},
        // Every operator stays; each operand is limited on its own.
        {"en_US", "USD", u"10\u00D72.555\u00F73.1234", u"10\u00D72.55\u00F73.12"},
        {"en_US", "USD", u"\u22125.999\u22122*3/4+1.001", u"\u22125.99\u22122*3/4+1.00"},
        {"en_US", "JPY", u"1.5+2.5", u"1+2"},
        // Everything else goes, including other digits and other spaces.
        {"de_DE", "EUR", u"x1,5\u20AC", u"1,5"},
        {"en_US", "USD", u"1\t2\n3\u2009", u"123"},
        {"en_US", "USD", u"\u0661\u0662", u""},
        {"en_US", "USD", u"(1)=2", u"12"},
    };
    for (const auto& c : cases) {
        const QString actual =
            MoneyInput::sanitize(c.text, QString::fromLatin1(c.currency), locale(c.locale));
        EXPECT_EQ(actual, QString::fromUtf16(c.expected))
            << c.locale << ' ' << c.currency << " '" << utf8(QStringView(c.text)) << "' gave '"
            << utf8(actual) << "'";
    }
}

// Every text over a small alphabet up to a length, walked in order; the
// alphabet holds everything the filter treats specially.
template <typename Visit>
void forEachText(std::u16string_view alphabet, size_t maxLength, Visit visit)
{
    std::u16string text;
    const auto walk = [&](const auto& self) -> void {
        visit(QStringView(text.data(), static_cast<qsizetype>(text.size())));
        if (text.size() == maxLength)
            return;
        for (const char16_t c : alphabet) {
            text.push_back(c);
            self(self);
            text.pop_back();
        }
    };
    walk(walk);
}

TEST(MoneyInput, sanitizeIsIdempotentAndKeepsOnlyReadableFractions)
{
    for (const char* name : {"en_US", "de_DE", "fr_FR"}) {
        const QLocale loc = locale(name);
        for (const char* code : {"USD", "JPY", "KWD"}) {
            const QString currency = QString::fromLatin1(code);
            const int digits = Currency::minorDigits(currency);
            forEachText(u"1.,+ ", 5, [&](QStringView text) {
                const QString once = MoneyInput::sanitize(text, currency, loc);
                const QString twice = MoneyInput::sanitize(once, currency, loc);
                ASSERT_EQ(twice, once) << name << ' ' << code << " '" << utf8(text) << "'";
                for (const QString& operand : once.split(u'+')) {
                    const auto value = MoneyInput::number(operand, loc);
                    if (value) {
                        ASSERT_EQ(value->rounded(digits, Rounding::halfEven), *value)
                            << name << ' ' << code << " '" << utf8(text) << "' kept '" << utf8(once)
                            << "'";
                    }
                }
            });
        }
    }
}

struct EditingCase
{
    const char* locale;
    const char* currency;
    const char* value;
    const char16_t* expected;
};

TEST(MoneyInput, editingTextHasNoGroupingAndOnlyNeededFractionDigits)
{
    const EditingCase cases[] = {
        {"en_US", "USD", "12.50", u"12.5"},
        {"en_US", "USD", "12", u"12"},
        {"de_DE", "EUR", "12.5", u"12,5"},
        {"fr_FR", "EUR", "1234567.89", u"1234567,89"},
        {"uk_UA", "UAH", "-1234.5", u"-1234,5"},
        {"sv_SE", "SEK", "-12.5", u"\u221212,5"},
        {"de_CH", "CHF", "1234.05", u"1234.05"},
        {"ar_EG", "EGP", "12.5", u"12.5"},
        {"C", "USD", "1234.5", u"1234.5"},
        // Rounded half to even to the currency's digits.
        {"en_US", "USD", "12.345", u"12.34"},
        {"en_US", "USD", "12.355", u"12.36"},
        {"en_US", "USD", "-0.001", u"0"},
        {"en_US", "JPY", "0.5", u"0"},
        {"en_US", "JPY", "1.5", u"2"},
        {"de_DE", "BHD", "1.2345", u"1,234"},
        {"de_DE", "KWD", "1.2", u"1,2"},
        // Digits beyond a double's precision survive.
        {"en_US", "USD", "12345678901234567.89", u"12345678901234567.89"},
        {"de_DE", "USD", "9999999999999.99", u"9999999999999,99"},
    };
    for (const auto& c : cases) {
        const QString actual =
            MoneyInput::editingText(*Decimal::parse(QString::fromLatin1(c.value)),
                                    QString::fromLatin1(c.currency), locale(c.locale));
        EXPECT_EQ(actual, QString::fromUtf16(c.expected))
            << c.locale << ' ' << c.currency << ' ' << c.value << " gave '" << utf8(actual) << "'";
    }
    EXPECT_EQ(MoneyInput::editingText(Decimal::nan(), QStringLiteral("USD"), locale("en_US")),
              QString());
}

TEST(MoneyInput, editingTextReadsBackToTheSameValue)
{
    const char* locales[] = {"en_US", "de_DE", "fr_FR", "uk_UA", "sv_SE", "de_CH", "ar_EG", "C"};
    const char* values[] = {"0",    "1234.567",         "-1234.5", "0.001",
                            "1000", "999999999999.999", "-0.5"};
    for (const char* name : locales) {
        for (const char* value : values) {
            const Decimal decimal = *Decimal::parse(QString::fromLatin1(value));
            const QString text =
                MoneyInput::editingText(decimal, QStringLiteral("BHD"), locale(name));
            const auto read = MoneyInput::evaluate(text, locale(name));
            ASSERT_TRUE(read.has_value()) << name << ' ' << value << " → '" << utf8(text) << "'";
            EXPECT_EQ(*read, decimal) << name << ' ' << value << " → '" << utf8(text) << "'";
        }
    }
}

struct PlaceholderCase
{
    const char* locale;
    const char* currency;
    const char16_t* expected;
};

TEST(MoneyInput, placeholderShowsEveryMinorDigit)
{
    const PlaceholderCase cases[] = {
        {"en_US", "USD", u"0.00"},  {"de_DE", "USD", u"0,00"}, {"en_US", "JPY", u"0"},
        {"en_US", "BHD", u"0.000"}, {"fr_FR", "EUR", u"0,00"}, {"uk_UA", "UAH", u"0,00"},
        {"de_DE", "KWD", u"0,000"}, {"ar_EG", "EGP", u"0.00"},
    };
    for (const auto& c : cases) {
        const QString actual =
            MoneyInput::placeholder(QString::fromLatin1(c.currency), locale(c.locale));
        EXPECT_EQ(actual, QString::fromUtf16(c.expected))
            << c.locale << ' ' << c.currency << " gave '" << utf8(actual) << "'";
    }
}

} // namespace
