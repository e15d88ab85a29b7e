#pragma once

// AmountLabel: a formatted amount (from the money display; this widget
// never builds number text itself), right-aligned in tabular digits and
// coloured by its tone. The colour only repeats what the sign says.
//
// Threading: main thread only.

#include "widgets/tone_label.h"

namespace tallyra::app {

class AmountLabel : public ToneLabel
{
    Q_OBJECT

public:
    explicit AmountLabel(QWidget* parent = nullptr);

    void setAmount(const QString& formatted, Tone tone = Tone::plain);
    // Size relative to the UI font (1 = the UI font).
    void setScale(double scale, bool bold = false);

protected:
    void restyle() override;

private:
    double m_scale = 1.0;
    bool m_bold = false;
};

} // namespace tallyra::app
