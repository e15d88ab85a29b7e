#pragma once

// The kind of a category: the same three cases and raw values as EntryKind,
// kept as its own type so a category kind is never passed as a transaction
// kind by accident. Stored as its raw text in "kindRaw".
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "model/entry_kind.h"

namespace tallyra {

enum class CategoryKind : std::uint8_t
{
    expense,
    income,
    transfer
};

inline constexpr std::array<CategoryKind, 3> kAllCategoryKinds = {
    CategoryKind::expense, CategoryKind::income, CategoryKind::transfer};

[[nodiscard]] QString rawValue(CategoryKind kind);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<CategoryKind> categoryKindFromRaw(QStringView raw);
// Repairing read of stored data: unknown text is an expense category.
[[nodiscard]] CategoryKind categoryKindFromStored(QStringView raw);
// "Expense", "Income", "Transfer", translated.
[[nodiscard]] QString title(CategoryKind kind);

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

} // namespace tallyra
