#include "widgets/big_figure.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/amount_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

BigFigure::BigFigure(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(new ToneLabel(caption, Tone::neutral)), m_value(new AmountLabel),
      m_comparison(new ToneLabel), m_note(new ToneLabel(QString(), Tone::neutral)),
      m_action(new QPushButton)
{
    m_value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_value->setScale(1.9, true);
    m_value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_comparison->setWordWrap(true);
    m_note->setWordWrap(true);
    m_comparison->hide();
    m_note->hide();
    m_action->setFlat(true);
    m_action->setCursor(Qt::PointingHandCursor);
    m_action->hide();
    connect(m_action, &QPushButton::clicked, this, &BigFigure::actionTriggered);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_caption);
    layout->addWidget(m_value);
    layout->addWidget(m_comparison);
    layout->addWidget(m_note);
    layout->addWidget(m_action, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

void BigFigure::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void BigFigure::setValue(const QString& formatted, Tone tone)
{
    m_value->setAmount(formatted, tone);
    m_value->setAccessibleName(m_caption->text() + QStringLiteral(": ") + formatted);
}

void BigFigure::setComparison(const QString& text, Tone tone)
{
    m_comparison->setText(text);
    m_comparison->setTone(tone);
    m_comparison->setVisible(!text.isEmpty());
}

void BigFigure::setNote(const QString& text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void BigFigure::setAction(const QString& text)
{
    m_action->setText(text);
    m_action->setVisible(!text.isEmpty());
}

} // namespace tallyra::app
