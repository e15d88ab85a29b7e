#include "report_support.h"

#include "cli_options.h"
#include "periods/period_length.h"

namespace tallyra::cli {

PeriodLength parsePeriodLength(const QString& text)
{
    if (const auto length = enumFromRaw<PeriodLength>(text))
        return *length;
    throw UsageError(
        QStringLiteral("--period expects one of 1W, 1M, 3M, 6M, 1Y, MAX, R7D, R30D, R90D, R6M, "
                       "R1Y, not “%1”.")
            .arg(text));
}

std::int64_t parseOffset(const QString& text)
{
    bool ok = false;
    const std::int64_t offset = text.toLongLong(&ok);
    if (!ok || offset < 0)
        throw UsageError(
            QStringLiteral("--offset expects a whole number of periods back (0 or more), not “%1”.")
                .arg(text));
    return offset;
}

PeriodSelection takePeriod(QStringList& arguments, const LedgerSession& session)
{
    const auto lengthText = takeOption(arguments, QStringLiteral("--period"));
    const auto offsetText = takeOption(arguments, QStringLiteral("--offset"));
    PeriodLength length = lengthText ? parsePeriodLength(*lengthText) : session.defaultPeriod();
    if (session.periodMode())
        length = converted(length, *session.periodMode());
    return PeriodSelection(length, offsetText ? parseOffset(*offsetText) : 0);
}

QString categoryPath(const LedgerIndex& index, const CategoryId& id)
{
    QStringList names;
    for (const CategoryId& step : index.path(id))
        if (const CategoryItem* category = index.category(step))
            names.append(category->name);
    return names.join(u'/');
}

CategoryId findCategory(const LedgerIndex& index, const QString& path)
{
    if (const auto id = CategoryId::fromString(path); id && index.category(*id))
        return *id;
    for (const CategoryItem& category : index.categories())
        if (categoryPath(index, category.id) == path)
            return category.id;
    throw UsageError(QStringLiteral("No category has the path “%1”.").arg(path));
}

void expectNoArgumentsLeft(const QStringList& arguments, const QString& command)
{
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("%1: unexpected “%2”.").arg(command, arguments.first()));
}

} // namespace tallyra::cli
