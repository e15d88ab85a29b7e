#include "model/category_item.h"

#include "model/record_hash.h"

namespace tallyra {

size_t qHash(const CategoryItem& c, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(c.id)
        .add(c.name)
        .add(c.kind)
        .add(c.colorHex)
        .add(c.icon)
        .add(c.order)
        .add(c.parentID)
        .add(c.iconImage)
        .result();
}

} // namespace tallyra
