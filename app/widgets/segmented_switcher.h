#pragma once

// SegmentedSwitcher: a row of two to five mutually exclusive choices drawn
// as one rounded control ("All", "Expenses", "Income", "Transfers"). The
// keyboard moves the choice with Left/Right (Home/End), the mouse with a
// click; each change emits currentChanged. Sizes come from the font.
//
// Threading: main thread only.

#include <QStringList>
#include <QWidget>

namespace tallyra::app {

class SegmentedSwitcher : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedSwitcher(QWidget* parent = nullptr);
    explicit SegmentedSwitcher(const QStringList& options, QWidget* parent = nullptr);

    void setOptions(const QStringList& options);
    [[nodiscard]] const QStringList& options() const noexcept { return m_options; }
    [[nodiscard]] int currentIndex() const noexcept { return m_current; }
    // Emits currentChanged when it differs.
    void setCurrentIndex(int index);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] QRect segmentRect(int index) const;
    [[nodiscard]] int segmentAt(const QPoint& point) const;
    [[nodiscard]] int segmentWidth() const;

    QStringList m_options;
    int m_current = 0;
    int m_hovered = -1;
};

} // namespace tallyra::app
