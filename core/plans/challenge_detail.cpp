#include "plans/challenge_detail.h"

#include <algorithm>
#include <optional>

#include "plans/plan_spending.h"
#include "reports/base_converter.h"
#include "reports/ledger_index.h"

namespace tallyra {

namespace {

constexpr int kUsualMonths = 6;
__extension__ using Int128 = __int128;

} // namespace

ChallengeDetail challengeDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                const Goal& goal)
{
    const CurrencyCode& base = index.rates().base;
    const BaseConverter converter(index.rates());
    auto counts = [&](const Entry& entry) {
        return goal.categoryID && entry.kind == EntryKind::expense && entry.categoryID &&
               index.isWithin(*entry.categoryID, *goal.categoryID);
    };

    ChallengeDetail detail;
    detail.start = engine.startOfDay(goal.startDate.value_or(engine.today()));
    detail.end = std::max(detail.start, engine.startOfDay(goal.endDate.value_or(detail.start)));
    const QDateTime afterEnd = engine.startOfDay(engine.dayOf(detail.end).addDays(1));
    const QDateTime& tomorrow = engine.tomorrow();

    // days() ends with the boundary after the last day.
    const std::vector<PeriodEngine::CalendarDay> days = engine.days({detail.start, afterEnd});
    const LedgerIndex::EntryRange window = index.entries({detail.start, afterEnd});
    const qint64* dates = entryMSecs(index, window);
    const Entry* next = window.begin();
    std::int64_t spent = 0;
    std::optional<QDateTime> streakStart;
    for (size_t day = 0; day + 1 < days.size(); ++day) {
        bool slipped = false;
        const qint64 dayEnd = days[day + 1].start.toMSecsSinceEpoch();
        for (; next != window.end() && dates[next - window.begin()] < dayEnd; ++next) {
            if (!counts(*next))
                continue;
            slipped = true;
            spent = saturatingAdd(spent, converter.convert(next->amount).minor);
        }
        const bool ahead = !(days[day].start < tomorrow);
        if (slipped && !ahead)
            streakStart = days[day + 1].start;
        detail.days.push_back({days[day].start, ahead     ? ChallengeDayState::ahead
                                                : slipped ? ChallengeDayState::slip
                                                          : ChallengeDayState::clean});
    }
    for (const Entry* entry = window.end(); entry != window.begin();) {
        --entry;
        if (counts(*entry))
            detail.slips.push_back(*entry);
    }
    detail.spent = Money{spent, base};
    detail.currentStreak = std::max(
        0, engine.dayCount({streakStart.value_or(detail.start), std::min(tomorrow, afterEnd)}));

    const QDateTime usualFrom =
        engine.startOfDay(engine.dayOf(detail.start).addMonths(-kUsualMonths));
    std::int64_t usual = 0;
    for (const Entry& entry : index.entries({usualFrom, detail.start}))
        if (counts(entry))
            usual = saturatingAdd(usual, converter.convert(entry.amount).minor);
    detail.usualMonthly = Money{Money::dividedRounded(usual, kUsualMonths), base};

    const int usualDays = std::max(1, engine.dayCount({usualFrom, detail.start}));
    const int elapsed =
        std::max(0, engine.dayCount({detail.start, std::min(engine.today(), detail.end)}));
    // In 128 bits: six months near the money limit times a year of days
    // would not fit in 64.
    const Int128 keptAtUsualRate = static_cast<Int128>(usual) * elapsed / usualDays;
    const auto expected = static_cast<std::int64_t>(
        std::clamp<Int128>(keptAtUsualRate, -Int128{kMoneyLimitMinor}, Int128{kMoneyLimitMinor}));
    detail.kept = Money{std::max<std::int64_t>(0, saturatingSub(expected, spent)), base};

    detail.daysToGo = engine.today() < detail.end ? engine.dayCount({tomorrow, afterEnd}) : 0;
    return detail;
}

} // namespace tallyra
