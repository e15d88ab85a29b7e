#pragma once

// AppCommands: the menu bar's commands, described once so that the window
// makes one QAction per command (makeAction) and shares it between the
// menu, the toolbar and context menus. Each description has its menu, its
// translated title and its Linux shortcut (Ctrl for the command key, Alt
// for option); triggering a command acts on the AppModel.
//
// Every command is disabled while the store is unavailable (the window
// shows the store-failure screen then). Besides, Edit… and Duplicate follow
// the current screen's actions, the period steps stop at the current
// period and at the period of the ledger's first day, and the balances
// command is titled by what it will do ("Show Balances" while hidden,
// "Hide Balances" otherwise).
//
// Settings: its shortcut is Ctrl+, and its menu item carries
// QAction::PreferencesRole with the desktop's usual title "Preferences…";
// it goes to the Settings screen.
//
// Undo and redo are not here: the window binds them to the UndoManager.
//
// Threading: main thread only.

#include <memory>
#include <optional>
#include <span>

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QUrl>

namespace tallyra {
class LedgerStore;
}

namespace tallyra::app {

class AppModel;

enum class AppCommand
{
    newTransaction,
    newAccount,
    exportTransactions,
    backUp,
    settings,
    edit,
    duplicate,
    overview,
    transactions,
    categories,
    accounts,
    search,
    toggleBalances,
    previousPeriod,
    nextPeriod,
    welcome,
    support,
    privacy,
};

enum class AppMenu
{
    file,
    edit,
    view,
    period,
    help,
};

struct CommandDescription
{
    AppCommand command;
    AppMenu menu;
    QString title;
    QKeySequence shortcut;
    QAction::MenuRole role = QAction::NoRole;
    bool isEnabled = true;
};

class AppCommands final : public QObject
{
    Q_OBJECT

public:
    static constexpr char kSupportUrl[] = "https://tallyra.org/support";
    static constexpr char kPrivacyUrl[] = "https://tallyra.org/privacy";

    // store may be null (no ledger: exporting gives nothing). zone: the
    // calendar of the export's dates.
    AppCommands(AppModel& model, LedgerStore* store, bool storeAvailable,
                QTimeZone zone = QTimeZone::systemTimeZone(), QObject* parent = nullptr);
    ~AppCommands() override;

    // Every command in menu order.
    [[nodiscard]] static std::span<const AppCommand> all();
    [[nodiscard]] static QString menuTitle(AppMenu menu);
    [[nodiscard]] CommandDescription description(AppCommand command) const;
    [[nodiscard]] bool isEnabled(AppCommand command) const;

    // Runs the command; false when it is disabled.
    bool trigger(AppCommand command);

    // A QAction bound to the command: its title, shortcut, role and enabled
    // state follow the description, and triggering it runs the command.
    [[nodiscard]] QAction* makeAction(AppCommand command, QObject* parent);

signals:
    // Some title or enabled state may have changed.
    void changed();
    // A link of the help menu to open in the browser.
    void openUrl(const QUrl& url);

private:
    AppModel& m_model;
    LedgerStore* m_store;
    bool m_storeAvailable;
    QTimeZone m_zone;
};

} // namespace tallyra::app
