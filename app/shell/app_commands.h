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

#include <optional>

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QUrl>

#include "base/enum_table.h"

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

inline constexpr auto kAppMenus = makeEnumTable<AppMenu>(
    {
        {AppMenu::file, u"file", QT_TRANSLATE_NOOP("AppCommands", "File")},
        {AppMenu::edit, u"edit", QT_TRANSLATE_NOOP("AppCommands", "Edit")},
        {AppMenu::view, u"view", QT_TRANSLATE_NOOP("AppCommands", "View")},
        {AppMenu::period, u"period", QT_TRANSLATE_NOOP("AppCommands", "Period")},
        {AppMenu::help, u"help", QT_TRANSLATE_NOOP("AppCommands", "Help")},
    },
    "AppCommands");
[[nodiscard]] constexpr const auto& enumTable(AppMenu) noexcept
{
    return kAppMenus;
}

// The fixed facts of a command: its id (raw value), title, menu and Linux
// shortcut (none for commands without one).
struct AppCommandCase
{
    AppCommand value;
    QStringView raw;
    const char* title;
    AppMenu menu;
    std::optional<QKeyCombination> shortcut;
};

namespace command_keys {
constexpr QKeyCombination ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}
constexpr QKeyCombination ctrlShift(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, key);
}
constexpr QKeyCombination ctrlAlt(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier | Qt::AltModifier, key);
}
} // namespace command_keys

// In menu order. toggleBalances is titled by what it will do: the table
// holds "Hide Balances", the description says "Show Balances" while hidden.
inline constexpr auto kAppCommands = makeEnumTable<AppCommand, AppCommandCase>(
    {
        {AppCommand::newTransaction, u"newTransaction",
         QT_TRANSLATE_NOOP("AppCommands", "New Transaction"), AppMenu::file,
         command_keys::ctrl(Qt::Key_N)},
        {AppCommand::newAccount, u"newAccount", QT_TRANSLATE_NOOP("AppCommands", "New Account…"),
         AppMenu::file, command_keys::ctrlShift(Qt::Key_N)},
        {AppCommand::exportTransactions, u"exportTransactions",
         QT_TRANSLATE_NOOP("AppCommands", "Export Transactions…"), AppMenu::file,
         command_keys::ctrlShift(Qt::Key_E)},
        {AppCommand::backUp, u"backUp", QT_TRANSLATE_NOOP("AppCommands", "Back Up Data…"),
         AppMenu::file, std::nullopt},
        {AppCommand::settings, u"settings", QT_TRANSLATE_NOOP("AppCommands", "Preferences…"),
         AppMenu::edit, command_keys::ctrl(Qt::Key_Comma)},
        {AppCommand::edit, u"edit", QT_TRANSLATE_NOOP("AppCommands", "Edit…"), AppMenu::edit,
         command_keys::ctrl(Qt::Key_Return)},
        {AppCommand::duplicate, u"duplicate", QT_TRANSLATE_NOOP("AppCommands", "Duplicate"),
         AppMenu::edit, command_keys::ctrl(Qt::Key_D)},
        {AppCommand::overview, u"overview", QT_TRANSLATE_NOOP("AppCommands", "Overview"),
         AppMenu::view, command_keys::ctrl(Qt::Key_1)},
        {AppCommand::transactions, u"transactions",
         QT_TRANSLATE_NOOP("AppCommands", "Transactions"), AppMenu::view,
         command_keys::ctrl(Qt::Key_2)},
        {AppCommand::categories, u"categories", QT_TRANSLATE_NOOP("AppCommands", "Categories"),
         AppMenu::view, command_keys::ctrl(Qt::Key_3)},
        {AppCommand::accounts, u"accounts", QT_TRANSLATE_NOOP("AppCommands", "Accounts"),
         AppMenu::view, command_keys::ctrl(Qt::Key_4)},
        {AppCommand::search, u"search", QT_TRANSLATE_NOOP("AppCommands", "Search"), AppMenu::view,
         command_keys::ctrlAlt(Qt::Key_F)},
        {AppCommand::toggleBalances, u"toggleBalances",
         QT_TRANSLATE_NOOP("AppCommands", "Hide Balances"), AppMenu::view,
         command_keys::ctrlShift(Qt::Key_B)},
        {AppCommand::previousPeriod, u"previousPeriod",
         QT_TRANSLATE_NOOP("AppCommands", "Previous Period"), AppMenu::period,
         command_keys::ctrl(Qt::Key_BracketLeft)},
        {AppCommand::nextPeriod, u"nextPeriod", QT_TRANSLATE_NOOP("AppCommands", "Next Period"),
         AppMenu::period, command_keys::ctrl(Qt::Key_BracketRight)},
        {AppCommand::welcome, u"welcome", QT_TRANSLATE_NOOP("AppCommands", "Welcome to Tallyra"),
         AppMenu::help, std::nullopt},
        {AppCommand::support, u"support", QT_TRANSLATE_NOOP("AppCommands", "Tallyra Support"),
         AppMenu::help, std::nullopt},
        {AppCommand::privacy, u"privacy", QT_TRANSLATE_NOOP("AppCommands", "Privacy"),
         AppMenu::help, std::nullopt},
    },
    "AppCommands");
[[nodiscard]] constexpr const auto& enumTable(AppCommand) noexcept
{
    return kAppCommands;
}

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
