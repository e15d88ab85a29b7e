#pragma once

// What the category and transaction screens are looking at, as the
// application model keeps it between screen switches. These are the
// selection values only; the reports that read them (the category tree and
// the transaction feed) take them as plain inputs.
//
// Thread safety: plain values; any thread.

#include <optional>

#include "base/typed_id.h"

namespace tallyra::app {

// The side of the category tree shown; the first case is the default.
enum class CategoryMode
{
    expenses,
    income,
    transfers,
};

// The type switcher of the transaction list; the first case is the default.
enum class TransactionFilter
{
    all,
    expenses,
    income,
    transfers,
};

// The transaction list's scope: every transaction (the default), one
// account's, or one category's (with its subcategories).
struct TransactionScope
{
    std::optional<AccountId> account;
    std::optional<CategoryId> category;

    [[nodiscard]] bool isAll() const noexcept { return !account && !category; }
    [[nodiscard]] static TransactionScope all() { return {}; }
    [[nodiscard]] static TransactionScope ofAccount(const AccountId& id) { return {id, {}}; }
    [[nodiscard]] static TransactionScope ofCategory(const CategoryId& id) { return {{}, id}; }

    friend bool operator==(const TransactionScope&, const TransactionScope&) = default;
};

} // namespace tallyra::app
