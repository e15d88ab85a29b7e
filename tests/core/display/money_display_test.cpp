#include "display/money_display.h"

#include <limits>

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tallyra;

QT_BEGIN_NAMESPACE
// Failures print the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

const QLocale kEnglish(QStringLiteral("en_US"));
const QLocale kUkrainian(QStringLiteral("uk_UA"));

QString u(const char16_t* text)
{
    return QString::fromUtf16(text);
}

struct FormatCase
{
    const char* name;
    std::int64_t minor;
    const char16_t* currency;
    bool hideCents;
    bool respectsHideCents;
    const char16_t* expected;
};

class MoneyDisplayFormat : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(MoneyDisplayFormat, showsTheAmount)
{
    const FormatCase& c = GetParam();
    MoneyDisplay display(kUkrainian);
    display.setHideCents(c.hideCents);
    EXPECT_EQ(display.format(c.minor, u(c.currency), c.respectsHideCents), u(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyDisplayFormat,
    ::testing::Values(
        FormatCase{"usd", 123456, u"USD", false, true, u"$1,234.56"},
        FormatCase{"usdCentsHidden", 123456, u"USD", true, true, u"$1,235"},
        FormatCase{"halfAwayFromZero", 123450, u"USD", true, true, u"$1,235"},
        FormatCase{"negativeHalfAwayFromZero", -123450, u"USD", true, true, u"−$1,235"},
        FormatCase{"centsKeptWhenNotRespected", 123456, u"USD", true, false, u"$1,234.56"},
        FormatCase{"yen", 1500, u"JPY", false, true, u"¥1,500"},
        FormatCase{"yenCentsHidden", 1500, u"JPY", true, true, u"¥1,500"},
        FormatCase{"threeDigits", 1234567, u"KWD", false, false, u"KWD\u00A01,234.567"},
        FormatCase{"hryvniaNarrow", 5190248, u"UAH", false, true, u"₴51,902.48"},
        FormatCase{"euro", -1250, u"EUR", false, true, u"−€12.50"},
        FormatCase{"canadianKeepsItsPrefix", 100000, u"CAD", false, true, u"CA$1,000.00"},
        FormatCase{"largestAmount", 999'999'999'999'999, u"USD", false, true,
                   u"$9,999,999,999,999.99"},
        FormatCase{"unknownCodeAsItsSymbol", -1050, u"XQQ", false, true, u"−XQQ\u00A010.50"},
        FormatCase{"notACodeAfterTheNumber", -1050, u"DOGE", true, true, u"−11\u00A0DOGE"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MoneyDisplay, canadianDollarsNeverPassForUsDollars)
{
    const MoneyDisplay display(kEnglish);
    EXPECT_EQ(display.symbol(QStringLiteral("USD")).text, QStringLiteral("$"));
    EXPECT_NE(display.symbol(QStringLiteral("CAD")).text, QStringLiteral("$"));
    EXPECT_FALSE(display.symbol(QStringLiteral("CAD")).isNarrow);
    EXPECT_TRUE(display.symbol(QStringLiteral("EUR")).isNarrow);
}

struct MaskCase
{
    const char* name;
    const char* numberLocale;
    const char16_t* currency;
    const char16_t* expected;
};

class MoneyDisplayMask : public ::testing::TestWithParam<MaskCase>
{
};

TEST_P(MoneyDisplayMask, hidesTheDigitsOnTheSymbolsSide)
{
    const MaskCase& c = GetParam();
    MoneyDisplay display(kEnglish, QLocale(QString::fromLatin1(c.numberLocale)));
    display.setHideBalances(true);
    for (const std::int64_t minor : {std::int64_t{123456}, std::int64_t{-5}, std::int64_t{0}}) {
        EXPECT_EQ(display.format(minor, u(c.currency)), u(c.expected));
        EXPECT_EQ(display.signedAmount(minor, u(c.currency)), u(c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyDisplayMask,
    ::testing::Values(MaskCase{"symbolFirst", "en_US", u"USD", u"$\u00A0•••"},
                      MaskCase{"symbolAfter", "de_DE", u"EUR", u"•••\u00A0€"},
                      MaskCase{"codeAsSymbol", "en_US", u"XQQ", u"XQQ\u00A0•••"},
                      MaskCase{"notACode", "en_US", u"DOGE", u"•••\u00A0DOGE"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MoneyDisplay, signedAmountsUseTheMinusSign)
{
    const MoneyDisplay display(kEnglish);
    EXPECT_EQ(display.signedAmount(-1250, QStringLiteral("EUR")), u(u"−€12.50"));
    EXPECT_EQ(display.signedAmount(1250, QStringLiteral("EUR")), u(u"+€12.50"));
    EXPECT_EQ(display.signedAmount(0, QStringLiteral("EUR")), u(u"€0.00"));
    // The most negative count has no positive twin: the largest one stands in.
    EXPECT_EQ(display.signedAmount(std::numeric_limits<std::int64_t>::min(), QStringLiteral("JPY")),
              u(u"−¥9,223,372,036,854,775,807"));
}

struct AxisCase
{
    const char* name;
    double value;
    bool compact;
    bool hideCents;
    const char16_t* currency;
    const char16_t* expected;
};

class MoneyDisplayAxis : public ::testing::TestWithParam<AxisCase>
{
};

TEST_P(MoneyDisplayAxis, labelsTheAxis)
{
    const AxisCase& c = GetParam();
    MoneyDisplay display(kEnglish);
    display.setHideCents(c.hideCents);
    EXPECT_EQ(display.axisLabel(c.value, u(c.currency), c.compact), u(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyDisplayAxis,
    ::testing::Values(AxisCase{"plain", 950, false, false, u"USD", u"$950"},
                      AxisCase{"thousandsFromTenThousand", 12'500, false, false, u"USD", u"$12.5k"},
                      AxisCase{"tenThousand", 10'000, false, false, u"USD", u"$10k"},
                      AxisCase{"belowTenThousandNotCompact", 9'500, false, false, u"USD",
                               u"$9,500"},
                      AxisCase{"compactFromOneThousand", 5'000, true, false, u"USD", u"$5k"},
                      AxisCase{"millions", 1'200'000, false, false, u"USD", u"$1.2M"},
                      AxisCase{"cents", 42.25, false, false, u"USD", u"$42.25"},
                      AxisCase{"centsHidden", 42.25, false, true, u"USD", u"$42"},
                      AxisCase{"noCentsFromOneHundred", 142.25, false, false, u"USD", u"$142"},
                      AxisCase{"negative", -12'500, false, false, u"EUR", u"−€12.5k"},
                      AxisCase{"negativeRoundsToZero", -0.001, false, false, u"USD", u"$0"},
                      AxisCase{"codeKeepsItsSpace", 950, false, false, u"CHF", u"CHF\u00A0950"},
                      AxisCase{"notACodeAfter", 950, false, false, u"DOGE", u"950\u00A0DOGE"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct PercentCase
{
    const char* name;
    const char* language;
    double ratio;
    MoneyDisplay::PercentDigits digits;
    bool isSigned;
    const char16_t* expected;
};

class MoneyDisplayPercent : public ::testing::TestWithParam<PercentCase>
{
};

TEST_P(MoneyDisplayPercent, formatsInTheLanguage)
{
    const PercentCase& c = GetParam();
    const MoneyDisplay display(QLocale(QString::fromLatin1(c.language)));
    EXPECT_EQ(display.percent(c.ratio, c.digits, c.isSigned), u(c.expected));
}

using Digits = MoneyDisplay::PercentDigits;
INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyDisplayPercent,
    ::testing::Values(
        PercentCase{"whole", "en_US", 0.125, Digits::whole, false, u"13%"},
        PercentCase{"oneDigit", "en_US", 0.125, Digits::oneDigit, false, u"12.5%"},
        PercentCase{"adaptiveSmall", "en_US", 0.095, Digits::adaptive, false, u"9.5%"},
        PercentCase{"adaptiveLarge", "en_US", 0.125, Digits::adaptive, false, u"13%"},
        PercentCase{"unsignedDropsTheSign", "en_US", -0.5, Digits::whole, false, u"50%"},
        PercentCase{"signedNegative", "en_US", -0.5, Digits::whole, true, u"−50%"},
        PercentCase{"signedPositive", "en_US", 0.5, Digits::whole, true, u"+50%"},
        PercentCase{"signedZero", "en_US", 0.0, Digits::whole, true, u"0%"},
        PercentCase{"grouping", "en_US", 12.345, Digits::whole, false, u"1,235%"},
        PercentCase{"germanSpacingEnglishDigits", "de_DE", 0.125, Digits::oneDigit, false,
                    u"12.5\u00A0%"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MoneyDisplay, percentOfANonFiniteRatioIsEmpty)
{
    const MoneyDisplay display(kEnglish);
    EXPECT_TRUE(display.percent(std::numeric_limits<double>::infinity(), Digits::whole).isEmpty());
    EXPECT_TRUE(display.percent(std::nan(""), Digits::whole).isEmpty());
}

TEST(MoneyDisplay, dayOfMonthHasTheLanguagesOrdinal)
{
    const MoneyDisplay english(kEnglish);
    EXPECT_EQ(english.dayOfMonth(1), QStringLiteral("1st"));
    EXPECT_EQ(english.dayOfMonth(2), QStringLiteral("2nd"));
    EXPECT_EQ(english.dayOfMonth(11), QStringLiteral("11th"));
    EXPECT_EQ(english.dayOfMonth(22), QStringLiteral("22nd"));
    const MoneyDisplay ukrainian(kUkrainian);
    const QString day = ukrainian.dayOfMonth(22);
    EXPECT_TRUE(day.startsWith(QStringLiteral("22"))) << day.toStdString();
    EXPECT_NE(day, QStringLiteral("22nd"));
}

TEST(MoneyDisplay, switchesSignalOnlyOnChange)
{
    MoneyDisplay display(kEnglish);
    QSignalSpy cents(&display, &MoneyDisplay::hideCentsChanged);
    QSignalSpy balances(&display, &MoneyDisplay::hideBalancesChanged);
    display.setHideCents(true);
    display.setHideCents(true);
    display.setHideBalances(false);
    display.setHideBalances(true);
    EXPECT_EQ(cents.count(), 1);
    EXPECT_EQ(balances.count(), 1);
}

} // namespace

namespace {

TEST(MoneyDisplay, flowsStayReadableWhileBalancesAreHidden)
{
    MoneyDisplay display(kEnglish);
    display.setHideBalances(true);
    using Masking = MoneyDisplay::Masking;
    EXPECT_EQ(display.format(123456, QStringLiteral("USD"), true, Masking::never),
              QStringLiteral("$1,234.56"));
    EXPECT_EQ(display.signedAmount(-1250, QStringLiteral("EUR"), Masking::never), u(u"−€12.50"));
}

} // namespace
