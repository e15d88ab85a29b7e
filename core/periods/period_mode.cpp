#include "periods/period_mode.h"

namespace tallyra {

QString rawValue(PeriodMode mode)
{
    switch (mode) {
    case PeriodMode::rolling:
        return QStringLiteral("rolling");
    case PeriodMode::calendar:
        return QStringLiteral("calendar");
    }
    return {};
}

std::optional<PeriodMode> periodModeFromRaw(QStringView raw)
{
    for (PeriodMode mode : allPeriodModes())
        if (rawValue(mode) == raw)
            return mode;
    return std::nullopt;
}

const QList<PeriodMode>& allPeriodModes()
{
    static const QList<PeriodMode> all{PeriodMode::rolling, PeriodMode::calendar};
    return all;
}

} // namespace tallyra
