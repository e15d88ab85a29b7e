#include "window/menu_bar.h"

#include <map>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/app_commands.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

// Commands after which a menu gets a separator: the groups of a menu.
bool endsGroup(AppCommand command)
{
    switch (command) {
    case AppCommand::newAccount:
    case AppCommand::backUp:
    case AppCommand::settings:
    case AppCommand::duplicate:
    case AppCommand::accounts:
    case AppCommand::search:
    case AppCommand::welcome:
        return true;
    default:
        return false;
    }
}

} // namespace

void fillMenuBar(QMenuBar& menuBar, const AppCommands& commands, const CommandActions& actions)
{
    std::map<AppMenu, QMenu*> menus;
    for (const AppMenu menu :
         {AppMenu::file, AppMenu::edit, AppMenu::view, AppMenu::period, AppMenu::help}) {
        menus[menu] = menuBar.addMenu(title(menu));
    }
    QMenu* edit = menus[AppMenu::edit];
    edit->addAction(actions.undo());
    edit->addAction(actions.redo());
    edit->addSeparator();

    for (const AppCommand command : allCases<AppCommand>()) {
        QAction* action = actions.action(command);
        if (!action)
            continue;
        QMenu* menu = menus[commands.description(command).menu];
        menu->addAction(action);
        if (endsGroup(command))
            menu->addSeparator();
    }
    QMenu* file = menus[AppMenu::file];
    file->addSeparator();
    file->addAction(actions.quit());
}

} // namespace tallyra::app
