#include "reports/entry_search.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

using Kind = EntrySearch::AmountQuery::Kind;

TEST(EntrySearch, wordsReadAsAmounts)
{
    struct Case
    {
        const char* word;
        std::optional<Kind> kind;
        const char* value;
    };
    for (const Case& c :
         {Case{"12", Kind::whole, "12"}, Case{"12.5", Kind::exact, "12.5"},
          Case{"12,5", Kind::exact, "12.5"}, Case{"12,50", Kind::exact, "12.5"},
          Case{"1,250", Kind::whole, "1250"}, Case{"1,250.75", Kind::exact, "1250.75"},
          Case{"1,250,000", Kind::whole, "1250000"}, Case{"₴12,50", Kind::exact, "12.5"},
          Case{"$3900", Kind::whole, "3900"}, Case{"12a", std::nullopt, ""},
          Case{",5", std::nullopt, ""}, Case{"1.2.3", std::nullopt, ""},
          Case{"$", std::nullopt, ""}, Case{"١٢", Kind::whole, "12"}}) {
        const auto amount = EntrySearch::amountQuery(QString::fromUtf8(c.word));
        ASSERT_EQ(amount.has_value(), c.kind.has_value()) << c.word;
        if (!amount)
            continue;
        EXPECT_EQ(amount->kind, *c.kind) << c.word;
        EXPECT_EQ(amount->value, *Decimal::parse(QString::fromUtf8(c.value))) << c.word;
    }
}

class EntrySearchTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        dollars = b.account(QStringLiteral("Dollars"), QStringLiteral("USD"));
        const auto food = b.category(QStringLiteral("Food"));
        const auto cafe = b.category(QStringLiteral("Cafe"), food);
        add(b.expense(card, 1200, kyiv(2024, 3, 5)), "twelve flat").categoryID = cafe;
        add(b.expense(card, 1299, kyiv(2025, 7, 12)), "just under");
        add(b.expense(card, 1250, kyiv(2025, 7, 20)), "twelve fifty");
        add(b.expense(card, 125000, kyiv(2025, 8, 1)), "thousand");
        add(b.expense(card, 202450, kyiv(2025, 1, 31)), "year sum");
        add(b.transfer(dollars, card, 10000, kyiv(2025, 2, 14), 390000), "exchange");
        add(b.expense(card, 500, kyiv(2025, 11, 1)), "Don’t Stop Cafe").categoryID = std::nullopt;
        add(b.expense(card, 600, kyiv(2025, 11, 2)), "Marina");
    }

    Entry& add(Entry& entry, const char* payee)
    {
        entry.payee = QString::fromUtf8(payee);
        return entry;
    }

    QStringList find(const char* query, const QList<QLocale>& languages = {})
    {
        const LedgerIndex index = b.build(uahRates());
        const PeriodEngine engine = engineOn(2026, 1, 1);
        const EntrySearch search(QString::fromUtf8(query), languages);
        EntrySearch::Context context(search, index, engine);
        QStringList found;
        for (const Entry* entry :
             search.filter(index.entries({kyiv(2000, 1, 1), kyiv(2030, 1, 1)}), context))
            found.append(entry->payee);
        return found;
    }

    LedgerBuilder b;
    AccountId card;
    AccountId dollars;
};

TEST_F(EntrySearchTest, everyWordMatchesAsTextAmountOrDate)
{
    struct Case
    {
        const char* query;
        QStringList payees; // in date order
    };
    const Case cases[] = {
        {"", texts({"twelve flat", "year sum", "exchange", "just under", "twelve fifty", "thousand",
                    "Don’t Stop Cafe", "Marina"})},
        {"   ", texts({"twelve flat", "year sum", "exchange", "just under", "twelve fifty",
                       "thousand", "Don’t Stop Cafe", "Marina"})},
        // Whole 12: 12.00 to 12.99, and the day of the month 12.
        {"12", texts({"twelve flat", "just under", "twelve fifty"})},
        {"12.5", texts({"twelve fifty"})},
        {"12,5", texts({"twelve fifty"})},
        {"1,250", texts({"thousand"})},
        // The year 2024, and 2024.00 to 2024.99.
        {"2024", texts({"twelve flat", "year sum"})},
        {"mar", texts({"twelve flat", "Marina"})},
        {"ma", texts({"Marina"})},
        {"3900", texts({"exchange"})},
        {"100", texts({"exchange"})},
        {"expense 12.5", texts({"twelve fifty"})},
        {"food", texts({"twelve flat"})},      // the parent of its category
        {"dollars", texts({"exchange"})},      // an account's name
        {"don't", texts({"Don’t Stop Cafe"})}, // apostrophes count as one
        {"dont", {}},
        {"cafe 2024", texts({"twelve flat"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(find(c.query), c.payees) << c.query;
}

TEST_F(EntrySearchTest, monthNamesOfTheUsersLanguage)
{
    const QList<QLocale> ukrainian{QLocale(QStringLiteral("uk_UA"))};
    const QList<QLocale> russian{QLocale(QStringLiteral("ru_RU"))};
    EXPECT_EQ(find("лист", ukrainian),
              (QStringList{QStringLiteral("Don’t Stop Cafe"), QStringLiteral("Marina")}));
    EXPECT_EQ(find("лют", ukrainian), QStringList{QStringLiteral("exchange")});
    EXPECT_EQ(find("авг", russian), QStringList{QStringLiteral("thousand")});
    EXPECT_TRUE(find("лист").isEmpty()); // English alone knows no Ukrainian months
}

} // namespace
