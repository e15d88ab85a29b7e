#include "widgets/tone_label.h"

#include <QApplication>
#include <QEvent>

namespace tallyra::app {

ToneLabel::ToneLabel(QWidget* parent) : QLabel(parent) {}

ToneLabel::ToneLabel(const QString& text, Tone tone, QWidget* parent) : QLabel(text, parent)
{
    setTone(tone);
}

void ToneLabel::setTone(Tone tone)
{
    m_tone = tone;
    restyle();
}

void ToneLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (!m_restyling &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange))
        restyle();
}

void ToneLabel::restyle()
{
    // Only the text colour is the label's own; every other role stays
    // inherited, so a scheme change reaches the label and lands here again.
    m_restyling = true;
    QPalette own;
    if (m_tone != Tone::plain) {
        const QPalette inherited =
            parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
        own.setColor(QPalette::WindowText, toneColor(inherited, m_tone));
        own.setColor(QPalette::Text, toneColor(inherited, m_tone));
    }
    setPalette(own);
    m_restyling = false;
}

} // namespace tallyra::app
