#include "reports/category_detail.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class CategoryDetailTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        food = b.category(QStringLiteral("Food"));
        cafe = b.category(QStringLiteral("Cafe"), food);
        other = b.category(QStringLiteral("Other"));
    }

    LedgerBuilder b;
    AccountId card;
    CategoryId food;
    CategoryId cafe;
    CategoryId other;
};

TEST_F(CategoryDetailTest, daysOfTheCurrentMonthUpToTodayWithTheirAverageShareAndComparison)
{
    b.expense(card, 1000, kyiv(2026, 11, 1, 0, 0)).categoryID = food;
    b.expense(card, 500, kyiv(2026, 11, 15, 23, 59)).categoryID = cafe; // today, still counts
    b.expense(card, 700, kyiv(2026, 11, 16, 0, 0)).categoryID = cafe;   // tomorrow: not yet
    b.expense(card, 9999, kyiv(2026, 11, 3)).categoryID = other;
    b.income(card, 300, kyiv(2026, 11, 4)).categoryID = food;       // matches by category alone
    b.expense(card, 250, kyiv(2026, 10, 15, 23)).categoryID = cafe; // within the same days before
    b.expense(card, 250, kyiv(2026, 10, 16, 1)).categoryID = cafe;  // after them
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);

    const CategoryDetail detail =
        categoryDetail(index, engine, CategoryScope::category(food),
                       PeriodSelection(PeriodLength::month), uah(3600), false);
    EXPECT_EQ(detail.granularity, BucketGranularity::day);
    ASSERT_EQ(detail.bars.size(), 15u); // 1…15 November; no bar for the days ahead
    EXPECT_EQ(detail.bars.front().amount, uah(1000));
    EXPECT_EQ(detail.bars[2].amount, uah(0));
    EXPECT_EQ(detail.bars[3].amount, uah(300));
    EXPECT_EQ(detail.bars.back().amount, uah(500));
    EXPECT_EQ(detail.total, uah(1800));
    EXPECT_EQ(detail.count, 3);
    EXPECT_EQ(detail.average, uah(120)); // 1800 / 15
    EXPECT_DOUBLE_EQ(detail.share, 0.5);
    EXPECT_EQ(detail.comparisonInterval,
              (DateInterval{kyiv(2026, 10, 1, 0), kyiv(2026, 10, 16, 0)}));
    EXPECT_EQ(detail.comparisonTotal, uah(250));
    ASSERT_EQ(detail.recent.size(), 3u);
    EXPECT_EQ(detail.recent.front().amount, uah(500)); // newest first

    const auto range = barRange(detail, 3, 0);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->amount, uah(1300));
    EXPECT_EQ(range->count, 4);
    EXPECT_EQ(range->interval, (DateInterval{kyiv(2026, 11, 1, 0), kyiv(2026, 11, 5, 0)}));
    EXPECT_FALSE(barRange(detail, 0, 15));
}

TEST_F(CategoryDetailTest, averageUsesCompleteBarsAndIsDroppedForDaysWhenMonthsArePreferred)
{
    // Wednesday 18 November: the week of 16 November is still running.
    b.expense(card, 7000, kyiv(2026, 11, 9)).categoryID = cafe;
    b.expense(card, 100, kyiv(2026, 11, 17)).categoryID = cafe;
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 18);
    struct Case
    {
        const char* name;
        PeriodLength length;
        bool preferMonths;
        BucketGranularity granularity;
        std::optional<std::int64_t> average;
        bool lastComplete;
    };
    // Weeks of 3M from Monday 1 September: 11 complete ones (7000 / 11 =
    // 636.36…), the twelfth running. Months: September and October only.
    for (const Case& c :
         {Case{"weeks", PeriodLength::threeMonths, false, BucketGranularity::week, 636, false},
          Case{"months", PeriodLength::threeMonths, true, BucketGranularity::month, 0, false},
          Case{"days, months preferred", PeriodLength::month, true, BucketGranularity::day,
               std::nullopt, true},
          // 18 whole days up to today: 7100 / 18 = 394.4…
          Case{"days", PeriodLength::month, false, BucketGranularity::day, 394, true}}) {
        const CategoryDetail detail =
            categoryDetail(index, engine, CategoryScope::category(cafe), PeriodSelection(c.length),
                           uah(0), c.preferMonths);
        EXPECT_EQ(detail.granularity, c.granularity) << c.name;
        EXPECT_EQ(detail.average, c.average ? std::optional(uah(*c.average)) : std::nullopt)
            << c.name;
        EXPECT_EQ(detail.share, 0.0) << c.name; // the mode's total was 0
        EXPECT_EQ(detail.bars.back().isComplete, c.lastComplete) << c.name;
    }
}

TEST_F(CategoryDetailTest, uncategorizedAndTransferScopes)
{
    const auto savings = b.account(QStringLiteral("Savings"), QStringLiteral("UAH"));
    b.expense(card, 100, kyiv(2026, 11, 2));
    b.income(card, 200, kyiv(2026, 11, 2)); // uncategorized, but income
    b.transfer(card, savings, 300, kyiv(2026, 11, 3));
    b.transfer(card, savings, 400, kyiv(2026, 11, 4)).categoryID = food;
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);
    const PeriodSelection month(PeriodLength::month);

    EXPECT_EQ(categoryDetail(index, engine, CategoryScope::uncategorized(EntryKind::expense), month,
                             uah(100), false)
                  .total,
              uah(100));
    const CategoryDetail toSavings =
        categoryDetail(index, engine, CategoryScope::transfers(TransferGroup::toAccount(savings)),
                       month, uah(700), false);
    EXPECT_EQ(toSavings.total, uah(700));
    EXPECT_EQ(toSavings.count, 2);
}

} // namespace
