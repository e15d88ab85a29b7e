#include "screens/transactions/transactions_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "display/money_display.h"
#include "reports/ledger_index.h"
#include "screens/transactions/transaction_list_model.h"
#include "screens/transactions/transactions_view_model.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "ui_test_registry.h"
#include "widgets/empty_state.h"
#include "widgets/segmented_switcher.h"
#include "window/command_actions.h"
#include "window/main_window.h"
#include "window/net_worth_card.h"
#include "window_fixture.h"
#include "writing/undo_manager.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

TransactionsScreen* transactionsOf(WindowFixture& fixture)
{
    fixture.session->model().setDestination(Destination::transactions);
    auto* screen = qobject_cast<TransactionsScreen*>(
        fixture.session->window().screen(Destination::transactions));
    Q_ASSERT(screen);
    return screen;
}

bool idle(WindowFixture& fixture, TransactionsScreen* screen)
{
    fixture.settle();
    return QTest::qWaitFor([screen] { return !screen->isBusy(); }, 8000);
}

// Selects the first `count` transaction rows whose entries pass `keep`.
QList<int> pick(TransactionsScreen* screen, int count,
                const std::function<bool(const Entry&)>& keep = {})
{
    TransactionListModel* list = screen->viewModel().list();
    QItemSelection selection;
    QList<int> rows;
    for (int row = 0; row < list->rowCount() && rows.size() < count; ++row) {
        const Entry* entry = list->entry(row);
        if (!entry || (keep && !keep(*entry)))
            continue;
        selection.select(list->index(row), list->index(row));
        rows.push_back(row);
    }
    screen->list()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    return rows;
}

Entry entryOf(EntryKind kind, const QString& currency, bool cleared = true)
{
    Entry entry;
    entry.kind = kind;
    entry.amount = Money{100, currency};
    entry.cleared = cleared;
    return entry;
}

} // namespace

class TransactionsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void listsThePeriodByDayWithTotals()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        TransactionListModel* list = screen->viewModel().list();
        QVERIFY(list->entryCount() > 20);
        QVERIFY(list->isDay(0));
        QCOMPARE(list->dayTitle(0), q("Today"));
        QVERIFY(list->dayTotals(0).contains(q("Received")) ||
                list->dayTotals(0).contains(q("Spent")));
        QVERIFY(!list->isDay(1));
        QVERIFY(list->data(list->index(1), Qt::AccessibleTextRole).toString().contains(q(", ")));
        QVERIFY(screen->viewModel().countText().endsWith(q(" transactions")));
        QVERIFY(screen->viewModel().spentText().startsWith(q("SPENT ")));
        QVERIFY(screen->list()->uniformItemSizes());
    }

    void rowsOutsideTheListAnswerNothing()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        TransactionListModel* list = screen->viewModel().list();
        const int rows = list->rowCount();
        for (const int row : {-1, rows, rows + 100}) {
            QVERIFY(!list->entry(row));
            QVERIFY(!list->rowModel(row));
            QVERIFY(!list->isDay(row));
            QVERIFY(list->dayTitle(row).isEmpty());
        }
        QCOMPARE(list->rowOf(EntryId::random()), -1);
        QCOMPARE(list->rowOf(list->entry(1)->id), 1);
        QVERIFY(!(list->flags(list->index(0)) & Qt::ItemIsSelectable)); // a day header
        QVERIFY(list->flags(list->index(1)) & Qt::ItemIsSelectable);
        // Every row is either a day or a transaction, and the count adds up.
        int entries = 0;
        for (int row = 0; row < rows; ++row)
            entries += list->isDay(row) ? 0 : 1;
        QCOMPARE(entries, list->entryCount());
    }

    void selectionSummaryDecidesTheBulkActions_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QStringList>("currencies");
        QTest::addColumn<bool>("category");
        QTest::addColumn<bool>("account");
        const int expense = static_cast<int>(EntryKind::expense);
        const int income = static_cast<int>(EntryKind::income);
        const int transfer = static_cast<int>(EntryKind::transfer);
        QTest::newRow("expenses in one currency")
            << QList<int>{expense, expense} << QStringList{q("USD"), q("USD")} << true << true;
        QTest::newRow("income only")
            << QList<int>{income, income} << QStringList{q("UAH"), q("UAH")} << true << true;
        QTest::newRow("expense and income")
            << QList<int>{expense, income} << QStringList{q("USD"), q("USD")} << false << true;
        QTest::newRow("transfers have no category to change")
            << QList<int>{transfer, transfer} << QStringList{q("USD"), q("USD")} << false << true;
        QTest::newRow("dollars and euros")
            << QList<int>{expense, expense} << QStringList{q("USD"), q("EUR")} << true << false;
    }
    void selectionSummaryDecidesTheBulkActions()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(QStringList, currencies);
        QFETCH(bool, category);
        QFETCH(bool, account);
        std::vector<Entry> entries;
        for (int i = 0; i < kinds.size(); ++i)
            entries.push_back(entryOf(static_cast<EntryKind>(kinds[i]), currencies[i]));
        const SelectionSummary summary = SelectionSummary::of(entries, LedgerIndex());
        QCOMPARE(summary.canChangeCategory, category);
        QCOMPARE(summary.canChangeAccount, account);
        QCOMPARE(summary.categoryHelp.isEmpty(), category);
        if (!category && kinds.contains(static_cast<int>(EntryKind::income)))
            QCOMPARE(summary.categoryHelp,
                     q("Select only expenses or only income to change the category"));
        if (!account)
            QCOMPARE(summary.accountHelp,
                     q("Select transactions in one currency to change the account"));
    }

    void clearedActionFollowsTheSelection()
    {
        std::vector<Entry> entries{entryOf(EntryKind::expense, q("USD"), true),
                                   entryOf(EntryKind::expense, q("USD"), true)};
        QVERIFY(SelectionSummary::of(entries, LedgerIndex()).allCleared);
        entries.push_back(entryOf(EntryKind::expense, q("USD"), false));
        QVERIFY(!SelectionSummary::of(entries, LedgerIndex()).allCleared);
        QCOMPARE(SelectionSummary::of({}, LedgerIndex()).count, 0);
    }

    void aMixedSelectionDisablesCategoryWithItsHelp()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        QList<int> rows =
            pick(screen, 1, [](const Entry& e) { return e.kind == EntryKind::income; });
        rows += pick(screen, 1, [](const Entry& e) { return e.kind == EntryKind::expense; });
        QItemSelection selection;
        for (const int row : rows)
            selection.select(screen->list()->model()->index(row, 0),
                             screen->list()->model()->index(row, 0));
        screen->list()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(screen->selectedRows().size(), 2);
        QVERIFY(!screen->selectionBar()->isHidden());
        QPushButton* category = screen->bulkButton(q("Category"));
        QVERIFY(category);
        QVERIFY(!category->isEnabled());
        QCOMPARE(category->toolTip(),
                 q("Select only expenses or only income to change the category"));
    }

    void deletingThreeShowsTheToastAndUndoRestoresThem()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        const int before = screen->viewModel().list()->entryCount();
        const QList<int> rows = pick(screen, 3);
        QCOMPARE(rows.size(), 3);
        screen->bulkButton(q("Delete"))->click();
        QVERIFY(fixture.session->model().toast());
        QCOMPARE(fixture.session->model().toast()->message, q("Deleted 3 transactions"));
        QVERIFY(idle(fixture, screen));
        QCOMPARE(screen->viewModel().list()->entryCount(), before - 3);

        fixture.session->actions().undo()->trigger();
        QVERIFY(idle(fixture, screen));
        QCOMPARE(screen->viewModel().list()->entryCount(), before);
    }

    void bulkActionsAreOneUndoStepEach()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        TransactionsViewModel& model = screen->viewModel();
        UndoManager& undo = fixture.session->writers().undoManager();
        const QList<int> rows = pick(screen, 2, [](const Entry& e) { return e.cleared; });
        QVERIFY(model.setCleared(rows, false));
        QCOMPARE(fixture.session->model().toast()->message, q("Marked 2 transactions uncleared"));
        QVERIFY(model.setContact(rows, q("Olena")));
        QCOMPARE(fixture.session->model().toast()->message,
                 q("Changed the contact of 2 transactions"));
        const int count = model.list()->entryCount();
        QVERIFY(model.duplicate(rows));
        QVERIFY(idle(fixture, screen));
        QCOMPARE(model.list()->entryCount(), count + 2);
        // The duplicates come back selected.
        QCOMPARE(screen->selectedRows().size(), 2);
        undo.undo();
        QVERIFY(idle(fixture, screen));
        QCOMPARE(model.list()->entryCount(), count);
    }

    void typeSwitcherNarrowsAndNamesItsEmptyState()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        fixture.session->model().setTransactionFilter(app::TransactionFilter::income);
        QVERIFY(idle(fixture, screen));
        TransactionListModel* list = screen->viewModel().list();
        for (int row = 0; row < list->rowCount(); ++row)
            if (const Entry* entry = list->entry(row))
                QVERIFY(entry->kind == EntryKind::income);
        // A period before the ledger: nothing, but older... none either.
        fixture.session->model().setPeriod(PeriodSelection(PeriodLength::last30Days, 30));
        QVERIFY(idle(fixture, screen));
        QVERIFY(screen->showsEmptyState());
        QCOMPARE(screen->emptyState()->heading(), q("No Income"));
        QVERIFY(!screen->viewModel().offersAllTime());
    }

    void aSearchWithoutResultsOffersToClearIt()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        fixture.session->model().setSearchText(q("zzzz-nothing-matches"));
        // The list is recomputed off the main thread.
        QVERIFY(screen->isBusy());
        QVERIFY(QTest::qWaitFor([screen] { return screen->showsEmptyState(); }, 4000));
        QCOMPARE(screen->emptyState()->heading(), q("No Results"));
        fixture.session->model().setSearchText(QString());
        QVERIFY(QTest::qWaitFor([screen] { return !screen->showsEmptyState(); }, 4000));
    }

    void onlyOlderMatchesOfferAllTime()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        // The sample's only course payment was in the spring.
        fixture.session->model().setSearchText(q("Prometheus"));
        QVERIFY(QTest::qWaitFor([screen] { return screen->showsEmptyState(); }, 4000));
        QVERIFY(screen->viewModel().offersAllTime());
        screen->viewModel().showAllTime();
        QVERIFY(fixture.session->model().period().length() == PeriodLength::max);
        QVERIFY(QTest::qWaitFor([screen] { return !screen->showsEmptyState(); }, 4000));
        QVERIFY(!screen->viewModel().offersAllTime());
    }

    void aRevealedTransactionIsSelectedOnce()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        const EntryId id = screen->viewModel().list()->entry(5)->id;
        AppModel& app = fixture.session->model();
        app.setDestination(Destination::overview);
        app.revealTransaction(id);
        QVERIFY(app.destination() == Destination::transactions);
        QVERIFY(
            QTest::qWaitFor([screen] { return screen->selectedRows() == QList<int>{5}; }, 4000));
        QVERIFY(!app.revealedTransaction());
        // A later refresh keeps what the user picked since.
        pick(screen, 1);
        screen->viewModel().refresh();
        QVERIFY(idle(fixture, screen));
        QCOMPARE(screen->selectedRows(), QList<int>{1});
    }

    void anEmptyLedgerAsksForAnAccountFirst()
    {
        WindowSetup setup;
        setup.sampleData = false;
        WindowFixture fixture(setup);
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        QVERIFY(screen->showsEmptyState());
        QCOMPARE(screen->emptyState()->heading(), q("No Accounts Yet"));
        QCOMPARE(screen->emptyState()->body(),
                 q("Add an account before recording transactions — a bank account, card, cash "
                   "or savings."));
        QVERIFY(!screen->findChild<SegmentedSwitcher*>()->isEnabled());
    }

    void hiddenBalancesLeaveTransactionAmountsReadable()
    {
        WindowFixture fixture;
        TransactionsScreen* screen = transactionsOf(fixture);
        QVERIFY(idle(fixture, screen));
        fixture.session->actions().action(AppCommand::toggleBalances)->trigger();
        const QString mask = QString::fromUtf16(MoneyDisplay::kMask);
        QVERIFY(fixture.session->window().netWorthCard()->valueText().contains(mask));
        const TransactionRowModel* row = screen->viewModel().list()->rowModel(1);
        QVERIFY(row);
        QVERIFY(!row->amount.contains(mask));
        QVERIFY(row->amount.contains(QRegularExpression(q("\\d"))));
    }
};

TALLYRA_UI_TEST(TransactionsScreenTest);

#include "transactions_screen_test.moc"
