#include "writing/undo_manager.h"

#include <exception>

#include <QLoggingCategory>

#include "writing/main_thread.h"

namespace tallyra {

using writing_detail::assertMainThread;

namespace {

Q_LOGGING_CATEGORY(lcUndo, "tallyra.undo")

} // namespace

UndoManager::UndoManager(QObject* parent) : QObject(parent) {}

UndoManager::~UndoManager() = default;

QList<UndoManager::Group>& UndoManager::stackForRegistration() noexcept
{
    return m_state == State::undoing ? m_redoStack : m_undoStack;
}

void UndoManager::registerUndo(const QObject* owner, std::function<void()> action)
{
    assertMainThread();
    // QPointer only tracks non-const objects; the owner is never modified here.
    Action entry{QPointer<QObject>(const_cast<QObject*>(owner)), owner != nullptr,
                 std::move(action)};
    if (m_open) {
        m_open->actions.append(std::move(entry));
        return;
    }
    // Without a group the action still makes one whole step, so nothing
    // registered is ever lost between steps.
    Group group;
    group.actions.append(std::move(entry));
    pushClosedGroup(std::move(group));
    Q_EMIT changed();
}

void UndoManager::beginUndoGrouping()
{
    assertMainThread();
    if (m_openLevels == 0)
        m_open = Group{};
    ++m_openLevels;
}

void UndoManager::endUndoGrouping()
{
    assertMainThread();
    if (m_openLevels == 0)
        return;
    if (--m_openLevels > 0)
        return;
    Group group = std::move(*m_open);
    m_open.reset();
    if (group.actions.isEmpty())
        return;
    pushClosedGroup(std::move(group));
    Q_EMIT changed();
}

void UndoManager::pushClosedGroup(Group group)
{
    if (m_state == State::normal)
        m_redoStack.clear();
    stackForRegistration().append(std::move(group));
    trimUndoStack();
}

void UndoManager::trimUndoStack()
{
    if (m_levelsOfUndo <= 0)
        return;
    const qsizetype excess = m_undoStack.size() - m_levelsOfUndo;
    if (excess > 0)
        m_undoStack.remove(0, excess);
}

void UndoManager::setActionName(const QString& name)
{
    assertMainThread();
    if (m_open) {
        m_open->actionName = name;
        return;
    }
    QList<Group>& stack = stackForRegistration();
    if (stack.isEmpty() || stack.last().actionName == name)
        return;
    stack.last().actionName = name;
    Q_EMIT changed();
}

bool UndoManager::canUndo() const noexcept
{
    return m_state == State::normal && m_openLevels == 0 && !m_undoStack.isEmpty();
}

bool UndoManager::canRedo() const noexcept
{
    return m_state == State::normal && m_openLevels == 0 && !m_redoStack.isEmpty();
}

QString UndoManager::undoActionName() const
{
    return m_undoStack.isEmpty() ? QString() : m_undoStack.last().actionName;
}

QString UndoManager::redoActionName() const
{
    return m_redoStack.isEmpty() ? QString() : m_redoStack.last().actionName;
}

void UndoManager::undo()
{
    assertMainThread();
    if (canUndo())
        runGroup(State::undoing);
}

void UndoManager::redo()
{
    assertMainThread();
    if (canRedo())
        runGroup(State::redoing);
}

void UndoManager::runGroup(State state)
{
    QList<Group>& source = state == State::undoing ? m_undoStack : m_redoStack;
    const Group group = source.takeLast();

    m_state = state;
    Q_EMIT changed();
    // The inverse steps registered while the group runs form one group of
    // their own on the opposite stack, under the same name.
    beginUndoGrouping();
    m_open->actionName = group.actionName;
    for (qsizetype i = group.actions.size() - 1; i >= 0; --i) {
        const Action& action = group.actions.at(i);
        if (action.hasOwner && action.owner.isNull())
            continue;
        try {
            action.run();
        } catch (const std::exception& error) {
            qCWarning(lcUndo, "An undo action failed: %s", error.what());
            break;
        } catch (...) {
            qCWarning(lcUndo, "An undo action failed");
            break;
        }
    }
    // Close every level, also those an action may have left open.
    while (m_openLevels > 0)
        endUndoGrouping();
    m_state = State::normal;
    Q_EMIT changed();
}

void UndoManager::removeAllActions()
{
    assertMainThread();
    m_undoStack.clear();
    m_redoStack.clear();
    Q_EMIT changed();
}

void UndoManager::removeAllActions(const QObject* owner)
{
    assertMainThread();
    const auto strip = [owner](QList<Group>& stack) {
        for (Group& group : stack)
            group.actions.removeIf([owner](const Action& action) {
                return action.hasOwner && action.owner.data() == owner;
            });
        stack.removeIf([](const Group& group) { return group.actions.isEmpty(); });
    };
    strip(m_undoStack);
    strip(m_redoStack);
    Q_EMIT changed();
}

void UndoManager::setLevelsOfUndo(int levels)
{
    assertMainThread();
    m_levelsOfUndo = levels < 0 ? 0 : levels;
    trimUndoStack();
    Q_EMIT changed();
}

} // namespace tallyra
