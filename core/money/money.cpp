#include "money/money.h"

#include <limits>

#include <QHash>

#include "money/currency.h"

namespace tallyra {

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
} // namespace

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return b > 0 ? kMax : kMin;
    return result;
}

std::int64_t saturatingSub(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t result = 0;
    if (__builtin_sub_overflow(a, b, &result))
        return b < 0 ? kMax : kMin;
    return result;
}

std::int64_t saturatingNegate(std::int64_t a) noexcept
{
    return a == kMin ? kMax : -a;
}

Money Money::fromDecimal(const Decimal& value, const CurrencyCode& currency)
{
    const Decimal scaled = value * Decimal::pow10(Currency::minorDigits(currency));
    return Money{scaled.toInt64Clamped(Rounding::halfEven, kMoneyLimitMinor), currency};
}

std::int64_t Money::clamped(std::int64_t minor) noexcept
{
    return std::clamp(minor, -kMoneyLimitMinor, kMoneyLimitMinor);
}

std::int64_t Money::dividedRounded(std::int64_t value, std::int64_t count) noexcept
{
    if (count < 1)
        return 0;
    const std::int64_t half = value < 0 ? -(count / 2) : count / 2;
    return saturatingAdd(value, half) / count;
}

Decimal Money::decimal() const
{
    return Decimal::fromMinor(minor, Currency::minorDigits(currency));
}

Money Money::magnitude() const noexcept
{
    return Money{minor < 0 ? saturatingNegate(minor) : minor, currency};
}

Money& Money::operator+=(const Money& other) noexcept
{
    minor = saturatingAdd(minor, other.minor);
    return *this;
}

Money& Money::operator-=(const Money& other) noexcept
{
    minor = saturatingSub(minor, other.minor);
    return *this;
}

Money Money::operator-() const noexcept
{
    return Money{saturatingNegate(minor), currency};
}

Money operator+(Money a, const Money& b) noexcept
{
    return a += b;
}
Money operator-(Money a, const Money& b) noexcept
{
    return a -= b;
}

size_t qHash(const Money& money, size_t seed) noexcept
{
    return qHashMulti(seed, money.minor, money.currency);
}

} // namespace tallyra
