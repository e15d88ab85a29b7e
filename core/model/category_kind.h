#pragma once

// The kind of a category: the same three cases and raw values as EntryKind,
// kept as its own type so a category kind is never passed as a transaction
// kind by accident. Stored as its raw text in "kindRaw".
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"
#include "model/entry_kind.h"

namespace tallyra {

enum class CategoryKind : std::uint8_t
{
    expense,
    income,
    transfer
};

inline constexpr auto kCategoryKinds = makeEnumTable<CategoryKind>(
    {
        {CategoryKind::expense, u"expense", QT_TRANSLATE_NOOP("CategoryKind", "Expense")},
        {CategoryKind::income, u"income", QT_TRANSLATE_NOOP("CategoryKind", "Income")},
        {CategoryKind::transfer, u"transfer", QT_TRANSLATE_NOOP("CategoryKind", "Transfer")},
    },
    "CategoryKind");
[[nodiscard]] constexpr const auto& enumTable(CategoryKind) noexcept
{
    return kCategoryKinds;
}

// The kinds correspond case for case (a transaction may only use a category
// of its own kind).
[[nodiscard]] constexpr CategoryKind toCategoryKind(EntryKind kind) noexcept
{
    return static_cast<CategoryKind>(kind);
}
[[nodiscard]] constexpr EntryKind toEntryKind(CategoryKind kind) noexcept
{
    return static_cast<EntryKind>(kind);
}

// Repairing read of stored data: unknown text is an expense category.
[[nodiscard]] inline CategoryKind categoryKindFromStored(QStringView raw)
{
    return toCategoryKind(entryKindFromStored(raw));
}

} // namespace tallyra
