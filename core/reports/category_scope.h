#pragma once

// CategoryScope: the identity of a row of the category tree and the filter
// of its detail — a category (with everything below it), a group of
// transfers, or the uncategorized transactions of one kind.
//
// Thread safety: a plain value and pure functions; any thread.

#include <variant>

#include "base/typed_id.h"
#include "model/entry.h"
#include "model/entry_kind.h"
#include "reports/transfer_group.h"

namespace tallyra {

class LedgerIndex;

struct CategoryScope
{
    std::variant<CategoryId, TransferGroup, EntryKind> value;

    [[nodiscard]] static CategoryScope category(const CategoryId& id) { return {id}; }
    [[nodiscard]] static CategoryScope transfers(const TransferGroup& group) { return {group}; }
    [[nodiscard]] static CategoryScope uncategorized(EntryKind kind) { return {kind}; }

    [[nodiscard]] const CategoryId* categoryID() const { return std::get_if<CategoryId>(&value); }
    [[nodiscard]] const TransferGroup* transferGroup() const
    {
        return std::get_if<TransferGroup>(&value);
    }
    [[nodiscard]] const EntryKind* uncategorizedKind() const
    {
        return std::get_if<EntryKind>(&value);
    }

    friend bool operator==(const CategoryScope&, const CategoryScope&) = default;
};

// category(C): the transaction is filed under C or below it;
// uncategorized(k): it is of kind k and counts as uncategorized;
// transfers(g): it is a transfer of group g.
[[nodiscard]] bool matches(const Entry& entry, const CategoryScope& scope,
                           const LedgerIndex& index);

} // namespace tallyra
