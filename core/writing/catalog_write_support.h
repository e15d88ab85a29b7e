#pragma once

// Internal to the catalog writers: the checks and snapshots every family
// of catalog writes shares.
//
// Errors: CatalogWriteError as named; StoreError from the store.
// Threading: main thread only.

#include <algorithm>
#include <cstdint>
#include <optional>

#include <QString>

#include "money/decimal.h"
#include "money/money.h"
#include "store/store_context.h"
#include "writing/catalog_write_error.h"
#include "writing/store_objects.h"
#include "writing/write_frame.h"

namespace tallyra::writing_detail {

// The stored object a write is about; one that is gone makes the write fail
// as notFound.
template <StoredModel Model> Model existing(StoreObjects& objects, const typename Model::Id& id)
{
    std::optional<Model> found = objects.byID<Model>(id);
    if (!found)
        throw CatalogWriteError(CatalogWriteError::Code::notFound);
    return std::move(*found);
}

// The name trimmed of white space; emptyName when nothing is left.
[[nodiscard]] QString trimmedName(const QString& name);

// Major units as minor units of the currency (half to even, clamped).
[[nodiscard]] inline std::int64_t minorOf(const Decimal& value, const CurrencyCode& currency)
{
    return Money::fromDecimal(value, currency).minor;
}

// An amount that could not be read is refused (invalid) rather than stored
// as zero.
void requireNumber(const Decimal& value);
void requireNumber(const std::optional<Decimal>& value);

// The greatest order among the objects plus one; 0 without any.
template <class Range> [[nodiscard]] std::int64_t nextOrder(const Range& objects)
{
    std::optional<std::int64_t> greatest;
    for (const auto& object : objects)
        greatest = std::max(greatest.value_or(object.order), object.order);
    return greatest ? *greatest + 1 : 0;
}

// The object's values before this write changed them; taken once per write.
void recordAccountValues(WriteScope& scope, StoreObjects& objects, const AccountModel& account);
void recordCategoryValues(WriteScope& scope, StoreObjects& objects, const CategoryModel& category);

} // namespace tallyra::writing_detail
