#pragma once

// The menu bar: every application command under its menu, in the order the
// commands are described, with Undo and Redo at the top of Edit and Quit at
// the end of File. Menus are static: a command that cannot run now is
// disabled, never hidden.
//
// Threading: main thread only.

class QMenuBar;

namespace tallyra::app {

class AppCommands;
class CommandActions;

void fillMenuBar(QMenuBar& menuBar, const AppCommands& commands, const CommandActions& actions);

} // namespace tallyra::app
