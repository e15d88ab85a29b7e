#pragma once

// EmojiCatalog: every emoji the icon picker offers, in the groups of the
// usual emoji palette, with what the search looks at.
//
// Building (once; the catalogue is an immutable value):
//   1. each group's scalar ranges in table order; a scalar belongs to the
//      first group that lists it, so U+2600–2604 sit in "Animals & Nature"
//      and not again in "Symbols";
//   2. a scalar is kept when ICU gives it the Emoji property, it is not an
//      Emoji_Modifier (skin tones) and it lies above U+00A8 — which leaves
//      out "#", "*" and the digits while © and ® stay;
//   3. a scalar without Emoji_Presentation is offered with U+FE0F after it
//      (☁ becomes ☁️), so it is drawn as an emoji;
//   4. its name is ICU's Unicode name in lower case;
//   5. the flags of every region ICU knows form the last group, named
//      "flag: " with the region's English name, the name in the user's
//      language as extra words;
//   6. curated keywords (curated_emoji.h) are attached to their emoji; a
//      curated sequence that is not a single scalar (🧑‍💻) is added to the
//      group of its first scalar.
//
// Searching: every word of the query must be found (ignoring case and
// accents) in the name, the extra words or a keyword section of one of
// the search languages (English first, then the user's, without
// duplicates; sections exist for "en", "ru" and "uk").
//
// Thread safety: an immutable value after build(); any thread.

#include <optional>
#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tallyra {

struct EmojiItem
{
    QString emoji;
    QString name;
    QString words;
    QString keywords;
    friend bool operator==(const EmojiItem&, const EmojiItem&) = default;
};

struct EmojiGroup
{
    QString id; // the group's title, also its identifier
    std::vector<EmojiItem> items;
};

class EmojiCatalog final
{
public:
    static constexpr char16_t kVariationSelector = u'\uFE0F';
    static constexpr char kFlagsGroup[] = "Flags";

    // language: the user's language, for the flags' extra words.
    [[nodiscard]] static EmojiCatalog build(const QLocale& language);

    [[nodiscard]] const std::vector<EmojiGroup>& groups() const noexcept { return m_groups; }
    // Every item of every group, in order, without duplicates.
    [[nodiscard]] const std::vector<EmojiItem>& all() const noexcept { return m_all; }
    [[nodiscard]] const EmojiGroup* group(const QString& id) const;
    [[nodiscard]] const EmojiItem* find(const QString& emoji) const;

    // "en" first, then the languages of `preferred` ("uk_UA" → "uk"),
    // without duplicates.
    [[nodiscard]] static QStringList searchLanguages(const QStringList& preferred);
    // The items matching every word of the text, in catalogue order; all
    // items for an empty text.
    [[nodiscard]] std::vector<EmojiItem> search(const QString& text,
                                                const QStringList& languages) const;

    // The group titles in their order, translated for display.
    [[nodiscard]] static QString groupTitle(const QString& id);

private:
    std::vector<EmojiGroup> m_groups;
    std::vector<EmojiItem> m_all;
};

} // namespace tallyra
