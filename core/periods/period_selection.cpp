#include "periods/period_selection.h"

#include <cmath>
#include <limits>

#include <QJsonValue>

namespace tallyra {

namespace {

const QString kLengthKey = QStringLiteral("length");
const QString kOffsetKey = QStringLiteral("offset");

} // namespace

PeriodSelection::PeriodSelection(PeriodLength length, std::int64_t offset) noexcept
    : m_length(length), m_offset(length == PeriodLength::max || offset < 0 ? 0 : offset)
{
}

PeriodSelection PeriodSelection::stepped(Direction direction) const noexcept
{
    if (direction == Direction::older)
        return PeriodSelection(m_length, m_offset == std::numeric_limits<std::int64_t>::max()
                                             ? m_offset
                                             : m_offset + 1);
    return PeriodSelection(m_length, m_offset - 1);
}

QJsonObject PeriodSelection::toJson() const
{
    QJsonObject object;
    object.insert(kLengthKey, rawValue(m_length));
    object.insert(kOffsetKey, static_cast<qint64>(m_offset));
    return object;
}

std::optional<PeriodSelection> PeriodSelection::fromJson(const QJsonObject& object)
{
    const QJsonValue lengthValue = object.value(kLengthKey);
    const QJsonValue offsetValue = object.value(kOffsetKey);
    if (!lengthValue.isString() || !offsetValue.isDouble())
        return std::nullopt;
    const std::optional<PeriodLength> length = enumFromRaw<PeriodLength>(lengthValue.toString());
    if (!length)
        return std::nullopt;

    // JSON numbers arrive either as exact integers or as doubles; a double is
    // accepted only when it is a whole number inside the 64-bit range.
    const QVariant offsetVariant = offsetValue.toVariant();
    std::int64_t offset = 0;
    if (offsetVariant.typeId() == QMetaType::LongLong) {
        offset = offsetVariant.toLongLong();
    } else {
        const double number = offsetValue.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number || number < -9.2e18 ||
            number > 9.2e18)
            return std::nullopt;
        offset = static_cast<std::int64_t>(number);
    }
    return PeriodSelection(*length, offset);
}

} // namespace tallyra
