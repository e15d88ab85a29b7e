#include "periods/period_engine.h"

#include <thread>
#include <vector>

#include <QTimeZone>

#include <gtest/gtest.h>

// Readable failure messages for instants and intervals.
inline void PrintTo(const QDateTime& instant, std::ostream* out)
{
    *out << instant.toString(Qt::ISODateWithMs).toStdString();
}

namespace tallyra {
inline void PrintTo(const DateInterval& interval, std::ostream* out)
{
    *out << interval.start.toString(Qt::ISODate).toStdString() << " .. "
         << interval.end.toString(Qt::ISODate).toStdString();
}
} // namespace tallyra

using namespace tallyra;

namespace {

using L = PeriodLength;

QDateTime midnight(const QDate& day, const char* zone = "UTC")
{
    return QDateTime(day, QTime(0, 0), QTimeZone(QByteArray(zone))).toUTC();
}

QDateTime utc(const char* isoText)
{
    QDateTime instant = QDateTime::fromString(QString::fromLatin1(isoText), Qt::ISODate);
    instant.setTimeSpec(Qt::UTC);
    return instant;
}

QDate d(int year, int month, int day)
{
    return QDate(year, month, day);
}

PeriodEngine engineOn(const QDate& today, int monthStartDay = 1, int firstWeekday = 2,
                      const char* zone = "UTC", std::optional<QDateTime> dataStart = std::nullopt)
{
    const QDateTime noon(today, QTime(12, 0), QTimeZone(QByteArray(zone)));
    return PeriodEngine(noon, CalendarSettings{monthStartDay, firstWeekday},
                        QTimeZone(QByteArray(zone)), QLocale(QStringLiteral("en_US")),
                        std::move(dataStart));
}

DateInterval days(const QDate& start, const QDate& end, const char* zone = "UTC")
{
    return {midnight(start, zone), midnight(end, zone)};
}

std::string text(const DateInterval& interval)
{
    const QString described = interval.start.toString(Qt::ISODate) + QStringLiteral(" .. ") +
                              interval.end.toString(Qt::ISODate);
    return described.toStdString();
}

struct WindowCase
{
    const char* name;
    int monthStartDay;
    QDate today;
    PeriodLength length;
    std::int64_t offset;
    QDate start;
    QDate end;
};

class PeriodEngineWindow : public ::testing::TestWithParam<WindowCase>
{
};

TEST_P(PeriodEngineWindow, coversTheExpectedDays)
{
    const WindowCase& c = GetParam();
    const PeriodEngine engine = engineOn(c.today, c.monthStartDay);
    const PeriodWindow window = engine.window(PeriodSelection(c.length, c.offset));
    EXPECT_EQ(window.interval, days(c.start, c.end)) << text(window.interval);
    EXPECT_EQ(window.isRolling, isRolling(c.length));
    // The current period has happened up to tomorrow, a past one entirely.
    EXPECT_EQ(window.elapsedEnd, c.offset == 0 ? engine.tomorrow() : window.interval.end);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PeriodEngineWindow,
    ::testing::Values(
        WindowCase{"month1", 1, d(2026, 3, 4), L::month, 0, d(2026, 3, 1), d(2026, 4, 1)},
        WindowCase{"month25BeforePayDay", 25, d(2026, 3, 4), L::month, 0, d(2026, 2, 25),
                   d(2026, 3, 25)},
        WindowCase{"month25DayBefore", 25, d(2026, 3, 24), L::month, 0, d(2026, 2, 25),
                   d(2026, 3, 25)},
        WindowCase{"month25OnPayDay", 25, d(2026, 3, 25), L::month, 0, d(2026, 3, 25),
                   d(2026, 4, 25)},
        WindowCase{"month25AcrossNewYear", 25, d(2026, 1, 4), L::month, 0, d(2025, 12, 25),
                   d(2026, 1, 25)},
        WindowCase{"month31FebBefore", 31, d(2026, 2, 27), L::month, 0, d(2026, 1, 31),
                   d(2026, 2, 28)},
        WindowCase{"month31FebLastDay", 31, d(2026, 2, 28), L::month, 0, d(2026, 2, 28),
                   d(2026, 3, 31)},
        WindowCase{"month31LeapFeb28", 31, d(2024, 2, 28), L::month, 0, d(2024, 1, 31),
                   d(2024, 2, 29)},
        WindowCase{"month31LeapFeb29", 31, d(2024, 2, 29), L::month, 0, d(2024, 2, 29),
                   d(2024, 3, 31)},
        WindowCase{"month30Feb", 30, d(2025, 2, 28), L::month, 0, d(2025, 2, 28), d(2025, 3, 30)},
        WindowCase{"month30LeapFeb28", 30, d(2024, 2, 28), L::month, 0, d(2024, 1, 30),
                   d(2024, 2, 29)},
        WindowCase{"month30LeapFeb29", 30, d(2024, 2, 29), L::month, 0, d(2024, 2, 29),
                   d(2024, 3, 30)},
        WindowCase{"month29Feb", 29, d(2025, 2, 28), L::month, 0, d(2025, 2, 28), d(2025, 3, 29)},
        WindowCase{"month29MarBefore", 29, d(2025, 3, 28), L::month, 0, d(2025, 2, 28),
                   d(2025, 3, 29)},
        WindowCase{"month29LeapFeb28", 29, d(2024, 2, 28), L::month, 0, d(2024, 1, 29),
                   d(2024, 2, 29)},
        WindowCase{"month31April29", 31, d(2026, 4, 29), L::month, 0, d(2026, 3, 31),
                   d(2026, 4, 30)},
        WindowCase{"month31April30", 31, d(2026, 4, 30), L::month, 0, d(2026, 4, 30),
                   d(2026, 5, 31)},
        WindowCase{"month31Back1", 31, d(2026, 3, 31), L::month, 1, d(2026, 2, 28), d(2026, 3, 31)},
        WindowCase{"month31Back2", 31, d(2026, 3, 31), L::month, 2, d(2026, 1, 31), d(2026, 2, 28)},
        WindowCase{"yearInDecember", 1, d(2025, 12, 15), L::year, 0, d(2025, 1, 1), d(2026, 1, 1)},
        WindowCase{"yearInJune", 1, d(2025, 6, 10), L::year, 0, d(2024, 7, 1), d(2025, 7, 1)},
        WindowCase{"yearBack1", 1, d(2025, 6, 10), L::year, 1, d(2023, 7, 1), d(2024, 7, 1)},
        WindowCase{"threeMonths25", 25, d(2026, 3, 4), L::threeMonths, 0, d(2025, 12, 25),
                   d(2026, 3, 25)},
        WindowCase{"threeMonths25Back1", 25, d(2026, 3, 4), L::threeMonths, 1, d(2025, 9, 25),
                   d(2025, 12, 25)},
        WindowCase{"sixMonths1", 1, d(2026, 3, 4), L::sixMonths, 0, d(2025, 10, 1), d(2026, 4, 1)},
        WindowCase{"sixMonths31", 31, d(2026, 5, 15), L::sixMonths, 0, d(2025, 11, 30),
                   d(2026, 5, 31)},
        WindowCase{"week", 1, d(2026, 3, 4), L::week, 0, d(2026, 2, 26), d(2026, 3, 5)},
        WindowCase{"weekBack1", 1, d(2026, 3, 4), L::week, 1, d(2026, 2, 19), d(2026, 2, 26)},
        WindowCase{"last7Days", 1, d(2026, 3, 4), L::last7Days, 0, d(2026, 2, 26), d(2026, 3, 5)},
        WindowCase{"last30Days", 25, d(2026, 3, 4), L::last30Days, 0, d(2026, 2, 3), d(2026, 3, 5)},
        WindowCase{"last30DaysBack2", 1, d(2026, 3, 4), L::last30Days, 2, d(2025, 12, 5),
                   d(2026, 1, 4)},
        WindowCase{"last90Days", 1, d(2026, 3, 4), L::last90Days, 0, d(2025, 12, 5), d(2026, 3, 5)},
        WindowCase{"last6Months", 1, d(2026, 3, 4), L::last6Months, 0, d(2025, 9, 5),
                   d(2026, 3, 5)},
        WindowCase{"last6MonthsPinned", 1, d(2026, 8, 30), L::last6Months, 0, d(2026, 2, 28),
                   d(2026, 8, 31)},
        WindowCase{"last6MonthsPinnedBack1", 1, d(2026, 8, 30), L::last6Months, 1, d(2025, 8, 31),
                   d(2026, 2, 28)},
        WindowCase{"lastYearLeap", 1, d(2024, 2, 28), L::lastYear, 0, d(2023, 2, 28),
                   d(2024, 2, 29)},
        WindowCase{"lastYearLeapBack1", 1, d(2024, 2, 28), L::lastYear, 1, d(2022, 2, 28),
                   d(2023, 2, 28)},
        WindowCase{"maxWithoutData", 25, d(2026, 3, 4), L::max, 0, d(2026, 2, 25), d(2026, 3, 25)}),
    [](const ::testing::TestParamInfo<WindowCase>& param) {
        return std::string(param.param.name);
    });

TEST(PeriodEngine, maxRunsFromTheOldestRecordsPayMonth)
{
    const QDate today = d(2026, 3, 4);
    const auto maxWindow = [&](std::optional<QDateTime> dataStart) {
        return engineOn(today, 25, 2, "UTC", std::move(dataStart))
            .window(PeriodSelection(L::max))
            .interval;
    };
    EXPECT_EQ(maxWindow(utc("2025-11-10T08:00:00")), days(d(2025, 10, 25), d(2026, 3, 25)));
    EXPECT_EQ(maxWindow(utc("2025-11-25T00:00:00")), days(d(2025, 11, 25), d(2026, 3, 25)));
    EXPECT_EQ(maxWindow(utc("2026-05-01T00:00:00")), days(d(2026, 2, 25), d(2026, 3, 25)));
    EXPECT_EQ(maxWindow(QDateTime()), days(d(2026, 2, 25), d(2026, 3, 25)));
}

TEST(PeriodEngine, comparisonUsesTheSameDaysOfThePeriodBefore)
{
    struct Case
    {
        const char* name;
        QDate today;
        PeriodLength length;
        std::int64_t offset;
        DateInterval expected;
    };
    const Case cases[] = {
        {"monthInProgress", d(2026, 4, 4), L::month, 0, days(d(2026, 3, 1), d(2026, 3, 5))},
        {"pastMonthCappedAtShorterMonth", d(2026, 4, 4), L::month, 1,
         days(d(2026, 2, 1), d(2026, 3, 1))},
        {"pastFebruaryGivesItsDayCount", d(2026, 3, 4), L::month, 1,
         days(d(2026, 1, 1), d(2026, 1, 29))},
        {"yearInProgress", d(2025, 6, 10), L::year, 0, days(d(2023, 7, 1), d(2024, 6, 10))},
        {"last30Days", d(2026, 3, 4), L::last30Days, 0, days(d(2026, 1, 4), d(2026, 2, 3))},
        {"week", d(2026, 3, 4), L::week, 0, days(d(2026, 2, 19), d(2026, 2, 26))},
        {"lastYearBack1", d(2024, 2, 28), L::lastYear, 1, days(d(2021, 2, 28), d(2022, 2, 28))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PeriodEngine engine = engineOn(c.today);
        const DateInterval interval =
            engine.comparisonInterval(PeriodSelection(c.length, c.offset));
        EXPECT_EQ(interval, c.expected) << text(interval);
    }

    const PeriodEngine engine = engineOn(d(2026, 3, 4), 1, 2, "UTC", utc("2024-05-06T00:00:00"));
    const DateInterval all = engine.comparisonInterval(PeriodSelection(L::max));
    EXPECT_TRUE(all.isEmpty());
    EXPECT_EQ(all.start, midnight(d(2024, 5, 1)));
    EXPECT_EQ(all.end, all.start);
}

struct ExpectedBucket
{
    QDate start;
    QDate end;
    bool complete;
};

void expectBuckets(const QList<Bucket>& buckets, const std::vector<ExpectedBucket>& expected)
{
    ASSERT_EQ(static_cast<size_t>(buckets.size()), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const Bucket& bucket = buckets[static_cast<qsizetype>(i)];
        EXPECT_EQ(bucket.interval, days(expected[i].start, expected[i].end))
            << text(bucket.interval);
        EXPECT_EQ(bucket.isComplete, expected[i].complete);
    }
}

TEST(PeriodEngine, rollingWeekBucketsAreCompleteOnlyWhenWhole)
{
    // Wednesday 4 March 2026; the window starts on Tuesday 3 February.
    const PeriodEngine monday = engineOn(d(2026, 3, 4), 1, 2);
    const PeriodWindow window = monday.window(PeriodSelection(L::last30Days));
    expectBuckets(monday.buckets(window, BucketGranularity::week),
                  {{d(2026, 2, 3), d(2026, 2, 9), false},
                   {d(2026, 2, 9), d(2026, 2, 16), true},
                   {d(2026, 2, 16), d(2026, 2, 23), true},
                   {d(2026, 2, 23), d(2026, 3, 2), true},
                   {d(2026, 3, 2), d(2026, 3, 5), false}});

    const PeriodEngine sunday = engineOn(d(2026, 3, 4), 1, 1);
    const QList<Bucket> sundayBuckets = sunday.buckets(window, BucketGranularity::week);
    ASSERT_EQ(sundayBuckets.size(), 5);
    EXPECT_EQ(sundayBuckets.first().interval, days(d(2026, 2, 3), d(2026, 2, 8)));
    EXPECT_EQ(sundayBuckets.last().interval, days(d(2026, 3, 1), d(2026, 3, 5)));

    // On a Sunday with Monday weeks, the window ends exactly at a week's end.
    const PeriodEngine onSunday = engineOn(d(2026, 3, 8), 1, 2);
    const QList<Bucket> whole =
        onSunday.buckets(onSunday.window(PeriodSelection(L::last30Days)), BucketGranularity::week);
    ASSERT_FALSE(whole.isEmpty());
    EXPECT_EQ(whole.last(), (Bucket{days(d(2026, 3, 2), d(2026, 3, 9)), true}));
    EXPECT_FALSE(whole.first().isComplete);
}

TEST(PeriodEngine, rollingMonthBucketsCutAtTheWindowEdges)
{
    const PeriodEngine engine = engineOn(d(2026, 3, 4));
    const PeriodWindow window = engine.window(PeriodSelection(L::last90Days));
    expectBuckets(engine.buckets(window, BucketGranularity::month),
                  {{d(2025, 12, 5), d(2026, 1, 1), false},
                   {d(2026, 1, 1), d(2026, 2, 1), true},
                   {d(2026, 2, 1), d(2026, 3, 1), true},
                   {d(2026, 3, 1), d(2026, 3, 5), false}});
}

TEST(PeriodEngine, calendarBucketsAreAlignedAndCompleteUpToToday)
{
    const PeriodEngine engine = engineOn(d(2026, 4, 4));
    const QList<Bucket> byDay =
        engine.buckets(engine.window(PeriodSelection(L::month)), BucketGranularity::day);
    ASSERT_EQ(byDay.size(), 30);
    for (qsizetype i = 0; i < byDay.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(byDay[i].interval, days(d(2026, 4, 1).addDays(i), d(2026, 4, 2).addDays(i)));
        EXPECT_EQ(byDay[i].isComplete, i < 4);
    }

    // A calendar window's first week bucket starts at the window, not the week.
    const PeriodEngine march = engineOn(d(2026, 3, 4));
    const QList<Bucket> byWeek =
        march.buckets(march.window(PeriodSelection(L::threeMonths)), BucketGranularity::week);
    ASSERT_EQ(byWeek.size(), 14);
    EXPECT_EQ(byWeek.first(), (Bucket{days(d(2026, 1, 1), d(2026, 1, 5)), true}));
    EXPECT_EQ(byWeek[8], (Bucket{days(d(2026, 2, 23), d(2026, 3, 2)), true}));
    EXPECT_EQ(byWeek[9], (Bucket{days(d(2026, 3, 2), d(2026, 3, 9)), false}));
    EXPECT_EQ(byWeek.last(), (Bucket{days(d(2026, 3, 30), d(2026, 4, 1)), false}));

    const PeriodEngine payDay = engineOn(d(2026, 3, 4), 25);
    const QList<Bucket> byMonth =
        payDay.buckets(payDay.window(PeriodSelection(L::year)), BucketGranularity::month);
    ASSERT_EQ(byMonth.size(), 12);
    EXPECT_EQ(byMonth.first(), (Bucket{days(d(2025, 3, 25), d(2025, 4, 25)), true}));
    EXPECT_EQ(byMonth[10], (Bucket{days(d(2026, 1, 25), d(2026, 2, 25)), true}));
    EXPECT_EQ(byMonth.last(), (Bucket{days(d(2026, 2, 25), d(2026, 3, 25)), false}));
}

TEST(PeriodEngine, emptyWindowHasNoBuckets)
{
    const PeriodEngine engine = engineOn(d(2026, 3, 4));
    const QDateTime t = engine.today();
    EXPECT_TRUE(engine.buckets(PeriodWindow{{t, t}, t, false}, BucketGranularity::day).isEmpty());
    EXPECT_TRUE(
        engine.buckets(PeriodWindow{{engine.tomorrow(), t}, t, true}, BucketGranularity::week)
            .isEmpty());
}

TEST(PeriodEngine, granularityFollowsTheLength)
{
    struct Case
    {
        PeriodLength length;
        BucketGranularity plain;
        BucketGranularity preferringMonths;
    };
    using G = BucketGranularity;
    const Case cases[] = {
        {L::week, G::day, G::day},           {L::month, G::day, G::day},
        {L::threeMonths, G::week, G::month}, {L::sixMonths, G::week, G::month},
        {L::year, G::month, G::month},       {L::max, G::month, G::month},
        {L::last7Days, G::day, G::day},      {L::last30Days, G::day, G::day},
        {L::last90Days, G::week, G::month},  {L::last6Months, G::week, G::month},
        {L::lastYear, G::month, G::month},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PeriodEngine::granularity(c.length, false), c.plain)
            << rawValue(c.length).toStdString();
        EXPECT_EQ(PeriodEngine::granularity(c.length, true), c.preferringMonths);
    }
}

TEST(PeriodEngine, selectionShowingFindsThePeriodOfADate)
{
    struct Case
    {
        const char* name;
        QDate today;
        int monthStartDay;
        PeriodSelection selection;
        QDate date;
        std::int64_t expectedOffset;
    };
    const Case cases[] = {
        {"futureUnchanged", d(2026, 3, 4), 1, PeriodSelection(L::week, 2), d(2026, 3, 5), 2},
        {"futureMonthUnchanged", d(2026, 3, 4), 1, PeriodSelection(L::month, 3), d(2026, 6, 1), 3},
        {"todayIsCurrent", d(2026, 3, 4), 1, PeriodSelection(L::week, 3), d(2026, 3, 4), 0},
        {"sixDaysAgo", d(2026, 3, 4), 1, PeriodSelection(L::week, 3), d(2026, 2, 26), 0},
        {"sevenDaysAgoWeek", d(2026, 3, 4), 1, PeriodSelection(L::week), d(2026, 2, 25), 1},
        {"last30Days30Back", d(2026, 3, 4), 1, PeriodSelection(L::last30Days), d(2026, 2, 2), 1},
        {"last90Days", d(2026, 3, 4), 1, PeriodSelection(L::last90Days), d(2025, 12, 4), 1},
        {"payMonthBefore", d(2026, 3, 4), 25, PeriodSelection(L::month), d(2026, 2, 24), 1},
        {"payMonthCurrent", d(2026, 3, 4), 25, PeriodSelection(L::month, 4), d(2026, 2, 25), 0},
        {"threeMonths", d(2026, 3, 4), 25, PeriodSelection(L::threeMonths), d(2025, 12, 24), 1},
        {"yearTwoBack", d(2026, 3, 4), 1, PeriodSelection(L::year), d(2024, 3, 31), 2},
        {"last6MonthsPinnedStart", d(2026, 8, 30), 1, PeriodSelection(L::last6Months, 5),
         d(2026, 2, 28), 0},
        {"last6MonthsDayBefore", d(2026, 8, 30), 1, PeriodSelection(L::last6Months), d(2026, 2, 27),
         1},
        {"lastYearFar", d(2026, 3, 4), 1, PeriodSelection(L::lastYear), d(2021, 3, 5), 4},
        {"lastYearFarDayBefore", d(2026, 3, 4), 1, PeriodSelection(L::lastYear), d(2021, 3, 4), 5},
        {"maxUnchanged", d(2026, 3, 4), 1, PeriodSelection(L::max), d(2020, 1, 1), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PeriodEngine engine = engineOn(c.today, c.monthStartDay);
        const PeriodSelection found =
            engine.selectionShowing(midnight(c.date).addSecs(9 * 3600), c.selection);
        EXPECT_EQ(found.length(), c.selection.length());
        EXPECT_EQ(found.offset(), c.expectedOffset);
    }
}

TEST(PeriodEngine, selectionShowingAlwaysLandsOnAWindowHoldingTheDate)
{
    for (int monthStartDay : {1, 25, 31}) {
        for (const QDate& today : {d(2026, 3, 4), d(2024, 2, 29), d(2026, 8, 31)}) {
            const PeriodEngine engine = engineOn(today, monthStartDay);
            for (PeriodLength length : allCases<PeriodLength>()) {
                if (length == L::max)
                    continue;
                for (int back = 0; back < 800; back += 3) {
                    const QDateTime date = midnight(today.addDays(-back)).addSecs(3600);
                    const PeriodSelection found =
                        engine.selectionShowing(date, PeriodSelection(length, 7));
                    const PeriodWindow window = engine.window(found);
                    ASSERT_TRUE(window.interval.contains(date))
                        << rawValue(length).toStdString() << " start day " << monthStartDay
                        << " today " << today.toString(Qt::ISODate).toStdString() << " back "
                        << back << ": " << text(window.interval);
                }
            }
        }
    }
}

TEST(PeriodEngine, payMonthsFollowTheStartDay)
{
    const PeriodEngine engine = engineOn(d(2026, 3, 4), 31);
    const int april2026 = 2026 * 12 + 3;
    const int february2024 = 2024 * 12 + 1;
    EXPECT_EQ(engine.startDayOfMonth(april2026), 30);
    EXPECT_EQ(engine.startDayOfMonth(february2024), 29);
    EXPECT_EQ(engine.startDayOfMonth(february2024 + 12), 28);
    EXPECT_EQ(engine.monthStart(april2026), midnight(d(2026, 4, 30)));
    EXPECT_EQ(engine.monthIndex(midnight(d(2026, 4, 29))), april2026 - 1);
    EXPECT_EQ(engine.monthIndex(midnight(d(2026, 4, 30))), april2026);
    EXPECT_EQ(engine.monthIndex(utc("2026-01-30T23:59:59")), 2025 * 12 + 11);
    for (int index = february2024 - 30; index < february2024 + 30; ++index)
        EXPECT_EQ(engine.monthIndex(engine.monthStart(index)), index);
}

TEST(PeriodEngine, monthStartsAreTheAxisMarksInsideAnInterval)
{
    const PeriodEngine engine = engineOn(d(2026, 3, 4), 31);
    EXPECT_EQ(engine.monthStarts(days(d(2026, 1, 15), d(2026, 5, 15))),
              (QList<QDateTime>{midnight(d(2026, 1, 31)), midnight(d(2026, 2, 28)),
                                midnight(d(2026, 3, 31)), midnight(d(2026, 4, 30))}));
    EXPECT_EQ(engine.monthStarts(days(d(2026, 2, 28), d(2026, 3, 31))),
              (QList<QDateTime>{midnight(d(2026, 2, 28))}));
    EXPECT_TRUE(engine.monthStarts(days(d(2026, 3, 1), d(2026, 3, 31))).isEmpty());
}

TEST(PeriodEngine, todayIsTheLocalDayOfTheCurrentInstant)
{
    // 23:30 UTC on 4 March is already 5 March in Kyiv.
    const PeriodEngine kyiv(utc("2026-03-04T23:30:00"), CalendarSettings{},
                            QStringLiteral("Europe/Kyiv"), QLocale(QStringLiteral("uk_UA")));
    EXPECT_EQ(kyiv.timeZoneId(), QStringLiteral("Europe/Kyiv"));
    EXPECT_EQ(kyiv.today(), utc("2026-03-04T22:00:00"));
    EXPECT_EQ(kyiv.tomorrow(), utc("2026-03-05T22:00:00"));
    EXPECT_EQ(kyiv.today().timeSpec(), Qt::UTC);
    EXPECT_EQ(kyiv.dayOf(utc("2026-03-04T23:30:00")), d(2026, 3, 5));
    EXPECT_FALSE(kyiv.isAfterToday(utc("2026-03-05T21:59:59")));
    EXPECT_TRUE(kyiv.isAfterToday(utc("2026-03-05T22:00:00")));
    EXPECT_FALSE(kyiv.isAfterToday(utc("2020-01-01T00:00:00")));

    const PeriodEngine unknown(utc("2026-03-04T23:30:00"), CalendarSettings{},
                               QStringLiteral("Mars/Olympus"), QLocale::c());
    EXPECT_EQ(unknown.today(), utc("2026-03-04T00:00:00"));
}

TEST(PeriodEngine, settingsOutOfRangeAreClamped)
{
    const PeriodEngine engine = engineOn(d(2026, 4, 15), 45, 9);
    EXPECT_EQ(engine.settings(), (CalendarSettings{31, 7}));
    EXPECT_EQ(engine.window(PeriodSelection(L::month)).interval,
              days(d(2026, 3, 31), d(2026, 4, 30)));
}

// Clock changes: a day is local midnight to local midnight, 23 or 25 hours.
TEST(PeriodEngine, springForwardDayInKyivLasts23Hours)
{
    const char* zone = "Europe/Kyiv";
    const PeriodEngine engine = engineOn(d(2026, 3, 31), 1, 2, zone);
    const PeriodWindow week = engine.window(PeriodSelection(L::last7Days));
    EXPECT_EQ(week.interval, days(d(2026, 3, 25), d(2026, 4, 1), zone));

    const QList<Bucket> byDay = engine.buckets(week, BucketGranularity::day);
    ASSERT_EQ(byDay.size(), 7);
    for (qsizetype i = 0; i < byDay.size(); ++i) {
        const QDate day = d(2026, 3, 25).addDays(i);
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(byDay[i].interval, days(day, day.addDays(1), zone));
        EXPECT_EQ(byDay[i].interval.durationMSecs(),
                  (day == d(2026, 3, 29) ? 23 : 24) * 3600'000LL);
    }

    const PeriodWindow month = engine.window(PeriodSelection(L::month));
    EXPECT_EQ(month.interval.start, utc("2026-02-28T22:00:00"));
    EXPECT_EQ(month.interval.end, utc("2026-03-31T21:00:00"));
    EXPECT_EQ(engine.dayCount(month.interval), 31);
    EXPECT_EQ(engine.dayCount(days(d(2026, 3, 29), d(2026, 3, 30), zone)), 1);

    const QList<Bucket> weeks = engine.buckets(month, BucketGranularity::week);
    ASSERT_EQ(weeks.size(), 6);
    EXPECT_EQ(weeks[4].interval, days(d(2026, 3, 23), d(2026, 3, 30), zone));
    EXPECT_EQ(weeks[4].interval.durationMSecs(), (7 * 24 - 1) * 3600'000LL);
}

TEST(PeriodEngine, daysRunFromTheDayOfTheStartToOneBoundaryPastTheEnd)
{
    const char* zone = "Europe/Kyiv";
    const PeriodEngine engine = engineOn(d(2026, 3, 31), 1, 2, zone);
    struct Case
    {
        const char* name;
        QDateTime start;
        QDateTime end;
        QList<QDate> dates; // every day, then the one after the last
    };
    const Case cases[] = {
        {"whole days across the clock change",
         midnight(d(2026, 3, 28), zone),
         midnight(d(2026, 3, 31), zone),
         {d(2026, 3, 28), d(2026, 3, 29), d(2026, 3, 30), d(2026, 3, 31)}},
        {"ends mid-day",
         utc("2026-03-28T10:00:00"),
         utc("2026-03-29T10:00:00"),
         {d(2026, 3, 28), d(2026, 3, 29), d(2026, 3, 30)}},
        {"one millisecond",
         utc("2026-03-29T22:30:00"),
         utc("2026-03-29T22:30:00.001"),
         {d(2026, 3, 30), d(2026, 3, 31)}},
        {"empty", midnight(d(2026, 3, 28), zone), midnight(d(2026, 3, 28), zone), {}},
    };
    for (const Case& c : cases) {
        const std::vector<PeriodEngine::CalendarDay> result = engine.days({c.start, c.end});
        QList<QDate> dates;
        for (const PeriodEngine::CalendarDay& day : result) {
            dates.append(day.date);
            EXPECT_EQ(day.start, midnight(day.date, zone)) << c.name;
        }
        EXPECT_EQ(dates, c.dates) << c.name;
    }
}

TEST(PeriodEngine, fallBackDayInNewYorkLasts25Hours)
{
    const char* zone = "America/New_York";
    const PeriodEngine engine = engineOn(d(2026, 11, 3), 1, 1, zone);
    const QList<Bucket> byDay =
        engine.buckets(engine.window(PeriodSelection(L::week)), BucketGranularity::day);
    ASSERT_EQ(byDay.size(), 7);
    for (qsizetype i = 0; i < byDay.size(); ++i) {
        const QDate day = d(2026, 10, 28).addDays(i);
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(byDay[i].interval, days(day, day.addDays(1), zone));
        EXPECT_EQ(byDay[i].interval.durationMSecs(),
                  (day == d(2026, 11, 1) ? 25 : 24) * 3600'000LL);
        EXPECT_EQ(byDay[i].isComplete, day <= d(2026, 11, 3));
    }

    const PeriodWindow month = engine.window(PeriodSelection(L::month));
    EXPECT_EQ(month.interval.start, utc("2026-11-01T04:00:00"));
    EXPECT_EQ(month.interval.end, utc("2026-12-01T05:00:00"));
    EXPECT_EQ(month.elapsedEnd, utc("2026-11-04T05:00:00"));
    EXPECT_EQ(engine.comparisonInterval(PeriodSelection(L::month)),
              days(d(2026, 10, 1), d(2026, 10, 4), zone));
    EXPECT_EQ(engine.addingDays(1, month.interval.start), utc("2026-11-02T05:00:00"));
    EXPECT_EQ(engine.selectionShowing(utc("2026-11-01T04:30:00"), PeriodSelection(L::month, 2)),
              PeriodSelection(L::month, 0));
    EXPECT_EQ(engine.selectionShowing(utc("2026-11-01T03:59:00"), PeriodSelection(L::month)),
              PeriodSelection(L::month, 1));
}

TEST(PeriodEngine, dayWithoutMidnightStartsAtItsFirstInstant)
{
    // São Paulo moved its clocks from 00:00 to 01:00 on 4 November 2018.
    const PeriodEngine engine(utc("2018-11-04T15:00:00"), CalendarSettings{},
                              QStringLiteral("America/Sao_Paulo"),
                              QLocale(QStringLiteral("pt_BR")));
    EXPECT_EQ(engine.today(), utc("2018-11-04T03:00:00"));
    EXPECT_EQ(engine.tomorrow(), utc("2018-11-05T02:00:00"));
    EXPECT_EQ(engine.startOfDay(d(2018, 11, 3)), utc("2018-11-03T03:00:00"));
    EXPECT_EQ(engine.addingDays(1, engine.startOfDay(d(2018, 11, 3))), engine.today());
    EXPECT_EQ(engine.dayCount({engine.startOfDay(d(2018, 11, 3)), engine.tomorrow()}), 2);
    EXPECT_EQ(engine.dayCount({engine.today(), engine.tomorrow()}), 1);
    EXPECT_EQ(engine.dayCount({engine.tomorrow(), engine.today()}), -1);
    const QList<Bucket> byDay =
        engine.buckets(engine.window(PeriodSelection(L::last7Days)), BucketGranularity::day);
    ASSERT_EQ(byDay.size(), 7);
    EXPECT_EQ(byDay.last().interval, (DateInterval{engine.today(), engine.tomorrow()}));
    EXPECT_EQ(byDay.last().interval.durationMSecs(), 23 * 3600'000LL);
    EXPECT_EQ(engine.comparisonInterval(PeriodSelection(L::last7Days)).end,
              engine.startOfDay(d(2018, 10, 29)));
}

TEST(PeriodEngine, daysTheZoneSkipsStillCompose)
{
    // Samoa went from 29 December 2011 straight to 31 December. Today is
    // 5 January 2012 there.
    const PeriodEngine engine(utc("2012-01-05T00:00:00"), CalendarSettings{},
                              QStringLiteral("Pacific/Apia"), QLocale(QStringLiteral("en_US")));
    const QDateTime today = engine.today();
    for (int days = 1; days < 12; ++days)
        EXPECT_EQ(engine.addingDays(-1, engine.addingDays(1 - days, today)),
                  engine.addingDays(-days, today))
            << days;
    // Neighbouring rolling windows meet without overlapping.
    for (int offset = 0; offset < 3; ++offset) {
        const DateInterval newer = engine.window(PeriodSelection(L::last7Days, offset)).interval;
        const DateInterval older =
            engine.window(PeriodSelection(L::last7Days, offset + 1)).interval;
        EXPECT_EQ(older.end, newer.start) << offset;
        EXPECT_LT(older.start, older.end) << offset;
    }
    // Day buckets cover the window edge to edge.
    const PeriodWindow window = engine.window(PeriodSelection(L::last30Days));
    const QList<Bucket> byDay = engine.buckets(window, BucketGranularity::day);
    ASSERT_FALSE(byDay.isEmpty());
    EXPECT_EQ(byDay.first().interval.start, window.interval.start);
    EXPECT_EQ(byDay.last().interval.end, window.interval.end);
    for (qsizetype i = 1; i < byDay.size(); ++i)
        EXPECT_EQ(byDay[i - 1].interval.end, byDay[i].interval.start) << i;
    // The comparison of a period is never longer than its elapsed part.
    const DateInterval comparison = engine.comparisonInterval(PeriodSelection(L::week));
    const PeriodWindow week = engine.window(PeriodSelection(L::week));
    EXPECT_LE(engine.dayCount(comparison), engine.dayCount(week.elapsedInterval()));
}

TEST(PeriodEngine, copiesAnswerAlikeFromSeveralThreads)
{
    const PeriodEngine engine = engineOn(d(2026, 3, 31), 25, 2, "Europe/Kyiv");
    const auto compute = [](const PeriodEngine& e) {
        QList<DateInterval> result;
        for (PeriodLength length : allCases<PeriodLength>())
            for (std::int64_t offset = 0; offset < 30; ++offset) {
                const PeriodSelection selection(length, offset);
                result.append(e.window(selection).interval);
                result.append(e.comparisonInterval(selection));
            }
        return result;
    };
    const QList<DateInterval> expected = compute(engine);
    std::vector<QList<DateInterval>> results(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i)
        threads.emplace_back(
            [&, i] { results[i] = compute(i % 2 == 0 ? engine : PeriodEngine(engine)); });
    for (std::thread& thread : threads)
        thread.join();
    for (const QList<DateInterval>& result : results)
        EXPECT_EQ(result, expected);
}

} // namespace
