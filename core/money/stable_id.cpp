#include "money/stable_id.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

namespace tallyra::StableID {

QUuid make(QStringView nameSpace, QStringView key)
{
    const QString name = nameSpace.toString() + u':' + key.toString();
    QByteArray bytes = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).left(16);
    bytes[6] = static_cast<char>((static_cast<unsigned char>(bytes[6]) & 0x0F) | 0x50);
    bytes[8] = static_cast<char>((static_cast<unsigned char>(bytes[8]) & 0x3F) | 0x80);
    return QUuid::fromRfc4122(bytes);
}

} // namespace tallyra::StableID
