#pragma once

// WindowSession: one window over the run's services, with everything it
// needs made in the right order: the money display, the writers and their
// undo history, the application model (its destination restored from the
// saved window state), the commands and their shared actions, the
// lifecycle, the window and its file tasks. main() and the GUI tests build
// the window the same way through it.
//
// Lifetime: the services and the theme outlive the session.
// Threading: main thread only.

#include <memory>

#include "window/window_state.h"

namespace tallyra {
class AppServices;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppCommands;
class AppLifecycle;
class AppModel;
class AppWriters;
class CommandActions;
class DataTasks;
class MainWindow;
class QtScheduler;
class Scheduler;
class Theme;
struct WindowContext;

class WindowSession final
{
public:
    // scheduler: the toasts' and the loop's clock; a QtScheduler of the
    // session's own when null. live: the window's first appearance starts
    // the lifecycle (category merge, rate refresh, the 600-second loop, the
    // welcome offer); screenshots and tests leave it off so that nothing
    // reaches the network or changes by itself.
    WindowSession(AppServices& services, Theme& theme, Scheduler* scheduler = nullptr,
                  bool live = true);
    ~WindowSession();

    [[nodiscard]] MainWindow& window() const noexcept { return *m_window; }
    [[nodiscard]] AppModel& model() const noexcept { return *m_model; }
    [[nodiscard]] AppWriters& writers() const noexcept { return *m_writers; }
    [[nodiscard]] MoneyDisplay& display() const noexcept { return *m_display; }
    [[nodiscard]] CommandActions& actions() const noexcept { return *m_actions; }
    [[nodiscard]] AppLifecycle& lifecycle() const noexcept { return *m_lifecycle; }
    [[nodiscard]] DataTasks& dataTasks() const noexcept { return *m_dataTasks; }
    [[nodiscard]] WindowContext& context() const noexcept { return *m_context; }

private:
    std::unique_ptr<QtScheduler> m_ownScheduler;
    std::unique_ptr<MoneyDisplay> m_display;
    std::unique_ptr<AppWriters> m_writers;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<AppCommands> m_commands;
    std::unique_ptr<AppLifecycle> m_lifecycle;
    std::unique_ptr<CommandActions> m_actions;
    std::unique_ptr<WindowContext> m_context;
    std::unique_ptr<MainWindow> m_window;
    DataTasks* m_dataTasks = nullptr;
};

} // namespace tallyra::app
