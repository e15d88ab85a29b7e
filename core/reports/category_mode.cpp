#include "reports/category_mode.h"

#include "reports/enum_rows.h"

namespace tallyra {

QString rawValue(CategoryMode mode)
{
    return rawOf(kCategoryModes, mode);
}

std::optional<CategoryMode> categoryModeFromRaw(QStringView raw)
{
    return caseOfRaw(kCategoryModes, raw);
}

QString title(CategoryMode mode)
{
    return titleOf("CategoryMode", kCategoryModes, mode);
}

QString amountLabel(CategoryMode mode)
{
    return QCoreApplication::translate("CategoryMode",
                                       kCategoryModes[static_cast<size_t>(mode)].amountLabel);
}

} // namespace tallyra
