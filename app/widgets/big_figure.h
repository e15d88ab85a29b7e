#pragma once

// BigFigure: one headline number with a caption above it and a comparison
// line below ("+₴1,200.00 vs the same days before"), plus an optional
// action link under it ("Show accounts"). The comparison takes a tone for
// its colour; its text must carry the meaning by itself.
//
// Threading: main thread only.

#include <QWidget>

#include "widgets/semantic_palette.h"

class QPushButton;

namespace tallyra::app {

class AmountLabel;
class ToneLabel;

class BigFigure : public QWidget
{
    Q_OBJECT

public:
    explicit BigFigure(const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setValue(const QString& formatted, Tone tone = Tone::plain);
    // An empty text hides the line.
    void setComparison(const QString& text, Tone tone = Tone::neutral);
    // A second, smaller note ("2 accounts not counted"); empty hides it.
    void setNote(const QString& text);
    // A flat link-like button under the figure; empty text hides it.
    void setAction(const QString& text);

signals:
    void actionTriggered();

private:
    ToneLabel* m_caption;
    AmountLabel* m_value;
    ToneLabel* m_comparison;
    ToneLabel* m_note;
    QPushButton* m_action;
};

} // namespace tallyra::app
