#include "reports/transaction_feed.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class TransactionFeedTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        cash = b.account(QStringLiteral("Cash"), QStringLiteral("UAH"));
        food = b.category(QStringLiteral("Food"));
        cafe = b.category(QStringLiteral("Cafe"), food);
        salary = b.category(QStringLiteral("Salary"), std::nullopt, CategoryKind::income);
        moves = b.category(QStringLiteral("Moves"), std::nullopt, CategoryKind::transfer);
    }

    TransactionFeed feed(const TransactionScope& scope,
                         TransactionFilter filter = TransactionFilter::all,
                         const QString& search = {})
    {
        const LedgerIndex index = b.build(uahRates());
        const PeriodEngine engine = engineOn(2026, 3, 31);
        return transactionFeed(index, engine.window(PeriodSelection(PeriodLength::month)).interval,
                               scope, filter, EntrySearch(search), engine);
    }

    static QStringList payees(const TransactionFeed& feed)
    {
        QStringList list;
        for (const TransactionFeed::Day& day : feed.days)
            for (const Entry& entry : day.entries)
                list.append(entry.payee);
        return list;
    }

    LedgerBuilder b;
    AccountId card;
    AccountId cash;
    CategoryId food;
    CategoryId cafe;
    CategoryId salary;
    CategoryId moves;
};

TEST_F(TransactionFeedTest, scopeFilterAndSearchNarrowTheList)
{
    auto add = [&](Entry& entry, const char* payee, std::optional<CategoryId> category) {
        entry.payee = QString::fromUtf8(payee);
        entry.categoryID = category;
    };
    add(b.expense(card, 100, kyiv(2026, 3, 2)), "groceries", food);
    add(b.expense(cash, 200, kyiv(2026, 3, 3)), "espresso", cafe);
    add(b.transfer(card, cash, 300, kyiv(2026, 3, 4)), "top-up", moves);
    add(b.transfer(cash, card, 400, kyiv(2026, 3, 5)), "back", food); // a transfer under food
    add(b.transfer(card, cash, 500, kyiv(2026, 3, 6)), "loose", std::nullopt);
    add(b.expense(card, 600, kyiv(2026, 3, 7)), "misfiled", salary);
    add(b.expense(card, 700, kyiv(2026, 4, 1, 0)), "april", food); // outside the window

    struct Case
    {
        const char* name;
        TransactionScope scope;
        TransactionFilter filter;
        QString search;
        QStringList payees; // newest first
    };
    const Case cases[] = {
        {"cash: transfers listed once",
         {std::nullopt, false, cash, false},
         TransactionFilter::all,
         {},
         texts({"loose", "back", "top-up", "espresso"})},
        {"food with what is below it",
         {food, false, std::nullopt, false},
         TransactionFilter::all,
         {},
         texts({"back", "espresso", "groceries"})},
        {"food alone",
         {food, true, std::nullopt, false},
         TransactionFilter::all,
         {},
         texts({"back", "groceries"})},
        {"transfers filed under food",
         {food, false, std::nullopt, false},
         TransactionFilter::transfers,
         {},
         texts({"back"})},
        {"uncategorized of every kind",
         {std::nullopt, false, std::nullopt, true},
         TransactionFilter::all,
         {},
         texts({"misfiled", "loose", "back"})},
        {"search after scope",
         {std::nullopt, false, card, false},
         TransactionFilter::expenses,
         QStringLiteral("gro"),
         texts({"groceries"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(payees(feed(c.scope, c.filter, c.search)), c.payees) << c.name;
}

TEST_F(TransactionFeedTest, daysAreCalendarDaysOfTheZoneNewestFirstWithTotals)
{
    b.expense(card, 100, kyiv(2026, 3, 28, 23, 59)).payee = QStringLiteral("late");
    b.expense(card, 200, kyiv(2026, 3, 29, 0, 1)).payee = QStringLiteral("early");
    // The clock jumps from 03:00 to 04:00 on 29 March: 23:30 is still that day.
    b.expense(card, 400, kyiv(2026, 3, 29, 23, 30)).payee = QStringLiteral("night");
    // Untimed transactions of one day share an instant; the later-created is newer.
    b.expense(cash, 800, kyiv(2026, 3, 30)).payee = QStringLiteral("first made");
    b.income(cash, 1600, kyiv(2026, 3, 30)).payee = QStringLiteral("second made");
    const TransactionFeed result = feed({});

    ASSERT_EQ(result.days.size(), 3u);
    EXPECT_EQ(result.days[0].id, kyiv(2026, 3, 30, 0));
    EXPECT_EQ(result.days[1].id, kyiv(2026, 3, 29, 0));
    EXPECT_EQ(result.days[2].id, kyiv(2026, 3, 28, 0));
    EXPECT_EQ(payees(result), (QStringList{QStringLiteral("second made"),
                                           QStringLiteral("first made"), QStringLiteral("night"),
                                           QStringLiteral("early"), QStringLiteral("late")}));
    EXPECT_EQ(result.days[1].totals.spent, uah(600));
    EXPECT_EQ(result.days[0].totals.received, uah(1600));
    EXPECT_EQ(result.totals.spent, uah(1500));
    EXPECT_EQ(result.totals.expenseCount, 4);
    EXPECT_TRUE(feed({}, TransactionFilter::all, QStringLiteral("nothing like it")).days.empty());
}

} // namespace
