#include "model/balance_mode.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(BalanceMode mode)
{
    return mode == BalanceMode::reachBy ? QStringLiteral("reachBy") : QStringLiteral("stayAbove");
}

std::optional<BalanceMode> balanceModeFromRaw(QStringView raw)
{
    for (const BalanceMode mode : kAllBalanceModes)
        if (raw == rawValue(mode))
            return mode;
    return std::nullopt;
}

BalanceMode balanceModeFromStored(QStringView raw)
{
    return raw == u"reachBy" ? BalanceMode::reachBy : BalanceMode::stayAbove;
}

QString title(BalanceMode mode)
{
    return mode == BalanceMode::reachBy ? QCoreApplication::translate("BalanceMode", "Reach By")
                                        : QCoreApplication::translate("BalanceMode", "Stay Above");
}

} // namespace tallyra
