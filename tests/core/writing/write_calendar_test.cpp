#include "writing/write_calendar.h"

#include <optional>

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

QDateTime kyivAt(int y, int m, int d, int h, int min = 0, int sec = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, sec),
                     QTimeZone(QByteArrayLiteral("Europe/Kyiv")))
        .toUTC();
}

TEST(BalanceInstant, datesABalanceByDayAndTimeOfEntry)
{
    const WriteCalendar kyiv(QTimeZone(QByteArrayLiteral("Europe/Kyiv")));
    struct Case
    {
        const char* name;
        QDateTime now;
        std::optional<QDate> day;
        bool transactionToday;
        QDateTime expected;
    };
    // 2025-03-07 is a Friday; Kyiv is two hours ahead of UTC until 30 March.
    const Case cases[] = {
        {"morningWithoutTransactions", kyivAt(2025, 3, 7, 9), {}, false, kyivAt(2025, 3, 8, 0)},
        {"morningWithATransaction", kyivAt(2025, 3, 7, 9), {}, true, kyivAt(2025, 3, 7, 9, 0, 1)},
        {"exactlyNoon", kyivAt(2025, 3, 7, 12), {}, false, kyivAt(2025, 3, 8, 0)},
        {"exactlyNoonWithATransaction",
         kyivAt(2025, 3, 7, 12),
         {},
         true,
         kyivAt(2025, 3, 7, 12, 0, 1)},
        {"oneSecondAfterNoon",
         kyivAt(2025, 3, 7, 12, 0, 1),
         {},
         false,
         kyivAt(2025, 3, 7, 12, 0, 1)},
        {"afternoonGivenToday", kyivAt(2025, 3, 7, 15), QDate(2025, 3, 7), true,
         kyivAt(2025, 3, 7, 15)},
        {"morningGivenToday", kyivAt(2025, 3, 7, 9), QDate(2025, 3, 7), false,
         kyivAt(2025, 3, 8, 0)},
        {"lastMonday", kyivAt(2025, 3, 7, 15), QDate(2025, 3, 3), true, kyivAt(2025, 3, 4, 0)},
        {"tomorrow", kyivAt(2025, 3, 7, 9), QDate(2025, 3, 8), false, kyivAt(2025, 3, 9, 0)},
        {"lateEveningUtcIsTomorrowInKyiv", utcAt(2025, 3, 6, 23), {}, false, kyivAt(2025, 3, 8, 0)},
        {"dayBeforeTheClocksGoForward", kyivAt(2025, 3, 31, 9), QDate(2025, 3, 29), false,
         utcAt(2025, 3, 29, 22)},
        {"monthEnd", kyivAt(2025, 3, 7, 9), QDate(2025, 2, 28), false, kyivAt(2025, 3, 1, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(balanceInstant(kyiv, c.now, c.day, c.transactionToday), c.expected) << c.name;
}

} // namespace
