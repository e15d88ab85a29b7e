#include "writing/write_calendar.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QDateTime utcAt(int y, int m, int d, int h, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
}

TEST(WriteCalendar, daysAndNoonFollowTheZoneAcrossClockChanges)
{
    const WriteCalendar kyiv(QTimeZone(QByteArrayLiteral("Europe/Kyiv")));
    struct Case
    {
        QDate day;
        QDateTime start;
        QDateTime noon;
        QDateTime next;
    };
    const Case cases[] = {
        {QDate(2025, 3, 7), utcAt(2025, 3, 6, 22), utcAt(2025, 3, 7, 10), utcAt(2025, 3, 7, 22)},
        // Clocks go forward at 03:00: a 23-hour day.
        {QDate(2025, 3, 30), utcAt(2025, 3, 29, 22), utcAt(2025, 3, 30, 9), utcAt(2025, 3, 30, 21)},
        // Clocks go back at 04:00: a 25-hour day.
        {QDate(2025, 10, 26), utcAt(2025, 10, 25, 21), utcAt(2025, 10, 26, 10),
         utcAt(2025, 10, 26, 22)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kyiv.startOfDay(c.day), c.start) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(kyiv.noon(c.day), c.noon) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(kyiv.startOfNextDay(c.day), c.next) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_TRUE(kyiv.isStartOfDay(c.start));
        EXPECT_FALSE(kyiv.isStartOfDay(c.start.addSecs(1)));
        EXPECT_EQ(kyiv.dayOf(c.start), c.day);
        EXPECT_EQ(kyiv.dayOf(c.next.addMSecs(-1)), c.day);
    }
}

TEST(WriteCalendar, noonOfFindsTheDayInTheZoneNotInUtc)
{
    const WriteCalendar kyiv(QTimeZone(QByteArrayLiteral("Europe/Kyiv")));
    EXPECT_EQ(kyiv.noonOf(utcAt(2025, 3, 7, 23)), utcAt(2025, 3, 8, 10));
    const WriteCalendar utc(QTimeZone::utc());
    EXPECT_EQ(utc.noonOf(utcAt(2025, 3, 7, 23)), utcAt(2025, 3, 7, 12));
    const WriteCalendar invalid{QTimeZone()};
    EXPECT_EQ(invalid.noon(QDate(2025, 3, 7)), utcAt(2025, 3, 7, 12)) << "an invalid zone is UTC";
}

} // namespace
