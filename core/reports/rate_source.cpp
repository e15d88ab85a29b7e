#include "reports/rate_source.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(RateSource source)
{
    switch (source) {
    case RateSource::nationalBank:
        return QStringLiteral("nbu");
    case RateSource::monobank:
        return QStringLiteral("monobank");
    }
    return {};
}

std::optional<RateSource> rateSourceFromRaw(QStringView raw)
{
    for (RateSource source : allRateSources())
        if (rawValue(source) == raw)
            return source;
    return std::nullopt;
}

const QList<RateSource>& allRateSources()
{
    static const QList<RateSource> all{RateSource::nationalBank, RateSource::monobank};
    return all;
}

QString displayName(RateSource source)
{
    switch (source) {
    case RateSource::nationalBank:
        return QCoreApplication::translate("RateSource",
                                           "National Bank of Ukraine (official rate)");
    case RateSource::monobank:
        return QCoreApplication::translate("RateSource", "Monobank (public rate)");
    }
    return {};
}

} // namespace tallyra
