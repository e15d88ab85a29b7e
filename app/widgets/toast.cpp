#include "widgets/toast.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>

#include "icons/symbol_icons.h"
#include "theme/color_contrast.h"
#include "widgets/card.h"

namespace tallyra::app {

Toast::Toast(QWidget* parent)
    : QFrame(parent), m_text(new QLabel), m_action(new QPushButton), m_close(new QToolButton)
{
    setAttribute(Qt::WA_StyledBackground, false);
    setFocusPolicy(Qt::NoFocus);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(18);
    shadow->setOffset(0, 2);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
    m_text->setTextFormat(Qt::PlainText);
    m_close->setIcon(SymbolIcons::icon(QStringLiteral("xmark")));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close"));
    connect(m_action, &QPushButton::clicked, this, &Toast::actionTriggered);
    connect(m_close, &QToolButton::clicked, this, &Toast::closeRequested);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 8, 8, 8);
    row->setSpacing(12);
    row->addWidget(m_text, 1);
    row->addWidget(m_action);
    row->addWidget(m_close);

    m_grace.setSingleShot(true);
    connect(&m_grace, &QTimer::timeout, this, [this] {
        if (m_pendingDismiss && !isHeld())
            dismiss();
    });
    parent->installEventFilter(this);
    hide();
}

void Toast::showMessage(const QString& message, const QString& actionText)
{
    m_pendingDismiss = false;
    m_grace.stop();
    m_text->setText(message);
    m_action->setText(actionText);
    m_action->setVisible(!actionText.isEmpty());
    setAccessibleName(message);
    adjustSize();
    place();
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Toast::dismiss()
{
    m_pendingDismiss = false;
    m_grace.stop();
    hide();
}

void Toast::dismissLater()
{
    if (!isHeld()) {
        dismiss();
        return;
    }
    m_pendingDismiss = true;
}

QString Toast::message() const
{
    return m_text->text();
}

bool Toast::isHeld() const
{
    const QWidget* focus = QApplication::focusWidget();
    return m_hovered || (focus && isAncestorOf(focus));
}

void Toast::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor fill = pal.color(QPalette::Base);
    QPainterPath path;
    const qreal radius = Card::cornerRadius(this);
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, fill);
    painter.setPen(QPen(mix(fill, pal.color(QPalette::WindowText), 0.35), 1));
    painter.drawPath(path);
}

bool Toast::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    if (event->type() == QEvent::FocusOut && m_pendingDismiss)
        released();
    return QFrame::eventFilter(watched, event);
}

void Toast::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    m_grace.stop();
}

void Toast::leaveEvent(QEvent*)
{
    m_hovered = false;
    if (m_pendingDismiss)
        released();
}

void Toast::released()
{
    m_grace.start(kGraceAfterLeaveMs);
}

void Toast::place()
{
    const QWidget* host = parentWidget();
    const int maxWidth = std::max(200, host->width() - 48);
    const QSize hint = sizeHint();
    const int width =
        std::min(maxWidth, std::max(hint.width(), fontMetrics().averageCharWidth() * 36));
    const int height = hint.height();
    const int margin = fontMetrics().height();
    setGeometry((host->width() - width) / 2, host->height() - height - margin, width, height);
}

} // namespace tallyra::app
