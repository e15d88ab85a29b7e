#include "screens/accounts/account_texts.h"

#include <QCoreApplication>

#include "model/account.h"
#include "model/account_kind.h"

namespace tallyra::app {

QString AccountRow::sentence() const
{
    if (kind == Kind::section)
        return title;
    QStringList parts{title, balance};
    if (!detail.isEmpty())
        parts.push_back(detail);
    if (hasNoRate)
        parts.push_back(noRateHelp);
    return parts.join(QStringLiteral(", "));
}

CategoryIcon accountIcon(const Account& account)
{
    if (account.iconImage && !account.iconImage->isEmpty())
        return CategoryIcon::image();
    if (account.iconEmoji && !account.iconEmoji->isEmpty())
        return CategoryIcon::emoji(*account.iconEmoji);
    return CategoryIcon::symbol(account.sfSymbol.isEmpty() ? symbol(account.kind)
                                                           : account.sfSymbol);
}

} // namespace tallyra::app
