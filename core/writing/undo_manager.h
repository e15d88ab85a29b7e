#pragma once

// UndoManager: the application's undo and redo history. The writers
// register one step per write; the application binds its Undo and Redo
// menu items (enabled state and titles) to canUndo/undoActionName and
// canRedo/redoActionName and refreshes them on changed().
//
// A step is a group of actions, each an (owner, function) pair; undoing a
// group runs its actions last to first. Groups are opened and closed with
// beginUndoGrouping/endUndoGrouping and may nest: an inner group's actions
// join the outermost group, which goes onto a stack when it closes (an
// empty group is dropped). An action registered with no group open gets a
// group of its own.
//
// Undo and redo: undo() takes the newest group off the undo stack and runs
// it inside a new group; every action registered while it runs (the
// inverse of what it undid) goes into that group, which lands on the redo
// stack under the same action name. redo() does the same the other way
// round: what a redo registers goes onto the undo stack. A new step
// registered outside undo and redo clears the redo stack.
//
// Action names: setActionName names the group being built, or else the
// newest group of the stack the next registration would go to.
//
// Limit: the undo stack keeps at most levelsOfUndo() groups (100 unless
// changed); the oldest ones are dropped first. 0 means no limit.
//
// Owners: an action whose owner object has been destroyed is skipped, and
// removeAllActions(owner) drops an owner's actions from both stacks, so a
// step never calls into a destroyed writer.
//
// Errors: an action that throws is reported by the caller that registered
// it (the writers catch their own failures); an exception escaping an
// action is caught here, logged, and ends that undo or redo.
// Lifetime: a store context only points at its undo manager; detach it
// (StoreContext::setUndoManager(nullptr)) before destroying the manager.
// Threading: main thread only; not re-entrant (undo() while undoing does
// nothing).

#include <functional>
#include <optional>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace tallyra {

class UndoManager final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultLevelsOfUndo = 100;

    explicit UndoManager(QObject* parent = nullptr);
    ~UndoManager() override;

    // Registers an action on the undo stack — on the redo stack while
    // undoing. owner may be null (an action without owner always runs).
    void registerUndo(const QObject* owner, std::function<void()> action);

    void beginUndoGrouping();
    // Closes the innermost group. Without an open group it does nothing.
    void endUndoGrouping();
    [[nodiscard]] int groupingLevel() const noexcept { return static_cast<int>(m_openLevels); }

    void setActionName(const QString& name);

    [[nodiscard]] bool canUndo() const noexcept;
    [[nodiscard]] bool canRedo() const noexcept;
    // The name of the step undo() or redo() would run; empty without one.
    [[nodiscard]] QString undoActionName() const;
    [[nodiscard]] QString redoActionName() const;
    [[nodiscard]] bool isUndoing() const noexcept { return m_state == State::undoing; }
    [[nodiscard]] bool isRedoing() const noexcept { return m_state == State::redoing; }

    // Undoes the newest step. Does nothing without a step, while a group is
    // open, or while undoing or redoing.
    void undo();
    // Redoes the newest undone step, with the same conditions.
    void redo();

    void removeAllActions();
    void removeAllActions(const QObject* owner);

    [[nodiscard]] int levelsOfUndo() const noexcept { return m_levelsOfUndo; }
    // Drops the oldest undo groups beyond the new limit.
    void setLevelsOfUndo(int levels);

Q_SIGNALS:
    // Something the menu shows changed: a stack, an action name, or the
    // undoing/redoing state.
    void changed();

private:
    enum class State
    {
        normal,
        undoing,
        redoing
    };

    struct Action
    {
        QPointer<QObject> owner;
        bool hasOwner = false;
        std::function<void()> run;
    };
    struct Group
    {
        QString actionName;
        QList<Action> actions;
    };

    void pushClosedGroup(Group group);
    void trimUndoStack();
    void runGroup(State state);
    [[nodiscard]] QList<Group>& stackForRegistration() noexcept;

    QList<Group> m_undoStack;
    QList<Group> m_redoStack;
    std::optional<Group> m_open;
    qsizetype m_openLevels = 0;
    State m_state = State::normal;
    int m_levelsOfUndo = kDefaultLevelsOfUndo;
};

} // namespace tallyra
