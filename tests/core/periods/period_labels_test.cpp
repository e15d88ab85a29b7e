#include "periods/period_labels.h"

#include <thread>
#include <vector>

#include <QTimeZone>

#include <gtest/gtest.h>

#include "periods/formatter_cache.h"

using namespace tallyra;

namespace {

using L = PeriodLength;
using Year = PeriodLabels::Year;

// Every test pins its zone, locale and today; Kyiv is two hours ahead of
// UTC in winter, so a label made in UTC instead would show the day before.
constexpr const char* kKyiv = "Europe/Kyiv";

PeriodEngine engineOn(const char* locale, const QDate& today, int monthStartDay = 1,
                      const char* zone = kKyiv, std::optional<QDateTime> dataStart = std::nullopt)
{
    const QTimeZone timeZone{QByteArray(zone)};
    return PeriodEngine(QDateTime(today, QTime(12, 0), timeZone),
                        CalendarSettings{monthStartDay, 2}, timeZone,
                        QLocale(QString::fromLatin1(locale)), std::move(dataStart));
}

QDateTime at(const QDate& day, const QTime& time = QTime(0, 0), const char* zone = kKyiv)
{
    return QDateTime(day, time, QTimeZone(QByteArray(zone))).toUTC();
}

DateInterval days(const QDate& first, const QDate& end)
{
    return {at(first), at(end)};
}

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& param)
{
    return param.param.name;
}

// Failure messages name the case instead of dumping its bytes.
template <class Case>
requires requires(const Case& c)
{
    c.name;
}
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

std::string str(const QString& text)
{
    return text.toStdString();
}

QDate d(int year, int month, int day)
{
    return {year, month, day};
}

// --- date ranges ---------------------------------------------------------

struct RangeCase
{
    const char* name;
    const char* locale;
    QDate first;
    QDate end; // exclusive
    Year year;
    const char* expected;
};

class PeriodLabelsDayRange : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(PeriodLabelsDayRange, namesTheDaysOfTheWindow)
{
    const RangeCase& c = GetParam();
    const PeriodLabels labels(engineOn(c.locale, d(2026, 12, 10)));
    EXPECT_EQ(str(labels.dayRange(days(c.first, c.end), c.year)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsDayRange,
    ::testing::Values(
        RangeCase{"oneDayUS", "en_US", d(2026, 12, 11), d(2026, 12, 12), Year::omitted, "Dec 11"},
        RangeCase{"oneDayUK", "uk_UA", d(2026, 12, 11), d(2026, 12, 12), Year::omitted, "11 груд."},
        RangeCase{"oneDayWithYear", "en_GB", d(2026, 12, 11), d(2026, 12, 12), Year::shown,
                  "11 Dec 2026"},
        RangeCase{"emptyWindowIsItsFirstDay", "en_US", d(2026, 12, 11), d(2026, 12, 11),
                  Year::omitted, "Dec 11"},
        RangeCase{"sameMonthMonthFirst", "en_US", d(2026, 3, 1), d(2026, 4, 1), Year::omitted,
                  "Mar 1–31"},
        RangeCase{"sameMonthDayFirstGB", "en_GB", d(2026, 3, 1), d(2026, 4, 1), Year::omitted,
                  "1–31 Mar"},
        RangeCase{"sameMonthDayFirstUK", "uk_UA", d(2026, 3, 1), d(2026, 4, 1), Year::omitted,
                  "1–31 бер."},
        RangeCase{"sameMonthWithYear", "en_US", d(2026, 3, 1), d(2026, 4, 1), Year::shown,
                  "Mar 1–31 2026"},
        RangeCase{"payMonthUS", "en_US", d(2026, 11, 25), d(2026, 12, 25), Year::omitted,
                  "Nov 25 – Dec 24"},
        RangeCase{"payMonthGB", "en_GB", d(2026, 11, 25), d(2026, 12, 25), Year::omitted,
                  "25 Nov – 24 Dec"},
        RangeCase{"payMonthUK", "uk_UA", d(2026, 11, 25), d(2026, 12, 25), Year::omitted,
                  "25 лист. – 24 груд."},
        RangeCase{"acrossNewYearShowsLastYear", "en_US", d(2025, 12, 25), d(2026, 1, 25),
                  Year::shown, "Dec 25 – Jan 24 2026"},
        RangeCase{"acrossNewYearUK", "uk_UA", d(2025, 12, 25), d(2026, 1, 25), Year::shown,
                  "25 груд. – 24 січ. 2026"}),
    caseName<RangeCase>);

// --- titles ----------------------------------------------------------------

struct TitleCase
{
    PeriodLength length;
    std::int64_t offset;
    const char* english;
    const char* ukrainian;
};

void PrintTo(const TitleCase& c, std::ostream* out)
{
    *out << rawValue(c.length).toStdString() << " offset " << c.offset;
}

class PeriodLabelsTitle : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(PeriodLabelsTitle, isTheWholePhraseInTheEngineLanguage)
{
    const TitleCase& c = GetParam();
    const QDate today = d(2026, 12, 10);
    EXPECT_EQ(str(PeriodLabels(engineOn("en_US", today)).periodTitle(c.length, c.offset)),
              c.english);
    EXPECT_EQ(str(PeriodLabels(engineOn("en_GB", today)).periodTitle(c.length, c.offset)),
              c.english);
    EXPECT_EQ(str(PeriodLabels(engineOn("uk_UA", today)).periodTitle(c.length, c.offset)),
              c.ukrainian);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsTitle,
    ::testing::Values(TitleCase{L::week, 0, "Last 7 Days", "Останні 7 днів"},
                      TitleCase{L::week, 1, "Previous 7 Days", "Попередні 7 днів"},
                      TitleCase{L::week, 2, "2 Weeks Ago", "2 тижні тому"},
                      TitleCase{L::week, 5, "5 Weeks Ago", "5 тижнів тому"},
                      TitleCase{L::week, 11, "11 Weeks Ago", "11 тижнів тому"},
                      TitleCase{L::week, 21, "21 Weeks Ago", "21 тиждень тому"},
                      TitleCase{L::month, 0, "This Month", "Цей місяць"},
                      TitleCase{L::month, 1, "Last Month", "Минулий місяць"},
                      TitleCase{L::month, 2, "2 Months Ago", "2 місяці тому"},
                      TitleCase{L::month, 5, "5 Months Ago", "5 місяців тому"},
                      TitleCase{L::month, 31, "31 Months Ago", "31 місяць тому"},
                      TitleCase{L::month, -3, "This Month", "Цей місяць"},
                      TitleCase{L::threeMonths, 0, "Last 3 Months", "Останні 3 місяці"},
                      TitleCase{L::threeMonths, 1, "3–6 Months Ago", "3–6 місяців тому"},
                      TitleCase{L::threeMonths, 2, "6–9 Months Ago", "6–9 місяців тому"},
                      TitleCase{L::threeMonths, 5, "15–18 Months Ago", "15–18 місяців тому"},
                      TitleCase{L::threeMonths, 7, "21–24 Months Ago", "21–24 місяці тому"},
                      TitleCase{L::sixMonths, 0, "Last 6 Months", "Останні 6 місяців"},
                      TitleCase{L::sixMonths, 1, "6–12 Months Ago", "6–12 місяців тому"},
                      TitleCase{L::sixMonths, 2, "12–18 Months Ago", "12–18 місяців тому"},
                      TitleCase{L::sixMonths, 5, "30–36 Months Ago", "30–36 місяців тому"},
                      TitleCase{L::year, 0, "Last 12 Months", "Останні 12 місяців"},
                      TitleCase{L::year, 1, "1–2 Years Ago", "1–2 роки тому"},
                      TitleCase{L::year, 2, "2–3 Years Ago", "2–3 роки тому"},
                      TitleCase{L::year, 5, "5–6 Years Ago", "5–6 років тому"},
                      TitleCase{L::year, 20, "20–21 Years Ago", "20–21 рік тому"},
                      TitleCase{L::max, 0, "All Time", "Увесь час"},
                      TitleCase{L::max, 5, "All Time", "Увесь час"},
                      TitleCase{L::last7Days, 0, "Last 7 Days", "Останні 7 днів"},
                      TitleCase{L::last30Days, 0, "Last 30 Days", "Останні 30 днів"},
                      TitleCase{L::last90Days, 0, "Last 90 Days", "Останні 90 днів"},
                      TitleCase{L::last6Months, 0, "Last 6 Months", "Останні 6 місяців"},
                      TitleCase{L::lastYear, 0, "Last 12 Months", "Останні 12 місяців"}));

TEST(PeriodLabels, titleOfAnOffsetBeyondTheEngineCountsTheComputedPeriods)
{
    const PeriodLabels labels(engineOn("en_US", d(2026, 12, 10)));
    EXPECT_EQ(str(labels.periodTitle(L::week, PeriodEngine::kMaxComputedOffset + 7)),
              "400000 Weeks Ago");
}

// Rolling periods before the current one are named by their dates: without
// the year when both ends lie in today's year, else with the year on each.
struct RollingCase
{
    const char* name;
    const char* locale;
    QDate today;
    PeriodLength length;
    std::int64_t offset;
    const char* expected;
};

class PeriodLabelsRolling : public ::testing::TestWithParam<RollingCase>
{
};

TEST_P(PeriodLabelsRolling, pastPeriodsAreNamedByTheirDates)
{
    const RollingCase& c = GetParam();
    const PeriodLabels labels(engineOn(c.locale, c.today));
    EXPECT_EQ(str(labels.periodTitle(c.length, c.offset)), c.expected);
    // The label of a past rolling period is the range alone.
    EXPECT_EQ(str(labels.periodLabel(c.length, c.offset)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsRolling,
    ::testing::Values(
        RollingCase{"sevenDaysAcrossMonths", "en_US", d(2026, 12, 10), L::last7Days, 1,
                    "Nov 27 – Dec 3"},
        RollingCase{"sevenDaysAcrossMonthsGB", "en_GB", d(2026, 12, 10), L::last7Days, 1,
                    "27 Nov – 3 Dec"},
        RollingCase{"sevenDaysAcrossMonthsUK", "uk_UA", d(2026, 12, 10), L::last7Days, 1,
                    "27 лист. – 3 груд."},
        RollingCase{"sevenDaysInOneMonth", "en_US", d(2026, 12, 10), L::last7Days, 2, "Nov 20–26"},
        RollingCase{"sevenDaysInOneMonthGB", "en_GB", d(2026, 12, 10), L::last7Days, 2,
                    "20–26 Nov"},
        RollingCase{"sevenDaysInOneMonthUK", "uk_UA", d(2026, 12, 10), L::last7Days, 2,
                    "20–26 лист."},
        RollingCase{"thirtyDays", "en_US", d(2026, 12, 10), L::last30Days, 1, "Oct 12 – Nov 10"},
        RollingCase{"ninetyDaysLastYear", "en_US", d(2026, 12, 10), L::last90Days, 5,
                    "Jun 19, 2025 – Sep 16, 2025"},
        RollingCase{"sixMonthsLastYear", "en_US", d(2026, 12, 10), L::last6Months, 2,
                    "Jun 11, 2025 – Dec 10, 2025"},
        RollingCase{"yearAcrossYears", "en_US", d(2026, 12, 10), L::lastYear, 1,
                    "Dec 11, 2024 – Dec 10, 2025"},
        RollingCase{"sameYearButNotTodays", "en_US", d(2027, 1, 5), L::last30Days, 1,
                    "Nov 7, 2026 – Dec 6, 2026"},
        RollingCase{"crossingIntoTodaysYear", "en_US", d(2027, 2, 10), L::last30Days, 1,
                    "Dec 13, 2026 – Jan 11, 2027"},
        RollingCase{"crossingIntoTodaysYearGB", "en_GB", d(2027, 2, 10), L::last30Days, 1,
                    "13 Dec 2026 – 11 Jan 2027"},
        RollingCase{"crossingIntoTodaysYearUK", "uk_UA", d(2027, 2, 10), L::last30Days, 1,
                    "13 груд. 2026\u202Fр. – 11 січ. 2027\u202Fр."}),
    caseName<RollingCase>);

// --- range labels and whole labels -------------------------------------------

struct LabelCase
{
    const char* name;
    const char* locale;
    QDate today;
    int monthStartDay;
    PeriodLength length;
    std::int64_t offset;
    const char* expected;
};

class PeriodLabelsLabel : public ::testing::TestWithParam<LabelCase>
{
};

TEST_P(PeriodLabelsLabel, joinsTitleAndRange)
{
    const LabelCase& c = GetParam();
    const PeriodLabels labels(
        engineOn(c.locale, c.today, c.monthStartDay, kKyiv, at(d(2024, 3, 15), QTime(9, 30))));
    EXPECT_EQ(str(labels.periodLabel(c.length, c.offset)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsLabel,
    ::testing::Values(
        LabelCase{"monthFromTheFirst", "en_US", d(2026, 12, 10), 1, L::month, 0,
                  "This Month · December 2026"},
        LabelCase{"monthFromTheFirstUK", "uk_UA", d(2026, 12, 10), 1, L::month, 0,
                  "Цей місяць · грудень 2026\u202Fр."},
        LabelCase{"lastMonth", "en_US", d(2026, 12, 10), 1, L::month, 1,
                  "Last Month · November 2026"},
        LabelCase{"monthFromTheTenth", "en_US", d(2026, 12, 15), 10, L::month, 0,
                  "This Month · Dec 10 – Jan 9"},
        LabelCase{"monthFromTheTenthGB", "en_GB", d(2026, 12, 15), 10, L::month, 0,
                  "This Month · 10 Dec – 9 Jan"},
        LabelCase{"monthFromTheTenthBeforeTheTenth", "en_US", d(2026, 12, 9), 10, L::month, 0,
                  "This Month · Nov 10 – Dec 9"},
        LabelCase{"payMonthFromThe25th", "en_US", d(2026, 12, 4), 25, L::month, 0,
                  "This Month · Nov 25 – Dec 24"},
        LabelCase{"payMonthFromThe25thUK", "uk_UA", d(2026, 12, 4), 25, L::month, 0,
                  "Цей місяць · 25 лист. – 24 груд."},
        LabelCase{"week", "en_US", d(2026, 12, 10), 1, L::week, 0, "Last 7 Days · Dec 4–10"},
        LabelCase{"weekGB", "en_GB", d(2026, 12, 10), 1, L::week, 0, "Last 7 Days · 4–10 Dec"},
        LabelCase{"weekAgoUK", "uk_UA", d(2026, 12, 10), 1, L::week, 2,
                  "2 тижні тому · 20–26 лист."},
        LabelCase{"threeMonths", "en_US", d(2026, 12, 10), 1, L::threeMonths, 0,
                  "Last 3 Months · Oct – Dec 2026"},
        LabelCase{"threeMonthsUK", "uk_UA", d(2026, 12, 10), 1, L::threeMonths, 0,
                  "Останні 3 місяці · жов – гру 2026\u202Fр."},
        LabelCase{"sixMonthsAgo", "en_US", d(2026, 12, 10), 1, L::sixMonths, 2,
                  "12–18 Months Ago · Jul – Dec 2025"},
        LabelCase{"yearAcrossYears", "en_US", d(2026, 3, 10), 1, L::year, 0,
                  "Last 12 Months · Apr 2025 – Mar 2026"},
        LabelCase{"threeMonthsFromThe25th", "en_US", d(2026, 12, 4), 25, L::threeMonths, 0,
                  "Last 3 Months · Sep 25 – Dec 24 2026"},
        LabelCase{"yearFromThe25thGB", "en_GB", d(2026, 12, 4), 25, L::year, 1,
                  "1–2 Years Ago · 25 Dec – 24 Dec 2025"},
        LabelCase{"allTime", "en_US", d(2026, 12, 10), 1, L::max, 0,
                  "All Time · Mar 2024 – Dec 2026"},
        LabelCase{"allTimeUK", "uk_UA", d(2026, 12, 10), 1, L::max, 0,
                  "Увесь час · бер 2024\u202Fр. – гру 2026\u202Fр."},
        LabelCase{"currentRollingPeriod", "en_US", d(2026, 12, 10), 1, L::last30Days, 0,
                  "Last 30 Days · Nov 11 – Dec 10"},
        LabelCase{"currentRollingYear", "en_US", d(2026, 12, 10), 1, L::lastYear, 0,
                  "Last 12 Months · Dec 11, 2025 – Dec 10, 2026"}),
    caseName<LabelCase>);

TEST(PeriodLabels, standaloneMonthRangeIsCapitalizedWhereTheLanguageDoesSo)
{
    const PeriodLabels ukrainian(engineOn("uk_UA", d(2026, 12, 10)));
    EXPECT_EQ(str(ukrainian.rangeLabel(L::month, 0, true)), "Грудень 2026\u202Fр.");
    EXPECT_EQ(str(ukrainian.rangeLabel(L::month, 0, false)), "грудень 2026\u202Fр.");
    const PeriodLabels english(engineOn("en_US", d(2026, 12, 10)));
    EXPECT_EQ(str(english.rangeLabel(L::month, 0, true)), "December 2026");
}

// --- day headers and short dates -------------------------------------------

struct HeaderCase
{
    const char* name;
    const char* locale;
    QDateTime date;
    const char* expected;
};

class PeriodLabelsDayHeader : public ::testing::TestWithParam<HeaderCase>
{
};

// Today is 10 December 2026 in Los Angeles, which is already the 11th in UTC
// for the evening hours.
TEST_P(PeriodLabelsDayHeader, namesTheDayRelativeToToday)
{
    const HeaderCase& c = GetParam();
    const PeriodLabels labels(engineOn(c.locale, d(2026, 12, 10), 1, "America/Los_Angeles"));
    EXPECT_EQ(str(labels.dayHeader(c.date)), c.expected);
}

QDateTime inLosAngeles(const QDate& day, const QTime& time)
{
    return at(day, time, "America/Los_Angeles");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsDayHeader,
    ::testing::Values(
        HeaderCase{"todayAtMidnight", "en_US", inLosAngeles(d(2026, 12, 10), QTime(0, 0)), "Today"},
        HeaderCase{"todayLateEvening", "en_US", inLosAngeles(d(2026, 12, 10), QTime(21, 0)),
                   "Today"},
        HeaderCase{"todayUK", "uk_UA", inLosAngeles(d(2026, 12, 10), QTime(23, 59)), "Сьогодні"},
        HeaderCase{"yesterday", "en_US", inLosAngeles(d(2026, 12, 9), QTime(23, 59)), "Yesterday"},
        HeaderCase{"yesterdayUK", "uk_UA", inLosAngeles(d(2026, 12, 9), QTime(0, 0)), "Учора"},
        HeaderCase{"twoDaysAgo", "en_US", inLosAngeles(d(2026, 12, 8), QTime(23, 0)),
                   "Tuesday, Dec 8"},
        HeaderCase{"twoDaysAgoGB", "en_GB", inLosAngeles(d(2026, 12, 8), QTime(23, 0)),
                   "Tuesday, 8 Dec"},
        HeaderCase{"twoDaysAgoUK", "uk_UA", inLosAngeles(d(2026, 12, 8), QTime(23, 0)),
                   "Вівторок, 8 груд."},
        HeaderCase{"tomorrowHasNoWord", "en_US", inLosAngeles(d(2026, 12, 11), QTime(0, 0)),
                   "Friday, Dec 11"},
        HeaderCase{"earlierThisYear", "en_US", inLosAngeles(d(2026, 1, 1), QTime(8, 0)),
                   "Thursday, Jan 1"},
        HeaderCase{"lastYearShowsTheYear", "en_US", inLosAngeles(d(2025, 12, 31), QTime(8, 0)),
                   "Wednesday, Dec 31, 2025"},
        HeaderCase{"oneYearAgo", "en_US", inLosAngeles(d(2025, 12, 10), QTime(8, 0)),
                   "Wednesday, Dec 10, 2025"},
        HeaderCase{"oneYearAgoGB", "en_GB", inLosAngeles(d(2025, 12, 10), QTime(8, 0)),
                   "Wednesday, 10 Dec 2025"},
        HeaderCase{"oneYearAgoUK", "uk_UA", inLosAngeles(d(2025, 12, 10), QTime(8, 0)),
                   "Середа, 10 груд. 2025\u202Fр."}),
    caseName<HeaderCase>);

TEST(PeriodLabels, shortDateShowsTheYearOnlyOutsideTodaysYear)
{
    const PeriodLabels english(engineOn("en_US", d(2026, 12, 10)));
    EXPECT_EQ(str(english.shortDate(at(d(2026, 1, 1)))), "Jan 1");
    EXPECT_EQ(str(english.shortDate(at(d(2025, 12, 31), QTime(23, 59)))), "Dec 31, 2025");
    EXPECT_EQ(str(english.shortDate(at(d(2027, 1, 1)))), "Jan 1, 2027");
    const PeriodLabels ukrainian(engineOn("uk_UA", d(2026, 12, 10)));
    EXPECT_EQ(str(ukrainian.shortDate(at(d(2026, 1, 1)))), "1 січ.");
    EXPECT_EQ(str(ukrainian.shortDate(at(d(2025, 12, 31)))), "31 груд. 2025\u202Fр.");
}

// --- named formats -----------------------------------------------------------

struct FormatCase
{
    const char* locale;
    const char* shortMonth;
    const char* shortMonthYear;
    const char* monthName;
    const char* longDate;
    const char* shortWeekday;
    const char* dayOfMonth;
    const char* weekdayAndDate;
    const char* timeOfDay;
    const char* dateAndTime;
};

void PrintTo(const FormatCase& c, std::ostream* out)
{
    *out << c.locale;
}

class PeriodLabelsFormats : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(PeriodLabelsFormats, followTheLocaleAndTheEngineZone)
{
    const FormatCase& c = GetParam();
    const PeriodLabels labels(engineOn(c.locale, d(2026, 12, 10)));
    // 12:05 UTC is 14:05 in Kyiv.
    const QDateTime instant(d(2026, 12, 11), QTime(12, 5), QTimeZone::utc());
    EXPECT_EQ(str(labels.shortMonth(instant)), c.shortMonth);
    EXPECT_EQ(str(labels.shortMonthYear(instant)), c.shortMonthYear);
    EXPECT_EQ(str(labels.monthName(instant)), c.monthName);
    EXPECT_EQ(str(labels.longDate(instant)), c.longDate);
    EXPECT_EQ(str(labels.shortWeekday(instant)), c.shortWeekday);
    EXPECT_EQ(str(labels.dayOfMonth(instant)), c.dayOfMonth);
    EXPECT_EQ(str(labels.weekdayAndDate(instant)), c.weekdayAndDate);
    EXPECT_EQ(str(labels.timeOfDay(instant)), c.timeOfDay);
    EXPECT_EQ(str(labels.dateAndTime(instant)), c.dateAndTime);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodLabelsFormats,
    ::testing::Values(FormatCase{"en_US", "Dec", "Dec 2026", "December", "December 11, 2026", "Fri",
                                 "11", "Friday, Dec 11", "2:05\u202FPM",
                                 "Dec 11, 2026, 2:05\u202FPM"},
                      FormatCase{"en_GB", "Dec", "Dec 2026", "December", "11 December 2026", "Fri",
                                 "11", "Friday, 11 Dec", "14:05", "11 Dec 2026, 14:05"},
                      FormatCase{"uk_UA", "гру", "гру 2026\u202Fр.", "грудень",
                                 "11 грудня 2026\u202Fр.", "Пт", "11", "Пʼятниця, 11 груд.",
                                 "14:05", "11 груд. 2026\u202Fр., 14:05"}),
    [](const ::testing::TestParamInfo<FormatCase>& param) {
        return std::string(param.param.locale);
    });

TEST(PeriodLabels, fixedOffsetZoneFormatsInThatOffset)
{
    const QTimeZone plusThree(3 * 3600);
    const PeriodEngine engine(QDateTime(d(2026, 12, 10), QTime(12, 0), plusThree),
                              CalendarSettings{1, 2}, plusThree, QLocale(QStringLiteral("en_GB")));
    const PeriodLabels labels(engine);
    // 22:30 UTC is already 01:30 on the 11th at UTC+3.
    const QDateTime instant(d(2026, 12, 10), QTime(22, 30), QTimeZone::utc());
    EXPECT_EQ(str(labels.dateAndTime(instant)), "11 Dec 2026, 01:30");
}

// --- locale changes and the cache --------------------------------------------

TEST(PeriodLabels, changingTheEngineLocaleChangesFormatsAndFixedTexts)
{
    const QDate today = d(2026, 12, 4);
    const auto label = [&](const char* locale) {
        const PeriodLabels labels(engineOn(locale, today, 25));
        return str(labels.periodLabel(L::month, 0) + QLatin1Char('|') +
                   labels.dayHeader(at(today, QTime(10, 0))));
    };
    EXPECT_EQ(label("en_US"), "This Month · Nov 25 – Dec 24|Today");
    EXPECT_EQ(label("uk_UA"), "Цей місяць · 25 лист. – 24 груд.|Сьогодні");
    EXPECT_EQ(label("en_GB"), "This Month · 25 Nov – 24 Dec|Today");
    // Nothing of the Ukrainian engine sticks to the English one after it.
    EXPECT_EQ(label("en_US"), "This Month · Nov 25 – Dec 24|Today");
}

TEST(PeriodLabels, fixedTextsIgnoreTheApplicationLanguage)
{
    // The application's own table is Ukrainian, the engine's locale English.
    ASSERT_TRUE(installApplicationTranslator(QLocale(QStringLiteral("uk_UA"))));
    const PeriodLabels labels(engineOn("en_US", d(2026, 12, 10)));
    const std::string title = str(labels.periodTitle(L::month, 0));
    installApplicationTranslator(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(title, "This Month");
}

TEST(FormatterCache, buildsOneFormatterPerKey)
{
    FormatterCache& cache = FormatterCache::shared();
    const FormatterCache::Key key{QStringLiteral("MMM d"), QStringLiteral("fr_FR"),
                                  QStringLiteral("gregorian"), QStringLiteral("Europe/Paris"),
                                  false};
    const DateFormatter& first = cache.formatter(key);
    const qsizetype count = cache.formatterCount();
    EXPECT_EQ(&cache.formatter(key), &first);
    EXPECT_EQ(cache.formatterCount(), count);

    FormatterCache::Key standalone = key;
    standalone.standalone = true;
    EXPECT_NE(&cache.formatter(standalone), &first);
    FormatterCache::Key otherZone = key;
    otherZone.timeZone = QStringLiteral("Asia/Tokyo");
    EXPECT_NE(&cache.formatter(otherZone), &first);
    EXPECT_EQ(cache.formatterCount(), count + 2);

    EXPECT_EQ(str(first.pattern()), "d MMM");
    EXPECT_TRUE(first.putsDayFirst());
}

TEST(FormatterCache, dayFirstIgnoresQuotedText)
{
    // Korean puts the month first and quotes nothing; Ukrainian quotes 'р'.
    // after the year; Hungarian writes "MMM d." with the month first.
    struct Case
    {
        const char* locale;
        bool dayFirst;
    };
    for (const Case& c : {Case{"ko_KR", false}, Case{"uk_UA", true}, Case{"hu_HU", false},
                          Case{"en_US", false}, Case{"de_DE", true}}) {
        const FormatterCache::Key key{QStringLiteral("MMM d"), QString::fromLatin1(c.locale),
                                      QStringLiteral("gregorian"), QStringLiteral("UTC"), false};
        EXPECT_EQ(FormatterCache::shared().formatter(key).putsDayFirst(), c.dayFirst) << c.locale;
    }
}

TEST(FormatterCache, unknownZoneFormatsInUtc)
{
    const FormatterCache::Key key{QStringLiteral("jmm"), QStringLiteral("en_GB"),
                                  QStringLiteral("gregorian"), QStringLiteral("Mars/Olympus"),
                                  false};
    const QDateTime instant(d(2026, 12, 10), QTime(22, 30), QTimeZone::utc());
    EXPECT_EQ(str(FormatterCache::shared().formatter(key).format(instant)), "22:30");
    EXPECT_EQ(str(FormatterCache::shared().formatter(key).format(QDateTime())), "");
}

TEST(FormatterCache, sharedFormattersAreSafeAcrossThreads)
{
    const PeriodLabels english(engineOn("en_US", d(2026, 12, 10)));
    const PeriodLabels ukrainian(engineOn("uk_UA", d(2026, 12, 10)));
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            const PeriodLabels& labels = t % 2 == 0 ? english : ukrainian;
            for (int i = 0; i < 300; ++i) {
                const QDate day = d(2026, 1, 1).addDays(i);
                if (labels.dayOfMonth(at(day, QTime(0, 30))) != QString::number(day.day()))
                    ++failures[static_cast<size_t>(t)];
                if (labels.periodTitle(L::month, 0).isEmpty())
                    ++failures[static_cast<size_t>(t)];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

} // namespace
