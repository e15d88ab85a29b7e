#include "money/decimal.h"

#include <new>
#include <sstream>
#include <string_view>
#include <vector>

#include <boost/multiprecision/cpp_dec_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

namespace tallyra {

namespace {

using Number = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<50>,
                                             boost::multiprecision::et_off>;
static_assert(sizeof(Number) <= 56, "Decimal storage is too small for its number type");
static_assert(alignof(Number) <= 8, "Decimal storage is not aligned for its number type");

Number& num(unsigned char* storage)
{
    return *std::launder(reinterpret_cast<Number*>(storage));
}
const Number& num(const unsigned char* storage)
{
    return *std::launder(reinterpret_cast<const Number*>(storage));
}

using Integer = boost::multiprecision::cpp_int;

// Significant digits a quotient is rounded to. The backing type keeps
// more than this internally, but those guard digits carry noise from its
// own division, so quotients never go through it.
constexpr int kQuotientDigits = 50;

// A finite Number as coefficient × 10^exponent. cpp_dec_float prints every
// digit it holds in scientific form, so the text is exact.
struct Scaled
{
    Integer coefficient; // sign included
    long long exponent = 0;
};

Scaled toScaled(const Number& value)
{
    const std::string text = value.str(0, std::ios_base::scientific);
    const auto e = text.find('e');
    std::string digits;
    digits.reserve(e);
    bool negative = false;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] == '-')
            negative = true;
        else if (text[i] >= '0' && text[i] <= '9')
            digits += text[i];
    }
    long long exponent = std::stoll(text.substr(e + 1));
    // Leading digit then the fraction: d.ddd e x = ddd × 10^(x − fraction).
    exponent -= static_cast<long long>(digits.size()) - 1;
    const auto last = digits.find_last_not_of('0');
    if (last == std::string::npos)
        return {};
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits.erase(last + 1);
    Integer coefficient(digits);
    if (negative)
        coefficient = -coefficient;
    return {std::move(coefficient), exponent};
}

Number fromScaled(const Integer& coefficient, long long exponent)
{
    return Number(coefficient.str() + 'e' + std::to_string(exponent));
}

size_t digitCount(const Integer& magnitude)
{
    return magnitude.is_zero() ? 1 : magnitude.str().size();
}

Integer pow10Integer(long long exponent)
{
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// a ÷ b with kQuotientDigits significant digits, the last one rounded half
// to even from the exact remainder. b is finite and not zero.
Number exactQuotient(const Number& a, const Number& b)
{
    if (a.is_zero())
        return Number(0);
    const Scaled x = toScaled(a);
    const Scaled y = toScaled(b);
    Integer numerator = boost::multiprecision::abs(x.coefficient);
    Integer denominator = boost::multiprecision::abs(y.coefficient);
    // Shift so that the integer quotient has kQuotientDigits (or one more)
    // digits; the shift goes into whichever side keeps it non-negative.
    const long long shift = kQuotientDigits + static_cast<long long>(digitCount(denominator)) -
                            static_cast<long long>(digitCount(numerator));
    if (shift > 0)
        numerator *= pow10Integer(shift);
    else if (shift < 0)
        denominator *= pow10Integer(-shift);
    Integer quotient;
    Integer remainder;
    boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);
    const Integer doubled = remainder * 2;
    const int twice = doubled.compare(denominator);
    if (twice > 0 || (twice == 0 && boost::multiprecision::bit_test(quotient, 0)))
        ++quotient;
    if ((x.coefficient.sign() < 0) != (y.coefficient.sign() < 0))
        quotient = -quotient;
    return fromScaled(quotient, x.exponent - y.exponent - shift);
}

// value × 10^exponent without going through the backing type's arithmetic.
// 10^exponent, read from its text so that it is exact (the backing type
// computes negative powers by dividing); the common ones are made once.
Number powerOfTen(long long exponent)
{
    constexpr long long kKept = 80;
    static const std::vector<Number> kept = [] {
        std::vector<Number> powers;
        powers.reserve(2 * kKept + 1);
        for (long long e = -kKept; e <= kKept; ++e)
            powers.emplace_back("1e" + std::to_string(e));
        return powers;
    }();
    if (exponent >= -kKept && exponent <= kKept)
        return kept[static_cast<size_t>(exponent + kKept)];
    return Number("1e" + std::to_string(exponent));
}

// value × 10^exponent. Multiplying by a power of ten only moves the digits,
// which the backing type does exactly; dividing by one is what it does not.
Number shifted(const Number& value, long long exponent)
{
    if (exponent == 0 || value.is_zero())
        return value;
    return value * powerOfTen(exponent);
}

} // namespace

// The one place that reaches into a Decimal's storage.
struct DecimalAccess
{
    static Number& of(Decimal& d) { return num(d.m_storage); }
    static const Number& of(const Decimal& d) { return num(d.m_storage); }
    static Decimal from(const Number& value)
    {
        Decimal result;
        num(result.m_storage) = value;
        return result;
    }
};

Decimal::Decimal() noexcept
{
    new (m_storage) Number(0);
}

Decimal::Decimal(std::int64_t value) noexcept
{
    new (m_storage) Number(value);
}

Decimal::Decimal(const Decimal& other) noexcept
{
    new (m_storage) Number(num(other.m_storage));
}

Decimal& Decimal::operator=(const Decimal& other) noexcept
{
    num(m_storage) = num(other.m_storage);
    return *this;
}

Decimal::~Decimal()
{
    num(m_storage).~Number();
}

namespace {

// Checks "[+-]?(digits[.digits]|.digits)([eE][+-]?d{1,4})?" in one pass;
// std::regex recurses per character and overflows the stack on a long
// pasted number.
bool isPlainNumber(std::string_view text)
{
    size_t i = 0;
    const auto digitsFrom = [&text](size_t at) {
        size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        return end - at;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t whole = digitsFrom(i);
    i += whole;
    size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        fraction = digitsFrom(++i);
        i += fraction;
    }
    if (whole == 0 && fraction == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t exponent = digitsFrom(i);
        if (exponent < 1 || exponent > 4)
            return false;
        i += exponent;
    }
    return i == text.size();
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView text)
{
    const std::string utf8 = text.toString().toStdString();
    if (!isPlainNumber(utf8))
        return std::nullopt;
    try {
        return DecimalAccess::from(Number(utf8));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

Decimal Decimal::fromMinor(std::int64_t minor, int fractionDigits)
{
    return DecimalAccess::from(shifted(Number(minor), -fractionDigits));
}

Decimal Decimal::pow10(int exponent)
{
    return DecimalAccess::from(boost::multiprecision::pow(Number(10), exponent));
}

Decimal Decimal::nan()
{
    return DecimalAccess::from(std::numeric_limits<Number>::quiet_NaN());
}

Decimal operator+(const Decimal& a, const Decimal& b)
{
    return DecimalAccess::from(DecimalAccess::of(a) + DecimalAccess::of(b));
}

Decimal operator-(const Decimal& a, const Decimal& b)
{
    return DecimalAccess::from(DecimalAccess::of(a) - DecimalAccess::of(b));
}

Decimal operator*(const Decimal& a, const Decimal& b)
{
    return DecimalAccess::from(DecimalAccess::of(a) * DecimalAccess::of(b));
}

Decimal operator/(const Decimal& a, const Decimal& b)
{
    if (b.isZero() || b.isNaN() || a.isNaN())
        return Decimal::nan();
    if (!boost::multiprecision::isfinite(DecimalAccess::of(a)) ||
        !boost::multiprecision::isfinite(DecimalAccess::of(b)))
        return DecimalAccess::from(DecimalAccess::of(a) / DecimalAccess::of(b));
    return DecimalAccess::from(exactQuotient(DecimalAccess::of(a), DecimalAccess::of(b)));
}

Decimal Decimal::operator-() const
{
    return DecimalAccess::from(-num(m_storage));
}

bool operator==(const Decimal& a, const Decimal& b)
{
    if (a.isNaN() || b.isNaN())
        return false;
    return DecimalAccess::of(a) == DecimalAccess::of(b);
}

std::partial_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    if (a.isNaN() || b.isNaN())
        return std::partial_ordering::unordered;
    const Number& x = DecimalAccess::of(a);
    const Number& y = DecimalAccess::of(b);
    if (x < y)
        return std::partial_ordering::less;
    if (x > y)
        return std::partial_ordering::greater;
    return std::partial_ordering::equivalent;
}

bool Decimal::isNaN() const
{
    return boost::multiprecision::isnan(num(m_storage));
}
bool Decimal::isZero() const
{
    return !isNaN() && num(m_storage).is_zero();
}
bool Decimal::isNegative() const
{
    return !isNaN() && num(m_storage).sign() < 0;
}
Decimal Decimal::abs() const
{
    return DecimalAccess::from(boost::multiprecision::abs(num(m_storage)));
}

Decimal Decimal::rounded(int fractionDigits, Rounding rule) const
{
    if (isNaN())
        return *this;
    if (boost::multiprecision::isinf(num(m_storage)))
        return *this;
    const Number scaled = shifted(num(m_storage), fractionDigits);
    const Number whole = boost::multiprecision::trunc(scaled);
    const Number rest = boost::multiprecision::abs(scaled - whole);
    const Number half("0.5");
    const Number step = scaled.sign() < 0 ? Number(-1) : Number(1);
    Number result = whole;
    if (rest > half) {
        result += step;
    } else if (rest == half) {
        const bool odd = boost::multiprecision::fmod(whole, Number(2)) != 0;
        if (rule == Rounding::halfAwayFromZero || odd)
            result += step;
    }
    return DecimalAccess::from(shifted(result, -fractionDigits));
}

std::optional<std::int64_t> Decimal::toInt64() const
{
    if (isNaN())
        return std::nullopt;
    const Number& value = num(m_storage);
    if (boost::multiprecision::trunc(value) != value)
        return std::nullopt;
    if (value > Number(std::numeric_limits<std::int64_t>::max()) ||
        value < Number(std::numeric_limits<std::int64_t>::min()))
        return std::nullopt;
    return value.convert_to<std::int64_t>();
}

std::int64_t Decimal::toInt64Clamped(Rounding rule, std::int64_t limit) const
{
    if (isNaN())
        return 0;
    const Number value = num(rounded(0, rule).m_storage);
    if (value > Number(limit))
        return limit;
    if (value < Number(-limit))
        return -limit;
    return value.convert_to<std::int64_t>();
}

QString Decimal::toString() const
{
    if (isNaN())
        return QStringLiteral("nan");
    const Number& value = num(m_storage);
    if (!boost::multiprecision::isfinite(value))
        return QString::fromStdString(value.str(0, std::ios_base::fixed));
    if (value.is_zero())
        return QStringLiteral("0");
    // From the exact digits and exponent: the backing type's own fixed
    // notation stops after 80 fraction digits and prints 1e-81 as "0".
    const Scaled scaled = toScaled(value);
    const Integer magnitude = boost::multiprecision::abs(scaled.coefficient);
    std::string digits = magnitude.str();
    std::string text = scaled.coefficient.sign() < 0 ? "-" : "";
    if (scaled.exponent >= 0) {
        text += digits;
        text.append(static_cast<size_t>(scaled.exponent), '0');
    } else {
        const long long whole = static_cast<long long>(digits.size()) + scaled.exponent;
        if (whole > 0) {
            digits.insert(static_cast<size_t>(whole), 1, '.');
            text += digits;
        } else {
            text += "0.";
            text.append(static_cast<size_t>(-whole), '0');
            text += digits;
        }
    }
    return QString::fromStdString(text);
}

QString Decimal::toFixed(int fractionDigits) const
{
    if (isNaN())
        return QStringLiteral("nan");
    const Decimal value = rounded(fractionDigits, Rounding::halfAwayFromZero);
    std::string text = num(value.m_storage).str(0, std::ios_base::fixed);
    const auto point = text.find('.');
    if (fractionDigits <= 0) {
        if (point != std::string::npos)
            text.erase(point);
    } else if (point == std::string::npos) {
        text += '.' + std::string(static_cast<size_t>(fractionDigits), '0');
    } else {
        const size_t want = point + 1 + static_cast<size_t>(fractionDigits);
        if (text.size() > want)
            text.erase(want);
        else
            text.append(want - text.size(), '0');
    }
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return QString::fromStdString(text);
}

double Decimal::toDouble() const
{
    return num(m_storage).convert_to<double>();
}

} // namespace tallyra
