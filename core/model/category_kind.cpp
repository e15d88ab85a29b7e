#include "model/category_kind.h"

#include <QCoreApplication>

namespace tallyra {

static_assert(static_cast<int>(CategoryKind::expense) == static_cast<int>(EntryKind::expense) &&
              static_cast<int>(CategoryKind::income) == static_cast<int>(EntryKind::income) &&
              static_cast<int>(CategoryKind::transfer) == static_cast<int>(EntryKind::transfer));

QString rawValue(CategoryKind kind)
{
    return rawValue(toEntryKind(kind));
}

std::optional<CategoryKind> categoryKindFromRaw(QStringView raw)
{
    if (const auto kind = entryKindFromRaw(raw))
        return toCategoryKind(*kind);
    return std::nullopt;
}

CategoryKind categoryKindFromStored(QStringView raw)
{
    return toCategoryKind(entryKindFromStored(raw));
}

QString title(CategoryKind kind)
{
    switch (kind) {
    case CategoryKind::income:
        return QCoreApplication::translate("CategoryKind", "Income");
    case CategoryKind::transfer:
        return QCoreApplication::translate("CategoryKind", "Transfer");
    case CategoryKind::expense:
        break;
    }
    return QCoreApplication::translate("CategoryKind", "Expense");
}

} // namespace tallyra
