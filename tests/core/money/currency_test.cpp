#include "money/currency.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "money/icu_locale.h"

using namespace tallyra;

namespace {

TEST(Currency, allIsSortedWithoutDuplicates)
{
    const QList<QString>& codes = Currency::all();
    ASSERT_GT(codes.size(), 100);
    EXPECT_TRUE(std::adjacent_find(codes.begin(), codes.end(), std::greater_equal<>()) ==
                codes.end());
    for (const QString& code : codes)
        EXPECT_EQ(code.size(), 3) << code.toStdString();
}

TEST(Currency, allHoldsCommonCodesOnly)
{
    const QList<QString>& codes = Currency::all();
    for (const char* code : {"USD", "EUR", "UAH", "JPY", "BHD", "GBP", "PLN"})
        EXPECT_TRUE(codes.contains(QString::fromLatin1(code))) << code;
    // Withdrawn (BYR), testing (XTS), precious metal (XAU) and fund (USN)
    // codes are not offered.
    for (const char* code : {"BYR", "XTS", "XAU", "USN", "XXX"})
        EXPECT_FALSE(codes.contains(QString::fromLatin1(code))) << code;
    EXPECT_EQ(&Currency::all(), &Currency::all());
}

struct NameCase
{
    const char* code;
    const char* locale;
    const char16_t* expected;
};

TEST(Currency, nameIsLocalizedWithACapitalFirstLetter)
{
    const NameCase cases[] = {
        {"EUR", "fr_FR", u"Euro"},
        {"UAH", "fr_FR", u"Hryvnia ukrainienne"},
        {"USD", "fr_FR", u"Dollar des \u00C9tats-Unis"},
        {"EUR", "uk_UA", u"\u0404\u0432\u0440\u043E"},
        {"UAH", "uk_UA",
         u"\u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430 "
         u"\u0433\u0440\u0438\u0432\u043D\u044F"},
        {"USD", "en_US", u"US Dollar"},
        {"EUR", "de_DE", u"Euro"},
        {"USD", "C", u"US Dollar"},
        // The script of the locale chooses the name's letters.
        {"EUR", "sr_Latn_RS", u"Evro"},
        {"EUR", "sr_RS", u"\u0415\u0432\u0440\u043E"},
        // No name: the code comes back as it was given.
        {"XYZ", "en_US", u"XYZ"},
        {"QQQ", "uk_UA", u"QQQ"},
        {"", "en_US", u""},
        {"EURO", "fr_FR", u"EURO"},
        {"EU", "fr_FR", u"EU"},
        {"E1R", "fr_FR", u"E1R"},
    };
    for (const auto& c : cases) {
        const QString actual =
            Currency::name(QString::fromLatin1(c.code), QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(actual, QString::fromUtf16(c.expected))
            << c.code << ' ' << c.locale << " gave " << actual.toStdString();
    }
}

TEST(Currency, icuLocaleIdKeepsScriptOnlyWhenItMatters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE", "de_DE"}, {"uk_UA", "uk_UA"},   {"sr_RS", "sr_RS"}, {"sr_Latn_RS", "sr_Latn_RS"},
        {"zh_TW", "zh_TW"}, {"C", "en_US_POSIX"}, {"en", "en_US"},
    };
    for (const auto& [qt, icu] : cases)
        EXPECT_EQ(icuLocaleId(QLocale(QString::fromLatin1(qt))), icu) << qt;
}

} // namespace
