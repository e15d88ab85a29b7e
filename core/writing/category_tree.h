#pragma once

// Internal to the catalog writers: the category tree as one fetch sees it,
// by row identity. Siblings are ordered by order, then name; top-level
// categories of every kind are siblings of each other. Levels and heights
// are capped, so damaged (cyclic) data cannot make a walk loop.
//
// Threading: the context's thread; a plain value after construction.

#include <cstdint>
#include <optional>

#include <QHash>
#include <QList>
#include <QSet>

#include "store/category_model.h"

namespace tallyra {
class StoreContext;
}

namespace tallyra::writing_detail {

class CategoryTree
{
public:
    explicit CategoryTree(StoreContext& context);

    [[nodiscard]] const CategoryModel& at(std::int64_t objectID) const;
    // 1 for a top-level category, one more per parent above.
    [[nodiscard]] int level(std::int64_t objectID) const;
    // 1 for a leaf, else one more than the highest child.
    [[nodiscard]] int height(std::int64_t objectID) const;
    // The category followed by its descendants, depth first in sibling
    // order (each child followed by its own descendants).
    [[nodiscard]] QList<std::int64_t> subtree(std::int64_t objectID) const;
    // The children of a category (of the top level for none) in sibling
    // order.
    [[nodiscard]] QList<std::int64_t> children(std::optional<std::int64_t> parent) const;
    // The greatest order among the children of parent, leaving out except,
    // plus one; 0 without any.
    [[nodiscard]] std::int64_t nextOrder(std::optional<std::int64_t> parent,
                                         std::int64_t except = 0) const;

private:
    [[nodiscard]] int height(std::int64_t objectID, int depth) const;
    void appendSubtree(std::int64_t objectID, QList<std::int64_t>& result,
                       QSet<std::int64_t>& seen) const;

    QHash<std::int64_t, CategoryModel> m_categories;
    QHash<std::int64_t, QList<std::int64_t>> m_children;
};

} // namespace tallyra::writing_detail
