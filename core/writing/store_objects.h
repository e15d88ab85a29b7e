#pragma once

// Internal to the writers: stored objects looked up by their stable ids,
// and the value snapshots (write records) taken of them.
//
// Ids are ordinary attributes and may repeat until duplicates are merged;
// a lookup by id gives the first object in store order, as everywhere
// else. The ids of related accounts and categories are cached for the
// lifetime of one StoreObjects, which a writer makes per write: within one
// write no account or category is deleted and then replaced by a new row.
//
// Errors: every call may throw StoreError.
// Threading: the context's thread.

#include <cstdint>
#include <optional>

#include <QHash>

#include "base/typed_id.h"
#include "store/store_context.h"
#include "writing/write_records.h"

namespace tallyra {

class StoreObjects
{
public:
    explicit StoreObjects(StoreContext& context) : m_context(context) {}

    [[nodiscard]] StoreContext& context() const noexcept { return m_context; }

    template <StoredModel Model>
    [[nodiscard]] std::optional<Model> byID(const typename Model::Id& id)
    {
        return m_context.fetchFirst(Predicate<Model>::idEquals(id));
    }

    [[nodiscard]] std::optional<AccountId> accountID(std::optional<std::int64_t> objectID);
    [[nodiscard]] std::optional<CategoryId> categoryID(std::optional<std::int64_t> objectID);

    // The snapshots. A transaction's receipt is its bytes, "unchanged" when
    // it has one that could not be read, or none.
    [[nodiscard]] TransactionRecord transactionRecord(const TransactionModel& transaction);
    [[nodiscard]] TransactionLinks transactionLinks(const TransactionModel& transaction);
    [[nodiscard]] static TransactionMeta transactionMeta(const TransactionModel& transaction);
    [[nodiscard]] CheckpointRecord checkpointRecord(const BalanceCheckpointModel& checkpoint);
    [[nodiscard]] AccountRecord accountRecord(const AccountModel& account);
    [[nodiscard]] CategoryRecord categoryRecord(const CategoryModel& category);

private:
    StoreContext& m_context;
    QHash<std::int64_t, AccountId> m_accountIDs;
    QHash<std::int64_t, CategoryId> m_categoryIDs;
};

} // namespace tallyra
