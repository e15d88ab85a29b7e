#include "model/entry_kind.h"

#include <cstring>

namespace tallyra {

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

} // namespace tallyra
