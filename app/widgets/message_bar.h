#pragma once

// MessageBar: an inline message placed in the layout next to what it is
// about (not floating over it): a symbol, one or two sentences, an
// optional action button and a close button. Its tone tints the
// background and outline; the text says what happened and what to do.
//
// Threading: main thread only.

#include <QFrame>

#include "widgets/semantic_palette.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace tallyra::app {

class SymbolLabel;

class MessageBar : public QFrame
{
    Q_OBJECT

public:
    explicit MessageBar(QWidget* parent = nullptr);

    // Shows the bar with the message; tone plain reads as information.
    void showMessage(const QString& text, Tone tone = Tone::plain);
    // Empty text removes the button.
    void setActionText(const QString& text);
    void setClosable(bool closable);
    [[nodiscard]] QString text() const;

signals:
    void actionTriggered();
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Tone m_tone = Tone::plain;
    SymbolLabel* m_icon;
    QLabel* m_text;
    QPushButton* m_action;
    QToolButton* m_close;
};

} // namespace tallyra::app
