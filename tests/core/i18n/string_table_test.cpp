#include "i18n/string_table.h"

#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QLocale locale(const char* name)
{
    return QLocale(QString::fromLatin1(name));
}

std::string str(const QString& text)
{
    return text.toStdString();
}

TEST(StringTable, englishHasNoTable)
{
    EXPECT_EQ(translatorFor(locale("en_US")), nullptr);
    EXPECT_EQ(translatorFor(locale("en_GB")), nullptr);
    EXPECT_EQ(translatorFor(QLocale::c()), nullptr);
    EXPECT_FALSE(StringTable(locale("en_US")).hasTranslations());
}

TEST(StringTable, languageWithoutTableHasNone)
{
    EXPECT_EQ(translatorFor(locale("de_DE")), nullptr);
    EXPECT_EQ(str(translate(locale("de_DE"), "PeriodLabels", "Today")), "Today");
}

TEST(StringTable, localesOfOneLanguageShareItsTable)
{
    const QTranslator* ukraine = translatorFor(locale("uk_UA"));
    ASSERT_NE(ukraine, nullptr);
    EXPECT_EQ(translatorFor(locale("uk")), ukraine);
    EXPECT_EQ(translatorFor(locale("uk_UA")), ukraine);
    EXPECT_EQ(str(ukraine->language()), "uk_UA");
}

TEST(StringTable, missingTextsFallBackToTheEnglishKey)
{
    const StringTable ukrainian(locale("uk_UA"));
    EXPECT_EQ(str(ukrainian.translate("PeriodLabels", "Today")), "Сьогодні");
    EXPECT_EQ(str(ukrainian.translate("PeriodLabels", "No Such Text")), "No Such Text");
    // The same key in another context is another text.
    EXPECT_EQ(str(ukrainian.translate("Elsewhere", "Today")), "Today");
    // Typographic characters in keys survive the fallback.
    EXPECT_EQ(str(ukrainian.translate("Elsewhere", "Couldn’t Save")), "Couldn’t Save");
    // Keys with typographic characters find their translation too.
    EXPECT_EQ(str(ukrainian.translate("StoreError", "Your changes couldn’t be saved.")),
              "Не вдалося зберегти ваші зміни.");
    EXPECT_EQ(str(ukrainian.translate("EntryKind", "Expense")), "Витрата");
}

struct PluralCase
{
    int n;
    const char* english;
    const char* ukrainian;
};

class StringTablePlural : public ::testing::TestWithParam<PluralCase>
{
};

// Ukrainian has three forms: one (1, 21, 101), few (2–4, 22–24), many (0,
// 5–20, 25–30, 11–14 included).
TEST_P(StringTablePlural, picksTheFormForTheNumber)
{
    const PluralCase& c = GetParam();
    EXPECT_EQ(str(translate(locale("en_US"), "PeriodLabels", "%n Weeks Ago", nullptr, c.n)),
              c.english);
    EXPECT_EQ(str(translate(locale("uk_UA"), "PeriodLabels", "%n Weeks Ago", nullptr, c.n)),
              c.ukrainian);
}

INSTANTIATE_TEST_SUITE_P(Cases, StringTablePlural,
                         ::testing::Values(PluralCase{0, "0 Weeks Ago", "0 тижнів тому"},
                                           PluralCase{1, "1 Weeks Ago", "1 тиждень тому"},
                                           PluralCase{2, "2 Weeks Ago", "2 тижні тому"},
                                           PluralCase{4, "4 Weeks Ago", "4 тижні тому"},
                                           PluralCase{5, "5 Weeks Ago", "5 тижнів тому"},
                                           PluralCase{11, "11 Weeks Ago", "11 тижнів тому"},
                                           PluralCase{12, "12 Weeks Ago", "12 тижнів тому"},
                                           PluralCase{21, "21 Weeks Ago", "21 тиждень тому"},
                                           PluralCase{22, "22 Weeks Ago", "22 тижні тому"},
                                           PluralCase{111, "111 Weeks Ago", "111 тижнів тому"},
                                           PluralCase{101, "101 Weeks Ago", "101 тиждень тому"}));

TEST(StringTable, localizedCountUsesTheTableLocale)
{
    EXPECT_EQ(str(translate(locale("en_US"), "Elsewhere", "%Ln rows", nullptr, 12345)),
              "12,345 rows");
    EXPECT_EQ(str(translate(locale("en_US"), "Elsewhere", "%n rows", nullptr, 12345)),
              "12345 rows");
    // Without a count the placeholder is left for the caller.
    EXPECT_EQ(str(translate(locale("en_US"), "Elsewhere", "%n rows")), "%n rows");
}

TEST(StringTable, applicationTranslatorFollowsTheLastInstalledLocale)
{
    ASSERT_TRUE(installApplicationTranslator(locale("uk_UA")));
    EXPECT_EQ(str(QCoreApplication::translate("PeriodLabels", "Yesterday")), "Учора");
    EXPECT_EQ(str(QCoreApplication::translate("PeriodLabels", "%n Months Ago", nullptr, 3)),
              "3 місяці тому");
    // Installing again replaces the table rather than stacking a second one.
    ASSERT_TRUE(installApplicationTranslator(locale("uk")));
    EXPECT_FALSE(installApplicationTranslator(locale("en_US")));
    EXPECT_EQ(str(QCoreApplication::translate("PeriodLabels", "Yesterday")), "Yesterday");
}

TEST(StringTable, tablesLoadOnceAcrossThreads)
{
    std::vector<const QTranslator*> seen(6, nullptr);
    std::vector<QString> texts(6);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < seen.size(); ++t)
        threads.emplace_back([&, t] {
            const QLocale ukrainian(t % 2 == 0 ? QStringLiteral("uk_UA") : QStringLiteral("uk"));
            seen[t] = translatorFor(ukrainian);
            texts[t] = StringTable(ukrainian).translate("PeriodLabels", "All Time");
        });
    for (std::thread& thread : threads)
        thread.join();
    for (size_t t = 0; t < seen.size(); ++t) {
        EXPECT_EQ(seen[t], translatorFor(locale("uk_UA")));
        EXPECT_EQ(str(texts[t]), "Увесь час");
    }
}

} // namespace
