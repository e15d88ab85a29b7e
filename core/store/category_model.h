#pragma once

// CategoryModel: a stored category with exactly the stored attributes as
// public fields; parent holds the objectID of the parent category. The
// inverse relationships (children, transactions, budgets, challenges) are
// fetched through StoreContext. See AccountModel for objectID and id.
//
// Defaults: kind "expense", colour "#7D8590", the "questionmark" symbol;
// createdAt is the reference instant 2001-01-01 00:00:00 UTC unless set.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "base/typed_id.h"
#include "model/category_icon.h"
#include "model/category_kind.h"

namespace tallyra {

// The instant a category gets when created without a creation time.
[[nodiscard]] QDateTime categoryReferenceInstant();

struct CategoryModel
{
    enum class Field : std::uint8_t
    {
        id,
        name,
        kindRaw,
        colorHex,
        iconKind,
        iconValue,
        iconImage,
        order,
        createdAt,
        parent,
    };
    using Id = CategoryId;

    std::int64_t objectID = 0;
    CategoryId id;
    QString name;
    QString kindRaw = QStringLiteral("expense");
    QString colorHex = QStringLiteral("#7D8590");
    QString iconKind = QStringLiteral("symbol");
    QString iconValue = QStringLiteral("questionmark");
    // Kept outside the row, in the store's picture folder.
    std::optional<QByteArray> iconImage;
    std::int64_t order = 0;
    QDateTime createdAt = categoryReferenceInstant();
    // objectID of the parent category; none for a top-level category.
    std::optional<std::int64_t> parent;

    [[nodiscard]] CategoryKind kind() const { return categoryKindFromStored(kindRaw); }
    [[nodiscard]] CategoryIcon icon() const { return categoryIconFromStored(iconKind, iconValue); }
    // Stores the icon's two texts.
    void setIcon(const CategoryIcon& icon);

    friend bool operator==(const CategoryModel& a, const CategoryModel& b) = default;
};

} // namespace tallyra
