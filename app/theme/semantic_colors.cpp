#include "theme/semantic_colors.h"

#include "theme/color_contrast.h"

namespace tallyra::app {

namespace {

// Starting hues: a green and a red that read as money in and out, and an
// amber for warnings; deeper on light backgrounds, brighter on dark ones.
QColor start(int hue, double saturation, double lightness)
{
    return QColor::fromHslF(static_cast<float>(hue) / 360.0f, static_cast<float>(saturation),
                            static_cast<float>(lightness));
}

} // namespace

bool isDarkScheme(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Base).lightness() < 127;
}

SemanticColors SemanticColors::derive(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const bool dark = isDarkScheme(palette);
    SemanticColors colors;
    colors.income = withContrast(dark ? start(140, 0.55, 0.60) : start(140, 0.70, 0.30), base);
    colors.expense = withContrast(dark ? start(2, 0.80, 0.68) : start(2, 0.70, 0.42), base);
    colors.warning = withContrast(dark ? start(38, 0.90, 0.60) : start(32, 0.95, 0.35), base);
    colors.neutral = withContrast(palette.color(QPalette::Active, QPalette::PlaceholderText), base);
    return colors;
}

} // namespace tallyra::app
