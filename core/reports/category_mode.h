#pragma once

// CategoryMode: what a category breakdown shows — spending, income or
// transfers — one case per transaction kind. Encoded by its raw value
// ("expenses", "income", "transfers"); titles and amount labels are English
// keys of the string table.
//
// Thread safety: constant data and pure functions; any thread.

#include <cstdint>

#include <QString>
#include <QStringView>

#include "base/enum_table.h"
#include "model/entry_kind.h"

namespace tallyra {

enum class CategoryMode : std::uint8_t
{
    expenses,
    income,
    transfers
};

struct CategoryModeCase
{
    CategoryMode value;
    QStringView raw;
    const char* title;
    // What the mode's amount is called on screen.
    const char* amountLabel;
    EntryKind kind;
};

inline constexpr auto kCategoryModes = makeEnumTable<CategoryMode, CategoryModeCase>(
    {
        {CategoryMode::expenses, u"expenses", QT_TRANSLATE_NOOP("CategoryMode", "Expenses"),
         QT_TRANSLATE_NOOP("CategoryMode", "Spent"), EntryKind::expense},
        {CategoryMode::income, u"income", QT_TRANSLATE_NOOP("CategoryMode", "Income"),
         QT_TRANSLATE_NOOP("CategoryMode", "Received"), EntryKind::income},
        {CategoryMode::transfers, u"transfers", QT_TRANSLATE_NOOP("CategoryMode", "Transfers"),
         QT_TRANSLATE_NOOP("CategoryMode", "Moved"), EntryKind::transfer},
    },
    "CategoryMode");
[[nodiscard]] constexpr const auto& enumTable(CategoryMode) noexcept
{
    return kCategoryModes;
}

// "Spent", "Received", "Moved", translated.
[[nodiscard]] inline QString amountLabel(CategoryMode mode)
{
    return QCoreApplication::translate("CategoryMode", kCategoryModes[mode].amountLabel);
}
[[nodiscard]] constexpr EntryKind entryKind(CategoryMode mode) noexcept
{
    return kCategoryModes[mode].kind;
}
[[nodiscard]] constexpr CategoryMode categoryMode(EntryKind kind) noexcept
{
    for (const CategoryModeCase& row : kCategoryModes.rows())
        if (row.kind == kind)
            return row.value;
    return CategoryMode::expenses;
}

} // namespace tallyra
