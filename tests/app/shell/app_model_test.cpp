#include "shell/app_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "display/money_display.h"
#include "shell/contact_book.h"
#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;
using namespace std::chrono_literals;

namespace {

struct Presented
{
    bool editor, composing, editing, managing, welcome;
    friend bool operator==(const Presented&, const Presented&) = default;
};

Presented presented(const AppModel& model)
{
    return {model.editor().has_value(), model.isComposingTransaction(),
            model.editingTransactionID().has_value(), model.isManagingCategories(),
            model.isShowingWelcome()};
}

struct PresentCase
{
    const char* name;
    std::function<void(AppModel&)> present;
    Presented expected;
};

class AppModelPresentation : public ::testing::TestWithParam<PresentCase>
{
};

// Whatever was up before, presenting one thing leaves exactly that one.
TEST_P(AppModelPresentation, excludesEveryOther)
{
    const std::vector<std::function<void(AppModel&)>> before{
        [](AppModel&) {},
        [](AppModel& m) { m.present(EditorRequest::SetBalances{}); },
        [](AppModel& m) { m.compose(); },
        [](AppModel& m) { m.editTransaction(EntryId::random()); },
        [](AppModel& m) { m.manageCategories(); },
        [](AppModel& m) { m.showWelcome(); },
    };
    for (const auto& first : before) {
        ModelSetup setup;
        AppModel model(setup.options());
        first(model);
        GetParam().present(model);
        EXPECT_EQ(presented(model), GetParam().expected);
        model.dismiss();
        EXPECT_FALSE(model.isPresenting());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppModelPresentation,
    ::testing::Values(PresentCase{"sheet",
                                  [](AppModel& m) { m.present(EditorRequest::Account{}); },
                                  {true, false, false, false, false}},
                      PresentCase{"composer",
                                  [](AppModel& m) { m.compose(); },
                                  {false, true, false, false, false}},
                      PresentCase{"editor",
                                  [](AppModel& m) { m.editTransaction(EntryId::random()); },
                                  {false, false, true, false, false}},
                      PresentCase{"manager",
                                  [](AppModel& m) { m.manageCategories(); },
                                  {false, false, false, true, false}},
                      PresentCase{"welcome",
                                  [](AppModel& m) { m.showWelcome(); },
                                  {false, false, false, false, true}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(AppModel, aNewRequestReplacesTheOpenSheetEvenForTheSameThing)
{
    ModelSetup setup;
    AppModel model(setup.options());
    model.present(EditorRequest::Account{});
    const QUuid first = model.editor()->id;
    model.present(EditorRequest::Account{});
    EXPECT_NE(model.editor()->id, first);
}

TEST(AppModel, theAfterSheetOpensWhenTheSheetCloses)
{
    ModelSetup setup;
    AppModel model(setup.options());
    model.present(EditorRequest::SetBalances{});
    model.setAfterSheet(AppModel::AfterSheet::compose);
    model.dismiss();
    EXPECT_TRUE(model.isComposingTransaction());
    EXPECT_FALSE(model.afterSheet());
    model.setAfterSheet(AppModel::AfterSheet::addAccount);
    model.dismiss();
    ASSERT_TRUE(model.editor());
    EXPECT_EQ(model.editor()->sheet, EditorRequest::Sheet(EditorRequest::Account{}));
    model.dismiss();
    EXPECT_FALSE(model.isPresenting());
}

TEST(AppModel, aReplacedToastStaysFiveSecondsAfterTheNewerOne)
{
    ModelSetup setup;
    AppModel model(setup.options());
    model.showToast(q("Deleted 1 transaction"));
    const QUuid first = model.toast()->id;
    setup.scheduler.advance(3s);
    model.showToast(q("Deleted 1 transaction"));
    EXPECT_NE(model.toast()->id, first) << "the same text is still a new toast";
    setup.scheduler.advance(2s); // the first toast's five seconds are over
    ASSERT_TRUE(model.toast());
    setup.scheduler.advance(2999ms);
    ASSERT_TRUE(model.toast());
    setup.scheduler.advance(1ms);
    EXPECT_FALSE(model.toast());
    EXPECT_EQ(setup.scheduler.pendingCount(), 0u);
}

TEST(AppModel, theWelcomeIsOfferedOnceAcrossRuns)
{
    ModelSetup setup;
    {
        AppModel first(setup.options());
        EXPECT_TRUE(first.offerWelcome());
        EXPECT_TRUE(first.isShowingWelcome());
        EXPECT_FALSE(first.offerWelcome());
    }
    AppModel second(setup.options());
    EXPECT_FALSE(second.offerWelcome());
    EXPECT_FALSE(second.isShowingWelcome());

    ModelSetup silent;
    auto options = silent.options();
    options.welcomes = false;
    AppModel never(options);
    EXPECT_FALSE(never.offerWelcome());
    EXPECT_FALSE(silent.local->value(q("welcome.seen"))) << "not marked seen when not shown";
}

class CountingContacts final : public ContactBook
{
public:
    int requests = 0;
    std::function<void(bool)> pending;
    void requestAccess(QObject*, std::function<void(bool)> answer) override
    {
        ++requests;
        pending = std::move(answer);
    }
    [[nodiscard]] QList<PickedContact> contacts() const override { return {}; }
};

TEST(AppModel, contactsAreAskedForAtMostOncePerInstallation)
{
    ModelSetup setup;
    CountingContacts contacts;
    {
        auto options = setup.options();
        options.contacts = &contacts;
        AppModel model(options);
        QSignalSpy answered(&model, &AppModel::contactsAnswered);
        EXPECT_TRUE(model.askForContacts());
        EXPECT_TRUE(model.isAskingForContacts());
        EXPECT_FALSE(model.askForContacts()) << "a request is under way";
        contacts.pending(true);
        EXPECT_FALSE(model.isAskingForContacts());
        ASSERT_EQ(answered.count(), 1);
        EXPECT_FALSE(model.askForContacts());
    }
    auto options = setup.options();
    options.contacts = &contacts;
    AppModel later(options);
    EXPECT_FALSE(later.askForContacts());
    EXPECT_EQ(contacts.requests, 1);
}

struct SavedCase
{
    const char* name;
    QDateTime date;
    bool toast;
};

class AppModelSaved : public ::testing::TestWithParam<SavedCase>
{
};

TEST_P(AppModelSaved, showsTheFutureDateToastOnlyAfterToday)
{
    ModelSetup setup;
    AppModel model(setup.options(kyiv(2026, 3, 15, 23, 50)));
    model.noteSavedTransaction(EntryKind::expense, GetParam().date);
    EXPECT_EQ(model.toast().has_value(), GetParam().toast);
    if (GetParam().toast) {
        EXPECT_EQ(model.toast()->message, AppModel::futureDateToast());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AppModelSaved,
                         ::testing::Values(SavedCase{"today", kyiv(2026, 3, 15, 23, 59), false},
                                           SavedCase{"yesterday", kyiv(2026, 3, 14), false},
                                           SavedCase{"tomorrowJustAfterMidnight",
                                                     kyiv(2026, 3, 16, 0, 0), true},
                                           SavedCase{"nextYear", kyiv(2027, 1, 1), true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(AppModel, savesPlayTheirSoundOnlyWhenAllowedAndOn)
{
    struct Case
    {
        bool makesSound, playsSounds;
        QStringList played;
    };
    const std::vector<Case> cases{
        {true, true, {q("Pop"), q("Glass"), q("Tink")}}, {false, true, {}}, {true, false, {}}};
    for (const Case& c : cases) {
        ModelSetup setup;
        auto player = std::make_unique<RecordingPlayer>();
        RecordingPlayer& recording = *player;
        SaveSounds sounds(std::move(player));
        auto options = setup.options();
        options.sounds = &sounds;
        options.makesSound = c.makesSound;
        AppModel model(options);
        model.setPlaysSounds(c.playsSounds);
        for (const EntryKind kind : {EntryKind::expense, EntryKind::income, EntryKind::transfer})
            model.noteSavedTransaction(kind, kyiv(2026, 3, 15));
        EXPECT_EQ(recording.played, c.played);
    }
}

TEST(AppModel, togglesWriteTheirKeysAtOnce)
{
    ModelSetup setup;
    MoneyDisplay display(QLocale(q("en_US")));
    auto options = setup.options();
    options.display = &display;
    AppModel model(options);
    EXPECT_TRUE(model.playsSounds());
    EXPECT_FALSE(model.hidesBalances());

    model.toggleHiddenBalances();
    model.setKeepsEditorOpen(true);
    model.setShowsEditorDetails(true);
    model.setPlaysSounds(false);
    EXPECT_TRUE(display.hideBalances()) << "mirrored into the money display";
    EXPECT_EQ(setup.local->value(q("display.hideBalances")), QVariant(true));
    EXPECT_EQ(setup.local->value(q("editor.keepOpen")), QVariant(true));
    EXPECT_EQ(setup.local->value(q("editor.detailsExpanded")), QVariant(true));
    EXPECT_EQ(setup.local->value(q("sounds.enabled")), QVariant(false));

    // A later window starts from what was written; a value of the wrong
    // type reads as the default.
    setup.local->setValue(q("sounds.enabled"), QVariant(q("no")));
    MoneyDisplay other(QLocale(q("en_US")));
    options.display = &other;
    AppModel again(options);
    EXPECT_TRUE(again.hidesBalances());
    EXPECT_TRUE(other.hideBalances());
    EXPECT_TRUE(again.keepsEditorOpen());
    EXPECT_TRUE(again.playsSounds());
}

TEST(AppModel, periodStepsStopAtTheCurrentPeriodAndTheLedgersFirstDay)
{
    ModelSetup setup;
    auto options = setup.options(kyiv(2026, 3, 15));
    options.periodMode = PeriodMode::calendar;
    options.defaultPeriod = PeriodLength::last30Days;
    AppModel model(options);
    EXPECT_EQ(model.period(), PeriodSelection(PeriodLength::month)) << "the mode's own length";
    using Direction = PeriodSelection::Direction;
    EXPECT_FALSE(model.canStepPeriod(Direction::newer));
    EXPECT_FALSE(model.canStepPeriod(Direction::older)) << "no data yet";

    model.setLedgerStart(kyiv(2026, 1, 31));
    model.stepPeriod(Direction::older);
    model.stepPeriod(Direction::older);
    EXPECT_EQ(model.period().offset(), 2) << "January holds the first day";
    model.stepPeriod(Direction::older);
    EXPECT_EQ(model.period().offset(), 2);
    model.stepPeriod(Direction::newer);
    model.stepPeriod(Direction::newer);
    model.stepPeriod(Direction::newer);
    EXPECT_EQ(model.period().offset(), 0);

    model.setPeriodMode(PeriodMode::rolling);
    EXPECT_EQ(model.period(), PeriodSelection(PeriodLength::last30Days));
}

TEST(AppModel, errorsKeepTheirTitleUntilDismissed)
{
    ModelSetup setup;
    AppModel model(setup.options());
    QSignalSpy changed(&model, &AppModel::errorChanged);
    model.reportError(q("The account was deleted."));
    EXPECT_EQ(model.errorTitle(), q("Couldn’t Save"));
    model.reportError(q("Disk full"), q("Couldn’t Export"));
    EXPECT_EQ(model.errorTitle(), q("Couldn’t Export"));
    EXPECT_EQ(model.errorMessage(), q("Disk full"));
    model.dismissError();
    model.dismissError();
    EXPECT_FALSE(model.errorMessage());
    EXPECT_EQ(changed.count(), 3);
}

} // namespace
