#include <functional>

#include <QSet>

#include <gtest/gtest.h>

#include "model/account.h"
#include "model/balance_checkpoint.h"
#include "model/budget.h"
#include "model/category_item.h"
#include "model/entry.h"
#include "model/goal.h"

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

Entry sampleEntry()
{
    Entry e;
    e.id = EntryId::random();
    e.date = QDateTime(QDate(2025, 3, 7), QTime(9, 5), Qt::UTC);
    e.amount = Money{1250, q("EUR")};
    e.toAmount = Money{5000, q("UAH")};
    e.payee = q("Café");
    e.texts.setTags({q("food")});
    e.accountID = AccountId::random();
    e.kind = EntryKind::transfer;
    return e;
}

TEST(Records, equalityComparesEveryField)
{
    const Entry base = sampleEntry();
    Entry copy = base;
    EXPECT_EQ(copy, base);
    EXPECT_EQ(qHash(copy), qHash(base));

    const std::function<void(Entry&)> changes[] = {
        [](Entry& e) { e.hasTime = false; },
        [](Entry& e) { e.toAmount.reset(); },
        [](Entry& e) { e.amount.currency = q("USD"); },
        [](Entry& e) { e.texts.setTags(e.tags() + QStringList{q("x")}); },
        [](Entry& e) { e.texts.setContactName(q("")); },
        [](Entry& e) { e.texts.setContactIdentifier(q("id")); },
        [](Entry& e) { e.texts.setNote(q("n")); },
        [](Entry& e) { e.categoryID = CategoryId::random(); },
        [](Entry& e) { e.date = e.date.addMSecs(1); },
        [](Entry& e) { e.hasReceipt = true; },
    };
    for (const auto& change : changes) {
        Entry changed = base;
        change(changed);
        EXPECT_NE(changed, base);
    }
}

TEST(Records, entryTextsAreCopiedOnWriteAndEmptyAgainWhenCleared)
{
    Entry base = sampleEntry();
    base.texts.setNote(q("lunch"));
    base.texts.setContactName(q("Olena"));

    Entry copy = base;
    copy.texts.setNote(q("dinner"));
    EXPECT_EQ(base.note(), q("lunch"));
    EXPECT_EQ(copy.note(), q("dinner"));
    EXPECT_EQ(copy.contactName(), q("Olena"));

    // Clearing every text gives back an entry equal (and hashing equal) to
    // one that never had any.
    Entry plain = sampleEntry();
    plain.texts.setTags({});
    Entry cleared = base;
    cleared.texts.setTags({});
    cleared.texts.setNote(QString());
    cleared.texts.setContactName(std::nullopt);
    cleared.id = plain.id = base.id;
    cleared.accountID = plain.accountID = base.accountID;
    EXPECT_EQ(cleared, plain);
    EXPECT_EQ(qHash(cleared), qHash(plain));
    EXPECT_TRUE(cleared.note().isEmpty());
    EXPECT_FALSE(cleared.contactName().has_value());
}

TEST(Records, hashesAreConsistentWithEquality)
{
    Account a;
    a.id = AccountId::random();
    a.interestRate = *Decimal::parse(u"12.50");
    Account b = a;
    b.interestRate = *Decimal::parse(u"12.5");
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));

    Goal g;
    g.accountIDs = {AccountId::random()};
    Goal h = g;
    h.accountIDs.append(AccountId::random());
    QSet<Goal> goals{g, h, g};
    EXPECT_EQ(goals.size(), 2);

    const BalanceCheckpoint c{CheckpointId::random(), AccountId::random(),
                              QDateTime(QDate(2025, 1, 1), QTime(), Qt::UTC), Money{1, q("USD")},
                              QDateTime(QDate(2025, 1, 1), QTime(), Qt::UTC)};
    EXPECT_EQ(qHash(c), qHash(BalanceCheckpoint(c)));
    Budget budget;
    budget.categoryIDs = {CategoryId::random()};
    EXPECT_EQ(qHash(budget), qHash(Budget(budget)));
    CategoryItem item;
    item.icon = CategoryIcon::emoji(q("🍕"));
    EXPECT_EQ(qHash(item), qHash(CategoryItem(item)));
}

} // namespace
