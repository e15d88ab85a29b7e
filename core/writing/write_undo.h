#pragma once

// WriteUndo: the target of every undo step a writer registers. It holds the
// store's editing context, puts WriteRecords back into the store on undo
// and hands the redo to the write that made the step.
//
// Undo of a step: the context's undo manager is taken aside (so nothing the
// restore does is recorded), the records are restored and saved, the
// manager is given back and a redo step with the same action name is
// registered (in a group of its own when the grouping level is 0). Redo
// runs the write again with its first arguments; that write registers a
// fresh undo step itself.
//
// Restore order: delete what the write created (transactions, balance
// changes, categories newest first, accounts); recreate deleted accounts,
// categories (parents before children), balance changes and transactions,
// relinking each by id to what exists; then write back changed accounts,
// categories and balance changes, and last the transactions' full values,
// meta fields and links. Objects that no longer exist (deleted on another
// device) are skipped; ids that exist already are not recreated.
//
// Errors: a failed restore or save rolls the context back, registers
// nothing and is reported through undoFailed() (and, when a centre is
// given, a "TallyraCore.UndoFailure" notification with the context as
// object); a failed redo the same way with isRedo set.
//
// Threading: main thread only.

#include <functional>
#include <memory>

#include <QObject>
#include <QString>

#include "writing/undo_failure.h"
#include "writing/write_records.h"

namespace tallyra {

class NotificationCenter;
class StoreContext;

class WriteUndo final : public QObject
{
    Q_OBJECT

public:
    // notifications may be null; it must outlive this object otherwise.
    explicit WriteUndo(StoreContext& context, NotificationCenter* notifications = nullptr,
                       QObject* parent = nullptr);
    ~WriteUndo() override;

    [[nodiscard]] StoreContext& context() const noexcept { return m_context; }

    // Registers one undo step with the context's undo manager (nothing
    // without one): its records, action name and the redo that runs the
    // write again.
    void registerStep(std::shared_ptr<const WriteRecords> records, const QString& actionName,
                      std::function<void()> redo);

    // Puts the records back into the context without saving. Throws
    // StoreError; the caller rolls back.
    void restore(const WriteRecords& records);

Q_SIGNALS:
    void undoFailed(const tallyra::UndoFailure& failure);

private:
    void undoStep(const std::shared_ptr<const WriteRecords>& records, const QString& actionName,
                  const std::function<void()>& redo);
    void redoStep(const std::function<void()>& redo);
    void registerRedo(const QString& actionName, std::function<void()> redo);
    void report(const UndoFailure& failure);

    StoreContext& m_context;
    NotificationCenter* m_notifications;
};

} // namespace tallyra
