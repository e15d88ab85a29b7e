#include "services/default_categories.h"

#include <set>

#include <QCoreApplication>
#include <QTranslator>

#include "money/stable_id.h"
#include "services_test_support.h"
#include "settings/in_memory_settings_backend.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

// A string table with a few Ukrainian names, installed for one scope.
class UkrainianNames final : public QTranslator
{
public:
    UkrainianNames() { QCoreApplication::installTranslator(this); }
    ~UkrainianNames() override { QCoreApplication::removeTranslator(this); }

    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* source, const char*,
                                    int) const override
    {
        if (qstrcmp(context, "DefaultCategories") != 0)
            return {};
        if (qstrcmp(source, "Food") == 0)
            return q("Їжа");
        if (qstrcmp(source, "Groceries") == 0)
            return q("Продукти");
        return {};
    }
};

UndoManager* someUndoManager()
{
    static int marker = 0;
    return reinterpret_cast<UndoManager*>(&marker);
}

class SeedingTest : public ::testing::Test
{
protected:
    void SetUp() override { m_store = openOrFail(StoreConfiguration::inMemory(m_clock)); }
    StoreContext& context() { return m_store->mainContext(); }
    [[nodiscard]] bool flag() const
    {
        const auto value = m_settings.value(DefaultCategories::kSeededKey);
        return value && value->toBool();
    }

    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(utc(2026, 1, 5, 8, 30));
    std::unique_ptr<StoreContainer> m_store;
    InMemorySettingsBackend m_settings;
};

TEST(DefaultCategories, treeHasTheStarterShape)
{
    const auto tree = DefaultCategories::build();
    ASSERT_EQ(tree.size(), 21u);
    size_t children = 0;
    std::map<CategoryKind, int> roots;
    std::set<QUuid> ids;
    for (const auto& root : tree) {
        ++roots[root.kind];
        children += root.children.size();
        ids.insert(DefaultCategories::rootId(root.kind, root.key));
        for (const auto& child : root.children)
            ids.insert(DefaultCategories::childId(root.kind, root.key, child.key));
        EXPECT_EQ(root.name, root.key) << "English names without a translation";
    }
    EXPECT_EQ(children, 26u);
    EXPECT_EQ(ids.size(), 47u);
    EXPECT_EQ(roots[CategoryKind::expense], 12);
    EXPECT_EQ(roots[CategoryKind::income], 5);
    EXPECT_EQ(roots[CategoryKind::transfer], 4);

    struct Row
    {
        size_t position;
        CategoryKind kind;
        const char* key;
        const char* symbol;
        const char* color;
        size_t children;
    };
    const Row rows[] = {
        {0, CategoryKind::expense, "Food", "bag.fill", "#2E9D4E", 4},
        {2, CategoryKind::expense, "Transport", "car.fill", "#1C7ED6", 5},
        {14, CategoryKind::income, "Interest & Dividends", "chart.line.uptrend.xyaxis", "#5B6BD8",
         0},
        {20, CategoryKind::transfer, "Cash Withdrawal", "banknote.fill", "#7D8590", 0},
    };
    for (const Row& row : rows) {
        const auto& root = tree[row.position];
        EXPECT_EQ(root.kind, row.kind) << row.key;
        EXPECT_EQ(root.key, q(row.key));
        EXPECT_EQ(root.symbol, q(row.symbol)) << row.key;
        EXPECT_EQ(root.colorHex, q(row.color)) << row.key;
        EXPECT_EQ(root.children.size(), row.children) << row.key;
    }
    EXPECT_EQ(tree[2].children[2].key, q("Public Transport"));
    EXPECT_EQ(tree[2].children[2].symbol, q("tram.fill"));

    EXPECT_EQ(DefaultCategories::rootId(CategoryKind::expense, q("Food")),
              StableID::make(u"default-category", u"expense/Food"));
    EXPECT_EQ(DefaultCategories::childId(CategoryKind::expense, q("Food"), q("Groceries")),
              StableID::make(u"default-category", u"expense/Food/Groceries"));
}

TEST_F(SeedingTest, seedsTheTreeOnceAndSetsTheFlag)
{
    context().setUndoManager(someUndoManager());
    EXPECT_TRUE(DefaultCategories::seedIfNeeded(context(), m_settings));
    EXPECT_TRUE(flag());
    EXPECT_EQ(context().undoManager(), someUndoManager());
    EXPECT_FALSE(context().hasChanges());

    ASSERT_EQ(context().count<CategoryModel>(), 47);
    const auto food = *context().fetchFirst(Predicate<CategoryModel>::idEquals(
        CategoryId(DefaultCategories::rootId(CategoryKind::expense, q("Food")))));
    EXPECT_EQ(food.name, q("Food"));
    EXPECT_EQ(food.order, 0);
    EXPECT_EQ(food.parent, std::nullopt);
    EXPECT_EQ(food.iconKind, q("symbol"));
    EXPECT_EQ(food.iconValue, q("bag.fill"));
    EXPECT_EQ(food.createdAt, m_clock->now());

    const auto coffee = *context().fetchFirst(Predicate<CategoryModel>::idEquals(
        CategoryId(DefaultCategories::childId(CategoryKind::expense, q("Food"), q("Coffee")))));
    EXPECT_EQ(coffee.parent, food.objectID);
    EXPECT_EQ(coffee.order, 2);
    EXPECT_EQ(coffee.colorHex, q("#2E9D4E")) << "the root's colour";
    EXPECT_EQ(coffee.iconValue, q("cup.and.saucer.fill"));
    EXPECT_EQ(coffee.kindRaw, q("expense"));
    EXPECT_EQ(coffee.createdAt, m_clock->now());

    EXPECT_FALSE(DefaultCategories::seedIfNeeded(context(), m_settings));
    EXPECT_EQ(context().count<CategoryModel>(), 47);
}

TEST_F(SeedingTest, existingCategoriesOrTheFlagStopSeeding)
{
    m_settings.setValue(DefaultCategories::kSeededKey, QVariant(true));
    EXPECT_FALSE(DefaultCategories::seedIfNeeded(context(), m_settings));
    EXPECT_EQ(context().count<CategoryModel>(), 0);

    m_settings.setValue(DefaultCategories::kSeededKey, std::nullopt);
    CategoryModel own;
    own.name = q("Mine");
    context().insert(own);
    context().save();
    EXPECT_FALSE(DefaultCategories::seedIfNeeded(context(), m_settings));
    EXPECT_TRUE(flag());
    EXPECT_EQ(context().count<CategoryModel>(), 1);
}

TEST_F(SeedingTest, aFailedSaveLeavesNothingAndNoFlag)
{
    context().setUndoManager(someUndoManager());
    context().failNextSaveForTesting(StoreError(StoreError::Code::diskFull));
    EXPECT_THROW((void)DefaultCategories::seedIfNeeded(context(), m_settings), StoreError);
    EXPECT_FALSE(flag());
    EXPECT_EQ(context().count<CategoryModel>(), 0);
    EXPECT_EQ(context().undoManager(), someUndoManager());

    EXPECT_TRUE(DefaultCategories::seedIfNeeded(context(), m_settings))
        << "the next launch tries again";
}

TEST_F(SeedingTest, devicesInOtherLanguagesMakeTheSameIds)
{
    ASSERT_TRUE(DefaultCategories::seedIfNeeded(context(), m_settings, DefaultCategories::build()));

    auto other = openOrFail(StoreConfiguration::inMemory(m_clock));
    InMemorySettingsBackend otherSettings;
    {
        const UkrainianNames ukrainian;
        ASSERT_TRUE(DefaultCategories::seedIfNeeded(other->mainContext(), otherSettings,
                                                    DefaultCategories::build()));
    }

    auto idsAndNames = [](StoreContext& c) {
        std::map<QUuid, QString> result;
        for (const CategoryModel& m : c.fetch<CategoryModel>())
            result[m.id.uuid()] = m.name;
        return result;
    };
    const auto english = idsAndNames(context());
    const auto ukrainian = idsAndNames(other->mainContext());
    ASSERT_EQ(english.size(), 47u);
    ASSERT_EQ(ukrainian.size(), 47u);
    for (const auto& [id, name] : english)
        EXPECT_TRUE(ukrainian.count(id)) << name.toStdString();
    const QUuid food = DefaultCategories::rootId(CategoryKind::expense, q("Food"));
    const QUuid groceries =
        DefaultCategories::childId(CategoryKind::expense, q("Food"), q("Groceries"));
    EXPECT_EQ(english.at(food), q("Food"));
    EXPECT_EQ(ukrainian.at(food), q("Їжа"));
    EXPECT_EQ(ukrainian.at(groceries), q("Продукти"));
}

} // namespace
