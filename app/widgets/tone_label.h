#pragma once

// ToneLabel: a label whose text colour follows a tone (income, expense,
// warning, neutral) of the current palette, re-derived when the scheme
// changes. Plain labels need nothing of this; use it where colour repeats
// what the text says.
//
// Threading: main thread only.

#include <QLabel>

#include "widgets/semantic_palette.h"

namespace tallyra::app {

class ToneLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ToneLabel(QWidget* parent = nullptr);
    explicit ToneLabel(const QString& text, Tone tone, QWidget* parent = nullptr);

    void setTone(Tone tone);
    [[nodiscard]] Tone tone() const noexcept { return m_tone; }

protected:
    void changeEvent(QEvent* event) override;
    // Re-applies the tone (and, in subclasses, fonts) after a change.
    virtual void restyle();

private:
    Tone m_tone = Tone::plain;
    bool m_restyling = false;
};

} // namespace tallyra::app
