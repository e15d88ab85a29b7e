#pragma once

// CategoryItem: an immutable snapshot of one stored category. The tree is
// expressed by parentID; the category's kind and icon are already repaired
// (unknown kinds are expense, an empty symbol is "questionmark").
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "base/typed_id.h"
#include "model/category_icon.h"
#include "model/category_kind.h"

namespace tallyra {

struct CategoryItem
{
    CategoryId id;
    QString name;
    CategoryKind kind = CategoryKind::expense;
    QString colorHex;
    CategoryIcon icon;
    std::int64_t order = 0;
    // Absent for a top-level category.
    std::optional<CategoryId> parentID;
    // The picture shown when icon is an image.
    std::optional<QByteArray> iconImage;

    friend bool operator==(const CategoryItem& a, const CategoryItem& b) = default;
};

[[nodiscard]] size_t qHash(const CategoryItem& category, size_t seed = 0);

} // namespace tallyra
