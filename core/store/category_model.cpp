#include "store/category_model.h"

namespace tallyra {

QDateTime categoryReferenceInstant()
{
    // 2001-01-01 00:00:00 UTC, the reference date other stores of this data
    // count from.
    return QDateTime::fromMSecsSinceEpoch(978'307'200'000LL, Qt::UTC);
}

void CategoryModel::setIcon(const CategoryIcon& icon)
{
    iconKind = icon.storedKind();
    iconValue = icon.storedValue();
}

} // namespace tallyra
