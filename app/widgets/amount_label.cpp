#include "widgets/amount_label.h"

#include <QApplication>

#include "theme/theme.h"

namespace tallyra::app {

AmountLabel::AmountLabel(QWidget* parent) : ToneLabel(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    restyle();
}

void AmountLabel::setAmount(const QString& formatted, Tone tone)
{
    setText(formatted);
    if (tone != this->tone())
        setTone(tone);
}

void AmountLabel::setScale(double scale, bool bold)
{
    m_scale = scale;
    m_bold = bold;
    restyle();
}

void AmountLabel::restyle()
{
    const QFont wanted = Theme::amountFont(
        Theme::scaled(QApplication::font(this), m_scale, m_bold ? QFont::DemiBold : -1));
    if (wanted != font())
        setFont(wanted);
    ToneLabel::restyle();
}

} // namespace tallyra::app
