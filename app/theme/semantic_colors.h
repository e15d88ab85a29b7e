#pragma once

// The window's meaningful colours, derived from the palette in use so that
// they suit a light or a dark scheme and keep 4.5:1 contrast on the Base
// role (the background of lists and cards): income, expense, a warning and
// a neutral (transfers, secondary text). Colour only reinforces what the
// text already says (a sign, a word, an icon).
//
// Thread safety: pure; any thread.

#include <QColor>
#include <QPalette>

namespace tallyra::app {

struct SemanticColors
{
    QColor income;
    QColor expense;
    QColor warning;
    QColor neutral;

    [[nodiscard]] static SemanticColors derive(const QPalette& palette);

    friend bool operator==(const SemanticColors&, const SemanticColors&) = default;
};

// Dark when the Base role's lightness is below the middle (Qt 6.4 has no
// colour-scheme hint of its own).
[[nodiscard]] bool isDarkScheme(const QPalette& palette);

} // namespace tallyra::app
