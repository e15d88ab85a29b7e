#include "window/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "display/money_display.h"
#include "screens/overview/overview_screen.h"
#include "screens/settings/settings_screen.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "ui_test_registry.h"
#include "widgets/alert_sheet.h"
#include "widgets/sheet.h"
#include "widgets/toast.h"
#include "window/command_actions.h"
#include "window/data_tasks.h"
#include "window/net_worth_card.h"
#include "window/sheet_host.h"
#include "window/sidebar.h"
#include "window/sidebar_model.h"
#include "window/store_failure_page.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

void press(QWidget* target, QKeyCombination keys)
{
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void ctrlNComposesFromEveryScreen_data()
    {
        QTest::addColumn<int>("destination");
        for (const Destination destination : allCases<Destination>())
            QTest::newRow(qPrintable(rawValue(destination))) << static_cast<int>(destination);
    }
    void ctrlNComposesFromEveryScreen()
    {
        QFETCH(int, destination);
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        AppModel& model = fixture.session->model();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        model.setDestination(static_cast<Destination>(destination));
        window.activateWindow();
        press(window.currentScreen(), Qt::CTRL | Qt::Key_N);
        QVERIFY(model.isComposingTransaction());
    }

    void hiddenBalancesMaskTheNetWorthCard()
    {
        WindowFixture fixture;
        fixture.settle();
        MainWindow& window = fixture.session->window();
        NetWorthCard* card = window.netWorthCard();
        const QString shown = card->valueText();
        QVERIFY(shown.contains(QRegularExpression(QStringLiteral("\\d"))));
        QVERIFY(!shown.contains(QString::fromUtf16(MoneyDisplay::kMask)));

        fixture.session->actions().action(AppCommand::toggleBalances)->trigger();
        QVERIFY(fixture.session->model().hidesBalances());
        const QString masked = card->valueText();
        QVERIFY(masked.contains(QString::fromUtf16(MoneyDisplay::kMask)));
        QVERIFY(!masked.contains(QRegularExpression(QStringLiteral("\\d"))));
        // What flowed stays readable: a signed transaction amount is not masked.
        QVERIFY(fixture.session->display()
                    .signedAmount(-1250, QStringLiteral("UAH"), MoneyDisplay::Masking::never)
                    .contains(QStringLiteral("12.50")));

        fixture.session->actions().action(AppCommand::toggleBalances)->trigger();
        QCOMPARE(card->valueText(), shown);
    }

    void netWorthSaysHowManyAccountsLackARate()
    {
        // No rates were scripted: the sample's dollar and euro accounts are
        // left out of net worth and counted.
        WindowFixture fixture;
        fixture.settle();
        const QString note = fixture.session->window().netWorthCard()->noteText();
        QVERIFY2(note.contains(QStringLiteral("accounts aren’t counted: no rate")),
                 qPrintable(note));
        QVERIFY(note.startsWith(QLatin1Char('2')) || note.startsWith(QLatin1Char('3')));
    }

    void toastUndoButtonUndoesTheWrite()
    {
        WindowFixture fixture;
        fixture.settle();
        MainWindow& window = fixture.session->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        AppWriters& writers = fixture.session->writers();
        const auto& index = fixture.services->store().index();
        const size_t before = index->entries().size();
        EntryDraft draft =
            EntryDraft::make(fixture.services->clock().now(), index->activeAccounts().front().id);
        draft.amount = Decimal(125);
        writers.ledger().add(draft);
        fixture.settle();
        QCOMPARE(fixture.services->store().index()->entries().size(), before + 1);

        fixture.session->model().showToast(QStringLiteral("Added"));
        Toast* toast = window.toast();
        QVERIFY(toast->isVisible());
        QCOMPARE(toast->message(), QStringLiteral("Added"));
        QTest::mouseClick(toast->actionButton(), Qt::LeftButton);
        fixture.settle();
        QCOMPARE(fixture.services->store().index()->entries().size(), before);
        QVERIFY(!fixture.session->model().toast());
        QVERIFY(!toast->isVisible());
    }

    void aNewerToastReplacesTheShownOne()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.show();
        fixture.session->model().showToast(QStringLiteral("First"));
        fixture.session->model().showToast(QStringLiteral("Second"));
        QCOMPARE(window.toast()->message(), QStringLiteral("Second"));
        QVERIFY(window.toast()->isVisible());
        // Placed at the bottom centre of the content.
        const QRect area = window.toast()->parentWidget()->rect();
        const QRect at = window.toast()->geometry();
        QVERIFY(qAbs(at.center().x() - area.center().x()) <= 1);
        QVERIFY(at.bottom() < area.bottom() && at.bottom() > area.bottom() - 80);
    }

    void destinationAndSplitterAreRestored()
    {
        auto defaults = std::make_shared<InMemorySettingsBackend>();
        QTemporaryDir dir;
        WindowFixture::Setup setup;
        setup.sampleData = false;
        setup.defaults = defaults;
        setup.databaseFile = dir.filePath(QStringLiteral("Tallyra.sqlite"));
        {
            WindowFixture first(setup);
            MainWindow& window = first.session->window();
            window.resize(1200, 760);
            window.show();
            first.session->model().setDestination(Destination::accounts);
            window.close();
        }
        WindowFixture second(setup);
        QVERIFY(second.session->model().destination() == Destination::accounts);
        QCOMPARE(second.session->window().currentScreen()->destination(), Destination::accounts);
        QCOMPARE(second.session->window().size(), QSize(1200, 760));
    }

    void sidebarSwitchesOnReturnNotOnArrows()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListView* list = window.sidebar()->list();
        list->setFocus();
        list->setCurrentIndex(window.sidebar()->destinations().indexOf(Destination::overview));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(fixture.session->model().destination() == Destination::overview);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(fixture.session->model().destination() == Destination::categories);
        const QModelIndex row = window.sidebar()->destinations().indexOf(Destination::categories);
        QVERIFY(row.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(row.data(SidebarModel::CurrentRole).toBool());
    }

    void searchFiltersAfterAPauseAndShowsTransactions()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.show();
        AppModel& model = fixture.session->model();
        QLineEdit* search = window.sidebar()->searchField();
        QTest::keyClicks(search, QStringLiteral("coffee"));
        QCOMPARE(model.searchText(), QString());
        QTRY_COMPARE(model.searchText(), QStringLiteral("coffee"));
        QVERIFY(model.destination() == Destination::transactions);
        QTest::keyClick(search, Qt::Key_Escape);
        QCOMPARE(model.searchText(), QString());
        // The menu's Search command puts the focus into the field.
        search->clearFocus();
        window.activateWindow();
        fixture.session->actions().action(AppCommand::search)->trigger();
        QVERIFY(search->hasFocus());
    }

    void narrowWindowsShrinkTheSidebarToSymbols()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.resize(1200, 760);
        window.show();
        QVERIFY(!window.sidebar()->isCompact());
        const int wide = window.sidebar()->width();
        window.resize(MainWindow::kNarrowWidth - 60, 700);
        QTRY_VERIFY(window.sidebar()->isCompact());
        QVERIFY(fixture.session->model().isNarrow());
        QVERIFY(!window.netWorthCard()->isVisible());
        QTRY_VERIFY(window.sidebar()->width() < wide / 2);
        window.resize(1200, 760);
        QTRY_VERIFY(!window.sidebar()->isCompact());
        QTRY_COMPARE(window.sidebar()->width(), wide);
    }

    void theWelcomeSheetOpensAndContinueCloses()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.show();
        AppModel& model = fixture.session->model();
        model.showWelcome();
        Sheet* sheet = window.sheets()->current();
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTest::keyClick(sheet, Qt::Key_Return);
        QVERIFY(!model.isShowingWelcome());
        QTRY_VERIFY(!window.sheets()->current());
    }

    void errorsShowAsAnAlertUntilDismissed()
    {
        WindowFixture fixture;
        MainWindow& window = fixture.session->window();
        window.show();
        AppModel& model = fixture.session->model();
        model.reportError(QStringLiteral("The disk is full."), QStringLiteral("Couldn’t Export"));
        AlertSheet* alert = window.errorAlert();
        QVERIFY(alert);
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->title(), QStringLiteral("Couldn’t Export"));
        QCOMPARE(alert->message(), QStringLiteral("The disk is full."));
        alert->closeButton()->click();
        QVERIFY(!model.errorMessage());
        QTRY_VERIFY(!window.errorAlert());
    }

    void anUnreadableDatabaseShowsTheFailurePage()
    {
        QTemporaryDir dir;
        WindowFixture::Setup setup;
        setup.sampleData = false;
        // A folder where the database file should be cannot be opened.
        setup.databaseFile = dir.path();
        WindowFixture fixture(setup);
        MainWindow& window = fixture.session->window();
        QVERIFY(fixture.services->storeFailure());
        QVERIFY(window.showsStoreFailure());
        QVERIFY(!window.storeFailurePage()->reason().isEmpty());
        QVERIFY(!window.storeFailurePage()->reason().contains(dir.path()));
        QVERIFY(!fixture.session->actions().action(AppCommand::newTransaction)->isEnabled());
    }

    void exportWritesTheChosenFileOffTheMainThread()
    {
        WindowFixture fixture;
        fixture.settle();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.csv"));
        DataTasks& tasks = fixture.session->dataTasks();
        tasks.setChooser([path](DataTasks::Choice choice, auto done) {
            QVERIFY(choice == DataTasks::Choice::exportFile);
            done(path);
        });
        QSignalSpy finished(&tasks, &DataTasks::finished);
        fixture.session->actions().action(AppCommand::exportTransactions)->trigger();
        QVERIFY(finished.wait(5000));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith("Date,Time,Type,Amount,Currency"));
        QVERIFY(fixture.session->model().toast());
        QVERIFY(!fixture.session->model().exportDocument());
    }

    void aFailedExportSaysSoAndKeepsNothingHalfWritten()
    {
        WindowFixture fixture;
        fixture.settle();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/folder/out.csv"));
        DataTasks& tasks = fixture.session->dataTasks();
        tasks.setChooser([path](DataTasks::Choice, auto done) { done(path); });
        QSignalSpy finished(&tasks, &DataTasks::finished);
        fixture.session->actions().action(AppCommand::exportTransactions)->trigger();
        QVERIFY(finished.wait(5000));
        QCOMPARE(fixture.session->model().errorTitle(), QStringLiteral("Couldn’t Export"));
        QVERIFY(fixture.session->model().errorMessage());
        QVERIFY(!QFile::exists(path));
    }

    void backingUpSampleDataFailsWithItsReason()
    {
        WindowFixture fixture;
        DataTasks& tasks = fixture.session->dataTasks();
        QTemporaryDir dir;
        tasks.setChooser([&dir](DataTasks::Choice choice, auto done) {
            QVERIFY(choice == DataTasks::Choice::backupFolder);
            done(dir.path());
        });
        QSignalSpy finished(&tasks, &DataTasks::finished);
        fixture.session->model().setChoosingBackupFolder(true);
        QVERIFY(finished.wait(5000));
        QCOMPARE(fixture.session->model().errorTitle(), QStringLiteral("Couldn’t Back Up"));
        QVERIFY(!fixture.session->model().isChoosingBackupFolder());
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

TALLYRA_UI_TEST(MainWindowTest);

#include "main_window_test.moc"
