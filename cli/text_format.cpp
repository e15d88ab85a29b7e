#include "text_format.h"

#include "money/currency.h"

namespace tallyra::cli {

QString moneyText(const Money& money)
{
    return money.decimal().toFixed(Currency::minorDigits(money.currency)) + u' ' + money.currency;
}

QString dayText(const QDateTime& instant, const QTimeZone& zone)
{
    return dayText(instant.toTimeZone(zone).date());
}

QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

QString shareText(double share)
{
    return QString::number(share * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString leftColumn(const QString& text, int width)
{
    return text.leftJustified(width, u' ', true);
}

QString rightColumn(const QString& text, int width)
{
    return text.rightJustified(width);
}

} // namespace tallyra::cli
