#pragma once

// Contrast arithmetic of the WCAG 2 definition, used to keep the window's
// own colours (income, expense, warnings) readable on whatever background
// the palette gives: 4.5:1 for text.
//
// Thread safety: pure; any thread.

#include <QColor>

namespace tallyra::app {

inline constexpr double kTextContrast = 4.5;

// The relative luminance of an sRGB colour, 0 (black) … 1 (white).
[[nodiscard]] double relativeLuminance(const QColor& color);
// (lighter + 0.05) / (darker + 0.05), 1 … 21.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);
// The wanted colour with its HSL lightness moved away from the background
// just far enough to reach the minimum ratio (hue and saturation kept);
// black or white when even the extreme does not reach it.
[[nodiscard]] QColor withContrast(const QColor& wanted, const QColor& background,
                                  double minimum = kTextContrast);
// a and b mixed, amount 0 (all a) … 1 (all b).
[[nodiscard]] QColor mix(const QColor& a, const QColor& b, double amount);

} // namespace tallyra::app
