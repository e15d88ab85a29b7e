#pragma once

// CalendarSettings: the user's month start day (a pay day: with 25 a month
// runs from the 25th to the 24th) and first weekday (ICU numbering, 1 =
// Sunday … 7 = Saturday; it only shapes week buckets).
//
// The settings layer keeps monthStartDay within 1…31 and firstWeekday within
// 1…7; this record itself holds whatever it is given. The built-in starting
// values are month start day 1 and Monday.
//
// Encoded as a JSON object {"monthStartDay": n, "firstWeekday": n}; both
// keys are required and must be whole numbers when decoding.
//
// Thread safety: a plain value; any thread.

#include <optional>

#include <QHashFunctions>
#include <QJsonObject>

namespace tallyra {

struct CalendarSettings
{
    int monthStartDay = 1;
    int firstWeekday = 2;

    [[nodiscard]] QJsonObject toJson() const;
    [[nodiscard]] static std::optional<CalendarSettings> fromJson(const QJsonObject& object);

    friend bool operator==(const CalendarSettings& a, const CalendarSettings& b) = default;
    friend size_t qHash(const CalendarSettings& settings, size_t seed = 0) noexcept
    {
        return qHashMulti(seed, settings.monthStartDay, settings.firstWeekday);
    }
};

} // namespace tallyra
