#include "rates/missing_rate_cause.h"

namespace tallyra {

QString rawValue(MissingRateCause cause)
{
    switch (cause) {
    case MissingRateCause::unlisted:
        return QStringLiteral("unlisted");
    case MissingRateCause::failed:
        return QStringLiteral("failed");
    case MissingRateCause::loading:
        return QStringLiteral("loading");
    }
    return {};
}

std::optional<MissingRateCause> missingRateCauseFromRaw(QStringView raw)
{
    for (MissingRateCause cause :
         {MissingRateCause::unlisted, MissingRateCause::failed, MissingRateCause::loading})
        if (rawValue(cause) == raw)
            return cause;
    return std::nullopt;
}

} // namespace tallyra
