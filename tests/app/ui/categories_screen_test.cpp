#include "screens/categories/categories_screen.h"

#include <QTest>
#include <QTreeView>

#include "reports/ledger_index.h"
#include "screens/categories/categories_view_model.h"
#include "shell/app_model.h"
#include "ui_test_registry.h"
#include "window/main_window.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

CategoriesScreen* categoriesOf(WindowFixture& fixture)
{
    auto* screen =
        qobject_cast<CategoriesScreen*>(fixture.session->window().screen(Destination::categories));
    Q_ASSERT(screen);
    return screen;
}

} // namespace

class CategoriesScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void headerIsTitledByModeAndGranularity_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("average");
        const int expenses = static_cast<int>(app::CategoryMode::expenses);
        const int income = static_cast<int>(app::CategoryMode::income);
        const int transfers = static_cast<int>(app::CategoryMode::transfers);
        QTest::newRow("30 days of spending") << static_cast<int>(PeriodLength::last30Days)
                                             << expenses << q("Daily spending") << q("per day");
        QTest::newRow("a year of income") << static_cast<int>(PeriodLength::lastYear) << income
                                          << q("Monthly income") << q("Average per month");
        QTest::newRow("a quarter of transfers")
            << static_cast<int>(PeriodLength::last90Days) << transfers << q("Weekly transfers")
            << q("Average per week");
    }
    void headerIsTitledByModeAndGranularity()
    {
        QFETCH(int, length);
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, average);
        WindowFixture fixture;
        CategoriesViewModel& viewModel = categoriesOf(fixture)->viewModel();
        fixture.session->model().setPeriod(PeriodSelection(static_cast<PeriodLength>(length)));
        viewModel.setMode(static_cast<app::CategoryMode>(mode));
        QCOMPARE(viewModel.headerTitle(), title);
        QCOMPARE(viewModel.averageCaption(), average);
    }

    void emptyLedgerSaysWhatIsMissingByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::newRow("expenses") << static_cast<int>(app::CategoryMode::expenses)
                                  << q("Nothing Spent Yet");
        QTest::newRow("income") << static_cast<int>(app::CategoryMode::income)
                                << q("Nothing Received Yet");
        QTest::newRow("transfers")
            << static_cast<int>(app::CategoryMode::transfers) << q("Nothing Moved Yet");
    }
    void emptyLedgerSaysWhatIsMissingByMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        WindowSetup setup;
        setup.sampleData = false;
        WindowFixture fixture(setup);
        CategoriesScreen* screen = categoriesOf(fixture);
        screen->viewModel().setMode(static_cast<app::CategoryMode>(mode));
        QVERIFY(screen->showsEmptyState());
        QCOMPARE(screen->viewModel().emptyTitle(), title);
        QCOMPARE(screen->viewModel().emptyBody(),
                 q("Categories fill up as you record transactions. Start by adding an account."));
    }

    void selectionIsKeptPerModeAndSharesAddUp()
    {
        WindowFixture fixture;
        CategoriesScreen* screen = categoriesOf(fixture);
        CategoriesViewModel& viewModel = screen->viewModel();
        QVERIFY(!screen->showsEmptyState());
        const auto& nodes = viewModel.breakdown().nodes;
        QVERIFY(nodes.size() > 2);
        const CategoryScope second = nodes[1].id;
        viewModel.select(second);
        QCOMPARE(viewModel.selectedNode()->id, second);
        viewModel.setMode(app::CategoryMode::income);
        QVERIFY(viewModel.selectedNode()->id != second);
        viewModel.setMode(app::CategoryMode::expenses);
        QCOMPARE(viewModel.selectedNode()->id, second);
        // The tree shows the same node as current.
        const auto* current = screen->tree()->currentIndex().internalPointer();
        QCOMPARE(static_cast<const CategoryNode*>(current)->id, second);

        // Selecting refreshes the breakdown, so walk a copy of the scopes.
        std::vector<CategoryScope> scopes;
        for (const CategoryNode& node : viewModel.breakdown().nodes)
            scopes.push_back(node.id);
        double shares = 0;
        for (const CategoryScope& scope : scopes) {
            viewModel.select(scope);
            shares += viewModel.detail().share;
        }
        QVERIFY2(qAbs(shares - 1.0) < 1e-9 || viewModel.breakdown().uncounted > 0,
                 qPrintable(QString::number(shares)));
    }

    void showInTransactionsScopesToTheCategory()
    {
        WindowFixture fixture;
        CategoriesViewModel& viewModel = categoriesOf(fixture)->viewModel();
        // A copy: selecting rebuilds the breakdown the node lives in.
        const CategoryScope first = viewModel.breakdown().nodes.front().id;
        viewModel.select(first);
        viewModel.showInTransactions();
        AppModel& model = fixture.session->model();
        QCOMPARE(model.destination(), Destination::transactions);
        QVERIFY(first.categoryID());
        QCOMPARE(model.transactionScope().category, std::optional(*first.categoryID()));
    }
};

TALLYRA_UI_TEST(CategoriesScreenTest);
#include "categories_screen_test.moc"
