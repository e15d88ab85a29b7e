#include "model/account_source.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(AccountSource source)
{
    return source == AccountSource::monobank ? QStringLiteral("monobank")
                                             : QStringLiteral("manual");
}

std::optional<AccountSource> accountSourceFromRaw(QStringView raw)
{
    for (const AccountSource source : kAllAccountSources)
        if (raw == rawValue(source))
            return source;
    return std::nullopt;
}

AccountSource accountSourceFromStored(QStringView raw)
{
    return raw == u"monobank" ? AccountSource::monobank : AccountSource::manual;
}

QString title(AccountSource source)
{
    return source == AccountSource::monobank
               ? QCoreApplication::translate("AccountSource", "Monobank")
               : QCoreApplication::translate("AccountSource", "Manual");
}

} // namespace tallyra
