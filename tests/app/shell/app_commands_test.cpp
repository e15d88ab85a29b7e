#include "shell/app_commands.h"

#include <set>

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

class AppCommandsTest : public ::testing::Test
{
protected:
    ModelSetup setup;
    AppModel model{setup.options()};
    AppCommands commands{model, nullptr, true};
};

TEST_F(AppCommandsTest, newTransactionComposesOnEveryScreen)
{
    for (const DestinationInfo& screen : destinations()) {
        model.dismiss();
        model.setDestination(screen.destination);
        EXPECT_TRUE(commands.trigger(AppCommand::newTransaction)) << screen.raw;
        EXPECT_TRUE(model.isComposingTransaction()) << screen.raw;
        EXPECT_EQ(model.destination(), screen.destination) << "composing stays on the screen";
    }
}

TEST_F(AppCommandsTest, shortcutsAreLinuxOnesAndNeverShared)
{
    std::set<QString> seen;
    for (const AppCommand command : AppCommands::all()) {
        const CommandDescription described = commands.description(command);
        const QString keys = described.shortcut.toString(QKeySequence::PortableText);
        EXPECT_FALSE(keys.contains(q("Meta"))) << keys.toStdString();
        if (!keys.isEmpty()) {
            EXPECT_TRUE(seen.insert(keys).second) << "shared: " << keys.toStdString();
        }
    }
    EXPECT_EQ(
        commands.description(AppCommand::settings).shortcut.toString(QKeySequence::PortableText),
        q("Ctrl+,"));
    EXPECT_EQ(commands.description(AppCommand::settings).role, QAction::PreferencesRole);
    EXPECT_EQ(
        commands.description(AppCommand::search).shortcut.toString(QKeySequence::PortableText),
        q("Ctrl+Alt+F"));
    EXPECT_EQ(commands.description(AppCommand::toggleBalances)
                  .shortcut.toString(QKeySequence::PortableText),
              q("Ctrl+Shift+B"));
}

TEST_F(AppCommandsTest, theBalancesCommandIsTitledByWhatItDoes)
{
    QSignalSpy changed(&commands, &AppCommands::changed);
    EXPECT_EQ(commands.description(AppCommand::toggleBalances).title, q("Hide Balances"));
    commands.trigger(AppCommand::toggleBalances);
    EXPECT_TRUE(model.hidesBalances());
    EXPECT_EQ(commands.description(AppCommand::toggleBalances).title, q("Show Balances"));
    EXPECT_GE(changed.count(), 1);
}

TEST_F(AppCommandsTest, editAndDuplicateFollowTheCurrentScreen)
{
    int edits = 0;
    model.setScreenActions(Destination::transactions, ScreenActions{[&] { ++edits; }, {}});
    EXPECT_FALSE(commands.isEnabled(AppCommand::edit)) << "overview offers nothing";
    model.setDestination(Destination::transactions);
    EXPECT_TRUE(commands.isEnabled(AppCommand::edit));
    EXPECT_FALSE(commands.isEnabled(AppCommand::duplicate));
    EXPECT_TRUE(commands.trigger(AppCommand::edit));
    EXPECT_FALSE(commands.trigger(AppCommand::duplicate));
    EXPECT_EQ(edits, 1);
}

TEST_F(AppCommandsTest, navigationSearchAndExport)
{
    const std::vector<std::pair<AppCommand, Destination>> screens{
        {AppCommand::transactions, Destination::transactions},
        {AppCommand::categories, Destination::categories},
        {AppCommand::accounts, Destination::accounts},
        {AppCommand::settings, Destination::settings},
        {AppCommand::overview, Destination::overview}};
    for (const auto& [command, destination] : screens) {
        commands.trigger(command);
        EXPECT_EQ(model.destination(), destination);
    }
    commands.trigger(AppCommand::search);
    commands.trigger(AppCommand::search);
    EXPECT_EQ(model.searchFocusToken(), 2);
    commands.trigger(AppCommand::exportTransactions);
    ASSERT_TRUE(model.exportDocument());
    EXPECT_TRUE(model.exportDocument()->startsWith(q("Date,Time,Type,Amount")));
    commands.trigger(AppCommand::backUp);
    EXPECT_TRUE(model.isChoosingBackupFolder());
}

TEST(AppCommands, everyLedgerCommandIsOffWithoutAStore)
{
    ModelSetup setup;
    AppModel model(setup.options());
    AppCommands commands(model, nullptr, false);
    for (const AppCommand command : AppCommands::all()) {
        const bool help = command == AppCommand::welcome || command == AppCommand::support ||
                          command == AppCommand::privacy;
        EXPECT_EQ(commands.isEnabled(command), help) << int(command);
    }
    EXPECT_FALSE(commands.trigger(AppCommand::newTransaction));
    EXPECT_FALSE(model.isComposingTransaction());
}

TEST(AppCommands, actionsFollowTheirDescription)
{
    ModelSetup setup;
    AppModel model(setup.options());
    AppCommands commands(model, nullptr, true);
    QObject owner;
    QAction* action = commands.makeAction(AppCommand::toggleBalances, &owner);
    EXPECT_EQ(action->text(), q("Hide Balances"));
    action->trigger();
    EXPECT_TRUE(model.hidesBalances());
    EXPECT_EQ(action->text(), q("Show Balances"));
    QAction* next = commands.makeAction(AppCommand::nextPeriod, &owner);
    EXPECT_FALSE(next->isEnabled());
}

} // namespace
