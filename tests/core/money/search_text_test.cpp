#include "money/search_text.h"

#include <cstdint>
#include <iterator>

#include <gtest/gtest.h>

using namespace tallyra;
using SearchText::Query;

namespace {

struct MatchCase
{
    const char16_t* haystack;
    const char16_t* query;
    bool expected;
};

TEST(SearchText, matchesIgnoringCaseAndDiacritics)
{
    const MatchCase cases[] = {
        {u"Caf\u00E9", u"cafe", true},
        {u"Caf\u00E9", u"CAF\u00C9", true},
        {u"CAFE", u"caf\u00E9", true},
        {u"Cafe\u0301", u"caf\u00E9", true},
        {u"Caf\u00E9 Central", u"\u00E9 c", true},
        {u"na\u00EFve caf\u00E9", u"NAIVE", true},
        {u"Stra\u00DFe", u"STRASSE", true},
        {u"\u0130stanbul", u"istanbul", true},
        {u"Groceries", u"OCER", true},
        {u"\u0407\u0436\u0430 \u0442\u0430 \u043D\u0430\u043F\u043E\u0457", u"\u0407\u0416\u0410",
         true},
        {u"\u0407\u0436\u0430", u"\u0456\u0436\u0430", true},
        {u"\u0419\u043E\u0433\u0443\u0440\u0442", u"\u0438\u043E\u0433", true},
        {u"\uAC00\uB098", u"\uAC00", true},
        // Whole syllables only: "가" is not part of "각".
        {u"\uAC01", u"\uAC00", false},
        {u"Groceries", u"grocery", false},
        {u"Rent", u"rent ", false},
        {u"abc", u"abcd", false},
        {u"Rent", u"", false},
        {u"", u"rent", false},
        {u"", u"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchText::matches(c.haystack, Query(QString::fromUtf16(c.query))), c.expected)
            << QString::fromUtf16(c.haystack).toStdString() << " / "
            << QString::fromUtf16(c.query).toStdString();
    }
}

TEST(SearchText, apostrophesCountAsOne)
{
    const MatchCase cases[] = {
        {u"O\u2019Brien", u"o'brien", true}, {u"O'Brien", u"o\u2019brien", true},
        {u"Macy`s", u"macy\u2019s", true},   {u"l\u00B4eau", u"L'EAU", true},
        {u"Mo\u02BCs", u"mo\u2018s", true},  {u"Caf\u00E9 d\u2019Or", u"cafe d'or", true},
        {u"OBrien", u"o'brien", false},      {u"O\u201CBrien", u"o'brien", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchText::matches(c.haystack, Query(QString::fromUtf16(c.query))), c.expected)
            << QString::fromUtf16(c.haystack).toStdString() << " / "
            << QString::fromUtf16(c.query).toStdString();
    }
}

TEST(SearchText, queryIsUnifiedOnlyWhenItHasAnApostrophe)
{
    EXPECT_FALSE(Query(QStringLiteral("obrien")).unified.has_value());
    EXPECT_EQ(Query(QString::fromUtf16(u"l\u2019eau")).unified, QStringLiteral("l'eau"));
    EXPECT_EQ(Query(QString::fromUtf16(u"'\u2019\u02BC\u2018`\u00B4")).unified,
              QStringLiteral("''''''"));
    EXPECT_EQ(Query(QString::fromUtf16(u"l\u2019eau")).text, QString::fromUtf16(u"l\u2019eau"));
}

TEST(SearchText, unifiedFormIsTriedOnlyAgainstTextsWithAnApostrophe)
{
    Query query;
    query.text = QStringLiteral("zzz");
    query.unified = QStringLiteral("o'b");
    EXPECT_TRUE(SearchText::matches(u"O\u2019Brien", query));
    EXPECT_FALSE(SearchText::matches(u"O Brien", query));
    EXPECT_FALSE(SearchText::matches(u"Zzz", Query{}));
}

TEST(SearchText, hasApostropheAndUnifyCoverExactlySixCharacters)
{
    for (const char16_t c : {u'\u0027', u'\u2019', u'\u02BC', u'\u2018', u'\u0060', u'\u00B4'}) {
        const QString text = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        EXPECT_TRUE(SearchText::hasApostrophe(text)) << int(c);
        EXPECT_EQ(SearchText::unify(text), QStringLiteral("a'b")) << int(c);
    }
    for (const char16_t c : {u'\u201C', u'\u201D', u'\u02B9', u'\u2032', u'"'}) {
        const QString text = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        EXPECT_FALSE(SearchText::hasApostrophe(text)) << int(c);
        EXPECT_EQ(SearchText::unify(text), text) << int(c);
    }
    EXPECT_FALSE(SearchText::hasApostrophe(u""));
    EXPECT_EQ(SearchText::unify(u"\U0001F600\u2019s"), QString::fromUtf16(u"\U0001F600's"));
}

} // namespace

namespace {

TEST(SearchText, characterTableFoldsLikeTheFullFold)
{
    using SearchText::detail::foldForSearch;
    using SearchText::detail::foldForSearchWithoutTable;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString text = QString(QChar(static_cast<char16_t>(c)));
        ASSERT_EQ(foldForSearch(text), foldForSearchWithoutTable(text)) << std::hex << int(c);
    }
    // Sequences whose parts interact: marks after letters, jamo that compose,
    // marks that reorder, and characters beyond the Basic Multilingual Plane.
    const char16_t* texts[] = {
        u"Cafe\u0301",         u"\u1100\u1161\u11A8", u"a\u0328\u0301",      u"\u0B47\u0B3E",
        u"\u0130\u0307",       u"\U0001D400BC",       u"\u00C5ngstr\u00F6m", u"\u1E9E\u00DF",
        u"\u03A3\u0391\u03A3", u"\u0345\u0399",       u"O\u2019Brien",       u"\uFB01le",
        u"\u0419\u0451\u0407",
    };
    for (const char16_t* text : texts)
        EXPECT_EQ(foldForSearch(text), foldForSearchWithoutTable(text))
            << QString::fromUtf16(text).toStdString();

    // Random mixtures of letters, marks and composing pairs.
    const char16_t pool[] = {u'a',  u'E',  u'é',  u'́',  u'̈',  u'̨',  u'і', u'Ї', u'и', u'̆', u'ᄀ',
                             u'ᅡ', u'ᆨ', u'가', u'େ', u'ା', u'ெ', u'ா', u'ে', u'া', u'ͅ', u'ι',
                             u'ß',  u'İ',  u'’',  u'ָ',  u'ั',  u'ཱ',  u'ི',  u'ᬅ', u'ᬵ', u'゙', u'か'};
    std::uint32_t seed = 12345;
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = 1 + round % 6;
        for (int i = 0; i < length; ++i) {
            seed = seed * 1664525u + 1013904223u;
            text += QChar(pool[(seed >> 16) % std::size(pool)]);
        }
        ASSERT_EQ(foldForSearch(text), foldForSearchWithoutTable(text)) << text.toStdString();
    }
}

} // namespace
