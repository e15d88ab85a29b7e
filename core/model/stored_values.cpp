#include "model/stored_values.h"

namespace tallyra {

QStringList tagsFromText(QStringView text)
{
    QStringList tags;
    if (text.isEmpty())
        return tags;
    for (const QStringView piece : text.split(u'\n', Qt::SkipEmptyParts))
        tags.append(piece.toString());
    return tags;
}

QString tagsToText(const QStringList& tags)
{
    QString text;
    for (const QString& tag : tags) {
        if (tag.isEmpty())
            continue;
        if (!text.isEmpty())
            text += u'\n';
        text += tag;
    }
    return text;
}

Decimal interestRateFromBP(std::int64_t basisPoints)
{
    return Decimal::fromMinor(basisPoints, 2);
}

} // namespace tallyra
