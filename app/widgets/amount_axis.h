#pragma once

// The amount axis of the window's charts: round steps (1, 2 or 5 times a
// power of ten) that cover the values, labelled by the money display's
// axis labels ("₴950", "₴12.5k", "$1.2M") so that charts read like the rest
// of the window. Qt Charts' own number formatting is never used for money.
//
// Threading: niceTicks is pure; amountAxis is for the main thread.

#include <QString>

class QCategoryAxis;

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

struct AxisTicks
{
    double first = 0; // the lowest tick, at or below the smallest value
    double step = 1;  // the distance between ticks, > 0
    int count = 2;    // the number of ticks, at least 2

    [[nodiscard]] double last() const { return first + step * (count - 1); }
    friend bool operator==(const AxisTicks&, const AxisTicks&) = default;
};

// About `wanted` ticks covering [low, high]; zero is always a tick when the
// range crosses or touches it. An empty or inverted range gets one step
// around its value (0…1 for nothing at all).
[[nodiscard]] AxisTicks niceTicks(double low, double high, int wanted = 5);

// A value axis from the ticks of [low, high] (major units of currency),
// labelled by display.axisLabel.
[[nodiscard]] QCategoryAxis* amountAxis(double low, double high, const QString& currency,
                                        const MoneyDisplay& display, int wanted = 5);

} // namespace tallyra::app
