// The tallyra window application: start-up options, the run's services,
// one window over them.

#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QTimeZone>

#include "rates/rates_file.h"
#include "rates/snapshot_rate_provider.h"
#include "services/app_services.h"
#include "settings/user_defaults_backend.h"
#include "shell/app_options.h"
#include "theme/theme.h"
#include "window/main_window.h"
#include "window/screenshots.h"
#include "window/window_options.h"
#include "window/window_session.h"

using namespace tallyra;
using namespace tallyra::app;

namespace {

bool asksForScreenshots(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--screenshots"))
            return true;
    return false;
}

int fatal(const QString& message)
{
    std::fprintf(stderr, "tallyra: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Screenshots are drawn without a display.
    if (asksForScreenshots(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    QApplication::setOrganizationName(QStringLiteral("Tallyra"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYRA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tallyra.Tallyra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tallyra.svg")));

    const auto windowOptions = parseWindowOptions(QApplication::arguments().mid(1));
    if (!windowOptions)
        return fatal(windowOptions.error());
    if (windowOptions->help) {
        std::printf("%s%s", qPrintable(appOptionsHelp()), qPrintable(windowOptionsHelp()));
        return 0;
    }

    AppServices::Options options;
    options.defaults = std::make_shared<UserDefaultsBackend>();
    auto env = appEnvironment(windowOptions->rest, *options.defaults);
    if (!env)
        return fatal(env.error().message);
    const bool screenshots = windowOptions->screenshotFolder.has_value();
    if (screenshots && !env->useSampleData)
        env->useEmptyStore = true;
    if (screenshots)
        env->showsWelcome = false;
    options.env = *env;
    if (windowOptions->ratesFile) {
        try {
            options.rateProvider =
                std::make_shared<SnapshotRateProvider>(readRatesFile(*windowOptions->ratesFile));
        } catch (const Error& error) {
            return fatal(error.userMessage());
        }
    }
    if (windowOptions->today) {
        const QDateTime noon(*windowOptions->today, QTime(12, 0), options.zone);
        options.clock = std::make_shared<FixedClock>(noon);
    }

    std::unique_ptr<AppServices> services;
    try {
        services = AppServices::start(std::move(options));
    } catch (const AppServices::FatalError& error) {
        if (!screenshots)
            QMessageBox::critical(nullptr, QObject::tr("Couldn’t read your data"),
                                  error.userMessage());
        return fatal(error.userMessage());
    }

    Theme theme(application);
    WindowSession session(*services, theme, nullptr, !screenshots);
    MainWindow& window = session.window();

    if (screenshots) {
        // Pinned rates are asked for once, as a live window would at start.
        if (windowOptions->ratesFile) {
            const QFuture<void> refreshed = services->refreshRates();
            while (!refreshed.isFinished())
                QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        ScreenshotRunner runner(window);
        const QStringList written = runner.run(*windowOptions->screenshotFolder);
        for (const QString& path : written)
            std::printf("%s\n", qPrintable(path));
        return written.isEmpty() ? 1 : 0;
    }

    window.show();
    return QApplication::exec();
}
