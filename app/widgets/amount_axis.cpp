#include "widgets/amount_axis.h"

#include <algorithm>
#include <cmath>

#include <QtCharts/QCategoryAxis>

#include "display/money_display.h"

namespace tallyra::app {

AxisTicks niceTicks(double low, double high, int wanted)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (low > high)
        std::swap(low, high);
    if (high == low) {
        // One value: a step below or above it, from zero.
        if (low == 0)
            return {0, 1, 2};
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    const int intervals = std::max(1, wanted - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / intervals)));
    // Of the round steps near the plain one, the one whose tick count comes
    // closest to the wish (fewer ticks on a tie).
    AxisTicks best;
    int bestDistance = -1;
    for (const double factor : {0.5, 1.0, 2.0, 5.0, 10.0}) {
        const double step = factor * magnitude;
        const double first = std::floor(low / step) * step;
        const double last = std::ceil(high / step) * step;
        const int count = std::max(2, static_cast<int>(std::lround((last - first) / step)) + 1);
        const int distance = std::abs(count - wanted);
        if (bestDistance < 0 || distance < bestDistance ||
            (distance == bestDistance && count < best.count)) {
            best = {first, step, count};
            bestDistance = distance;
        }
    }
    return best;
}

QCategoryAxis* amountAxis(double low, double high, const QString& currency,
                          const MoneyDisplay& display, int wanted)
{
    const AxisTicks ticks = niceTicks(low, high, wanted);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(ticks.first, ticks.last());
    for (int i = 0; i < ticks.count; ++i) {
        const double value = ticks.first + ticks.step * i;
        // Category labels must be unique; a mask or rounding could make
        // two alike, so the later one gets an invisible suffix.
        QString label = display.axisLabel(value, currency, true);
        while (axis->categoriesLabels().contains(label))
            label.append(QChar(0x200B));
        axis->append(label, value);
    }
    return axis;
}

} // namespace tallyra::app
