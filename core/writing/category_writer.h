#pragma once

// CategoryWriter: the category tree's writes — new, edit, move and delete —
// each one undoable step in the shared write frame ("New Category", "Edit
// Category", "Move Category", "Delete Category").
//
// Categories form a tree at most kMaxCategoryLevel levels deep (a
// top-level category is level 1). A subcategory has its parent's kind; the
// kind of a subtree can only change while none of its categories has
// transactions. Siblings are ordered by order, then name; top-level
// categories of every kind are siblings of each other. A deleted
// category's transactions may only go to a category of the same kind
// (else invalid).
//
// Errors: CatalogWriteError with its user-facing message, before anything
// changed; StoreError from the store, after which nothing changed either.
// Threading: main thread only; not re-entrant.

#include <optional>

#include "base/typed_id.h"
#include "writing/catalog_drafts.h"

namespace tallyra {

class StoreContext;
class WriteFrame;

class CategoryWriter final
{
public:
    static constexpr int kMaxCategoryLevel = 4;

    // The frame must outlive the writer.
    explicit CategoryWriter(WriteFrame& frame) : m_frame(frame) {}

    CategoryId newCategory(const CategoryDraft& draft);
    void editCategory(const CategoryId& id, const CategoryDraft& draft);
    // Puts the category under newParent (top level when none), before the
    // sibling `before` (at the end when none or not a sibling), and
    // renumbers the new siblings 0, 1, 2, …
    void moveCategory(const CategoryId& id, const std::optional<CategoryId>& newParent,
                      const std::optional<CategoryId>& before);
    // Deletes the category and its subcategories; their transactions go to
    // receiver, or lose their category.
    void deleteCategory(const CategoryId& id, const std::optional<CategoryId>& receiver);

private:
    [[nodiscard]] StoreContext& context() const noexcept;

    WriteFrame& m_frame;
};

} // namespace tallyra
