#include "emoji/emoji_catalog.h"

#include <set>

#include <gtest/gtest.h>

#include "emoji/curated_emoji.h"

using namespace tallyra;

namespace {

QString q(const char16_t* text)
{
    return QString::fromUtf16(text);
}

const EmojiCatalog& catalog()
{
    static const EmojiCatalog built = EmojiCatalog::build(QLocale(QStringLiteral("uk_UA")));
    return built;
}

// The group an emoji text was put in, empty when it is nowhere.
QString groupOf(const QString& emoji)
{
    for (const EmojiGroup& group : catalog().groups())
        for (const EmojiItem& item : group.items)
            if (item.emoji == emoji)
                return group.id;
    return {};
}

struct PlacementCase
{
    const char* name;
    const char16_t* emoji;
    const char* group; // "" when left out
};

class EmojiPlacement : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(EmojiPlacement, isInItsGroupOrLeftOut)
{
    EXPECT_EQ(groupOf(q(GetParam().emoji)), QString::fromUtf8(GetParam().group));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmojiPlacement,
    ::testing::Values(PlacementCase{"numberSign", u"#", ""},
                      PlacementCase{"numberSignWithSelector", u"#\uFE0F", ""},
                      PlacementCase{"asterisk", u"*\uFE0F", ""},
                      PlacementCase{"digitSeven", u"7\uFE0F", ""},
                      PlacementCase{"copyright", u"©\uFE0F", "Symbols"},
                      PlacementCase{"registered", u"®\uFE0F", "Symbols"},
                      PlacementCase{"cloudGetsTheSelector", u"☁\uFE0F", "Animals & Nature"},
                      PlacementCase{"bareCloudIsNotOffered", u"☁", ""},
                      PlacementCase{"sunInTheFirstGroupOnly", u"☀\uFE0F", "Animals & Nature"},
                      PlacementCase{"cometInTheFirstGroupOnly", u"☄\uFE0F", "Animals & Nature"},
                      PlacementCase{"umbrellaPastTheOverlap", u"☔", "Symbols"},
                      PlacementCase{"skinToneModifierLeftOut", u"\U0001F3FB", ""},
                      PlacementCase{"moneyBag", u"💰", "Objects"},
                      PlacementCase{"grinning", u"😀", "Smileys & People"},
                      PlacementCase{"technologistSequence", u"🧑\u200D💻", "Smileys & People"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(EmojiCatalog, everyEmojiOnceAndAllIsTheGroupsInOrder)
{
    std::set<QString> seen;
    std::vector<EmojiItem> joined;
    for (const EmojiGroup& group : catalog().groups()) {
        EXPECT_FALSE(group.items.empty()) << group.id.toStdString();
        for (const EmojiItem& item : group.items) {
            EXPECT_TRUE(seen.insert(item.emoji).second) << item.emoji.toStdString();
            EXPECT_FALSE(item.name.isEmpty()) << item.emoji.toStdString();
            joined.push_back(item);
        }
    }
    EXPECT_EQ(joined, catalog().all());
    EXPECT_EQ(catalog().groups().back().id, QStringLiteral("Flags"));
    EXPECT_EQ(catalog().groups().size(), 8u);
}

TEST(EmojiCatalog, flagsAreNamedInEnglishWithTheUsersLanguageAsWords)
{
    const EmojiItem* ukraine = catalog().find(q(u"🇺🇦"));
    ASSERT_NE(ukraine, nullptr);
    EXPECT_EQ(ukraine->name, QStringLiteral("flag: Ukraine"));
    EXPECT_EQ(ukraine->words, q(u"Україна"));
    EXPECT_GT(catalog().group(QStringLiteral("flags"))->items.size(), 200u);
}

TEST(EmojiCatalog, everyCuratedEmojiCarriesItsKeywords)
{
    EXPECT_EQ(curatedEmoji().size(), 162u);
    for (const CuratedEmoji& curated : curatedEmoji()) {
        const EmojiItem* item = catalog().find(q(curated.emoji));
        ASSERT_NE(item, nullptr) << q(curated.emoji).toStdString();
        EXPECT_EQ(item->keywords, q(curated.keywords));
        EXPECT_EQ(item->keywords.count(QStringLiteral(" | ")), 2) << item->emoji.toStdString();
    }
}

struct SearchCase
{
    const char* name;
    const char16_t* text;
    QStringList preferred;
    const char16_t* expectedFirst; // an emoji that must be found; null: nothing found
};

class EmojiSearch : public ::testing::TestWithParam<SearchCase>
{
};

TEST_P(EmojiSearch, findsByNameWordsAndKeywordsOfTheSearchLanguages)
{
    const SearchCase& c = GetParam();
    const auto found = catalog().search(q(c.text), EmojiCatalog::searchLanguages(c.preferred));
    if (!c.expectedFirst) {
        EXPECT_TRUE(found.empty()) << found.size();
        return;
    }
    const bool has = std::any_of(found.begin(), found.end(), [&](const EmojiItem& item) {
        return item.emoji == q(c.expectedFirst);
    });
    EXPECT_TRUE(has);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmojiSearch,
    ::testing::Values(
        SearchCase{"englishKeyword", u"savings", {}, u"💰"},
        SearchCase{"unicodeName", u"money bag", {}, u"💰"},
        SearchCase{"allWordsMustMatch", u"money zebra", {}, nullptr},
        SearchCase{"ukrainianOnlyForUkrainianUsers", u"гроші", {QStringLiteral("uk_UA")}, u"💰"},
        SearchCase{
            "ukrainianNotSearchedForEnglishUsers", u"гроші", {QStringLiteral("en_US")}, nullptr},
        SearchCase{"russianKeywords", u"наличные", {QStringLiteral("ru_RU")}, u"💵"},
        SearchCase{"caseAndAccentsIgnored", u"CAFÉ", {}, u"☕"},
        SearchCase{"flagByLocalName", u"україна", {QStringLiteral("uk")}, u"🇺🇦"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(EmojiCatalog, searchLanguagesStartWithEnglishWithoutDuplicates)
{
    EXPECT_EQ(EmojiCatalog::searchLanguages({QStringLiteral("uk_UA"), QStringLiteral("en_GB"),
                                             QStringLiteral("uk"), QStringLiteral("ru_RU")}),
              (QStringList{QStringLiteral("en"), QStringLiteral("uk"), QStringLiteral("ru")}));
}

} // namespace
