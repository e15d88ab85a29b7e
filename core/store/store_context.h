#pragma once

// StoreContext: a working connection to the store — fetch, insert, change
// and delete stored objects, then save them all at once or roll them back.
//
// Unit of work: the first change opens a transaction on the context's own
// database connection; every later fetch on this context sees the unsaved
// changes, other contexts see only what was saved. save() commits the whole
// unit at once; if it fails nothing of it is written (its picture files are
// removed too), the context is left without unsaved changes and stays
// usable. rollback() discards the unit. A single insert, change or remove
// that fails is undone by itself and leaves the earlier unsaved changes in
// place. Delete rules run as part of the change: deleting an account
// deletes its balance changes and leaves its transactions without account;
// deleting a category leaves its children without parent and its
// transactions without category and removes it from budgets and challenges.
//
// Objects are copies: fetch returns values; change() writes a value back
// over the row with its objectID (every attribute, relationship and
// to-many list), so two copies of one object are last-writer-wins.
//
// Pictures are read with their objects and written to the picture folder
// on insert or change; a picture file is removed only after the save that
// stopped naming it. A picture whose file could not be read is fetched as
// none and kept as it is when its object is changed without a new picture.
//
// Errors: fetch, insert, change, remove and save throw StoreError.
// Threading: a context is used by one thread at a time — the main context
// by the main thread, a background context by the worker it was made for.
// Saves are announced by the container's contextSaved() signal, emitted on
// the saving thread. A context must not outlive its container.

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>

#include <QList>

#include "base/clock.h"
#include "store/account_model.h"
#include "store/balance_checkpoint_model.h"
#include "store/budget_model.h"
#include "store/category_model.h"
#include "store/goal_model.h"
#include "store/predicate.h"
#include "store/store_error.h"
#include "store/transaction_model.h"

namespace tallyra {

class UndoManager;
class StoreContainer;

namespace store_detail {
struct ContextAccess;
struct StoreShared;
class Connection;
} // namespace store_detail

template <class Model>
concept StoredModel = std::same_as<Model, AccountModel> || std::same_as<Model, CategoryModel> ||
    std::same_as<Model, TransactionModel> || std::same_as<Model, BudgetModel> ||
    std::same_as<Model, GoalModel> || std::same_as<Model, BalanceCheckpointModel>;

class StoreContext final
{
public:
    ~StoreContext();
    StoreContext(const StoreContext&) = delete;
    StoreContext& operator=(const StoreContext&) = delete;

    // Objects matching the request, in its order, then by objectID.
    template <StoredModel Model>
    [[nodiscard]] QList<Model> fetch(const FetchRequest<Model>& request = {});
    template <StoredModel Model> [[nodiscard]] QList<Model> fetch(const Predicate<Model>& predicate)
    {
        return fetch(FetchRequest<Model>(predicate));
    }
    // The first object of the request, or none.
    template <StoredModel Model>
    [[nodiscard]] std::optional<Model> fetchFirst(const FetchRequest<Model>& request);
    template <StoredModel Model>
    [[nodiscard]] std::optional<Model> fetchFirst(const Predicate<Model>& predicate)
    {
        return fetchFirst(FetchRequest<Model>(predicate));
    }
    // The object with that objectID, or none.
    template <StoredModel Model> [[nodiscard]] std::optional<Model> object(std::int64_t objectID)
    {
        return fetchFirst(Predicate<Model>::objectIDEquals(objectID));
    }
    template <StoredModel Model>
    [[nodiscard]] std::int64_t count(const Predicate<Model>& predicate = {});

    // Inserts the object and returns its new objectID, also written into
    // model.objectID. Defaults are applied first and written back too: a
    // null id becomes a random one, invalid "now" instants become the
    // clock's now, an empty account currency the main currency.
    // Precondition: model.objectID is 0.
    template <StoredModel Model> std::int64_t insert(Model& model);
    // Writes every attribute and relationship of the model over the object
    // with its objectID. Throws StoreError (notFound) when it is gone.
    template <StoredModel Model> void change(const Model& model);
    // Deletes the object, applying the delete rules; an object already gone
    // is ignored.
    template <StoredModel Model> void remove(const Model& model) { remove<Model>(model.objectID); }
    template <StoredModel Model> void remove(std::int64_t objectID);

    // The inverse relationships, in objectID order.
    [[nodiscard]] QList<TransactionModel> outgoing(const AccountModel& account);
    [[nodiscard]] QList<TransactionModel> incoming(const AccountModel& account);
    [[nodiscard]] QList<GoalModel> goals(const AccountModel& account);
    [[nodiscard]] QList<BalanceCheckpointModel> checkpoints(const AccountModel& account);
    [[nodiscard]] QList<CategoryModel> children(const CategoryModel& category);
    [[nodiscard]] QList<TransactionModel> transactions(const CategoryModel& category);
    [[nodiscard]] QList<BudgetModel> budgets(const CategoryModel& category);
    [[nodiscard]] QList<GoalModel> challenges(const CategoryModel& category);

    // Opens the unit of work now and takes the database's write lock,
    // waiting for another writer as long as the busy timeout allows, so
    // that nothing read from here until save() or rollback() can be changed
    // by anyone else. Does nothing when a unit is already open. Throws
    // StoreError (busy when the lock never came).
    void beginWrite();
    // Bulk writing for imports of many rows. While a batch lives, each
    // change skips its own savepoint and the indexes of the named tables
    // are gone; finish() builds them again (once, over all the rows, which
    // is much faster than keeping them up to date row by row). A change
    // that fails inside a batch spoils the whole unit of work: the caller
    // must roll back, which also brings the indexes back. Starts the unit
    // of work like beginWrite(). Throws StoreError.
    class Batch final
    {
    public:
        Batch(StoreContext& context, const QList<QByteArray>& tablesWithoutIndexes);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Rebuilds the indexes; call before save().
        void finish();

    private:
        StoreContext& m_context;
        QList<QByteArray> m_indexes; // their CREATE statements
        bool m_finished = false;
    };

    // True when the context holds changes that are not saved.
    [[nodiscard]] bool hasChanges() const noexcept;
    // Makes every unsaved change durable at once. Does nothing without
    // changes. Throws StoreError; see the unit-of-work notes above.
    void save();
    // Discards every unsaved change.
    void rollback() noexcept;

    // The undo manager attached to this context, if any. The store never
    // calls it; the writers take it aside while they work.
    void setUndoManager(UndoManager* undoManager) noexcept;
    [[nodiscard]] UndoManager* undoManager() const noexcept;

    // Makes the next save fail with this error, exactly as a failing commit
    // would (nothing written, unsaved changes discarded); for tests of the
    // callers' failure paths.
    void failNextSaveForTesting(StoreError error);

    [[nodiscard]] StoreContainer& container() const noexcept;
    [[nodiscard]] const Clock& clock() const noexcept;

private:
    friend class StoreContainer;
    friend struct store_detail::ContextAccess;
    struct Impl;

    StoreContext(std::shared_ptr<store_detail::StoreShared> shared,
                 std::unique_ptr<store_detail::Connection> connection, bool isBackground);

    std::unique_ptr<Impl> m_impl;
};

} // namespace tallyra
