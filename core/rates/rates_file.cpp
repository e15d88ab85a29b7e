#include "rates/rates_file.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "base/error.h"
#include "rates/exchange_rates.h"

namespace tallyra {

namespace {

bool isCurrencyCode(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{3}$"));
    return pattern.match(text).hasMatch();
}

QString quoted(const QString& text)
{
    return u'“' + text + u'”';
}

} // namespace

FXRates readRatesFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The rates file %1 can’t be read: %2")
                        .arg(quoted(path), file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Error(QStringLiteral("The rates file %1 isn’t JSON: %2 at byte %3")
                        .arg(quoted(path), parseError.errorString())
                        .arg(parseError.offset));
    auto bad = [&](const QString& problem) {
        return Error(
            QStringLiteral("The rates file %1 can’t be used: %2").arg(quoted(path), problem));
    };
    if (!document.isObject())
        throw bad(QStringLiteral("it must hold one object"));
    const QJsonObject root = document.object();
    const QString base = root.value(QStringLiteral("base")).toString();
    if (!isCurrencyCode(base))
        throw bad(QStringLiteral("\"base\" must be a currency code such as UAH"));
    FXRates rates = FXRates::empty(base);
    const QJsonObject perUnit = root.value(QStringLiteral("perUnit")).toObject();
    for (auto it = perUnit.begin(); it != perUnit.end(); ++it) {
        if (!isCurrencyCode(it.key()))
            throw bad(
                QStringLiteral("%1 in \"perUnit\" isn’t a currency code").arg(quoted(it.key())));
        // Rates are decimal texts so that they reach the conversion exactly.
        const auto rate =
            it.value().isString() ? Decimal::parse(it.value().toString()) : std::nullopt;
        if (!rate || !(*rate > Decimal(0)))
            throw bad(QStringLiteral(
                          "the rate of %1 must be a positive decimal in a text, such as \"41.5\"")
                          .arg(it.key()));
        if (it.key() != base)
            rates.perUnit[it.key()] = *rate;
    }
    const QJsonObject sources = root.value(QStringLiteral("sources")).toObject();
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        const auto source = enumFromRaw<RateSource>(it.value().toString());
        if (!source)
            throw bad(QStringLiteral("the source of %1 must be nbu or monobank").arg(it.key()));
        if (it.key() != base)
            rates.sources[it.key()] = *source;
    }
    return rates;
}

FXRates readRatesFile(const QString& path, const CurrencyCode& base)
{
    const FXRates rates = readRatesFile(path);
    if (rates.base == base)
        return rates;
    const auto rebased = ExchangeRates::rebased(rates, base);
    if (!rebased)
        throw Error(QStringLiteral("The rates file %1 has no rate for the main currency %2, so its "
                                   "rates can’t be used against it.")
                        .arg(quoted(path), base));
    return *rebased;
}

} // namespace tallyra
