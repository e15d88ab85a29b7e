#include "ledger_generator.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <vector>

#include <QStringList>

#include "model/category_icon.h"
#include "model/entry_kind.h"
#include "store/store_context.h"

namespace tallyra::bench {

namespace {

struct AccountSpec
{
    const char* name;
    const char* group;
    const char* kind;
    const char* currency;
};

constexpr std::array<AccountSpec, 12> kAccounts{{
    {"Main Card", "bank", "checking", "UAH"},
    {"Salary Card", "bank", "checking", "UAH"},
    {"Cash", "cash", "cash", "UAH"},
    {"Savings Deposit", "savings", "savings", "UAH"},
    {"Credit Card", "credit", "creditCard", "UAH"},
    {"Car Loan", "credit", "loan", "UAH"},
    {"Wise USD", "bank", "checking", "USD"},
    {"USD Cash", "cash", "cash", "USD"},
    {"Brokerage", "investments", "investment", "USD"},
    {"Euro Card", "bank", "checking", "EUR"},
    {"Euro Cash", "cash", "cash", "EUR"},
    {"Euro Savings", "savings", "savings", "EUR"},
}};

// The random choices one transaction needs, from one seeded engine.
class Dice
{
public:
    explicit Dice(std::uint64_t seed) : m_engine(seed) {}

    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_engine);
    }
    size_t index(size_t size)
    {
        return static_cast<size_t>(between(0, static_cast<std::int64_t>(size) - 1));
    }
    bool chance(int percent) { return between(0, 99) < percent; }

private:
    std::mt19937_64 m_engine;
};

struct CategoryTree
{
    std::vector<std::int64_t> expenseLeaves;
    std::vector<std::int64_t> incomeLeaves;
    std::vector<std::int64_t> transferLeaves;
    std::vector<std::int64_t> roots;
    int count = 0;
};

// 6 roots, 3 children each, 2 grandchildren per child, and one
// great-grandchild under every other grandchild: 78 categories.
CategoryTree insertCategories(StoreContext& context)
{
    CategoryTree tree;
    const std::array<std::pair<const char*, const char*>, 6> roots{{
        {"Food", "expense"},
        {"Home", "expense"},
        {"Transport", "expense"},
        {"Leisure", "expense"},
        {"Income", "income"},
        {"Moves", "transfer"},
    }};
    std::int64_t order = 0;
    auto insert = [&](const QString& name, const char* kind, std::optional<std::int64_t> parent) {
        CategoryModel m;
        m.name = name;
        m.kindRaw = QString::fromLatin1(kind);
        m.parent = parent;
        m.order = order++;
        m.setIcon(CategoryIcon::symbol(QStringLiteral("tag.fill")));
        ++tree.count;
        return context.insert(m);
    };
    for (const auto& [rootName, kind] : roots) {
        const std::int64_t root = insert(QString::fromLatin1(rootName), kind, std::nullopt);
        tree.roots.push_back(root);
        std::vector<std::int64_t>& leaves = QByteArrayView(kind) == "expense" ? tree.expenseLeaves
                                            : QByteArrayView(kind) == "income"
                                                ? tree.incomeLeaves
                                                : tree.transferLeaves;
        for (int c = 1; c <= 3; ++c) {
            const QString childName = QString::fromLatin1(rootName) + QStringLiteral(" %1").arg(c);
            const std::int64_t child = insert(childName, kind, root);
            for (int g = 1; g <= 2; ++g) {
                const QString grandName = childName + QStringLiteral(".%1").arg(g);
                const std::int64_t grand = insert(grandName, kind, child);
                leaves.push_back(grand);
                if (g == 1)
                    leaves.push_back(insert(grandName + QStringLiteral(" detail"), kind, grand));
            }
        }
    }
    return tree;
}

// What one unit of each currency is worth in UAH, roughly, so transfers
// across currencies carry a believable received amount.
std::int64_t convertMinor(std::int64_t minor, const QString& from, const QString& to)
{
    auto inUah = [](const QString& code) { return code == u"USD" ? 41 : code == u"EUR" ? 45 : 1; };
    return std::max<std::int64_t>(1, minor * inUah(from) / inUah(to));
}

} // namespace

GeneratedLedger generateLedger(StoreContext& context, std::int64_t transactionCount,
                               const QDateTime& end)
{
    Dice dice(0x7a11e7a + static_cast<std::uint64_t>(transactionCount));
    GeneratedLedger result;

    std::vector<AccountModel> accounts;
    for (size_t i = 0; i < kAccounts.size(); ++i) {
        AccountModel m;
        m.name = QString::fromLatin1(kAccounts[i].name);
        m.groupRaw = QString::fromLatin1(kAccounts[i].group);
        m.kindRaw = QString::fromLatin1(kAccounts[i].kind);
        m.currency = QString::fromLatin1(kAccounts[i].currency);
        m.openingBalanceMinor = dice.between(0, 5'000'000);
        m.order = static_cast<std::int64_t>(i);
        context.insert(m);
        accounts.push_back(m);
    }
    result.accounts = static_cast<int>(accounts.size());
    const CategoryTree tree = insertCategories(context);
    result.categories = tree.count;

    QStringList payees;
    for (int i = 0; i < 300; ++i)
        payees << QStringLiteral("Payee %1").arg(i);
    const QStringList notes{QStringLiteral("Monthly"), QStringLiteral("Paid back later"),
                            QStringLiteral("Split with friends"),
                            QStringLiteral("Refund expected")};
    const QStringList tagSets{QStringLiteral("family"), QStringLiteral("trip\nvacation"),
                              QStringLiteral("work"), QStringLiteral("weekend")};

    const qint64 endMSecs = end.toMSecsSinceEpoch();
    const qint64 spanMSecs = end.addYears(-10).msecsTo(end);
    const qint64 startMSecs = endMSecs - spanMSecs;
    for (std::int64_t i = 0; i < transactionCount; ++i) {
        TransactionModel m;
        // Mostly in the order typed; one in twenty back-dated by up to a month.
        qint64 at = startMSecs + spanMSecs * i / transactionCount;
        if (dice.chance(5))
            at = std::max(startMSecs, at - dice.between(0, 30LL * 86'400'000));
        const bool timed = dice.chance(80);
        const QDateTime day = QDateTime::fromMSecsSinceEpoch(at, Qt::UTC);
        m.date = timed ? day : QDateTime(day.date(), QTime(12, 0), Qt::UTC);
        m.hasTime = timed;
        const int roll = static_cast<int>(dice.between(0, 99));
        const EntryKind kind = roll < 80   ? EntryKind::expense
                               : roll < 92 ? EntryKind::income
                                           : EntryKind::transfer;
        m.kindRaw = rawValue(kind);
        const size_t account = dice.index(accounts.size());
        m.account = accounts[account].objectID;
        const std::vector<std::int64_t>& leaves = kind == EntryKind::expense  ? tree.expenseLeaves
                                                  : kind == EntryKind::income ? tree.incomeLeaves
                                                                              : tree.transferLeaves;
        if (!dice.chance(3))
            m.category = leaves[dice.index(leaves.size())];
        m.amountMinor = kind == EntryKind::income ? dice.between(100'000, 8'000'000)
                                                  : dice.between(500, 400'000);
        if (kind == EntryKind::transfer) {
            size_t to = dice.index(accounts.size() - 1);
            if (to >= account)
                ++to;
            m.toAccount = accounts[to].objectID;
            if (accounts[to].currency != accounts[account].currency)
                m.toAmountMinor =
                    convertMinor(m.amountMinor, accounts[account].currency, accounts[to].currency);
        }
        m.payee = payees[static_cast<qsizetype>(dice.index(static_cast<size_t>(payees.size())))];
        if (dice.chance(10))
            m.note = notes[static_cast<qsizetype>(dice.index(static_cast<size_t>(notes.size())))];
        if (dice.chance(10))
            m.tagsText =
                tagSets[static_cast<qsizetype>(dice.index(static_cast<size_t>(tagSets.size())))];
        m.cleared = !dice.chance(5);
        context.insert(m);
    }
    result.transactions = transactionCount;

    // A reconciliation every year or so per account.
    for (const AccountModel& account : accounts) {
        for (int year = 1; year <= 10; ++year) {
            BalanceCheckpointModel m;
            m.account = account.objectID;
            m.date = QDateTime::fromMSecsSinceEpoch(startMSecs + spanMSecs * year / 11, Qt::UTC);
            m.balanceMinor = dice.between(-1'000'000, 20'000'000);
            context.insert(m);
            ++result.checkpoints;
        }
    }
    for (int i = 0; i < 4; ++i) {
        BudgetModel budget;
        budget.name = QStringLiteral("Budget %1").arg(i + 1);
        budget.limitMinor = 1'000'000;
        budget.order = i;
        budget.categories = {tree.roots[static_cast<size_t>(i)]};
        context.insert(budget);
    }
    GoalModel goal;
    goal.name = QStringLiteral("Emergency fund");
    goal.targetMinor = 20'000'000;
    goal.accounts = {accounts[3].objectID};
    context.insert(goal);
    context.save();
    return result;
}

} // namespace tallyra::bench
