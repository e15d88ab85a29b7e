#pragma once

// The kind of a transaction, and (as CategoryKind) of a category. Stored as
// its raw text in "kindRaw"; titles are English keys of the string table.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class EntryKind : std::uint8_t
{
    expense,
    income,
    transfer
};

// Every case, in the order the user sees them.
inline constexpr std::array<EntryKind, 3> kAllEntryKinds = {EntryKind::expense, EntryKind::income,
                                                            EntryKind::transfer};

[[nodiscard]] QString rawValue(EntryKind kind);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<EntryKind> entryKindFromRaw(QStringView raw);
// The repairing read used for stored data: "income" and "transfer" give
// their case, anything else (empty, "refund", …) is an expense.
[[nodiscard]] EntryKind entryKindFromStored(QStringView raw);
// The same repair for raw UTF-8 bytes, for the bulk reader's hot loop.
[[nodiscard]] EntryKind entryKindFromStoredUtf8(const char* bytes, qsizetype size);
// "Expense", "Income", "Transfer", translated.
[[nodiscard]] QString title(EntryKind kind);

} // namespace tallyra
