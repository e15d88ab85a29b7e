#include <cmath>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include "display/money_display.h"
#include "theme/semantic_colors.h"
#include "theme/theme.h"
#include "ui_test_registry.h"
#include "widgets/amount_axis.h"
#include "widgets/chart_view.h"
#include "widgets/empty_state.h"
#include "widgets/segmented_switcher.h"
#include "widgets/tone_label.h"

using namespace tallyra;
using namespace tallyra::app;

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Theme theme(*qApp);
        theme.setAppearance(AppSettings::Appearance::light);
        theme.setAppearance(AppSettings::Appearance::system);
    }

    // A tone's colour is derived from the scheme in use: switching to dark
    // must re-derive it, not keep the light scheme's darker shade.
    void toneLabelsFollowTheScheme()
    {
        Theme theme(*qApp);
        theme.setAppearance(AppSettings::Appearance::light);
        QWidget parent;
        auto* label = new ToneLabel(QStringLiteral("2 accounts"), Tone::warning, &parent);
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 SemanticColors::derive(Theme::lightPalette()).warning);
        theme.setAppearance(AppSettings::Appearance::dark);
        // The application hands a new palette to its widgets by posted events.
        QCoreApplication::processEvents();
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 SemanticColors::derive(Theme::darkPalette()).warning);
        // Roles the label does not own keep following the application.
        QCOMPARE(label->palette().color(QPalette::Window),
                 Theme::darkPalette().color(QPalette::Window));
    }

    void chartAxesAreRestyledOnAPaletteChange()
    {
        Theme theme(*qApp);
        theme.setAppearance(AppSettings::Appearance::light);
        ChartView view;
        auto* axis = new QValueAxis;
        view.chart()->addAxis(axis, Qt::AlignLeft);
        view.restyle();
        QCOMPARE(axis->labelsColor(), Theme::lightPalette().color(QPalette::PlaceholderText));
        theme.setAppearance(AppSettings::Appearance::dark);
        QCoreApplication::processEvents();
        QCOMPARE(axis->labelsColor(), Theme::darkPalette().color(QPalette::PlaceholderText));
        QCOMPARE(view.chart()->theme(), QChart::ChartThemeDark);
        QVERIFY(!view.chart()->isBackgroundVisible());
    }

    void segmentedSwitcherMovesWithTheKeyboard_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("emitted");
        QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1 << 1;
        QTest::newRow("left at the start stays") << 0 << int(Qt::Key_Left) << 0 << 0;
        QTest::newRow("right at the end stays") << 3 << int(Qt::Key_Right) << 3 << 0;
        QTest::newRow("end") << 1 << int(Qt::Key_End) << 3 << 1;
        QTest::newRow("home") << 2 << int(Qt::Key_Home) << 0 << 1;
    }
    void segmentedSwitcherMovesWithTheKeyboard()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        QFETCH(int, emitted);
        SegmentedSwitcher switcher({QStringLiteral("All"), QStringLiteral("Expenses"),
                                    QStringLiteral("Income"), QStringLiteral("Transfers")});
        switcher.setCurrentIndex(start);
        QSignalSpy changed(&switcher, &SegmentedSwitcher::currentChanged);
        QTest::keyClick(&switcher, static_cast<Qt::Key>(key));
        QCOMPARE(switcher.currentIndex(), expected);
        QCOMPARE(changed.count(), emitted);
    }

    void segmentedSwitcherFitsItsLongestChoice()
    {
        SegmentedSwitcher switcher({QStringLiteral("A"), QStringLiteral("A much longer choice")});
        const int longest =
            switcher.fontMetrics().horizontalAdvance(QStringLiteral("A much longer choice"));
        QVERIFY(switcher.sizeHint().width() >= 2 * longest);
    }

    void amountAxesTakeRoundSteps_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("count");
        QTest::newRow("small spending") << 0.0 << 950.0 << 0.0 << 200.0 << 6;
        QTest::newRow("crosses zero") << -1200.0 << 3400.0 << -2000.0 << 2000.0 << 4;
        QTest::newRow("debts only, zero on top") << -300.0 << -10.0 << -300.0 << 100.0 << 4;
        QTest::newRow("one value reaches down to zero") << 5.0 << 5.0 << 0.0 << 2.0 << 4;
        QTest::newRow("nothing") << 0.0 << 0.0 << 0.0 << 1.0 << 2;
        QTest::newRow("inverted range") << 950.0 << 0.0 << 0.0 << 200.0 << 6;
        QTest::newRow("millions") << 0.0 << 12345678.0 << 0.0 << 5000000.0 << 4;
        QTest::newRow("not a number") << std::nan("") << 10.0 << 0.0 << 1.0 << 2;
    }
    void amountAxesTakeRoundSteps()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, first);
        QFETCH(double, step);
        QFETCH(int, count);
        const AxisTicks ticks = niceTicks(low, high, 5);
        QCOMPARE(ticks.first, first);
        QCOMPARE(ticks.step, step);
        QCOMPARE(ticks.count, count);
        if (std::isfinite(low)) {
            QVERIFY(ticks.first <= std::min(low, high));
            QVERIFY(ticks.last() >= std::max(low, high));
        }
    }

    void amountAxesAreLabelledByTheMoneyDisplay()
    {
        const MoneyDisplay display(QLocale(QStringLiteral("en_US")));
        std::unique_ptr<QCategoryAxis> axis(amountAxis(0, 12500, QStringLiteral("UAH"), display));
        const QStringList labels = axis->categoriesLabels();
        QVERIFY(labels.size() >= 3);
        QCOMPARE(labels.front(), display.axisLabel(0, QStringLiteral("UAH"), true));
        QVERIFY(labels.back().contains(QLatin1Char('k')));
        QCOMPARE(axis->min(), 0.0);
        QVERIFY(axis->max() >= 12500);
    }

    void emptyStateButtonsFollowTheirAction()
    {
        QAction action(QStringLiteral("New Transaction"));
        EmptyState state;
        state.setContent(QStringLiteral("tray"), QStringLiteral("No Transactions Yet"),
                         QStringLiteral("Record your first expense or income."));
        QPushButton* button = state.addAction(&action, QStringLiteral("New Transaction…"));
        QCOMPARE(button->text(), QStringLiteral("New Transaction…"));
        QVERIFY(button->isDefault());
        QSignalSpy triggered(&action, &QAction::triggered);
        button->click();
        QCOMPARE(triggered.count(), 1);
        action.setEnabled(false);
        QVERIFY(!button->isEnabled());
        // New content drops the old buttons.
        state.setContent(QString(), QStringLiteral("Nothing"), QString());
        QVERIFY(state.findChildren<QPushButton*>().isEmpty());
    }
};

TALLYRA_UI_TEST(WidgetsTest);

#include "widgets_test.moc"
