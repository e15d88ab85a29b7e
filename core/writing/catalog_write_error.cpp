#include "writing/catalog_write_error.h"

#include <QCoreApplication>

namespace tallyra {

CatalogWriteError::CatalogWriteError(Code code) : Error(message(code)), m_code(code) {}

QString CatalogWriteError::message(Code code)
{
    switch (code) {
    case Code::emptyName:
        return QCoreApplication::translate("CatalogWriter", "Give it a name.");
    case Code::notFound:
        return QCoreApplication::translate(
            "CatalogWriter", "It no longer exists — it may have been deleted on another device.");
    case Code::tooDeep:
        return QCoreApplication::translate("CatalogWriter",
                                           "Categories can go at most four levels deep.");
    case Code::cycle:
        return QCoreApplication::translate("CatalogWriter",
                                           "A category can’t be moved inside itself.");
    case Code::invalid:
        return QCoreApplication::translate("CatalogWriter", "That change isn’t possible here.");
    case Code::currencyMismatch:
        return QCoreApplication::translate(
            "CatalogWriter", "Transactions can only move to an account in the same currency.");
    case Code::currencyLocked:
        return QCoreApplication::translate("CatalogWriter",
                                           "The currency can’t change once the account has "
                                           "transactions or a balance. Create a new "
                                           "account for another currency.");
    case Code::duplicateAccountName:
        return QCoreApplication::translate("CatalogWriter",
                                           "There’s already an account with that name.");
    case Code::duplicateCategoryName:
        return QCoreApplication::translate("CatalogWriter",
                                           "There’s already a category with that name here.");
    case Code::unknownCurrency:
        return QCoreApplication::translate("CatalogWriter", "Choose a currency from the list.");
    case Code::kindLocked:
        return QCoreApplication::translate(
            "CatalogWriter", "The type can’t change while the category has transactions.");
    }
    return {};
}

} // namespace tallyra
