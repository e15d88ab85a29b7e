#pragma once

// InitialsAvatar: a circle with a person's initials, for the profile row
// (and contacts later). The circle takes the palette's Highlight colour and
// the letters HighlightedText, so it reads in every scheme.
//
// Threading: main thread only; initials() is pure.

#include <QWidget>

namespace tallyra::app {

// Up to two initials of a display name, upper-cased: the first letters of
// the first and the last word ("Olena Kovalenko" → "OK", "Jean-Luc Picard"
// → "JP", "олена" → "О"); words in parentheses are skipped; "?" when the
// name has no letter.
[[nodiscard]] QString initials(const QString& name);

class InitialsAvatar : public QWidget
{
    Q_OBJECT

public:
    explicit InitialsAvatar(QWidget* parent = nullptr);

    void setName(const QString& name);
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_initials;
};

} // namespace tallyra::app
