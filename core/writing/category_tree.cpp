#include "writing/category_tree.h"

#include <algorithm>
#include <limits>

#include "store/store_context.h"

namespace tallyra::writing_detail {

namespace {

constexpr int kLevelCap = 16;

} // namespace

CategoryTree::CategoryTree(StoreContext& context)
{
    for (CategoryModel& category : context.fetch<CategoryModel>()) {
        const std::int64_t objectID = category.objectID;
        m_children[category.parent.value_or(0)].append(objectID);
        m_categories.insert(objectID, std::move(category));
    }
    for (QList<std::int64_t>& siblings : m_children)
        std::stable_sort(siblings.begin(), siblings.end(), [this](std::int64_t a, std::int64_t b) {
            const CategoryModel& x = at(a);
            const CategoryModel& y = at(b);
            if (x.order != y.order)
                return x.order < y.order;
            return x.name < y.name;
        });
}

const CategoryModel& CategoryTree::at(std::int64_t objectID) const
{
    return m_categories.find(objectID).value();
}

int CategoryTree::level(std::int64_t objectID) const
{
    int level = 1;
    std::optional<std::int64_t> parent = at(objectID).parent;
    while (parent && m_categories.contains(*parent) && level < kLevelCap) {
        ++level;
        parent = at(*parent).parent;
    }
    return level;
}

int CategoryTree::height(std::int64_t objectID) const
{
    return height(objectID, 1);
}

int CategoryTree::height(std::int64_t objectID, int depth) const
{
    int height = 1;
    if (depth >= kLevelCap)
        return height;
    for (const std::int64_t child : children(objectID))
        height = std::max(height, 1 + this->height(child, depth + 1));
    return height;
}

QList<std::int64_t> CategoryTree::subtree(std::int64_t objectID) const
{
    QList<std::int64_t> result;
    QSet<std::int64_t> seen;
    appendSubtree(objectID, result, seen);
    return result;
}

QList<std::int64_t> CategoryTree::children(std::optional<std::int64_t> parent) const
{
    return m_children.value(parent.value_or(0));
}

std::int64_t CategoryTree::nextOrder(std::optional<std::int64_t> parent, std::int64_t except) const
{
    std::optional<std::int64_t> greatest;
    for (const std::int64_t sibling : children(parent))
        if (sibling != except)
            greatest = std::max(greatest.value_or(std::numeric_limits<std::int64_t>::min()),
                                at(sibling).order);
    return greatest ? *greatest + 1 : 0;
}

void CategoryTree::appendSubtree(std::int64_t objectID, QList<std::int64_t>& result,
                                 QSet<std::int64_t>& seen) const
{
    if (seen.contains(objectID))
        return;
    seen.insert(objectID);
    result.append(objectID);
    for (const std::int64_t child : children(objectID))
        appendSubtree(child, result, seen);
}

} // namespace tallyra::writing_detail
