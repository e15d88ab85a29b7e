#pragma once

// A whole window for the tests: the run's services on the built-in sample
// ledger (or an empty store) in memory, device-local preferences in memory,
// rates scripted instead of downloaded, a clock pinned to a day, and one
// WindowSession over them, as main() builds it.

#include <memory>

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <QTimeZone>

#include "core/rates/rate_test_support.h"
#include "money/currency.h"
#include "services/app_services.h"
#include "settings/in_memory_settings_backend.h"
#include "theme/theme.h"
#include "window/window_session.h"

namespace tallyra::app::testing {

inline QString q(const char* text)
{
    return QString::fromUtf8(text);
}

struct WindowSetup
{
    bool sampleData = true;
    QString databaseFile; // a real file instead of memory when set
    std::shared_ptr<InMemorySettingsBackend> defaults = std::make_shared<InMemorySettingsBackend>();
};

struct WindowFixture
{
    using Setup = WindowSetup;

    WindowFixture() : WindowFixture(WindowSetup()) {}
    explicit WindowFixture(WindowSetup setup)
    {
        provider = std::make_shared<test::ScriptedProvider>();
        AppServices::Options options;
        options.env.useSampleData = setup.sampleData;
        options.env.useEmptyStore = !setup.sampleData && setup.databaseFile.isEmpty();
        options.defaults = setup.defaults;
        options.databaseFile = setup.databaseFile;
        options.clock = std::make_shared<FixedClock>(
            QDateTime(QDate(2026, 11, 30), QTime(12, 0), zone()).toUTC());
        options.zone = zone();
        options.rateProvider = provider;
        options.preferredLocalizations = {q("en")};
        options.reloadDelay = std::chrono::milliseconds(5);
        options.buildEnvironment = [] { return std::optional<CloudEnvironment>(); };
        services = AppServices::start(std::move(options));
        (void)services->store().waitUntilIdle();
        theme = std::make_unique<Theme>(*qApp);
        session = std::make_unique<WindowSession>(*services, *theme, nullptr, false);
    }

    ~WindowFixture()
    {
        session.reset();
        theme->setAppearance(AppSettings::Appearance::system);
        theme.reset();
        services.reset();
        Currency::setMain(q("USD"));
    }

    static QTimeZone zone() { return QTimeZone(QByteArrayLiteral("Europe/Kyiv")); }

    // Runs the event loop until the store has published its newest index.
    void settle() const
    {
        (void)services->store().waitUntilIdle();
        QTest::qWait(20);
    }

    std::shared_ptr<test::ScriptedProvider> provider;
    std::unique_ptr<AppServices> services;
    std::unique_ptr<Theme> theme;
    std::unique_ptr<WindowSession> session;
};

} // namespace tallyra::app::testing
