#include "widgets/symbol_label.h"

#include <QEvent>

#include "icons/symbol_icons.h"

namespace tallyra::app {

SymbolLabel::SymbolLabel(const QString& symbol, Tone tone, double lines, QWidget* parent)
    : QLabel(parent), m_symbol(symbol), m_tone(tone), m_lines(lines)
{
    setAlignment(Qt::AlignCenter);
    render();
}

void SymbolLabel::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    render();
}

void SymbolLabel::setTone(Tone tone)
{
    m_tone = tone;
    render();
}

void SymbolLabel::setLines(double lines)
{
    m_lines = lines;
    render();
}

void SymbolLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        render();
}

void SymbolLabel::render()
{
    setVisible(!m_symbol.isEmpty());
    if (m_symbol.isEmpty())
        return;
    const int size = qRound(fontMetrics().height() * m_lines);
    setPixmap(
        SymbolIcons::pixmap(m_symbol, toneColor(palette(), m_tone), size, devicePixelRatioF()));
}

} // namespace tallyra::app
