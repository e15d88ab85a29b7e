#include "model/category_icon.h"

#include <QHash>

namespace tallyra {

CategoryIcon::CategoryIcon()
    : m_kind(Kind::symbol), m_value(QString::fromUtf16(kFallbackCategorySymbol))
{
}

CategoryIcon CategoryIcon::symbol(QString name)
{
    return CategoryIcon(Kind::symbol, std::move(name));
}

CategoryIcon CategoryIcon::emoji(QString text)
{
    return CategoryIcon(Kind::emoji, std::move(text));
}

CategoryIcon CategoryIcon::image()
{
    return CategoryIcon(Kind::image, QString());
}

QString CategoryIcon::storedKind() const
{
    return rawValue(m_kind);
}

CategoryIcon categoryIconFromStored(QStringView iconKind, const QString& iconValue)
{
    if (iconKind == u"emoji")
        return CategoryIcon::emoji(iconValue);
    if (iconKind == u"image")
        return CategoryIcon::image();
    if (iconValue.isEmpty())
        return CategoryIcon();
    return CategoryIcon::symbol(iconValue);
}

size_t qHash(const CategoryIcon& icon, size_t seed) noexcept
{
    return qHashMulti(seed, static_cast<int>(icon.kind()), icon.value());
}

} // namespace tallyra
