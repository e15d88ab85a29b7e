#pragma once

// Budget: an immutable snapshot of one stored monthly budget. A budget has
// no currency of its own: limit is in the main currency read when the
// record was built.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QList>
#include <QString>

#include "base/typed_id.h"
#include "money/money.h"

namespace tallyra {

struct Budget
{
    BudgetId id;
    QString name;
    std::optional<QString> emoji;
    Money limit;
    std::int64_t order = 0;
    // The budget's categories, in the order they were linked.
    QList<CategoryId> categoryIDs;

    friend bool operator==(const Budget& a, const Budget& b) = default;
};

[[nodiscard]] size_t qHash(const Budget& budget, size_t seed = 0);

} // namespace tallyra
