#include "reports/category_breakdown.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class CategoryBreakdownTest : public ReportTest
{
protected:
    DateInterval november() { return {kyiv(2026, 11, 1, 0), kyiv(2026, 12, 1, 0)}; }
    QDateTime inNovember(int day) { return kyiv(2026, 11, day); }

    static QStringList names(const std::vector<CategoryNode>& nodes)
    {
        QStringList list;
        for (const CategoryNode& node : nodes)
            list.append(node.name);
        return list;
    }
};

TEST_F(CategoryBreakdownTest, homeAccountHasMostTransfersAndTiesGoToTheLaterId)
{
    struct Case
    {
        const char* name;
        int fromFirst;
        int fromSecond;
        std::optional<int> home; // account number
    };
    for (const Case& c : {Case{"no transfers", 0, 0, std::nullopt}, Case{"first", 3, 2, 1},
                          Case{"second", 1, 2, 2}, Case{"tie: later id", 2, 2, 2}}) {
        LedgerBuilder b;
        const auto first = b.account(QStringLiteral("First"), QStringLiteral("UAH"));
        const auto second = b.account(QStringLiteral("Second"), QStringLiteral("UAH"));
        for (int i = 0; i < c.fromFirst; ++i)
            b.transfer(first, second, 100, inNovember(2));
        for (int i = 0; i < c.fromSecond; ++i)
            b.transfer(second, first, 100, inNovember(3));
        b.expense(first, 100, inNovember(4)); // expenses never make a home
        const LedgerIndex index = b.build(uahRates());
        EXPECT_EQ(index.homeAccount(), c.home ? std::optional(accountId(*c.home)) : std::nullopt)
            << c.name;
    }
}

TEST_F(CategoryBreakdownTest, transfersAreGroupedAroundTheHomeAccount)
{
    LedgerBuilder b;
    const auto checking = b.account(QStringLiteral("Checking"), QStringLiteral("UAH"));
    const auto savings =
        b.account(QStringLiteral("Savings"), QStringLiteral("UAH"), 0, AccountKind::savings);
    const auto card =
        b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 0, AccountKind::creditCard);
    const auto loan =
        b.account(QStringLiteral("Loan"), QStringLiteral("UAH"), 0, AccountKind::loan);
    b.transfer(checking, savings, 10000, inNovember(2));
    b.transfer(checking, savings, 5000, inNovember(3));
    b.transfer(checking, card, 7000, inNovember(4));
    b.transfer(checking, loan, 3000, inNovember(4)); // a loan is of the credit group too
    b.transfer(savings, card, 2000, inNovember(5));
    b.transfer(savings, checking, 1000, inNovember(6));
    const LedgerIndex index = b.build(uahRates());
    ASSERT_EQ(index.homeAccount(), checking);

    const CategoryBreakdown breakdown =
        categoryBreakdown(index, november(), CategoryMode::transfers);
    EXPECT_EQ(names(breakdown.nodes),
              (QStringList{QStringLiteral("To Savings"), QStringLiteral("Card Payments"),
                           QStringLiteral("Savings → Card"), QStringLiteral("From Savings")}));
    EXPECT_EQ(breakdown.nodes[0].amount, uah(15000));
    EXPECT_EQ(breakdown.nodes[0].count, 2);
    EXPECT_EQ(breakdown.nodes[1].amount, uah(10000));
    EXPECT_EQ(breakdown.nodes[1].id, CategoryScope::transfers(TransferGroup::cardPayments()));
    EXPECT_EQ(breakdown.total, uah(28000));
    EXPECT_EQ(std::get<SymbolIcon>(breakdown.nodes[1].icon),
              (SymbolIcon{QStringLiteral("creditcard.fill"), QStringLiteral("#D6336C")}));
    // An account without a symbol of its own gets the transfer symbol.
    EXPECT_EQ(std::get<SymbolIcon>(breakdown.nodes[0].icon).name,
              QStringLiteral("arrow.left.arrow.right"));
}

TEST_F(CategoryBreakdownTest, uncategorizedCoversTheFourWaysAndIsCountedEvenWhenHidden)
{
    LedgerBuilder b;
    const auto card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
    const auto food = b.category(QStringLiteral("Food"));
    const auto salary = b.category(QStringLiteral("Salary"), std::nullopt, CategoryKind::income);
    const auto loopA = b.category(QStringLiteral("Loop A"));
    const auto loopB = b.category(QStringLiteral("Loop B"), loopA);
    b.records().categories[2].parentID = loopB;                      // Loop A ↔ Loop B
    b.expense(card, 100, inNovember(2));                             // no category
    b.expense(card, 200, inNovember(3)).categoryID = categoryId(99); // deleted
    b.expense(card, 400, inNovember(4)).categoryID = loopB;          // cycle
    b.expense(card, 800, inNovember(5)).categoryID = salary;         // income tree
    b.expense(card, 1600, inNovember(6)).categoryID = food;          // categorized
    b.income(card, 3200, inNovember(7));                             // another kind
    const LedgerIndex index = b.build(uahRates());

    const CategoryBreakdown expenses = categoryBreakdown(index, november(), CategoryMode::expenses);
    ASSERT_EQ(names(expenses.nodes),
              (QStringList{QStringLiteral("Food"), QStringLiteral("Uncategorized")}));
    EXPECT_EQ(expenses.nodes[1].amount, uah(1500));
    EXPECT_EQ(expenses.nodes[1].count, 4);
    EXPECT_EQ(expenses.nodes[1].id, CategoryScope::uncategorized(EntryKind::expense));
    EXPECT_EQ(expenses.total, uah(3100));

    // Only amounts without a rate: the row's sum is 0 and it is not shown,
    // but the breakdown still says how many were left out.
    LedgerBuilder c;
    const auto gbp = c.account(QStringLiteral("Pounds"), QStringLiteral("GBP"));
    c.expense(gbp, 500, inNovember(2));
    c.expense(gbp, 700, inNovember(3));
    const CategoryBreakdown hidden =
        categoryBreakdown(c.build(uahRates()), november(), CategoryMode::expenses);
    EXPECT_TRUE(hidden.nodes.empty());
    EXPECT_EQ(hidden.uncounted, 2);
}

TEST_F(CategoryBreakdownTest, treeListsOneKindWithRolledUpTotalsLargestFirstThenByName)
{
    LedgerBuilder b;
    const auto card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
    const auto food = b.category(QStringLiteral("Food"));
    const auto groceries = b.category(QStringLiteral("Groceries"), food);
    const auto cafe = b.category(QStringLiteral("Cafe"), food);
    const auto bakery = b.category(QStringLiteral("Bakery"), food);
    b.category(QStringLiteral("Refunds"), food, CategoryKind::income); // other kind, skipped
    const auto home = b.category(QStringLiteral("Home"));
    b.category(QStringLiteral("Zoo"));
    b.expense(card, 300, inNovember(2)).categoryID = groceries;
    b.expense(card, 300, inNovember(3)).categoryID = cafe;
    b.expense(card, 1000, inNovember(4)).categoryID = home;
    b.expense(card, 999, kyiv(2026, 12, 1, 0)).categoryID = food; // after the interval
    const LedgerIndex index = b.build(uahRates());

    const CategoryBreakdown breakdown =
        categoryBreakdown(index, november(), CategoryMode::expenses);
    EXPECT_EQ(names(breakdown.nodes),
              (QStringList{QStringLiteral("Home"), QStringLiteral("Food"), QStringLiteral("Zoo")}));
    const CategoryNode& foodNode = breakdown.nodes[1];
    EXPECT_EQ(foodNode.amount, uah(600));
    EXPECT_EQ(foodNode.count, 2);
    ASSERT_TRUE(foodNode.children);
    // Equal amounts by name; the income subcategory is not listed; zero rows are.
    EXPECT_EQ(names(*foodNode.children),
              (QStringList{QStringLiteral("Cafe"), QStringLiteral("Groceries"),
                           QStringLiteral("Bakery")}));
    EXPECT_FALSE(foodNode.children->back().children); // a leaf has no list at all
    EXPECT_EQ(foodNode.children->back().id, CategoryScope::category(bakery));
}

TEST_F(CategoryBreakdownTest, indexPathLevelsAndUse)
{
    LedgerBuilder b;
    const auto card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
    const auto travel = b.category(QStringLiteral("Travel"));
    const auto flights = b.category(QStringLiteral("Flights"), travel);
    const auto hotels = b.category(QStringLiteral("Hotels"), travel);
    const auto hostels = b.category(QStringLiteral("Hostels"), hotels);
    const auto spare = b.category(QStringLiteral("Spare"));
    b.expense(card, 100, inNovember(2)).categoryID = hostels;
    const LedgerIndex index = b.build(uahRates());

    EXPECT_EQ(index.path(hostels), (std::vector<CategoryId>{travel, hotels, hostels}));
    EXPECT_EQ(index.levels(travel), 3);
    EXPECT_EQ(index.levels(flights), 1);
    EXPECT_EQ(index.levels(categoryId(42)), 0);
    EXPECT_TRUE(index.isInUse(travel));
    EXPECT_TRUE(index.isInUse(hostels));
    EXPECT_FALSE(index.isInUse(flights));
    EXPECT_FALSE(index.isInUse(spare));
}

} // namespace
