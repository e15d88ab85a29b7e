// Decimal division against exact rational arithmetic: the quotient is the
// exact one rounded half to even at its 50th significant digit (or exact
// when it has fewer digits). Input: two decimal texts separated by '/'.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QString>

#include <boost/multiprecision/cpp_int.hpp>

#include "money/decimal.h"

using namespace tallyra;
using Rational = boost::multiprecision::cpp_rational;
using Integer = boost::multiprecision::cpp_int;

namespace {

// The exact value of a plain decimal text ("-12.034").
Rational exactly(const QString& text)
{
    std::string digits = text.toStdString();
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    Integer scale = 1;
    if (const auto point = digits.find('.'); point != std::string::npos) {
        scale = boost::multiprecision::pow(Integer(10),
                                           static_cast<unsigned>(digits.size() - point - 1));
        digits.erase(point, 1);
    }
    // A leading 0 would make cpp_int read the digits as octal.
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    Rational value(Integer(digits), scale);
    return negative ? Rational(-value) : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 120)
        return 0;
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return 0;
    const auto a = Decimal::parse(text.left(slash));
    const auto b = Decimal::parse(text.mid(slash + 1));
    if (!a || !b || b->isZero())
        return 0;
    // Keep to magnitudes whose plain text stays small.
    if (a->abs() > Decimal::pow10(40) || b->abs() > Decimal::pow10(40) ||
        (!a->isZero() && a->abs() < Decimal::pow10(-40)) || b->abs() < Decimal::pow10(-40))
        return 0;
    const Decimal q = *a / *b;
    const Rational exact = exactly(a->toString()) / exactly(b->toString());
    const Rational got = exactly(q.toString());
    if (got == exact)
        return 0;
    // Inexact: the error is at most half a unit of the 50th significant
    // digit of the exact quotient.
    Rational magnitude = exact < 0 ? Rational(-exact) : exact;
    int exponent = 0; // 10^exponent <= magnitude < 10^(exponent+1)
    while (magnitude >= 10) {
        magnitude /= 10;
        ++exponent;
    }
    while (magnitude < 1) {
        magnitude *= 10;
        --exponent;
    }
    const int unitExponent = exponent - 49;
    const Rational unit =
        unitExponent >= 0
            ? Rational(boost::multiprecision::pow(Integer(10), static_cast<unsigned>(unitExponent)))
            : Rational(Integer(1), boost::multiprecision::pow(
                                       Integer(10), static_cast<unsigned>(-unitExponent)));
    Rational error = got - exact;
    if (error < 0)
        error = -error;
    if (error * 2 > unit) {
        std::fprintf(stderr, "%s / %s gave %s\n", qPrintable(a->toString()),
                     qPrintable(b->toString()), qPrintable(q.toString()));
        std::abort();
    }
    return 0;
}
