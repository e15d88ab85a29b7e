#include "periods/wall_clock.h"

#include <gtest/gtest.h>

using tallyra::WallClock;

namespace {

struct WallCase
{
    const char* zone;
    QDate day;
    QTime time;
    QDateTime expected; // UTC
};

QDateTime utc(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
}

class WallClockCases : public ::testing::TestWithParam<WallCase>
{
};

TEST_P(WallClockCases, resolvesSkippedAndRepeatedTimesOneWay)
{
    const WallCase& c = GetParam();
    WallClock clock{QTimeZone(QByteArray(c.zone))};
    // Twice: the second answer comes from the cache of plain days.
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(clock.instant(c.day, c.time), c.expected)
            << c.zone << ' ' << c.day.toString(Qt::ISODate).toStdString() << ' '
            << c.time.toString().toStdString() << " round " << round;
}

INSTANTIATE_TEST_SUITE_P(
    Zones, WallClockCases,
    ::testing::Values(
        // Clocks go from 03:00 to 04:00: the first instant after the gap.
        WallCase{"Europe/Kyiv", QDate(2026, 3, 29), QTime(3, 30), utc(2026, 3, 29, 1, 0)},
        WallCase{"Europe/Kyiv", QDate(2026, 3, 29), QTime(2, 59), utc(2026, 3, 29, 0, 59)},
        WallCase{"Europe/Kyiv", QDate(2026, 3, 29), QTime(4, 0), utc(2026, 3, 29, 1, 0)},
        WallCase{"America/New_York", QDate(2026, 3, 8), QTime(2, 30), utc(2026, 3, 8, 7, 0)},
        // Havana skips midnight itself: 00:30 stays on its own day.
        WallCase{"America/Havana", QDate(2026, 3, 8), QTime(0, 30), utc(2026, 3, 8, 5, 0)},
        WallCase{"America/Havana", QDate(2026, 3, 8), QTime(0, 0), utc(2026, 3, 8, 5, 0)},
        // The repeated hour of a change back: the first of the two.
        WallCase{"Europe/Kyiv", QDate(2026, 10, 25), QTime(3, 30), utc(2026, 10, 25, 0, 30)},
        WallCase{"America/New_York", QDate(2026, 11, 1), QTime(1, 30), utc(2026, 11, 1, 5, 30)},
        WallCase{"Europe/Kyiv", QDate(2026, 10, 25), QTime(4, 0), utc(2026, 10, 25, 2, 0)},
        // Ordinary days either side of a change, and a whole skipped day.
        WallCase{"Europe/Kyiv", QDate(2026, 3, 28), QTime(23, 59), utc(2026, 3, 28, 21, 59)},
        WallCase{"Europe/Kyiv", QDate(2026, 3, 30), QTime(0, 0), utc(2026, 3, 29, 21, 0)},
        WallCase{"Pacific/Apia", QDate(2011, 12, 31), QTime(12, 0), utc(2011, 12, 30, 22, 0)},
        WallCase{"UTC", QDate(2026, 2, 28), QTime(23, 59, 59),
                 QDateTime(QDate(2026, 2, 28), QTime(23, 59, 59), QTimeZone::utc())}));

} // namespace
