#include "periods/period_selection.h"

#include <limits>

#include <QJsonDocument>

#include <gtest/gtest.h>

#include "periods/calendar_settings.h"

using namespace tallyra;

namespace {

QJsonObject json(const char* text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

} // namespace

TEST(PeriodLength, convertedMapsThroughCounterparts)
{
    struct Case
    {
        PeriodLength length;
        PeriodLength toCalendar;
        PeriodLength toRolling;
        PeriodFamily family;
    };
    const Case cases[] = {
        {PeriodLength::week, PeriodLength::week, PeriodLength::last7Days, PeriodFamily::calendar},
        {PeriodLength::month, PeriodLength::month, PeriodLength::last30Days,
         PeriodFamily::calendar},
        {PeriodLength::threeMonths, PeriodLength::threeMonths, PeriodLength::last90Days,
         PeriodFamily::calendar},
        {PeriodLength::sixMonths, PeriodLength::sixMonths, PeriodLength::last6Months,
         PeriodFamily::calendar},
        {PeriodLength::year, PeriodLength::year, PeriodLength::lastYear, PeriodFamily::calendar},
        {PeriodLength::max, PeriodLength::max, PeriodLength::max, PeriodFamily::both},
        {PeriodLength::last7Days, PeriodLength::week, PeriodLength::last7Days,
         PeriodFamily::rolling},
        {PeriodLength::last30Days, PeriodLength::month, PeriodLength::last30Days,
         PeriodFamily::rolling},
        {PeriodLength::last90Days, PeriodLength::threeMonths, PeriodLength::last90Days,
         PeriodFamily::rolling},
        {PeriodLength::last6Months, PeriodLength::sixMonths, PeriodLength::last6Months,
         PeriodFamily::rolling},
        {PeriodLength::lastYear, PeriodLength::year, PeriodLength::lastYear, PeriodFamily::rolling},
    };
    ASSERT_EQ(std::size(cases), allCases<PeriodLength>().size());
    for (const Case& c : cases) {
        SCOPED_TRACE(rawValue(c.length).toStdString());
        EXPECT_EQ(converted(c.length, PeriodMode::calendar), c.toCalendar);
        EXPECT_EQ(converted(c.length, PeriodMode::rolling), c.toRolling);
        EXPECT_EQ(family(c.length), c.family);
        EXPECT_EQ(isRolling(c.length), c.family == PeriodFamily::rolling);
    }
    EXPECT_TRUE(isShownByDay(PeriodLength::month));
    EXPECT_TRUE(isShownByDay(PeriodLength::last7Days));
    EXPECT_FALSE(isShownByDay(PeriodLength::last90Days));
    EXPECT_FALSE(isShownByDay(PeriodLength::max));
}

TEST(PeriodSelection, constructorRepairsNegativeOffsetsAndMax)
{
    EXPECT_EQ(PeriodSelection(PeriodLength::month, -4).offset(), 0);
    EXPECT_EQ(PeriodSelection(PeriodLength::max, 5).offset(), 0);
    EXPECT_EQ(PeriodSelection(PeriodLength::week, 5).offset(), 5);
}

TEST(PeriodSelection, steppingStopsAtZeroAndMaxNeverMoves)
{
    using D = PeriodSelection::Direction;
    const PeriodSelection current(PeriodLength::lastYear, 0);
    EXPECT_EQ(current.stepped(D::older), PeriodSelection(PeriodLength::lastYear, 1));
    EXPECT_EQ(current.stepped(D::older).stepped(D::newer), current);
    EXPECT_EQ(current.stepped(D::newer), current);

    const PeriodSelection all(PeriodLength::max);
    EXPECT_FALSE(all.canStep());
    EXPECT_EQ(all.stepped(D::older), all);
    EXPECT_TRUE(current.canStep());
    EXPECT_TRUE(current.isRolling());
    EXPECT_FALSE(PeriodSelection(PeriodLength::year).isRolling());

    const PeriodSelection far(PeriodLength::week, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(far.stepped(D::older).offset(), std::numeric_limits<std::int64_t>::max());
}

TEST(PeriodSelection, jsonRoundTripsAndRejectsBadRecords)
{
    const PeriodSelection selection(PeriodLength::last90Days, 3);
    EXPECT_EQ(QJsonDocument(selection.toJson()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"length":"R90D","offset":3})"));
    EXPECT_EQ(PeriodSelection::fromJson(selection.toJson()), selection);

    EXPECT_EQ(PeriodSelection::fromJson(json(R"({"length":"1M","offset":-2})")),
              PeriodSelection(PeriodLength::month, 0));
    EXPECT_EQ(PeriodSelection::fromJson(json(R"({"length":"MAX","offset":7})")),
              PeriodSelection(PeriodLength::max, 0));
    EXPECT_EQ(PeriodSelection::fromJson(json(R"({"length":"1Y","offset":2.0})")),
              PeriodSelection(PeriodLength::year, 2));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"length":"1M"})")));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"offset":1})")));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"length":"2M","offset":1})")));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"length":"1M","offset":"1"})")));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"length":"1M","offset":1.5})")));
    EXPECT_FALSE(PeriodSelection::fromJson(json(R"({"length":"1M","offset":1e300})")));
}

TEST(PeriodSelection, equalityAndHashCoverBothFields)
{
    const PeriodSelection a(PeriodLength::month, 1);
    EXPECT_NE(a, PeriodSelection(PeriodLength::month, 2));
    EXPECT_NE(a, PeriodSelection(PeriodLength::last30Days, 1));
    EXPECT_EQ(qHash(a), qHash(PeriodSelection(PeriodLength::month, 1)));
    EXPECT_NE(qHash(a), qHash(PeriodSelection(PeriodLength::month, 2)));
}

TEST(CalendarSettings, jsonNeedsBothWholeNumbers)
{
    const CalendarSettings settings{25, 1};
    EXPECT_EQ(CalendarSettings::fromJson(settings.toJson()), settings);
    EXPECT_EQ(CalendarSettings::fromJson(json(R"({"monthStartDay":31,"firstWeekday":7})")),
              (CalendarSettings{31, 7}));
    EXPECT_FALSE(CalendarSettings::fromJson(json(R"({"monthStartDay":31})")));
    EXPECT_FALSE(CalendarSettings::fromJson(json(R"({"firstWeekday":2})")));
    EXPECT_FALSE(CalendarSettings::fromJson(json(R"({"monthStartDay":"1","firstWeekday":2})")));
    EXPECT_FALSE(CalendarSettings::fromJson(json(R"({"monthStartDay":1.5,"firstWeekday":2})")));
    EXPECT_EQ(CalendarSettings{}, (CalendarSettings{1, 2}));
}
