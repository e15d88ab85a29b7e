#pragma once

// Shared pieces of the application-shell tests: a model on an in-memory
// preference store with a hand-driven scheduler, a period engine pinned to
// a day in Kyiv, and a sound player that remembers what it was asked.

#include <memory>

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include "manual_scheduler.h"
#include "periods/period_engine.h"
#include "settings/in_memory_settings_backend.h"
#include "shell/app_model.h"
#include "shell/save_sounds.h"

namespace tallyra::app::testing {

inline QString q(const char* text)
{
    return QString::fromUtf8(text);
}

inline QTimeZone kyivZone()
{
    return QTimeZone(QByteArrayLiteral("Europe/Kyiv"));
}

// Kyiv wall-clock time as an instant.
inline QDateTime kyiv(int year, int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), kyivZone()).toUTC();
}

inline PeriodEngine engineAt(const QDateTime& now,
                             std::optional<QDateTime> dataStart = std::nullopt)
{
    return PeriodEngine(now, CalendarSettings{}, kyivZone(), QLocale(q("en_US")),
                        std::move(dataStart));
}

class RecordingPlayer final : public SoundPlayer
{
public:
    Outcome outcome = Outcome::played;
    QStringList played;

    Outcome play(const QString& name, double volume) override
    {
        played << name;
        lastVolume = volume;
        return outcome;
    }
    double lastVolume = 0;
};

struct ModelSetup
{
    std::shared_ptr<InMemorySettingsBackend> local = std::make_shared<InMemorySettingsBackend>();
    ManualScheduler scheduler;

    [[nodiscard]] AppModel::Options options(const QDateTime& now = kyiv(2026, 3, 15)) const
    {
        AppModel::Options o;
        o.local = local;
        o.scheduler = const_cast<ManualScheduler*>(&scheduler);
        o.periodEngine = engineAt(now);
        return o;
    }
};

} // namespace tallyra::app::testing
