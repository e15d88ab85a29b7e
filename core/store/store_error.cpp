#include "store/store_error.h"

#include <QCoreApplication>

namespace tallyra {

StoreError::StoreError(Code code, QString detail)
    : Error(standardMessage(code), std::move(detail)), m_code(code)
{
}

StoreError::StoreError(Code code, QString userMessage, QString detail)
    : Error(std::move(userMessage), std::move(detail)), m_code(code)
{
}

QString StoreError::standardMessage(Code code)
{
    switch (code) {
    case Code::cannotOpen:
        return QCoreApplication::translate("StoreError", "The data file couldn’t be opened.");
    case Code::notADataFile:
        return QCoreApplication::translate(
            "StoreError",
            "This file isn’t a Tallyra data file, or it is damaged, so it can’t be opened.");
    case Code::otherVersion:
        return QCoreApplication::translate(
            "StoreError",
            "This data file was made by a different version of Tallyra and can’t be opened.");
    case Code::readFailed:
        return QCoreApplication::translate("StoreError", "Your data couldn’t be read.");
    case Code::writeFailed:
        return QCoreApplication::translate("StoreError", "Your changes couldn’t be saved.");
    case Code::diskFull:
        return QCoreApplication::translate("StoreError",
                                           "There isn’t enough disk space to save your changes.");
    case Code::busy:
        return QCoreApplication::translate(
            "StoreError", "The data file is in use elsewhere. Try again in a moment.");
    case Code::readOnly:
        return QCoreApplication::translate(
            "StoreError", "Your changes couldn’t be saved because the data file is read-only.");
    case Code::notFound:
        return QCoreApplication::translate(
            "StoreError", "It no longer exists — it may have been deleted on another device.");
    case Code::pictureFailed:
        return QCoreApplication::translate("StoreError", "A picture couldn’t be saved.");
    }
    return QCoreApplication::translate("StoreError", "Your data couldn’t be read.");
}

} // namespace tallyra
