#pragma once

// AppLifecycle: what a window's run does around its model, once the
// services have started.
//
// When the window first appears (windowAppeared): the starter-category
// failure of start-up, if any, becomes the alert "Couldn’t Make the
// Starter Categories"; duplicate categories are merged (a failure is
// logged as "Category merge: …" and shown under "Couldn’t Merge
// Categories"); the rates are refreshed for the currencies of all
// accounts; the welcome sheet is offered once; and then every 600 seconds
// on the scheduler's monotonic clock: when the calendar day has changed
// since the last pass, "today" moves on (a new period engine, so every
// period and "today" label follows) and categories are merged again; the
// rates are refreshed.
//
// It also keeps the model in step with the run: a change of the settings
// gives the model its period mode and a new period engine and the money
// display its hidden cents (the main currency itself is switched by
// AppServices, which rebases and reloads before the fresh rates arrive);
// each published ledger gives the model its first day; a failed undo or
// redo becomes the alert "Couldn’t Undo" / "Couldn’t Redo".
//
// Threading: main thread only.

#include <chrono>
#include <functional>
#include <optional>

#include <QDate>
#include <QObject>

#include "app_model.h"
#include "periods/period_engine.h"

namespace tallyra {
class AppServices;
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppWriters;
class Scheduler;

class AppLifecycle final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kLoopInterval{600};

    // The work of a pass; the defaults use the services.
    struct Hooks
    {
        // Merges duplicate categories; throws tallyra::Error.
        std::function<void()> mergeCategories;
        std::function<void()> refreshRates;
    };

    // writers and display may be null.
    AppLifecycle(AppServices& services, AppModel& model, Scheduler& scheduler,
                 AppWriters* writers = nullptr, MoneyDisplay* display = nullptr, Hooks hooks = {},
                 QObject* parent = nullptr);
    ~AppLifecycle() override;

    // The options of a window's model for this run: its preferences on the
    // device-local defaults (in memory when the run keeps nothing), its
    // period from the settings, and the start options' permissions.
    [[nodiscard]] static AppModel::Options modelOptions(AppServices& services,
                                                        Scheduler& scheduler);
    // The period engine of the run's settings, today and the ledger's first day.
    [[nodiscard]] static PeriodEngine makeEngine(const AppServices& services,
                                                 std::optional<QDateTime> dataStart);
    // The first instant with data: the oldest transaction; none when empty.
    [[nodiscard]] static std::optional<QDateTime> ledgerStart(const LedgerIndex& index);

    // Runs the first-appearance steps once and starts the loop.
    void windowAppeared();
    // Stops the loop.
    void windowClosed();
    [[nodiscard]] bool isLooping() const noexcept { return m_ticket.has_value(); }
    [[nodiscard]] const QDate& today() const noexcept { return m_today; }

    // One pass of the loop (also run by the scheduler).
    void pass();

private:
    void merge();
    void scheduleNext();
    void rebuildEngine();

    AppServices& m_services;
    AppModel& m_model;
    Scheduler& m_scheduler;
    MoneyDisplay* m_display;
    Hooks m_hooks;
    QDate m_today;
    bool m_appeared = false;
    std::optional<std::uint64_t> m_ticket;
};

} // namespace tallyra::app
