#pragma once

// Decimal: exact base-10 arithmetic with 50 significant digits, for typed
// amounts, calculations and exchange rates. Amounts themselves are Money
// (integer minor units); a Decimal appears only at input, display and in
// rates.
//
// Rounding policy: nothing rounds implicitly except division, which rounds
// its last digit to nearest. Every other rounding names its rule:
//   price.rounded(2, Rounding::halfEven)
// Division by zero gives a NaN, which compares unequal to everything and
// which callers test with isNaN().
//
// Thread safety: a value type; any thread.

#include <compare>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class Rounding
{
    halfEven,         // banker's rounding: 2.5 → 2, 3.5 → 4, −2.5 → −2
    halfAwayFromZero, // 2.5 → 3, −2.5 → −3
};

class Decimal
{
public:
    Decimal() noexcept;
    Decimal(std::int64_t value) noexcept; // NOLINT: integers are decimals
    Decimal(int value) noexcept : Decimal(static_cast<std::int64_t>(value)) {}
    Decimal(const Decimal& other) noexcept;
    Decimal& operator=(const Decimal& other) noexcept;
    ~Decimal();

    // Reads "[-|+]digits[.digits][e[-|+]digits]" (also ".5" and "5."), the
    // whole text and nothing else, in the POSIX form: '.' as the point and
    // no grouping. Nothing when the text is not such a number.
    [[nodiscard]] static std::optional<Decimal> parse(QStringView text);
    // minor ÷ 10^fractionDigits, exact.
    [[nodiscard]] static Decimal fromMinor(std::int64_t minor, int fractionDigits);
    [[nodiscard]] static Decimal pow10(int exponent);
    [[nodiscard]] static Decimal nan();

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }
    Decimal& operator*=(const Decimal& other) { return *this = *this * other; }
    Decimal& operator/=(const Decimal& other) { return *this = *this / other; }

    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::partial_ordering operator<=>(const Decimal& a, const Decimal& b);

    [[nodiscard]] bool isNaN() const;
    [[nodiscard]] bool isZero() const;
    [[nodiscard]] bool isNegative() const;
    [[nodiscard]] Decimal abs() const;

    // The value rounded to fractionDigits digits after the point (0 for an
    // integer) with the given rule. A NaN stays a NaN.
    [[nodiscard]] Decimal rounded(int fractionDigits, Rounding rule) const;

    // The value as a 64-bit integer when it is a whole number in range;
    // nothing for fractions, NaN and values beyond the 64-bit bounds.
    [[nodiscard]] std::optional<std::int64_t> toInt64() const;
    // The value rounded to a whole number with the rule and clamped to
    // [-limit, limit]; NaN gives 0.
    [[nodiscard]] std::int64_t toInt64Clamped(Rounding rule, std::int64_t limit) const;

    // Plain POSIX text without exponent or trailing fraction zeros:
    // "12.5", "-3", "0", "0.0000000001". NaN is "nan".
    [[nodiscard]] QString toString() const;
    // Plain POSIX text with exactly fractionDigits digits after the point,
    // rounded half away from zero ("12.50").
    [[nodiscard]] QString toFixed(int fractionDigits) const;
    // For chart geometry only; never for amounts.
    [[nodiscard]] double toDouble() const;

private:
    friend struct DecimalAccess;
    // Room for the backing boost::multiprecision value, which only
    // decimal.cpp knows; keeping boost out of this header keeps every
    // other translation unit fast to compile.
    alignas(8) unsigned char m_storage[56];
};

} // namespace tallyra
