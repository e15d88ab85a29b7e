#include "theme/color_contrast.h"

#include <algorithm>
#include <cmath>

namespace tallyra::app {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor withContrast(const QColor& wanted, const QColor& background, double minimum)
{
    if (contrastRatio(wanted, background) >= minimum)
        return wanted;
    // Darken on light backgrounds, lighten on dark ones; lightness is
    // monotonic in luminance for a fixed hue, so a bisection finds the
    // colour closest to the wanted one that still reads.
    const bool darken = relativeLuminance(background) > 0.18;
    const QColor hsl = wanted.toHsl();
    const double hue = hsl.hslHueF();
    const double saturation = hsl.hslSaturationF();
    double near = hsl.lightnessF();
    double far = darken ? 0.0 : 1.0;
    const auto at = [&](double lightness) {
        return QColor::fromHslF(static_cast<float>(hue), static_cast<float>(saturation),
                                static_cast<float>(lightness))
            .toRgb();
    };
    if (contrastRatio(at(far), background) < minimum)
        return darken ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < 24; ++step) {
        const double middle = (near + far) / 2;
        if (contrastRatio(at(middle), background) >= minimum)
            far = middle;
        else
            near = middle;
    }
    return at(far);
}

QColor mix(const QColor& a, const QColor& b, double amount)
{
    const double t = std::clamp(amount, 0.0, 1.0);
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    const auto channel = [t](float p, float q) { return p + static_cast<float>(t) * (q - p); };
    return QColor::fromRgbF(channel(x.redF(), y.redF()), channel(x.greenF(), y.greenF()),
                            channel(x.blueF(), y.blueF()), channel(x.alphaF(), y.alphaF()));
}

} // namespace tallyra::app
