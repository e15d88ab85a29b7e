#include "periods/calendar_settings.h"

#include <cmath>

#include <QJsonValue>

namespace tallyra {

namespace {

const QString kMonthStartDayKey = QStringLiteral("monthStartDay");
const QString kFirstWeekdayKey = QStringLiteral("firstWeekday");

std::optional<int> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || number < -2147483648.0 ||
        number > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

QJsonObject CalendarSettings::toJson() const
{
    QJsonObject object;
    object.insert(kMonthStartDayKey, monthStartDay);
    object.insert(kFirstWeekdayKey, firstWeekday);
    return object;
}

std::optional<CalendarSettings> CalendarSettings::fromJson(const QJsonObject& object)
{
    const std::optional<int> monthStartDay = wholeNumber(object.value(kMonthStartDayKey));
    const std::optional<int> firstWeekday = wholeNumber(object.value(kFirstWeekdayKey));
    if (!monthStartDay || !firstWeekday)
        return std::nullopt;
    return CalendarSettings{*monthStartDay, *firstWeekday};
}

} // namespace tallyra
