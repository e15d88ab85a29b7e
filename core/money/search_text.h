#pragma once

// SearchText: the matching behind every search and filter box.
//
// A query matches a text when the text contains it, ignoring case and
// diacritics with Unicode's own rules rather than a locale's ("Café"
// contains "cafe" and "CAFÉ"; "Їжа" contains "іжа"). The six characters
// people use as an apostrophe (' ’ ʼ ‘ ` ´) count as one, so a name saved
// with "’" is found by a query typed with "'" and the reverse.
//
// Folding removes non-spacing marks after canonical decomposition, folds
// case fully ("Straße" contains "STRASSE") and recomposes, so Hangul
// syllables and other composed letters only match whole. The first match
// in a process builds a 128 KiB per-character fold table (a few
// milliseconds); after that a row costs one pass and no allocation unless
// it holds characters outside the table (Hangul, characters beyond the
// Basic Multilingual Plane).
//
// Thread safety: pure functions; any thread (the table is built once
// under the language's static-initialisation guarantee).
//
// Example:
//   SearchText::matches(u"O’Brien’s Café", SearchText::Query(QStringLiteral("o'brien")))  // true

#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra::SearchText {

// A search word prepared once and matched against many texts.
struct Query
{
    Query() = default;
    explicit Query(const QString& word);

    QString text;                   // the word as typed
    std::optional<QString> unified; // unify(text); only when the word has an apostrophe
    // The folded forms of text and unified, prepared by the constructor so
    // that matching many rows folds only the rows (folded on each match when
    // empty).
    QString folded;
    std::optional<QString> foldedUnified;
};

// True when any character is one of the six apostrophe-like characters;
// stops at the first.
[[nodiscard]] bool hasApostrophe(QStringView text) noexcept;
// The text with every apostrophe-like character replaced by U+0027.
[[nodiscard]] QString unify(QStringView text);
// False for an empty haystack or query text.
[[nodiscard]] bool matches(QStringView haystack, const Query& query);

namespace detail {
// The folded form matching compares: through the per-character table, and
// straight through ICU. They agree for every text; exposed for tests.
[[nodiscard]] QString foldForSearch(QStringView text);
[[nodiscard]] QString foldForSearchWithoutTable(QStringView text);
} // namespace detail

} // namespace tallyra::SearchText
