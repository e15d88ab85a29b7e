#include "window/command_actions.h"

#include <QAction>
#include <QApplication>

#include "icons/symbol_icons.h"
#include "writing/undo_manager.h"

namespace tallyra::app {

namespace {

// Toolbar and menu symbols of the commands that have one.
const char* symbolOf(AppCommand command)
{
    switch (command) {
    case AppCommand::newTransaction:
        return "plus";
    case AppCommand::previousPeriod:
        return "chevron.left";
    case AppCommand::nextPeriod:
        return "chevron.right";
    case AppCommand::search:
        return "magnifyingglass";
    case AppCommand::exportTransactions:
        return "square.and.arrow.up";
    case AppCommand::backUp:
        return "archivebox";
    default:
        return nullptr;
    }
}

} // namespace

CommandActions::CommandActions(AppCommands& commands, UndoManager& undoManager, QObject* parent)
    : QObject(parent), m_undoManager(undoManager), m_undo(new QAction(this)),
      m_redo(new QAction(this)), m_quit(new QAction(tr("Quit"), this))
{
    for (const AppCommand command : allCases<AppCommand>()) {
        QAction* action = commands.makeAction(command, this);
        if (const char* symbol = symbolOf(command))
            action->setIcon(SymbolIcons::icon(QString::fromLatin1(symbol)));
        m_actions.emplace(command, action);
    }
    // Ctrl+F is the desktop's usual Find; the command keeps its own key too.
    if (QAction* search = action(AppCommand::search)) {
        QList<QKeySequence> keys = search->shortcuts();
        if (!keys.contains(QKeySequence(QKeySequence::Find)))
            keys.append(QKeySequence(QKeySequence::Find));
        search->setShortcuts(keys);
    }

    m_undo->setShortcut(QKeySequence::Undo);
    m_redo->setShortcuts(
        {QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_quit->setShortcut(QKeySequence::Quit);
    m_quit->setMenuRole(QAction::QuitRole);
    connect(m_undo, &QAction::triggered, &m_undoManager, &UndoManager::undo);
    connect(m_redo, &QAction::triggered, &m_undoManager, &UndoManager::redo);
    connect(m_quit, &QAction::triggered, qApp, &QApplication::closeAllWindows);
    connect(&m_undoManager, &UndoManager::changed, this, &CommandActions::refreshUndo);
    refreshUndo();
}

QAction* CommandActions::action(AppCommand command) const
{
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CommandActions::refreshUndo()
{
    const QString undoName = m_undoManager.undoActionName();
    const QString redoName = m_undoManager.redoActionName();
    m_undo->setText(undoName.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoName));
    m_redo->setText(redoName.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoName));
    m_undo->setEnabled(m_undoManager.canUndo());
    m_redo->setEnabled(m_undoManager.canRedo());
}

} // namespace tallyra::app
