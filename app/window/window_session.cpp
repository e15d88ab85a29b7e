#include "window/window_session.h"

#include <QDesktopServices>

#include "display/money_display.h"
#include "services/app_services.h"
#include "settings/settings_store.h"
#include "shell/app_commands.h"
#include "shell/app_lifecycle.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "shell/scheduler.h"
#include "theme/theme.h"
#include "window/command_actions.h"
#include "window/data_tasks.h"
#include "window/main_window.h"
#include "window/window_context.h"

namespace tallyra::app {

WindowSession::WindowSession(AppServices& services, Theme& theme, Scheduler* scheduler, bool live)
{
    if (!scheduler) {
        m_ownScheduler = std::make_unique<QtScheduler>();
        scheduler = m_ownScheduler.get();
    }
    theme.setAppearance(services.settings().settings().appearance);
    QObject::connect(
        &services.settings(), &SettingsStore::settingsChanged, &theme,
        [&theme](const AppSettings& settings) { theme.setAppearance(settings.appearance); });
    m_display = std::make_unique<MoneyDisplay>(services.locale());
    m_display->setHideCents(services.settings().settings().hideCents);
    m_writers = std::make_unique<AppWriters>(services.store().mainContext(), services.zone());

    AppModel::Options options = AppLifecycle::modelOptions(services, *scheduler);
    const WindowState saved = WindowState::read(*options.local);
    if (saved.destination)
        options.destination = *saved.destination;
    options.display = m_display.get();
    options.undoManager = &m_writers->undoManager();
    m_model = std::make_unique<AppModel>(std::move(options));
    m_commands = std::make_unique<AppCommands>(*m_model, &services.store(),
                                               !services.storeFailure(), services.zone());
    m_lifecycle = std::make_unique<AppLifecycle>(services, *m_model, *scheduler, m_writers.get(),
                                                 m_display.get());
    m_actions = std::make_unique<CommandActions>(*m_commands, m_writers->undoManager());
    QObject::connect(m_commands.get(), &AppCommands::openUrl, m_commands.get(),
                     [](const QUrl& url) { QDesktopServices::openUrl(url); });

    m_context = std::make_unique<WindowContext>(
        WindowContext{services, *m_model, *m_commands, *m_actions, *m_writers, *m_display, theme});
    m_window = std::make_unique<MainWindow>(*m_context);
    m_dataTasks = new DataTasks(*m_context, m_window.get());
    m_window->restoreWindowState(saved);
    if (live)
        QObject::connect(m_window.get(), &MainWindow::firstShown, m_lifecycle.get(),
                         &AppLifecycle::windowAppeared);
}

WindowSession::~WindowSession()
{
    // The window and its screens go first: they hold references to all the rest.
    m_window.reset();
    m_lifecycle->windowClosed();
}

} // namespace tallyra::app
