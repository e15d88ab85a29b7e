#include "writing/category_writer.h"

#include <QCoreApplication>

#include "writing/catalog_write_support.h"
#include "writing/category_tree.h"
#include "writing/main_thread.h"

namespace tallyra {

using namespace writing_detail;
using Code = CatalogWriteError::Code;

namespace {

QList<StoreValue> storeValues(const QList<std::int64_t>& objectIDs)
{
    QList<StoreValue> values;
    for (const std::int64_t objectID : objectIDs)
        values.append(StoreValue(objectID));
    return values;
}

bool hasTransactions(StoreContext& context, const QList<std::int64_t>& categories)
{
    return context.count(Predicate<TransactionModel>::in(TransactionModel::Field::category,
                                                         storeValues(categories))) > 0;
}

// Categories are found by their path of names; two siblings of one name
// (ignoring case) make that path ambiguous. Top-level categories of
// different kinds never meet in one list, so there the kind counts too.
void requireUniqueName(StoreContext& store, const QString& name, std::optional<std::int64_t> parent,
                       CategoryKind kind, std::optional<std::int64_t> except = std::nullopt)
{
    for (const CategoryModel& other : store.fetch<CategoryModel>()) {
        if (other.objectID == except || other.parent != parent)
            continue;
        if (!parent && other.kind() != kind)
            continue;
        if (other.name.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            throw CatalogWriteError(Code::duplicateCategoryName);
    }
}

} // namespace

StoreContext& CategoryWriter::context() const noexcept
{
    return m_frame.context();
}

CategoryId CategoryWriter::newCategory(const CategoryDraft& draft)
{
    assertMainThread();
    StoreContext& store = context();
    const QString name = trimmedName(draft.name);
    StoreObjects lookup(store);
    std::optional<CategoryModel> parent;
    if (draft.parentID) {
        parent = lookup.byID<CategoryModel>(*draft.parentID);
        if (!parent)
            throw CatalogWriteError(Code::notFound);
        if (CategoryTree(store).level(parent->objectID) + 1 > kMaxCategoryLevel)
            throw CatalogWriteError(Code::tooDeep);
    }
    requireUniqueName(store, name, parent ? std::optional(parent->objectID) : std::nullopt,
                      parent ? parent->kind() : draft.kind);
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "New Category"),
        [&](WriteScope& scope) {
            const CategoryTree tree(store);
            CategoryModel category;
            category.id = scope.newID<CategoryId>();
            category.createdAt = store.clock().now();
            category.name = name;
            category.kindRaw = rawValue(parent ? parent->kind() : draft.kind);
            category.parent = parent ? std::optional(parent->objectID) : std::nullopt;
            category.colorHex = draft.colorHex;
            category.setIcon(draft.icon);
            category.iconImage = draft.iconImage;
            category.order = tree.nextOrder(category.parent);
            store.insert(category);
            scope.records().created.categories.append(category.id);
            return category.id;
        },
        [this, draft] { (void)newCategory(draft); });
}

void CategoryWriter::editCategory(const CategoryId& id, const CategoryDraft& draft)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const QString name = trimmedName(draft.name);
    const CategoryTree tree(store);
    const QList<std::int64_t> subtree = tree.subtree(found.objectID);
    std::optional<std::int64_t> parent;
    CategoryKind kind = draft.kind;
    if (draft.parentID) {
        const std::optional<CategoryModel> newParent = lookup.byID<CategoryModel>(*draft.parentID);
        if (!newParent)
            throw CatalogWriteError(Code::notFound);
        if (subtree.contains(newParent->objectID))
            throw CatalogWriteError(Code::cycle);
        if (tree.level(newParent->objectID) + tree.height(found.objectID) > kMaxCategoryLevel)
            throw CatalogWriteError(Code::tooDeep);
        parent = newParent->objectID;
        kind = newParent->kind();
    }
    if (kind != found.kind() && hasTransactions(store, subtree))
        throw CatalogWriteError(Code::kindLocked);
    requireUniqueName(store, name, parent, kind, found.objectID);

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            for (const std::int64_t member : subtree)
                recordCategoryValues(scope, objects, tree.at(member));
            CategoryModel category = tree.at(found.objectID);
            if (category.parent != parent)
                category.order = tree.nextOrder(parent, category.objectID);
            category.parent = parent;
            category.name = name;
            category.colorHex = draft.colorHex;
            category.setIcon(draft.icon);
            category.iconImage = draft.iconImage;
            category.kindRaw = rawValue(kind);
            store.change(category);
            for (const std::int64_t member : subtree.mid(1)) {
                CategoryModel descendant = tree.at(member);
                if (descendant.kindRaw == rawValue(kind))
                    continue;
                descendant.kindRaw = rawValue(kind);
                store.change(descendant);
            }
        },
        [this, id, draft] { editCategory(id, draft); });
}

void CategoryWriter::moveCategory(const CategoryId& id, const std::optional<CategoryId>& newParent,
                                  const std::optional<CategoryId>& before)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const CategoryTree tree(store);
    std::optional<std::int64_t> parent;
    if (newParent) {
        const std::optional<CategoryModel> target = lookup.byID<CategoryModel>(*newParent);
        if (!target)
            throw CatalogWriteError(Code::notFound);
        if (tree.subtree(found.objectID).contains(target->objectID))
            throw CatalogWriteError(Code::cycle);
        if (target->kind() != found.kind())
            throw CatalogWriteError(Code::invalid);
        if (tree.level(target->objectID) + tree.height(found.objectID) > kMaxCategoryLevel)
            throw CatalogWriteError(Code::tooDeep);
        parent = target->objectID;
    }
    QList<std::int64_t> siblings = tree.children(parent);
    siblings.removeAll(found.objectID);
    qsizetype position = siblings.size();
    if (before) {
        for (qsizetype i = 0; i < siblings.size(); ++i) {
            if (tree.at(siblings.at(i)).id == *before) {
                position = i;
                break;
            }
        }
    }
    siblings.insert(position, found.objectID);

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Move Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            for (const std::int64_t sibling : siblings)
                recordCategoryValues(scope, objects, tree.at(sibling));
            for (qsizetype i = 0; i < siblings.size(); ++i) {
                CategoryModel category = tree.at(siblings.at(i));
                if (category.objectID == found.objectID)
                    category.parent = parent;
                category.order = i;
                store.change(category);
            }
        },
        [this, id, newParent, before] { moveCategory(id, newParent, before); });
}

void CategoryWriter::deleteCategory(const CategoryId& id, const std::optional<CategoryId>& receiver)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const CategoryTree tree(store);
    const QList<std::int64_t> affected = tree.subtree(found.objectID);
    std::optional<std::int64_t> target;
    if (receiver) {
        const std::optional<CategoryModel> receiving = lookup.byID<CategoryModel>(*receiver);
        if (!receiving)
            throw CatalogWriteError(Code::notFound);
        if (affected.contains(receiving->objectID))
            throw CatalogWriteError(Code::cycle);
        // The ledger never files a transaction under a category of another
        // kind; moving them there would make expenses count as income.
        if (receiving->kind() != found.kind())
            throw CatalogWriteError(Code::invalid);
        target = receiving->objectID;
    }

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            for (const std::int64_t member : affected) {
                const CategoryModel& category = tree.at(member);
                scope.records().categories.append(objects.categoryRecord(category));
                for (TransactionModel transaction : store.transactions(category)) {
                    scope.records().links.append(objects.transactionLinks(transaction));
                    transaction.category = target;
                    store.change(transaction);
                }
            }
            for (auto member = affected.crbegin(); member != affected.crend(); ++member)
                store.remove<CategoryModel>(*member);
        },
        [this, id, receiver] { deleteCategory(id, receiver); });
}

} // namespace tallyra
