#include "model/entry_kind.h"

#include <cstring>

#include <QCoreApplication>

namespace tallyra {

QString rawValue(EntryKind kind)
{
    switch (kind) {
    case EntryKind::income:
        return QStringLiteral("income");
    case EntryKind::transfer:
        return QStringLiteral("transfer");
    case EntryKind::expense:
        break;
    }
    return QStringLiteral("expense");
}

std::optional<EntryKind> entryKindFromRaw(QStringView raw)
{
    for (const EntryKind kind : kAllEntryKinds)
        if (raw == rawValue(kind))
            return kind;
    return std::nullopt;
}

EntryKind entryKindFromStored(QStringView raw)
{
    return entryKindFromRaw(raw).value_or(EntryKind::expense);
}

EntryKind entryKindFromStoredUtf8(const char* bytes, qsizetype size)
{
    const auto is = [&](const char* text) {
        const auto length = static_cast<qsizetype>(std::strlen(text));
        return size == length && std::memcmp(bytes, text, static_cast<size_t>(length)) == 0;
    };
    if (bytes == nullptr)
        return EntryKind::expense;
    if (is("income"))
        return EntryKind::income;
    if (is("transfer"))
        return EntryKind::transfer;
    return EntryKind::expense;
}

QString title(EntryKind kind)
{
    switch (kind) {
    case EntryKind::income:
        return QCoreApplication::translate("EntryKind", "Income");
    case EntryKind::transfer:
        return QCoreApplication::translate("EntryKind", "Transfer");
    case EntryKind::expense:
        break;
    }
    return QCoreApplication::translate("EntryKind", "Expense");
}

} // namespace tallyra
