#include "rates/mono_currency_rate.h"

#include <limits>

#include <QCoreApplication>

#include "rates/json_fields.h"
#include "rates/rate_math.h"

namespace tallyra {

std::optional<Decimal> MonoCurrencyRate::usableRate() const
{
    if (rateBuy && rateSell) {
        const auto buy = decimalFromDouble(*rateBuy);
        const auto sell = decimalFromDouble(*rateSell);
        // The midpoint of a negative and a positive quote looks like a
        // rate but is none.
        if (!buy || !sell || !(*buy > Decimal(0)) || !(*sell > Decimal(0)))
            return std::nullopt;
        return (*buy + *sell) * Decimal::fromMinor(5, 1);
    }
    if (rateCross)
        return decimalFromDouble(*rateCross);
    return std::nullopt;
}

namespace {

Result<int, QString> currencyNumber(const QJsonObject& item, qsizetype index, const QString& key)
{
    const auto number = json::requiredInteger(item, index, key);
    if (!number)
        return fail(number.error());
    if (*number < 0 || *number > std::numeric_limits<int>::max())
        return fail(
            QCoreApplication::translate("RateError", "“%2” in item %1 isn’t a currency number.")
                .arg(index + 1)
                .arg(key));
    return static_cast<int>(*number);
}

} // namespace

Result<QList<MonoCurrencyRate>, QString> MonoCurrencyRate::decodeList(const QByteArray& body)
{
    const auto array = json::parseArray(body);
    if (!array)
        return fail(array.error());
    QList<MonoCurrencyRate> list;
    list.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        const auto item = json::objectAt(*array, i);
        if (!item)
            return fail(item.error());
        const auto codeA = currencyNumber(*item, i, QStringLiteral("currencyCodeA"));
        if (!codeA)
            return fail(codeA.error());
        const auto codeB = currencyNumber(*item, i, QStringLiteral("currencyCodeB"));
        if (!codeB)
            return fail(codeB.error());
        const auto date = json::requiredInteger(*item, i, QStringLiteral("date"));
        if (!date)
            return fail(date.error());
        const auto buy = json::optionalNumber(*item, i, QStringLiteral("rateBuy"));
        if (!buy)
            return fail(buy.error());
        const auto sell = json::optionalNumber(*item, i, QStringLiteral("rateSell"));
        if (!sell)
            return fail(sell.error());
        const auto cross = json::optionalNumber(*item, i, QStringLiteral("rateCross"));
        if (!cross)
            return fail(cross.error());
        list.append(MonoCurrencyRate{*codeA, *codeB, *date, *buy, *sell, *cross});
    }
    return list;
}

} // namespace tallyra
