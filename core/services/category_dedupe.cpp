#include "services/category_dedupe.h"

#include <algorithm>
#include <vector>

#include <QHash>

#include "services/undo_manager_aside.h"

namespace tallyra::CategoryDedupe {

namespace {

// A three-way comparison of the stored fields that don't depend on the
// device (objectIDs do: each device numbers its rows itself).
class CopyOrder
{
public:
    explicit CopyOrder(const QHash<std::int64_t, CategoryId>& idsByObject)
        : m_idsByObject(idsByObject)
    {
    }

    bool operator()(const CategoryModel& a, const CategoryModel& b) const
    {
        if (a.createdAt != b.createdAt)
            return a.createdAt < b.createdAt;
        if (const int c = a.name.compare(b.name); c != 0)
            return c < 0;
        if (const int c = a.kindRaw.compare(b.kindRaw); c != 0)
            return c < 0;
        if (const int c = a.colorHex.compare(b.colorHex); c != 0)
            return c < 0;
        if (const int c = a.iconKind.compare(b.iconKind); c != 0)
            return c < 0;
        if (const int c = a.iconValue.compare(b.iconValue); c != 0)
            return c < 0;
        if (a.order != b.order)
            return a.order < b.order;
        const auto parentA = parentId(a);
        const auto parentB = parentId(b);
        if (parentA != parentB)
            return parentA < parentB;
        if (a.iconImage != b.iconImage)
            return a.iconImage < b.iconImage;
        // Identical in everything stored: either copy gives the same result.
        return a.objectID < b.objectID;
    }

private:
    [[nodiscard]] std::optional<CategoryId> parentId(const CategoryModel& category) const
    {
        if (!category.parent)
            return std::nullopt;
        return m_idsByObject.value(*category.parent);
    }

    const QHash<std::int64_t, CategoryId>& m_idsByObject;
};

void moveTo(StoreContext& context, const CategoryModel& copy, std::int64_t kept)
{
    for (TransactionModel transaction : context.transactions(copy)) {
        transaction.category = kept;
        context.change(transaction);
    }
    for (CategoryModel child : context.children(copy)) {
        // A copy filed under another copy of itself would end as its own parent.
        child.parent = child.objectID == kept ? std::nullopt : std::optional<std::int64_t>(kept);
        context.change(child);
    }
    for (BudgetModel budget : context.budgets(copy)) {
        if (budget.categories.contains(kept))
            budget.categories.removeAll(copy.objectID);
        else
            std::replace(budget.categories.begin(), budget.categories.end(), copy.objectID, kept);
        context.change(budget);
    }
    for (GoalModel challenge : context.challenges(copy)) {
        challenge.category = kept;
        context.change(challenge);
    }
    context.remove<CategoryModel>(copy.objectID);
}

} // namespace

int merge(StoreContext& context)
{
    const QList<CategoryModel> categories =
        context.fetch(FetchRequest<CategoryModel>({}, {{CategoryModel::Field::createdAt}}));

    QHash<std::int64_t, CategoryId> idsByObject;
    QHash<CategoryId, std::vector<CategoryModel>> byId;
    std::vector<CategoryId> repeated; // in the order of their first copy
    for (const CategoryModel& category : categories) {
        idsByObject.insert(category.objectID, category.id);
        std::vector<CategoryModel>& copies = byId[category.id];
        copies.push_back(category);
        if (copies.size() == 2)
            repeated.push_back(category.id);
    }
    if (repeated.empty())
        return 0;

    const CopyOrder order(idsByObject);
    int merged = 0;
    const UndoManagerAside aside(context);
    try {
        for (const CategoryId& id : repeated) {
            std::vector<CategoryModel>& copies = byId[id];
            std::sort(copies.begin(), copies.end(), order);
            for (size_t i = 1; i < copies.size(); ++i) {
                moveTo(context, copies[i], copies.front().objectID);
                ++merged;
            }
        }
        context.save();
    } catch (const StoreError&) {
        context.rollback();
        throw;
    }
    return merged;
}

} // namespace tallyra::CategoryDedupe
