#pragma once

// Challenges: a promise not to spend in a category (or anything below it)
// from a start day to an end day, both included. The detail is a calendar
// of clean and slipped days, the expenses that broke it, the current
// streak, what it cost and how much was kept against the usual spending of
// the six months before the start.
//
// Whole days are counted on the calendar in the engine's zone, so a
// daylight-saving change neither adds nor loses one. The streak counts
// from the day after the latest slip up to today (or the end day); an
// expense dated after today does not break it yet. The elapsed days that
// `kept` is measured over run from the first day up to the earlier of today
// and the end day, neither of those counting.
//
// Amounts are in the rates' base: converted per transaction, half to even;
// an expense in a currency without a rate is still a slip but adds nothing
// to the amounts. The usual monthly spend is the six months' total ÷ 6,
// halves away from zero; `kept` is truncated to whole minor units.
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <vector>

#include <QDateTime>

#include "base/enum_table.h"
#include "model/entry.h"
#include "model/goal.h"
#include "money/money.h"
#include "periods/period_engine.h"

namespace tallyra {

class LedgerIndex;

enum class ChallengeDayState : std::uint8_t
{
    clean,
    slip,
    ahead
};

inline constexpr auto kChallengeDayStates = makeEnumTable<ChallengeDayState>({
    {ChallengeDayState::clean, u"clean"},
    {ChallengeDayState::slip, u"slip"},
    {ChallengeDayState::ahead, u"ahead"},
});

[[nodiscard]] constexpr const auto& enumTable(ChallengeDayState) noexcept
{
    return kChallengeDayStates;
}

struct ChallengeDetail
{
    using DayState = ChallengeDayState;

    struct Day
    {
        QDateTime date; // the start of the day
        DayState state = DayState::clean;

        friend bool operator==(const Day&, const Day&) = default;
    };

    QDateTime start; // the start of the first day
    QDateTime end;   // the start of the last day
    std::vector<Day> days;
    // The counted expenses from the first day to the last, newest first.
    std::vector<Entry> slips;
    Money spent;
    int currentStreak = 0;
    Money usualMonthly;
    Money kept;
    int daysToGo = 0;

    friend bool operator==(const ChallengeDetail&, const ChallengeDetail&) = default;
};

// Precondition: the goal is a challenge. A challenge without dates spans
// today; one without a category counts no spending.
[[nodiscard]] ChallengeDetail challengeDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                              const Goal& goal);

} // namespace tallyra
