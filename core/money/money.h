#pragma once

// Money: an exact count of a currency's minor units (cents, kopiyky, yen)
// with the currency's ISO 4217 code.
//
// Arithmetic saturates at the 64-bit bounds instead of overflowing; the
// currency of the left operand wins (callers add like to like). Ordering
// compares the minor count only, never the currency. Amounts made from
// decimals are rounded half to even and clamped to ±kMoneyLimitMinor.
//
// Thread safety: a plain value; any thread.

#include <compare>
#include <cstdint>

#include <QString>

#include "money/decimal.h"

namespace tallyra {

using CurrencyCode = QString;

// 10^15 − 1: the largest magnitude any typed or computed amount may reach.
inline constexpr std::int64_t kMoneyLimitMinor = 999'999'999'999'999;

struct Money
{
    std::int64_t minor = 0;
    CurrencyCode currency;

    // decimal × 10^digits(currency), rounded half to even, clamped to the
    // limit; a NaN gives 0.
    [[nodiscard]] static Money fromDecimal(const Decimal& value, const CurrencyCode& currency);
    [[nodiscard]] static std::int64_t clamped(std::int64_t minor) noexcept;
    // value ÷ count with halves away from zero; 0 when count < 1.
    [[nodiscard]] static std::int64_t dividedRounded(std::int64_t value,
                                                     std::int64_t count) noexcept;

    [[nodiscard]] Decimal decimal() const;
    [[nodiscard]] Money magnitude() const noexcept;
    [[nodiscard]] bool isZero() const noexcept { return minor == 0; }

    Money& operator+=(const Money& other) noexcept;
    Money& operator-=(const Money& other) noexcept;
    [[nodiscard]] Money operator-() const noexcept;

    friend bool operator==(const Money& a, const Money& b) = default;
    friend std::strong_ordering operator<=>(const Money& a, const Money& b) noexcept
    {
        return a.minor <=> b.minor;
    }
};

[[nodiscard]] Money operator+(Money a, const Money& b) noexcept;
[[nodiscard]] Money operator-(Money a, const Money& b) noexcept;

[[nodiscard]] std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept;
[[nodiscard]] std::int64_t saturatingSub(std::int64_t a, std::int64_t b) noexcept;
[[nodiscard]] std::int64_t saturatingNegate(std::int64_t a) noexcept;

[[nodiscard]] size_t qHash(const Money& money, size_t seed = 0) noexcept;

} // namespace tallyra
