#pragma once

// WindowContext: what a screen, a sheet or a part of the frame gets from
// the window that hosts it: the run's services and writers, the window's
// application model with its commands and their shared actions, the money
// display and the theme. References only; the window owns the context and
// outlives every screen it hands it to.
//
// Threading: main thread only.

namespace tallyra {
class AppServices;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppCommands;
class AppModel;
class AppWriters;
class CommandActions;
class Theme;

struct WindowContext
{
    AppServices& services;
    AppModel& model;
    AppCommands& commands;
    CommandActions& actions;
    AppWriters& writers;
    MoneyDisplay& display;
    Theme& theme;
};

} // namespace tallyra::app
