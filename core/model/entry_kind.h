#pragma once

// The kind of a transaction, and (as CategoryKind) of a category. Stored as
// its raw text in "kindRaw"; titles are English keys of the string table.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

enum class EntryKind : std::uint8_t
{
    expense,
    income,
    transfer
};

// In the order the user sees them.
inline constexpr auto kEntryKinds = makeEnumTable<EntryKind>(
    {
        {EntryKind::expense, u"expense", QT_TRANSLATE_NOOP("EntryKind", "Expense")},
        {EntryKind::income, u"income", QT_TRANSLATE_NOOP("EntryKind", "Income")},
        {EntryKind::transfer, u"transfer", QT_TRANSLATE_NOOP("EntryKind", "Transfer")},
    },
    "EntryKind");
[[nodiscard]] constexpr const auto& enumTable(EntryKind) noexcept
{
    return kEntryKinds;
}

// The repairing read used for stored data: "income" and "transfer" give
// their case, anything else (empty, "refund", …) is an expense.
[[nodiscard]] inline EntryKind entryKindFromStored(QStringView raw)
{
    return enumFromRaw<EntryKind>(raw).value_or(EntryKind::expense);
}
// The same repair for raw UTF-8 bytes, for the bulk reader's hot loop.
[[nodiscard]] EntryKind entryKindFromStoredUtf8(const char* bytes, qsizetype size);

} // namespace tallyra
