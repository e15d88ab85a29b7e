// What the amount field keeps must be what the reader reads: filtering is
// idempotent, and every operand it keeps reads back with no more fraction
// digits than the currency has. Any text, any of three locales and three
// currencies of 2, 0 and 3 digits.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QLocale>
#include <QString>

#include "money/currency.h"
#include "money/money_input.h"

using namespace tallyra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const QLocale locales[] = {QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("fr_FR"))};
    static const QString currencies[] = {QStringLiteral("USD"), QStringLiteral("JPY"),
                                         QStringLiteral("KWD")};
    const QLocale& locale = locales[data[0] % 3];
    const QString& currency = currencies[(data[0] / 3) % 3];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    const QString once = MoneyInput::sanitize(text, currency, locale);
    if (MoneyInput::sanitize(once, currency, locale) != once)
        std::abort();
    const int digits = Currency::minorDigits(currency);
    QString operand;
    const auto check = [&] {
        // Decimal holds 50 significant digits, so an operand longer than that
        // reads back rounded and says nothing about the filter; the writers
        // refuse such amounts long before they matter.
        const auto digitCount =
            std::count_if(operand.cbegin(), operand.cend(), [](QChar c) { return c.isDigit(); });
        if (digitCount > 45) {
            operand.clear();
            return;
        }
        if (const auto value = MoneyInput::number(operand, locale))
            if (value->rounded(digits, Rounding::halfEven) != *value)
                std::abort();
        operand.clear();
    };
    for (const QChar c : once) {
        if (QStringView(u"+-\u2212\u00D7*\u00F7/").contains(c))
            check();
        else
            operand += c;
    }
    check();
    (void)MoneyInput::evaluate(text, locale);
    return 0;
}
