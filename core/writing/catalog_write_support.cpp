#include "writing/catalog_write_support.h"

#include <algorithm>

namespace tallyra::writing_detail {

namespace {

template <class Record, class Id> bool recorded(const QList<Record>& records, const Id& id)
{
    return std::any_of(records.cbegin(), records.cend(),
                       [&id](const Record& record) { return record.id == id; });
}

} // namespace

QString trimmedName(const QString& name)
{
    QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        throw CatalogWriteError(CatalogWriteError::Code::emptyName);
    return trimmed;
}

void requireNumber(const Decimal& value)
{
    if (value.isNaN())
        throw CatalogWriteError(CatalogWriteError::Code::invalid);
}

void requireNumber(const std::optional<Decimal>& value)
{
    if (value)
        requireNumber(*value);
}

void recordAccountValues(WriteScope& scope, StoreObjects& objects, const AccountModel& account)
{
    if (!recorded(scope.records().accountValues, account.id))
        scope.records().accountValues.append(objects.accountRecord(account));
}

void recordCategoryValues(WriteScope& scope, StoreObjects& objects, const CategoryModel& category)
{
    if (!recorded(scope.records().categoryValues, category.id))
        scope.records().categoryValues.append(objects.categoryRecord(category));
}

} // namespace tallyra::writing_detail
