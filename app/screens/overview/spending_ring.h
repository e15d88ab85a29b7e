#pragma once

// SpendingRing: the period's spending by category as a ring with its list
// beside it (never a ring alone): each row the category's badge, its name,
// its share and its amount, in the category's own colour, the same one the
// ring uses. Hovering a row or a slice lifts the slice and shows its share
// in the ring's centre, which otherwise shows the total.
//
// Threading: main thread only.

#include <QWidget>

#include "screens/overview/overview_view_model.h"

class QGridLayout;
class QLabel;
class QPieSeries;

namespace tallyra::app {

class ChartView;

class SpendingRing final : public QWidget
{
    Q_OBJECT

public:
    explicit SpendingRing(QWidget* parent = nullptr);

    void setRing(const OverviewRing& ring);
    [[nodiscard]] int rowCount() const noexcept { return static_cast<int>(m_ring.slices.size()); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void highlight(int slice);
    void recolor();

    OverviewRing m_ring;
    ChartView* m_chart;
    QPieSeries* m_series;
    QLabel* m_centre;
    QGridLayout* m_list;
};

} // namespace tallyra::app
