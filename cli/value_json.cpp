#include "value_json.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tallyra::cli {

QJsonObject moneyJson(const Money& money)
{
    return QJsonObject{{QStringLiteral("minor"), QJsonValue(static_cast<qint64>(money.minor))},
                       {QStringLiteral("currency"), money.currency}};
}

QString instantText(const QDateTime& instant, const QTimeZone& zone)
{
    const QDateTime local = instant.toTimeZone(zone);
    QString text =
        local.toString(local.time().msec() != 0 ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")
                                                : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    const int offset = local.offsetFromUtc();
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    text += QStringLiteral("%1%2:%3")
                .arg(offset < 0 ? QChar(u'-') : QChar(u'+'))
                .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text;
}

QJsonObject intervalJson(const DateInterval& interval, const QTimeZone& zone)
{
    return QJsonObject{{QStringLiteral("start"), instantText(interval.start, zone)},
                       {QStringLiteral("end"), instantText(interval.end, zone)}};
}

QJsonObject windowJson(const PeriodWindow& window, const QTimeZone& zone)
{
    QJsonObject object = intervalJson(window.interval, zone);
    object.insert(QStringLiteral("elapsedEnd"), instantText(window.elapsedEnd, zone));
    object.insert(QStringLiteral("isRolling"), window.isRolling);
    return object;
}

QJsonObject totalsJson(const PeriodTotals& totals)
{
    return QJsonObject{
        {QStringLiteral("received"), moneyJson(totals.received)},
        {QStringLiteral("spent"), moneyJson(totals.spent)},
        {QStringLiteral("moved"), moneyJson(totals.moved)},
        {QStringLiteral("incomeCount"), totals.incomeCount},
        {QStringLiteral("expenseCount"), totals.expenseCount},
        {QStringLiteral("transferCount"), totals.transferCount},
        {QStringLiteral("incomeWithoutRate"), totals.incomeWithoutRate},
        {QStringLiteral("expensesWithoutRate"), totals.expensesWithoutRate},
        {QStringLiteral("transfersWithoutRate"), totals.transfersWithoutRate},
    };
}

void printJson(QTextStream& out, const QJsonValue& value)
{
    QJsonDocument document;
    if (value.isArray())
        document.setArray(value.toArray());
    else
        document.setObject(value.toObject());
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

} // namespace tallyra::cli
