#pragma once

// PeriodMode: which family of period lengths the user works in. It is a
// setting, not part of a selection; when it changes, the selected and the
// default lengths are carried over with converted() (period_length.h).
//
// Raw values: "rolling", "calendar".

#include <optional>

#include <QList>
#include <QString>

namespace tallyra {

enum class PeriodMode
{
    rolling,
    calendar,
};

[[nodiscard]] QString rawValue(PeriodMode mode);
// Nothing for any text other than the two raw values.
[[nodiscard]] std::optional<PeriodMode> periodModeFromRaw(QStringView raw);
[[nodiscard]] const QList<PeriodMode>& allPeriodModes();

} // namespace tallyra
