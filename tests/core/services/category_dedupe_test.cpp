#include "services/category_dedupe.h"

#include <QSignalSpy>

#include "services/default_categories.h"
#include "services_test_support.h"
#include "settings/in_memory_settings_backend.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

using P = Predicate<CategoryModel>;

CategoryId starter(const char* root, const char* child = nullptr)
{
    if (child == nullptr)
        return CategoryId(DefaultCategories::rootId(CategoryKind::expense, q(root)));
    return CategoryId(DefaultCategories::childId(CategoryKind::expense, q(root), q(child)));
}

class DedupeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_store = openOrFail(StoreConfiguration::inMemory(m_clock));
        m_cash = addAccount(context(), "Cash");
        context().save();
    }
    StoreContext& context() { return m_store->mainContext(); }

    // What another device seeded (later, or at `at`), brought over as the
    // cloud would: every category copied with its id. Returns the copies'
    // objectIDs by id.
    QHash<CategoryId, std::int64_t> syncSeededDevice(const QDateTime& at,
                                                     const char* renamed = nullptr)
    {
        auto clock = std::make_shared<FixedClock>(at);
        auto device = openOrFail(StoreConfiguration::inMemory(clock));
        InMemorySettingsBackend settings;
        EXPECT_TRUE(DefaultCategories::seedIfNeeded(device->mainContext(), settings,
                                                    DefaultCategories::build()));
        QHash<std::int64_t, std::int64_t> mapped;
        QHash<CategoryId, std::int64_t> copies;
        for (CategoryModel category : device->mainContext().fetch<CategoryModel>()) {
            const std::int64_t theirs = category.objectID;
            category.objectID = 0;
            if (category.parent)
                category.parent = mapped.value(*category.parent);
            if (renamed != nullptr)
                category.name = q(renamed) + category.name;
            context().insert(category);
            mapped.insert(theirs, category.objectID);
            copies.insert(category.id, category.objectID);
        }
        context().save();
        return copies;
    }
    QHash<CategoryId, std::int64_t> seedHere()
    {
        InMemorySettingsBackend settings;
        EXPECT_TRUE(DefaultCategories::seedIfNeeded(context(), settings));
        QHash<CategoryId, std::int64_t> here;
        for (const CategoryModel& category : context().fetch<CategoryModel>())
            here.insert(category.id, category.objectID);
        return here;
    }
    CategoryModel category(std::int64_t objectID)
    {
        return *context().object<CategoryModel>(objectID);
    }

    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(utc(2026, 1, 5, 8, 0));
    std::unique_ptr<StoreContainer> m_store;
    AccountModel m_cash;
};

TEST_F(DedupeTest, twoSeededTreesBecomeOneWithEverythingAttached)
{
    const auto here = seedHere();
    const auto theirs = syncSeededDevice(utc(2026, 1, 5, 9, 0), "Copy ");

    // Things the other device attached to its copies.
    const auto groceries =
        addExpense(context(), m_cash, 500, theirs[starter("Food", "Groceries")], utc(2026, 1, 6));
    const auto coffee =
        addExpense(context(), m_cash, 300, theirs[starter("Food", "Coffee")], utc(2026, 1, 6));
    const auto ownHere =
        addExpense(context(), m_cash, 100, here[starter("Food", "Coffee")], utc(2026, 1, 7));
    CategoryModel snacks;
    snacks.name = q("Snacks");
    snacks.parent = theirs[starter("Food")];
    context().insert(snacks);
    BudgetModel both;
    both.name = q("Both copies");
    both.categories = {theirs[starter("Food", "Groceries")], here[starter("Food", "Groceries")],
                       here[starter("Home")]};
    context().insert(both);
    BudgetModel onlyTheirs;
    onlyTheirs.name = q("Their copy");
    onlyTheirs.categories = {here[starter("Home")], theirs[starter("Food", "Restaurants")]};
    context().insert(onlyTheirs);
    GoalModel challenge;
    challenge.kindRaw = q("challenge");
    challenge.name = q("No coffee");
    challenge.category = theirs[starter("Food", "Coffee")];
    context().insert(challenge);
    context().save();
    ASSERT_EQ(context().count<CategoryModel>(), 95);

    EXPECT_EQ(CategoryDedupe::merge(context()), 47);
    EXPECT_FALSE(context().hasChanges());

    const QList<CategoryModel> left = context().fetch<CategoryModel>();
    ASSERT_EQ(left.size(), 48);
    std::set<CategoryId> ids;
    for (const CategoryModel& c : left) {
        ids.insert(c.id);
        EXPECT_FALSE(c.name.startsWith(q("Copy "))) << "the earlier copies stay";
    }
    EXPECT_EQ(ids.size(), 48u);

    const std::int64_t food = here[starter("Food")];
    EXPECT_EQ(context().object<TransactionModel>(groceries.objectID)->category,
              here[starter("Food", "Groceries")]);
    EXPECT_EQ(context().object<TransactionModel>(coffee.objectID)->category,
              here[starter("Food", "Coffee")]);
    EXPECT_EQ(context().object<TransactionModel>(ownHere.objectID)->category,
              here[starter("Food", "Coffee")]);
    EXPECT_EQ(category(snacks.objectID).parent, food);
    EXPECT_EQ(category(here[starter("Food", "Groceries")]).parent, food);
    EXPECT_EQ(context().children(category(food)).size(), 5);
    EXPECT_EQ(context().object<BudgetModel>(both.objectID)->categories,
              (QList<std::int64_t>{here[starter("Food", "Groceries")], here[starter("Home")]}));
    EXPECT_EQ(context().object<BudgetModel>(onlyTheirs.objectID)->categories,
              (QList<std::int64_t>{here[starter("Home")], here[starter("Food", "Restaurants")]}));
    EXPECT_EQ(context().object<GoalModel>(challenge.objectID)->category,
              here[starter("Food", "Coffee")]);

    EXPECT_EQ(CategoryDedupe::merge(context()), 0);
}

TEST_F(DedupeTest, copiesMadeAtTheSameInstantKeepTheSameOneOnEveryDevice)
{
    // Each device sees the copies in its own storage order; both must keep
    // the copy whose fields come first.
    for (const bool oursFirst : {true, false}) {
        m_store = openOrFail(StoreConfiguration::inMemory(m_clock));
        syncSeededDevice(m_clock->now(), oursFirst ? "" : "Z ");
        syncSeededDevice(m_clock->now(), oursFirst ? "Z " : "");
        EXPECT_EQ(CategoryDedupe::merge(context()), 47);
        for (const CategoryModel& c : context().fetch<CategoryModel>())
            EXPECT_FALSE(c.name.startsWith(q("Z ")))
                << "kept " << c.name.toStdString() << " (ours first: " << oursFirst << ")";
    }
}

TEST_F(DedupeTest, nothingRepeatedSavesNothing)
{
    seedHere();
    QSignalSpy saves(m_store.get(), &StoreContainer::contextSaved);
    EXPECT_EQ(CategoryDedupe::merge(context()), 0);
    EXPECT_EQ(saves.count(), 0);
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(DedupeTest, aFailedSaveLeavesTheStoreAsItWas)
{
    const auto here = seedHere();
    const auto theirs = syncSeededDevice(utc(2026, 1, 6, 0, 0));
    const auto spent =
        addExpense(context(), m_cash, 500, theirs[starter("Food", "Groceries")], utc(2026, 1, 6));
    context().save();

    context().failNextSaveForTesting(StoreError(StoreError::Code::diskFull));
    EXPECT_THROW((void)CategoryDedupe::merge(context()), StoreError);
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(context().count<CategoryModel>(), 94);
    EXPECT_EQ(context().object<TransactionModel>(spent.objectID)->category,
              theirs[starter("Food", "Groceries")]);

    EXPECT_EQ(CategoryDedupe::merge(context()), 47);
    EXPECT_EQ(context().object<TransactionModel>(spent.objectID)->category,
              here[starter("Food", "Groceries")]);
}

} // namespace
