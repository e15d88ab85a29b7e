#include "rates/rate_math.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include <QString>

namespace tallyra {

std::optional<Decimal> decimalFromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc{})
        return std::nullopt;
    return Decimal::parse(QString::fromLatin1(text, end - text));
}

Decimal roundedRate(const Decimal& value)
{
    return value.rounded(kRateFractionDigits, Rounding::halfAwayFromZero);
}

std::optional<Decimal> publishedRate(const Decimal& value)
{
    if (value.isNaN())
        return std::nullopt;
    const Decimal rate = roundedRate(value);
    if (!(rate > Decimal(0)))
        return std::nullopt;
    const double stored = rateToDouble(rate);
    if (!std::isfinite(stored) || !(stored > 0.0))
        return std::nullopt;
    return rate;
}

double rateToDouble(const Decimal& value)
{
    // Decimal::toDouble() is meant for geometry; the text route gives the
    // correctly rounded nearest double.
    const QByteArray text = value.toString().toLatin1();
    double result = 0;
    const auto [end, error] =
        std::from_chars(text.constData(), text.constData() + text.size(), result);
    if (error != std::errc{} || end != text.constData() + text.size())
        return value.toDouble();
    return result;
}

} // namespace tallyra
