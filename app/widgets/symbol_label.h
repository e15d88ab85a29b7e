#pragma once

// SymbolLabel: one symbol of the bundled set, drawn at a size relative to
// the font and in a tone's colour (Tone::accent for the highlight colour),
// re-tinted whenever the palette changes. Empty states, alerts, message
// bars and status rows show their symbols through it.
//
// Threading: main thread only.

#include <QLabel>

#include "widgets/semantic_palette.h"

namespace tallyra::app {

class SymbolLabel : public QLabel
{
    Q_OBJECT

public:
    // lines: the symbol's height in lines of the label's font.
    explicit SymbolLabel(const QString& symbol = QString(), Tone tone = Tone::neutral,
                         double lines = 1.0, QWidget* parent = nullptr);

    void setSymbol(const QString& symbol);
    void setTone(Tone tone);
    void setLines(double lines);
    [[nodiscard]] const QString& symbol() const noexcept { return m_symbol; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void render();

    QString m_symbol;
    Tone m_tone;
    double m_lines;
};

} // namespace tallyra::app
