#pragma once

// BudgetModel: a stored budget; categories lists the objectIDs of its
// categories in relationship order (a category appears at most once). The
// inverse is CategoryModel.budgets, fetched through StoreContext.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QList>
#include <QString>

#include "base/typed_id.h"

namespace tallyra {

struct BudgetModel
{
    enum class Field : std::uint8_t
    {
        id,
        name,
        emoji,
        limitMinor,
        order
    };
    using Id = BudgetId;

    std::int64_t objectID = 0;
    BudgetId id;
    QString name;
    std::optional<QString> emoji;
    std::int64_t limitMinor = 0;
    std::int64_t order = 0;
    QList<std::int64_t> categories;

    friend bool operator==(const BudgetModel& a, const BudgetModel& b) = default;
};

} // namespace tallyra
