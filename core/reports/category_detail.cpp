#include "reports/category_detail.h"

#include <algorithm>

#include "reports/base_converter.h"
#include "reports/ledger_index.h"
#include "reports/recent_entries.h"

namespace tallyra {

CategoryDetail categoryDetail(const LedgerIndex& index, const PeriodEngine& engine,
                              const CategoryScope& scope, const PeriodSelection& selection,
                              const Money& modeTotal, bool preferMonths)
{
    const CurrencyCode& base = index.rates().base;
    const BaseConverter converter(index.rates());
    const PeriodWindow window = engine.window(selection);

    CategoryDetail detail;
    detail.total = Money{0, base};
    detail.comparisonTotal = Money{0, base};
    detail.granularity = PeriodEngine::granularity(selection.length(), preferMonths);
    for (const Bucket& bucket : engine.buckets(window, detail.granularity))
        if (bucket.interval.start < window.elapsedEnd)
            detail.bars.push_back({bucket.interval, Money{0, base}, bucket.isComplete});

    const LedgerIndex::EntryRange entries = index.entries(window.elapsedInterval());
    size_t bar = 0;
    for (const Entry& entry : entries) {
        if (!matches(entry, scope, index))
            continue;
        const BaseConverter::Converted converted = converter.convert(entry.amount);
        detail.total.minor = saturatingAdd(detail.total.minor, converted.minor);
        ++detail.count;
        detail.uncounted += converted.hasRate ? 0 : 1;
        while (bar < detail.bars.size() && !(entry.date < detail.bars[bar].interval.end))
            ++bar;
        if (bar < detail.bars.size())
            detail.bars[bar].amount.minor =
                saturatingAdd(detail.bars[bar].amount.minor, converted.minor);
    }
    detail.recent =
        recentEntries(entries, [&](const Entry& entry) { return matches(entry, scope, index); });

    std::int64_t completeSum = 0;
    std::int64_t completeCount = 0;
    for (const CategoryDetail::Bar& each : detail.bars) {
        if (!each.isComplete)
            continue;
        completeSum = saturatingAdd(completeSum, each.amount.minor);
        ++completeCount;
    }
    const bool daysWhenMonthsPreferred =
        preferMonths && detail.granularity == BucketGranularity::day;
    if (completeCount > 0 && !daysWhenMonthsPreferred)
        detail.average = Money{Money::dividedRounded(completeSum, completeCount), base};

    if (modeTotal.minor != 0)
        detail.share =
            static_cast<double>(detail.total.minor) / static_cast<double>(modeTotal.minor);

    detail.comparisonInterval = engine.comparisonInterval(selection);
    for (const Entry& entry : index.entries(detail.comparisonInterval))
        if (matches(entry, scope, index))
            detail.comparisonTotal.minor =
                saturatingAdd(detail.comparisonTotal.minor, converter.convert(entry.amount).minor);
    return detail;
}

std::optional<CategoryDetail::BarRange> barRange(const CategoryDetail& detail, size_t a, size_t b)
{
    if (a >= detail.bars.size() || b >= detail.bars.size())
        return std::nullopt;
    const size_t first = std::min(a, b);
    const size_t last = std::max(a, b);
    CategoryDetail::BarRange range{
        {detail.bars[first].interval.start, detail.bars[last].interval.end},
        Money{0, detail.total.currency},
        static_cast<int>(last - first + 1)};
    for (size_t i = first; i <= last; ++i)
        range.amount.minor = saturatingAdd(range.amount.minor, detail.bars[i].amount.minor);
    return range;
}

} // namespace tallyra
