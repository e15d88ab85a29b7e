#include "app_lifecycle.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include "app_writers.h"
#include "display/money_display.h"
#include "scheduler.h"
#include "services/app_services.h"
#include "services/category_dedupe.h"
#include "settings/in_memory_settings_backend.h"

namespace tallyra::app {

namespace {

Q_LOGGING_CATEGORY(lcLifecycle, "tallyra.app")

} // namespace

AppLifecycle::AppLifecycle(AppServices& services, AppModel& model, Scheduler& scheduler,
                           AppWriters* writers, MoneyDisplay* display, Hooks hooks, QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_scheduler(scheduler),
      m_display(display), m_hooks(std::move(hooks)), m_today(services.today())
{
    if (!m_hooks.mergeCategories)
        m_hooks.mergeCategories = [&services] {
            (void)CategoryDedupe::merge(services.store().mainContext());
        };
    if (!m_hooks.refreshRates)
        m_hooks.refreshRates = [&services] { (void)services.refreshRates(); };

    if (m_display)
        m_display->setHideCents(services.settings().settings().hideCents);
    connect(&services.settings(), &SettingsStore::settingsChanged, this,
            [this](const AppSettings& settings) {
                if (m_display)
                    m_display->setHideCents(settings.hideCents);
                m_model.setPeriodMode(settings.periodMode);
                rebuildEngine();
            });
    const auto followLedger = [this] {
        const auto start = ledgerStart(*m_services.store().index());
        if (start == m_model.ledgerStart())
            return;
        m_model.setLedgerStart(start);
        rebuildEngine();
    };
    connect(&services.store(), &LedgerStore::versionChanged, this, followLedger);
    followLedger();
    if (writers)
        connect(writers, &AppWriters::undoFailed, this, [this](const UndoFailure& failure) {
            m_model.reportError(failure.message(), AppWriters::failureTitle(failure));
        });
}

AppLifecycle::~AppLifecycle()
{
    windowClosed();
}

AppModel::Options AppLifecycle::modelOptions(AppServices& services, Scheduler& scheduler)
{
    AppModel::Options options;
    // A run that keeps nothing doesn't touch this computer's preferences either.
    if (services.env().keepsNothing())
        options.local = std::make_shared<InMemorySettingsBackend>();
    else
        options.local = std::shared_ptr<SettingsBackend>(&services.defaults(), [](auto*) {});
    options.scheduler = &scheduler;
    const AppSettings& settings = services.settings().settings();
    options.periodMode = settings.periodMode;
    options.defaultPeriod = settings.defaultPeriod;
    options.periodEngine = makeEngine(services, ledgerStart(*services.store().index()));
    options.welcomes = services.env().showsWelcome;
    options.makesSound = true;
    options.asksForContacts = !services.env().keepsNothing();
    return options;
}

PeriodEngine AppLifecycle::makeEngine(const AppServices& services,
                                      std::optional<QDateTime> dataStart)
{
    return PeriodEngine(services.clock().now(), services.settings().settings().calendarSettings(),
                        services.zone(), services.locale(), std::move(dataStart));
}

std::optional<QDateTime> AppLifecycle::ledgerStart(const LedgerIndex& index)
{
    if (index.entries().empty())
        return std::nullopt;
    return index.entries().front().date;
}

void AppLifecycle::rebuildEngine()
{
    m_model.setPeriodEngine(makeEngine(m_services, m_model.ledgerStart()));
}

void AppLifecycle::windowAppeared()
{
    if (m_appeared)
        return;
    m_appeared = true;
    if (const auto& failure = m_services.seedFailure())
        m_model.reportError(*failure, QCoreApplication::translate(
                                          "AppLifecycle", "Couldn’t Make the Starter Categories"));
    merge();
    m_hooks.refreshRates();
    m_model.offerWelcome();
    scheduleNext();
}

void AppLifecycle::windowClosed()
{
    if (m_ticket) {
        m_scheduler.cancel(*m_ticket);
        m_ticket.reset();
    }
}

void AppLifecycle::scheduleNext()
{
    m_ticket = m_scheduler.after(kLoopInterval, this, [this] {
        m_ticket.reset();
        pass();
        scheduleNext();
    });
}

void AppLifecycle::pass()
{
    const QDate today = m_services.today();
    if (today != m_today) {
        m_today = today;
        rebuildEngine();
        merge();
    }
    m_hooks.refreshRates();
}

void AppLifecycle::merge()
{
    try {
        m_hooks.mergeCategories();
    } catch (const Error& error) {
        qCCritical(lcLifecycle, "Category merge: %s",
                   qUtf8Printable(error.detail().isEmpty() ? error.userMessage() : error.detail()));
        m_model.reportError(error.userMessage(), QCoreApplication::translate(
                                                     "AppLifecycle", "Couldn’t Merge Categories"));
    }
}

} // namespace tallyra::app
