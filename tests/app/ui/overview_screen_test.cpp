#include "screens/overview/overview_screen.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "screens/overview/first_run_view.h"
#include "screens/overview/overview_view_model.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"
#include "ui_test_registry.h"
#include "window/main_window.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

OverviewScreen* overviewOf(WindowFixture& fixture)
{
    auto* screen =
        qobject_cast<OverviewScreen*>(fixture.session->window().screen(Destination::overview));
    Q_ASSERT(screen);
    return screen;
}

bool settled(OverviewScreen* screen)
{
    return QTest::qWaitFor([screen] { return !screen->isBusy(); }, 8000);
}

} // namespace

class OverviewScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSampleLedgersPeriod()
    {
        WindowFixture fixture;
        fixture.settle();
        OverviewScreen* screen = overviewOf(fixture);
        QVERIFY(settled(screen));
        QVERIFY(!screen->showsFirstRun());
        const OverviewViewModel& model = screen->viewModel();
        QCOMPARE(model.figures().size(), 3);
        QCOMPARE(model.figures()[0].caption, q("Net Worth"));
        QCOMPARE(model.figures()[2].action, q("Show expenses"));
        // The last 30 days of the sample have spending on most days and
        // a previous period to compare with.
        QVERIFY(model.figures()[2].comparison.endsWith(q("vs the same days before")));
        QVERIFY(model.ring().slices.size() <= OverviewViewModel::kRingSlices + 1);
        QVERIFY(!model.ring().slices.isEmpty());
        QCOMPARE(screen->recentRowCount(), 5);
        QVERIFY(model.cumulative().current.size() > 1);
    }

    void theRingMergesTheSmallestCategoriesIntoOther()
    {
        WindowFixture fixture;
        fixture.settle();
        fixture.session->model().setPeriod(PeriodSelection(PeriodLength::max));
        OverviewScreen* screen = overviewOf(fixture);
        QVERIFY(settled(screen));
        const QList<OverviewSlice>& slices = screen->viewModel().ring().slices;
        QCOMPARE(slices.size(), OverviewViewModel::kRingSlices + 1);
        QCOMPARE(slices.back().name, q("Other"));
        QVERIFY(!slices.back().icon);
        // The named slices stay largest first; "Other" is last whatever its size.
        for (int i = 1; i < OverviewViewModel::kRingSlices; ++i)
            QVERIFY(slices[i - 1].value >= slices[i].value);
    }

    void thePickedChartIsKeptInTheSettings()
    {
        WindowFixture fixture;
        fixture.settle();
        OverviewScreen* screen = overviewOf(fixture);
        QVERIFY(settled(screen));
        for (const OverviewChart chart : OverviewViewModel::chartChoices()) {
            screen->viewModel().setChart(chart);
            QVERIFY(fixture.services->settings().settings().overviewChart == chart);
            QVERIFY(screen->viewModel().chart().kind == chart);
            QVERIFY(!screen->viewModel().chart().points.isEmpty());
        }
        QCOMPARE(screen->chartMenuButton()->toolTip(), q("Choose what this chart shows"));
    }

    void aPeriodBeforeTheLedgerShowsEveryEmptyText()
    {
        WindowFixture fixture;
        fixture.settle();
        AppModel& app = fixture.session->model();
        // Two years back the sample has nothing yet.
        app.setPeriod(PeriodSelection(PeriodLength::last30Days, 30));
        OverviewScreen* screen = overviewOf(fixture);
        QVERIFY(settled(screen));
        const OverviewViewModel& model = screen->viewModel();
        QCOMPARE(model.ring().emptyText, q("Nothing spent in this period"));
        QCOMPARE(model.recent().emptyText, q("No transactions in this period"));
        QCOMPARE(model.cumulative().emptyText, q("Nothing spent in this period"));
        screen->viewModel().setChart(OverviewChart::spending);
        QCOMPARE(model.chart().emptyText, q("Nothing in this period"));
        screen->viewModel().setChart(OverviewChart::netWorth);
        QCOMPARE(model.chart().emptyText, q("No activity in this period"));
        QCOMPARE(screen->recentRowCount(), 0);
    }

    void hoverReadoutsNameTheDayAndAmount()
    {
        WindowFixture fixture;
        fixture.settle();
        OverviewScreen* screen = overviewOf(fixture);
        QVERIFY(settled(screen));
        OverviewViewModel& model = screen->viewModel();
        model.setChart(OverviewChart::netWorth);
        QVERIFY(model.chartReadout(0).startsWith(q("Nov 1: ")));
        QVERIFY(model.chartReadout(0).contains(QRegularExpression(q("\\d,\\d{3}"))));
        QVERIFY(model.chartReadout(-1).isEmpty());
        QVERIFY(model.chartReadout(static_cast<int>(model.chart().points.size())).isEmpty());
        // Past the last elapsed day the readout holds at the last one.
        QCOMPARE(model.cumulativeReadout(1000),
                 model.cumulativeReadout(static_cast<int>(model.cumulative().current.size()) - 1));
    }

    void figureActionsOpenWhatMakesThemUp()
    {
        WindowFixture fixture;
        fixture.settle();
        AppModel& app = fixture.session->model();
        OverviewScreen* screen = overviewOf(fixture);
        screen->viewModel().showFigureDetail(1);
        QVERIFY(app.destination() == Destination::transactions);
        QVERIFY(app.transactionFilter() == app::TransactionFilter::income);
        screen->viewModel().showFigureDetail(0);
        QVERIFY(app.destination() == Destination::accounts);
    }

    void anEmptyStoreShowsTheFirstSteps()
    {
        WindowSetup setup;
        setup.sampleData = false;
        WindowFixture fixture(setup);
        fixture.settle();
        QVERIFY(overviewOf(fixture)->showsFirstRun());
    }
};

TALLYRA_UI_TEST(OverviewScreenTest);

#include "overview_screen_test.moc"
