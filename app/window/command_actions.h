#pragma once

// CommandActions: the window's QActions, made once and shared by the menu
// bar, the toolbar, buttons and context menus. Every application command
// gets its action from AppCommands (title, shortcut, enabled state and
// effect live there); the window adds Undo and Redo over the writers' undo
// history (titled with the step's name: "Undo Add Transaction") and Quit.
//
// Icons: actions that appear in the toolbar carry a symbol of the bundled
// set.
//
// Threading: main thread only.

#include <map>

#include <QObject>

#include "shell/app_commands.h"

class QAction;

namespace tallyra {
class UndoManager;
}

namespace tallyra::app {

class CommandActions final : public QObject
{
    Q_OBJECT

public:
    CommandActions(AppCommands& commands, UndoManager& undoManager, QObject* parent = nullptr);

    [[nodiscard]] QAction* action(AppCommand command) const;
    [[nodiscard]] QAction* undo() const noexcept { return m_undo; }
    [[nodiscard]] QAction* redo() const noexcept { return m_redo; }
    [[nodiscard]] QAction* quit() const noexcept { return m_quit; }

private:
    void refreshUndo();

    UndoManager& m_undoManager;
    std::map<AppCommand, QAction*> m_actions;
    QAction* m_undo;
    QAction* m_redo;
    QAction* m_quit;
};

} // namespace tallyra::app
