#include "money/search_text.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/unorm2.h>

namespace tallyra::SearchText {

namespace {

// All six are in the Basic Multilingual Plane, so comparing UTF-16 units
// finds them without decoding (surrogates never equal any of them).
constexpr std::array<char16_t, 6> kApostrophes = {u'\u0027', u'\u2019', u'\u02BC',
                                                  u'\u2018', u'\u0060', u'\u00B4'};

bool isApostrophe(char16_t c) noexcept
{
    return std::find(kApostrophes.begin(), kApostrophes.end(), c) != kApostrophes.end();
}

icu::UnicodeString normalized(const icu::Normalizer2& form, icu::UnicodeString text)
{
    UErrorCode status = U_ZERO_ERROR;
    const int32_t done = form.spanQuickCheckYes(text, status);
    if (U_FAILURE(status) || done == text.length())
        return text;
    icu::UnicodeString result(text, 0, done);
    form.normalizeSecondAndAppend(result, icu::UnicodeString(text, done), status);
    return U_SUCCESS(status) ? result : text;
}

icu::UnicodeString withoutNonSpacingMarks(const icu::UnicodeString& text)
{
    icu::UnicodeString bare(text.length(), 0, 0);
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (u_charType(c) != U_NON_SPACING_MARK)
            bare.append(c);
    }
    return bare;
}

// Decompose, drop the marks, fold case, recompose. The recomposition keeps
// a query "가" from matching the first half of the syllable "각".
icu::UnicodeString foldedFully(QStringView text)
{
    UErrorCode status = U_ZERO_ERROR;
    // ICU owns these singletons; fetching them is a cached lookup.
    const icu::Normalizer2* decompose = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* compose = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString result(text.utf16(), static_cast<int32_t>(text.size()));
    if (U_FAILURE(status))
        return result.foldCase();
    icu::UnicodeString bare = withoutNonSpacingMarks(normalized(*decompose, std::move(result)));
    bare.foldCase();
    return normalized(*compose, std::move(bare));
}

constexpr char16_t kNeedsFullFold = 0xFFFF;
constexpr char16_t kDropped = 0xFFFE;

// Search folds every row on each keystroke, and the full fold allocates a
// few times per text. Most characters fold on their own to one unit that
// cannot compose with a neighbour once marks are gone; a text made only of
// those folds character by character, so the result is looked up instead.
using FoldTable = std::array<char16_t, 0x10000>;

std::unique_ptr<FoldTable> buildFoldTable()
{
    auto table = std::make_unique<FoldTable>();
    table->fill(kNeedsFullFold);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decompose = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status))
        return table;
    for (UChar32 c = 0; c < kDropped; ++c) {
        if (U_IS_SURROGATE(c))
            continue;
        icu::UnicodeString parts;
        if (!decompose->getDecomposition(c, parts))
            parts = icu::UnicodeString(c);
        // Canonical reordering could move a combining character that is not
        // dropped past its neighbours; such characters take the full path.
        bool mayReorder = false;
        for (int32_t i = 0; i < parts.length(); i = parts.moveIndex32(i, 1)) {
            const UChar32 part = parts.char32At(i);
            mayReorder = mayReorder ||
                         (u_getCombiningClass(part) != 0 && u_charType(part) != U_NON_SPACING_MARK);
        }
        if (mayReorder)
            continue;
        icu::UnicodeString bare = withoutNonSpacingMarks(parts);
        bare.foldCase();
        if (bare.isEmpty())
            (*table)[static_cast<size_t>(c)] = kDropped;
        // Marks are gone by the time the text recomposes, so a unit can only
        // compose as the second half of a pair (Hangul vowels, some Indic
        // vowel signs); NFC quick check "yes" rules that out.
        else if (bare.length() == 1 && bare[0] < kDropped && u_getCombiningClass(bare[0]) == 0 &&
                 u_getIntPropertyValue(bare[0], UCHAR_NFC_QUICK_CHECK) == UNORM_YES)
            (*table)[static_cast<size_t>(c)] = bare[0];
    }
    return table;
}

const FoldTable& foldTable()
{
    static const std::unique_ptr<FoldTable> table = buildFoldTable();
    return *table;
}

// The case- and diacritic-blind form of text, written into out (whose
// storage is reused).
void fold(QStringView text, std::u16string& out)
{
    out.clear();
    const FoldTable& table = foldTable();
    for (const QChar c : text) {
        const char16_t folded = table[c.unicode()];
        if (folded == kNeedsFullFold) {
            const icu::UnicodeString full = foldedFully(text);
            out.assign(full.getBuffer(), static_cast<size_t>(full.length()));
            return;
        }
        if (folded != kDropped)
            out.push_back(folded);
    }
}

bool containsFolded(QStringView haystack, QStringView foldedNeedle)
{
    thread_local std::u16string foldedHaystack;
    if (foldedNeedle.isEmpty())
        return false;
    fold(haystack, foldedHaystack);
    return std::u16string_view(foldedHaystack)
               .find(std::u16string_view(reinterpret_cast<const char16_t*>(foldedNeedle.utf16()),
                                         static_cast<size_t>(foldedNeedle.size()))) !=
           std::u16string_view::npos;
}

} // namespace

namespace detail {

QString foldForSearch(QStringView text)
{
    std::u16string folded;
    fold(text, folded);
    return QString::fromUtf16(folded.data(), static_cast<qsizetype>(folded.size()));
}

QString foldForSearchWithoutTable(QStringView text)
{
    const icu::UnicodeString folded = foldedFully(text);
    return QString::fromUtf16(folded.getBuffer(), folded.length());
}

} // namespace detail

Query::Query(const QString& word) : text(word), folded(detail::foldForSearch(word))
{
    if (hasApostrophe(word)) {
        unified = unify(word);
        foldedUnified = detail::foldForSearch(*unified);
    }
}

bool hasApostrophe(QStringView text) noexcept
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return isApostrophe(c.unicode()); });
}

QString unify(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result) {
        if (isApostrophe(c.unicode()))
            c = u'\'';
    }
    return result;
}

bool matches(QStringView haystack, const Query& query)
{
    if (haystack.isEmpty() || query.text.isEmpty())
        return false;
    // A query whose fields were filled in by hand has no prepared forms.
    const QString needle =
        query.folded.isEmpty() ? detail::foldForSearch(query.text) : query.folded;
    if (containsFolded(haystack, needle))
        return true;
    if (query.unified && hasApostrophe(haystack))
        return containsFolded(unify(haystack), query.foldedUnified
                                                   ? *query.foldedUnified
                                                   : detail::foldForSearch(*query.unified));
    return false;
}

} // namespace tallyra::SearchText
