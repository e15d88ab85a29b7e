#pragma once

// Toast: the short message at the bottom centre of the content, over it,
// with at most one action ("Undo") and a close button, drawn with an
// outline so it stands out on dark backgrounds too. It is announced to
// assistive technology when shown.
//
// Timing: the owner decides when a toast ends; while the pointer is over
// it or focus is in it, dismissLater() waits until it leaves and then
// keeps the toast a little longer, so nobody loses a button under the
// pointer.
//
// Threading: main thread only.

#include <QFrame>
#include <QTimer>

class QLabel;
class QPushButton;
class QToolButton;

namespace tallyra::app {

class Toast : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kGraceAfterLeaveMs = 1500;

    explicit Toast(QWidget* parent);

    // Shows the message over the parent (replacing any shown one).
    void showMessage(const QString& message, const QString& actionText);
    // Hides now.
    void dismiss();
    // Hides now, or once the pointer and focus have left it.
    void dismissLater();
    [[nodiscard]] QString message() const;
    [[nodiscard]] bool isHeld() const;
    [[nodiscard]] QPushButton* actionButton() const noexcept { return m_action; }

signals:
    void actionTriggered();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void place();
    void released();

    QLabel* m_text;
    QPushButton* m_action;
    QToolButton* m_close;
    QTimer m_grace;
    bool m_hovered = false;
    bool m_pendingDismiss = false;
};

} // namespace tallyra::app
