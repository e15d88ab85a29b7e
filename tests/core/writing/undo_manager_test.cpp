#include "writing/undo_manager.h"

#include <memory>

#include <QStringList>

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// A counter the steps change, with steps that register their own inverse
// the way the writers do.
class Counter
{
public:
    explicit Counter(UndoManager& manager) : m_manager(manager) {}

    void add(int amount, const char* name = "Add")
    {
        value += amount;
        m_manager.registerUndo(nullptr, [this, amount, name] { add(-amount, name); });
        m_manager.setActionName(q(name));
    }

    int value = 0;

private:
    UndoManager& m_manager;
};

TEST(UndoManager, undoRunsTheStepAndOffersItForRedo)
{
    UndoManager manager;
    Counter counter(manager);
    counter.add(5, "Add Five");

    EXPECT_TRUE(manager.canUndo());
    EXPECT_FALSE(manager.canRedo());
    EXPECT_EQ(manager.undoActionName(), q("Add Five"));

    manager.undo();
    EXPECT_EQ(counter.value, 0);
    EXPECT_FALSE(manager.canUndo());
    EXPECT_TRUE(manager.canRedo());
    EXPECT_EQ(manager.redoActionName(), q("Add Five"));

    manager.redo();
    EXPECT_EQ(counter.value, 5);
    EXPECT_TRUE(manager.canUndo());
    EXPECT_FALSE(manager.canRedo());
    EXPECT_EQ(manager.undoActionName(), q("Add Five"));
}

TEST(UndoManager, aGroupIsOneStepUndoneLastActionFirst)
{
    UndoManager manager;
    QStringList order;
    manager.beginUndoGrouping();
    manager.registerUndo(nullptr, [&] { order.append(q("first")); });
    manager.beginUndoGrouping();
    EXPECT_EQ(manager.groupingLevel(), 2);
    manager.registerUndo(nullptr, [&] { order.append(q("second")); });
    manager.endUndoGrouping();
    manager.registerUndo(nullptr, [&] { order.append(q("third")); });
    EXPECT_FALSE(manager.canUndo()) << "no undo while a group is open";
    manager.endUndoGrouping();
    manager.setActionName(q("Three Things"));

    EXPECT_EQ(manager.groupingLevel(), 0);
    EXPECT_EQ(manager.undoActionName(), q("Three Things"));
    manager.undo();
    EXPECT_EQ(order, (QStringList{q("third"), q("second"), q("first")}));
    EXPECT_FALSE(manager.canUndo());
}

TEST(UndoManager, whatAnUndoRegistersGoesToTheRedoStackAndBack)
{
    UndoManager manager;
    Counter counter(manager);
    counter.add(1, "One");
    counter.add(2, "Two");

    manager.undo();
    EXPECT_EQ(counter.value, 1);
    EXPECT_EQ(manager.undoActionName(), q("One"));
    EXPECT_EQ(manager.redoActionName(), q("Two"));

    manager.undo();
    EXPECT_EQ(counter.value, 0);
    EXPECT_EQ(manager.redoActionName(), q("One"));

    manager.redo();
    EXPECT_EQ(counter.value, 1);
    EXPECT_EQ(manager.undoActionName(), q("One"));
    EXPECT_EQ(manager.redoActionName(), q("Two"));
    manager.redo();
    EXPECT_EQ(counter.value, 3);
    EXPECT_FALSE(manager.canRedo());
}

TEST(UndoManager, aNewStepClearsTheRedoStack)
{
    UndoManager manager;
    Counter counter(manager);
    counter.add(1);
    manager.undo();
    ASSERT_TRUE(manager.canRedo());
    counter.add(7, "Other");
    EXPECT_FALSE(manager.canRedo());
    EXPECT_EQ(manager.undoActionName(), q("Other"));
}

TEST(UndoManager, anActionWithoutGroupIsAStepOfItsOwn)
{
    UndoManager manager;
    int runs = 0;
    manager.registerUndo(nullptr, [&] { ++runs; });
    manager.registerUndo(nullptr, [&] { ++runs; });
    manager.undo();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(manager.canUndo());
}

TEST(UndoManager, keepsAtMostTheLevelsOfUndoDroppingTheOldest)
{
    UndoManager manager;
    EXPECT_EQ(manager.levelsOfUndo(), 100);
    Counter counter(manager);
    for (int i = 1; i <= 105; ++i)
        counter.add(i, "Step");
    int undone = 0;
    while (manager.canUndo()) {
        manager.undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(counter.value, 1 + 2 + 3 + 4 + 5) << "the five oldest steps were dropped";

    manager.setLevelsOfUndo(2);
    EXPECT_FALSE(manager.canUndo());
    for (int i = 0; i < 3; ++i)
        counter.add(1);
    int kept = 0;
    while (manager.canUndo()) {
        manager.undo();
        ++kept;
    }
    EXPECT_EQ(kept, 2);
}

TEST(UndoManager, removeAllActionsEmptiesBothStacks)
{
    UndoManager manager;
    Counter counter(manager);
    counter.add(1);
    counter.add(2);
    manager.undo();
    manager.removeAllActions();
    EXPECT_FALSE(manager.canUndo());
    EXPECT_FALSE(manager.canRedo());
    EXPECT_TRUE(manager.undoActionName().isEmpty());
}

TEST(UndoManager, actionsOfADestroyedOwnerAreSkippedAndCanBeRemoved)
{
    UndoManager manager;
    int runs = 0;
    auto owner = std::make_unique<QObject>();
    QObject other;
    manager.registerUndo(owner.get(), [&] { ++runs; });
    manager.registerUndo(&other, [&] { runs += 10; });
    manager.registerUndo(owner.get(), [&] { runs += 100; });

    manager.removeAllActions(&other);
    owner.reset();
    while (manager.canUndo())
        manager.undo();
    EXPECT_EQ(runs, 0);
}

TEST(UndoManager, setActionNameWhileUndoingNamesTheRedoStep)
{
    UndoManager manager;
    manager.registerUndo(nullptr, [&] {
        manager.registerUndo(nullptr, [] {});
        manager.setActionName(q("Renamed"));
    });
    manager.setActionName(q("Original"));
    manager.undo();
    EXPECT_EQ(manager.redoActionName(), q("Renamed"));
}

TEST(UndoManager, undoWhileUndoingDoesNothing)
{
    UndoManager manager;
    int outer = 0;
    int inner = 0;
    manager.registerUndo(nullptr, [&] { ++inner; });
    manager.registerUndo(nullptr, [&] {
        ++outer;
        EXPECT_TRUE(manager.isUndoing());
        manager.undo();
    });
    manager.undo();
    EXPECT_EQ(outer, 1);
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(manager.canUndo());
}

TEST(UndoManager, anActionThatThrowsEndsTheUndoWithoutLeavingAGroupOpen)
{
    UndoManager manager;
    manager.registerUndo(nullptr, [] { throw std::runtime_error("boom"); });
    manager.undo();
    EXPECT_EQ(manager.groupingLevel(), 0);
    EXPECT_FALSE(manager.canUndo());
    EXPECT_FALSE(manager.canRedo());
}

TEST(UndoManager, announcesEveryChangeTheMenuShows)
{
    UndoManager manager;
    int changes = 0;
    QObject::connect(&manager, &UndoManager::changed, [&] { ++changes; });
    Counter counter(manager);
    counter.add(1);
    const int afterRegister = changes;
    EXPECT_GT(afterRegister, 0);
    manager.undo();
    EXPECT_GT(changes, afterRegister);
    const int afterUndo = changes;
    manager.removeAllActions();
    EXPECT_GT(changes, afterUndo);
}

} // namespace
