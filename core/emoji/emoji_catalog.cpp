#include "emoji/emoji_catalog.h"

#include <array>
#include <set>
#include <span>

#include <QCoreApplication>

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/uloc.h>
#include <unicode/unistr.h>

#include "emoji/curated_emoji.h"
#include "money/icu_locale.h"
#include "money/search_text.h"

namespace tallyra {

namespace {

struct Range
{
    char32_t first;
    char32_t last;
};

struct GroupRanges
{
    const char* title;
    std::span<const Range> ranges;
};

constexpr std::array<Range, 9> kSmileys{{{0x1F600, 0x1F64F},
                                         {0x1F90C, 0x1F92F},
                                         {0x1F970, 0x1F97F},
                                         {0x1F9D0, 0x1F9FF},
                                         {0x1F440, 0x1F4AF},
                                         {0x1F930, 0x1F93F},
                                         {0x1F9B0, 0x1F9BF},
                                         {0x1FAC0, 0x1FAC6},
                                         {0x1FAE0, 0x1FAFF}}};
constexpr std::array<Range, 6> kAnimals{{{0x1F400, 0x1F43F},
                                         {0x1F980, 0x1F9AF},
                                         {0x1F330, 0x1F343},
                                         {0x1FAB0, 0x1FABF},
                                         {0x1FACE, 0x1FACF},
                                         {0x2600, 0x2604}}};
constexpr std::array<Range, 5> kFood{{{0x1F344, 0x1F37F},
                                      {0x1F32D, 0x1F32F},
                                      {0x1F950, 0x1F96F},
                                      {0x1F9C0, 0x1F9CF},
                                      {0x1FAD0, 0x1FADF}}};
constexpr std::array<Range, 7> kActivities{{{0x1F380, 0x1F3CF},
                                            {0x1F93A, 0x1F94F},
                                            {0x1FA80, 0x1FA8F},
                                            {0x26BD, 0x26BE},
                                            {0x1F004, 0x1F004},
                                            {0x1F0CF, 0x1F0CF},
                                            {0x265F, 0x265F}}};
constexpr std::array<Range, 5> kTravel{{{0x1F680, 0x1F6FF},
                                        {0x1F3D0, 0x1F3FA},
                                        {0x1F5FA, 0x1F5FF},
                                        {0x26F0, 0x26FF},
                                        {0x2708, 0x2709}}};
constexpr std::array<Range, 7> kObjects{{{0x1F4B0, 0x1F4FF},
                                         {0x1F500, 0x1F53D},
                                         {0x1F549, 0x1F5FF},
                                         {0x1FA70, 0x1FA7F},
                                         {0x1FA90, 0x1FAAF},
                                         {0x231A, 0x23FF},
                                         {0x2328, 0x2328}}};
constexpr std::array<Range, 20> kSymbols{
    {{0x2190, 0x21FF},   {0x2600, 0x26FF},   {0x2700, 0x27BF}, {0x2B00, 0x2BFF}, {0x1F300, 0x1F32F},
     {0x1F7E0, 0x1F7EB}, {0x1F170, 0x1F251}, {0x2934, 0x2935}, {0x3030, 0x3030}, {0x303D, 0x303D},
     {0x3297, 0x3297},   {0x3299, 0x3299},   {0x203C, 0x203C}, {0x2049, 0x2049}, {0x2122, 0x2122},
     {0x2139, 0x2139},   {0x24C2, 0x24C2},   {0x25AA, 0x25FE}, {0xA9, 0xA9},     {0xAE, 0xAE}}};

const std::array<GroupRanges, 7> kGroups{{
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Smileys & People"), kSmileys},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Animals & Nature"), kAnimals},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Food & Drink"), kFood},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Activities"), kActivities},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Travel & Places"), kTravel},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Objects"), kObjects},
    {QT_TRANSLATE_NOOP("EmojiCatalog", "Symbols"), kSymbols},
}};

// The keyword sections in their order.
constexpr std::array<const char*, 3> kKeywordLanguages{"en", "ru", "uk"};

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

QString unicodeName(char32_t scalar)
{
    UErrorCode status = U_ZERO_ERROR;
    char buffer[128];
    const int32_t length =
        u_charName(UChar32(scalar), U_UNICODE_CHAR_NAME, buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    return QString::fromLatin1(buffer, length).toLower();
}

QString withoutSelector(QString text)
{
    text.remove(EmojiCatalog::kVariationSelector);
    return text;
}

EmojiItem flagItem(const char* region, const icu::Locale& english, const icu::Locale& language)
{
    const icu::Locale place("", region);
    icu::UnicodeString englishName;
    icu::UnicodeString localName;
    place.getDisplayCountry(english, englishName);
    place.getDisplayCountry(language, localName);
    QString flag;
    for (const char letter : {region[0], region[1]})
        flag += QString::fromUcs4(
            std::array<char32_t, 1>{char32_t(0x1F1E6 + (letter - 'A'))}.data(), 1);
    return EmojiItem{flag, QStringLiteral("flag: ") + fromIcu(englishName), fromIcu(localName), {}};
}

// The keyword sections of the search languages, in language order.
QString keywordText(const QString& keywords, const QStringList& languages)
{
    const QStringList sections = keywords.split(QStringLiteral(" | "));
    QStringList chosen;
    for (const QString& language : languages)
        for (size_t i = 0; i < kKeywordLanguages.size(); ++i)
            if (language == QLatin1String(kKeywordLanguages[i]) && qsizetype(i) < sections.size())
                chosen << sections.at(qsizetype(i));
    return chosen.join(u' ');
}

} // namespace

EmojiCatalog EmojiCatalog::build(const QLocale& language)
{
    EmojiCatalog catalog;
    std::set<QString> seen;
    for (const GroupRanges& table : kGroups) {
        EmojiGroup group{QString::fromLatin1(table.title), {}};
        for (const Range& range : table.ranges) {
            for (char32_t scalar = range.first; scalar <= range.last; ++scalar) {
                if (scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF))
                    continue;
                const auto c = UChar32(scalar);
                if (!u_hasBinaryProperty(c, UCHAR_EMOJI) ||
                    u_hasBinaryProperty(c, UCHAR_EMOJI_MODIFIER) || scalar <= 0xA8)
                    continue;
                QString text = QString::fromUcs4(&scalar, 1);
                if (!u_hasBinaryProperty(c, UCHAR_EMOJI_PRESENTATION))
                    text += kVariationSelector;
                if (!seen.insert(text).second)
                    continue;
                group.items.push_back(EmojiItem{text, unicodeName(scalar), {}, {}});
            }
        }
        catalog.m_groups.push_back(std::move(group));
    }

    // Curated keywords; sequences join the group of their first scalar.
    for (const CuratedEmoji& curated : curatedEmoji()) {
        const QString text = QString::fromUtf16(curated.emoji);
        const QString key = withoutSelector(text);
        EmojiItem* found = nullptr;
        for (EmojiGroup& group : catalog.m_groups)
            for (EmojiItem& item : group.items)
                if (!found && withoutSelector(item.emoji) == key)
                    found = &item;
        if (found) {
            found->keywords = QString::fromUtf16(curated.keywords);
            continue;
        }
        const char32_t first = text.toUcs4().value(0);
        EmojiGroup* home = &catalog.m_groups.front();
        for (size_t g = 0; g < kGroups.size(); ++g)
            for (const Range& range : kGroups[g].ranges)
                if (home == &catalog.m_groups.front() && first >= range.first &&
                    first <= range.last)
                    home = &catalog.m_groups[g];
        if (!seen.insert(text).second)
            continue;
        home->items.push_back(EmojiItem{
            text,
            curated.sequenceName ? QString::fromLatin1(curated.sequenceName) : unicodeName(first),
            {},
            QString::fromUtf16(curated.keywords)});
    }

    static_assert(sizeof(QT_TRANSLATE_NOOP("EmojiCatalog", "Flags")) == sizeof(kFlagsGroup));
    EmojiGroup flags{QString::fromLatin1(kFlagsGroup), {}};
    const icu::Locale english("en_US");
    const icu::Locale user(icuLocaleId(language).c_str());
    for (const char* const* region = uloc_getISOCountries(); *region; ++region)
        flags.items.push_back(flagItem(*region, english, user));
    catalog.m_groups.push_back(std::move(flags));

    for (const EmojiGroup& group : catalog.m_groups)
        catalog.m_all.insert(catalog.m_all.end(), group.items.begin(), group.items.end());
    return catalog;
}

const EmojiGroup* EmojiCatalog::group(const QString& id) const
{
    for (const EmojiGroup& group : m_groups)
        if (group.id.compare(id, Qt::CaseInsensitive) == 0)
            return &group;
    return nullptr;
}

const EmojiItem* EmojiCatalog::find(const QString& emoji) const
{
    const QString key = withoutSelector(emoji);
    for (const EmojiItem& item : m_all)
        if (withoutSelector(item.emoji) == key)
            return &item;
    return nullptr;
}

QStringList EmojiCatalog::searchLanguages(const QStringList& preferred)
{
    QStringList languages{QStringLiteral("en")};
    for (const QString& name : preferred) {
        const QString language = QLocale::languageToCode(QLocale(name).language());
        if (!language.isEmpty() && language != u"C" && !languages.contains(language))
            languages << language;
    }
    return languages;
}

std::vector<EmojiItem> EmojiCatalog::search(const QString& text, const QStringList& languages) const
{
    std::vector<SearchText::Query> words;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        words.emplace_back(word);
    if (words.empty())
        return m_all;
    std::vector<EmojiItem> found;
    for (const EmojiItem& item : m_all) {
        const QString haystack =
            item.name + u' ' + item.words + u' ' + keywordText(item.keywords, languages);
        if (std::all_of(words.begin(), words.end(), [&](const SearchText::Query& word) {
                return SearchText::matches(haystack, word);
            }))
            found.push_back(item);
    }
    return found;
}

QString EmojiCatalog::groupTitle(const QString& id)
{
    return QCoreApplication::translate("EmojiCatalog", id.toUtf8().constData());
}

} // namespace tallyra
