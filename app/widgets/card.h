#pragma once

// Card: a rounded panel that groups one piece of a screen (a figure, a
// chart, a list). It fills with the palette's Base and draws a thin outline
// mixed from Base and the text colour, so it stands out from the window in
// light and dark schemes alike. An optional title sits at the top left in
// the bold UI font; the content goes into layout().
//
// Threading: main thread only.

#include <QFrame>
#include <QString>

class QLabel;
class QVBoxLayout;

namespace tallyra::app {

class Card : public QFrame
{
    Q_OBJECT

public:
    explicit Card(QWidget* parent = nullptr);
    explicit Card(const QString& title, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    [[nodiscard]] QString title() const;
    // The card's content column (below the title).
    [[nodiscard]] QVBoxLayout* content() const noexcept { return m_content; }
    // Widgets placed right of the title (a menu button, "See All").
    void addHeaderWidget(QWidget* widget);

    // The corner radius used by every rounded surface of the window.
    [[nodiscard]] static int cornerRadius(const QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_title;
    QWidget* m_header;
    QVBoxLayout* m_content;
};

} // namespace tallyra::app
