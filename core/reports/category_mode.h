#pragma once

// CategoryMode: what a category breakdown shows — spending, income or
// transfers — one case per transaction kind. Encoded by its raw value
// ("expenses", "income", "transfers"); titles and amount labels are English
// keys of the string table.
//
// Thread safety: constant data and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "model/entry_kind.h"

namespace tallyra {

enum class CategoryMode : std::uint8_t
{
    expenses,
    income,
    transfers
};

struct CategoryModeRow
{
    CategoryMode value;
    QStringView raw;
    const char* title;
    // What the mode's amount is called on screen.
    const char* amountLabel;
    EntryKind kind;
};

// One row per case, in declaration order.
inline constexpr std::array<CategoryModeRow, 3> kCategoryModes = {{
    {CategoryMode::expenses, u"expenses", QT_TRANSLATE_NOOP("CategoryMode", "Expenses"),
     QT_TRANSLATE_NOOP("CategoryMode", "Spent"), EntryKind::expense},
    {CategoryMode::income, u"income", QT_TRANSLATE_NOOP("CategoryMode", "Income"),
     QT_TRANSLATE_NOOP("CategoryMode", "Received"), EntryKind::income},
    {CategoryMode::transfers, u"transfers", QT_TRANSLATE_NOOP("CategoryMode", "Transfers"),
     QT_TRANSLATE_NOOP("CategoryMode", "Moved"), EntryKind::transfer},
}};

[[nodiscard]] QString rawValue(CategoryMode mode);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<CategoryMode> categoryModeFromRaw(QStringView raw);
// "Expenses", "Income", "Transfers", translated.
[[nodiscard]] QString title(CategoryMode mode);
// "Spent", "Received", "Moved", translated.
[[nodiscard]] QString amountLabel(CategoryMode mode);
[[nodiscard]] constexpr EntryKind entryKind(CategoryMode mode) noexcept
{
    return kCategoryModes[static_cast<size_t>(mode)].kind;
}
[[nodiscard]] constexpr CategoryMode categoryMode(EntryKind kind) noexcept
{
    for (const CategoryModeRow& row : kCategoryModes)
        if (row.kind == kind)
            return row.value;
    return CategoryMode::expenses;
}

} // namespace tallyra
