#include "widgets/message_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>

#include "icons/symbol_icons.h"
#include "theme/color_contrast.h"
#include "widgets/card.h"
#include "widgets/symbol_label.h"

namespace tallyra::app {

namespace {

QString symbolFor(Tone tone)
{
    switch (tone) {
    case Tone::expense:
        return QStringLiteral("exclamationmark.circle.fill");
    case Tone::warning:
        return QStringLiteral("exclamationmark.triangle.fill");
    case Tone::income:
        return QStringLiteral("checkmark.circle.fill");
    case Tone::plain:
    case Tone::neutral:
    case Tone::accent:
        break;
    }
    return QStringLiteral("info.circle.fill");
}

QColor accentFor(const QPalette& palette, Tone tone)
{
    return tone == Tone::plain || tone == Tone::neutral ? palette.color(QPalette::Highlight)
                                                        : toneColor(palette, tone);
}

} // namespace

MessageBar::MessageBar(QWidget* parent)
    : QFrame(parent), m_icon(new SymbolLabel), m_text(new QLabel), m_action(new QPushButton),
      m_close(new QToolButton)
{
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_action->hide();
    m_close->setIcon(SymbolIcons::icon(QStringLiteral("xmark")));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close"));
    connect(m_action, &QPushButton::clicked, this, &MessageBar::actionTriggered);
    connect(m_close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 6, 6, 6);
    row->setSpacing(8);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1);
    row->addWidget(m_action, 0, Qt::AlignVCenter);
    row->addWidget(m_close, 0, Qt::AlignTop);
    hide();
}

void MessageBar::showMessage(const QString& text, Tone tone)
{
    m_tone = tone;
    m_text->setText(text);
    setAccessibleName(text);
    m_icon->setSymbol(symbolFor(tone));
    m_icon->setTone(tone == Tone::plain || tone == Tone::neutral ? Tone::accent : tone);
    show();
    update();
}

void MessageBar::setActionText(const QString& text)
{
    m_action->setText(text);
    m_action->setVisible(!text.isEmpty());
}

void MessageBar::setClosable(bool closable)
{
    m_close->setVisible(closable);
}

QString MessageBar::text() const
{
    return m_text->text();
}

void MessageBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor base = palette().color(QPalette::Base);
    const QColor accent = accentFor(palette(), m_tone);
    QPainterPath path;
    const qreal radius = Card::cornerRadius(this);
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, mix(base, accent, 0.12));
    painter.setPen(QPen(mix(base, accent, 0.55), 1));
    painter.drawPath(path);
}

} // namespace tallyra::app
