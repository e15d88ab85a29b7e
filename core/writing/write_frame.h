#pragma once

// WriteFrame: the one unit of work every undoable write runs in, shared by
// the ledger writer and the catalog writer.
//
//   1. start empty WriteRecords;
//   2. take the context's undo manager aside;
//   3. run the body, which changes the store and fills the records;
//   4. save the context (one SQLite transaction: all or nothing);
//   5. give the undo manager back and register one undo step carrying the
//      records, the action name and the redo (the same operation with its
//      first arguments) — in a group of its own when none is open;
//   6. on any failure in 3 or 4: roll the context back with the undo
//      manager detached, give it back, rethrow. Nothing is registered and
//      the store is exactly as before.
// A write that recorded nothing (say, a delete of ids that are all gone)
// changed nothing and registers no step.
//
// Ids: bodies take the ids of new objects from WriteScope::newID. When a
// redo runs the operation again, the frame hands it the ids its first run
// made, in the same order, so the redone objects keep their ids and later
// steps that name them still find them.
//
// Errors: whatever the body or the save throws, unchanged.
// Threading: main thread only; not re-entrant.

#include <cassert>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include <QList>
#include <QString>
#include <QUuid>

#include "store/store_context.h"
#include "writing/write_records.h"
#include "writing/write_undo.h"

namespace tallyra {

// What a body works with: the records to fill and the source of new ids.
class WriteScope
{
public:
    WriteScope(WriteRecords& records, QList<QUuid> replay)
        : m_records(records), m_replay(std::move(replay))
    {
    }

    [[nodiscard]] WriteRecords& records() noexcept { return m_records; }

    // A new random id, or on redo the id the first run got at this point.
    template <class Id> [[nodiscard]] Id newID()
    {
        const QUuid uuid =
            m_used.size() < m_replay.size() ? m_replay.at(m_used.size()) : QUuid::createUuid();
        m_used.append(uuid);
        return Id(uuid);
    }

    [[nodiscard]] const QList<QUuid>& usedIDs() const noexcept { return m_used; }

private:
    WriteRecords& m_records;
    QList<QUuid> m_replay;
    QList<QUuid> m_used;
};

class WriteFrame
{
public:
    explicit WriteFrame(WriteUndo& undo) : m_undo(undo) {}
    WriteFrame(const WriteFrame&) = delete;
    WriteFrame& operator=(const WriteFrame&) = delete;

    [[nodiscard]] StoreContext& context() const noexcept { return m_undo.context(); }

    // Runs body(WriteScope&) as one undoable write and returns its result.
    // redo runs the whole operation again (checks included).
    template <class Body>
    auto run(const QString& actionName, Body&& body, std::function<void()> redo)
        -> std::invoke_result_t<Body&, WriteScope&>
    {
        using Result = std::invoke_result_t<Body&, WriteScope&>;
        StoreContext& context = m_undo.context();
        assert(!context.hasChanges() && "a write started over unsaved changes");
        auto records = std::make_shared<WriteRecords>();
        WriteScope scope(*records, std::exchange(m_replay, {}));
        UndoManager* manager = context.undoManager();
        context.setUndoManager(nullptr);
        const auto fail = [&] {
            context.rollback();
            context.setUndoManager(manager);
        };
        if constexpr (std::is_void_v<Result>) {
            try {
                body(scope);
                context.save();
            } catch (...) {
                fail();
                throw;
            }
            finish(manager, records, actionName, std::move(redo), scope.usedIDs());
        } else {
            std::optional<Result> result;
            try {
                result.emplace(body(scope));
                context.save();
            } catch (...) {
                fail();
                throw;
            }
            finish(manager, records, actionName, std::move(redo), scope.usedIDs());
            return std::move(*result);
        }
    }

private:
    void finish(UndoManager* manager, const std::shared_ptr<WriteRecords>& records,
                const QString& actionName, std::function<void()> redo, const QList<QUuid>& usedIDs)
    {
        m_undo.context().setUndoManager(manager);
        if (manager == nullptr || records->isEmpty())
            return;
        m_undo.registerStep(records, actionName, [this, redo = std::move(redo), usedIDs] {
            // Hand the first run's ids to the run the redo starts, and
            // make sure they never leak into a later write.
            m_replay = usedIDs;
            struct Reset
            {
                QList<QUuid>& replay;
                ~Reset() { replay.clear(); }
            } reset{m_replay};
            redo();
        });
    }

    WriteUndo& m_undo;
    QList<QUuid> m_replay;
};

} // namespace tallyra
