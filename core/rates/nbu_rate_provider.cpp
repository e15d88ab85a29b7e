#include "rates/nbu_rate_provider.h"

#include <map>

#include "rates/json_fields.h"
#include "rates/rate_math.h"

namespace tallyra {

NBURateProvider::NBURateProvider(std::shared_ptr<HttpSession> session, QUrl url)
    : m_session(std::move(session)), m_url(std::move(url))
{
}

void NBURateProvider::rates(const CurrencyCode& base, const CurrencySet& /*needing*/,
                            QObject* context, RatesHandler done) const
{
    m_session->get(
        m_url, std::nullopt, context,
        [url = m_url, base, done = std::move(done)](Result<HttpResponse, RateError> response) {
            if (!response)
                return done(fail(response.error()));
            if (response->status != 200)
                return done(fail(RateError::badServerResponse(url, response->status)));
            const auto rows = decodeRows(response->body);
            if (!rows)
                return done(fail(RateError::decodingFailed(url, rows.error())));
            auto result = ratesFromRows(*rows, base);
            if (!result)
                return done(fail(RateError::cannotParseResponse(url, base)));
            done(std::move(*result));
        });
}

Result<QList<NBURateProvider::Row>, QString> NBURateProvider::decodeRows(const QByteArray& body)
{
    const auto array = json::parseArray(body);
    if (!array)
        return fail(array.error());
    QList<Row> rows;
    rows.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        const auto item = json::objectAt(*array, i);
        if (!item)
            return fail(item.error());
        auto cc = json::requiredText(*item, i, QStringLiteral("cc"));
        if (!cc)
            return fail(cc.error());
        const auto rate = json::requiredNumber(*item, i, QStringLiteral("rate"));
        if (!rate)
            return fail(rate.error());
        rows.append(Row{std::move(cc).value(), *rate});
    }
    return rows;
}

std::optional<FXRates> NBURateProvider::ratesFromRows(const QList<Row>& rows,
                                                      const CurrencyCode& base)
{
    std::map<CurrencyCode, Decimal> hryvniasPerUnit{{QStringLiteral("UAH"), Decimal(1)}};
    for (const Row& row : rows) {
        const auto rate = decimalFromDouble(row.rate);
        if (!rate || *rate <= Decimal(0))
            continue;
        hryvniasPerUnit[row.cc] = *rate;
    }
    const auto baseRate = hryvniasPerUnit.find(base);
    if (baseRate == hryvniasPerUnit.end())
        return std::nullopt;

    FXRates result = FXRates::empty(base);
    for (const auto& [code, rate] : hryvniasPerUnit) {
        if (code == base)
            continue;
        // Checked after the division and rounding: a tiny quote or a tiny
        // base can both make a "rate" that is zero or beyond a double.
        const auto published = publishedRate(rate / baseRate->second);
        if (!published)
            continue;
        result.perUnit[code] = *published;
        result.sources[code] = RateSource::nationalBank;
    }
    return result;
}

} // namespace tallyra
