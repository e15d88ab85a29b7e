#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include "theme/semantic_colors.h"
#include "theme/theme.h"
#include "ui_test_registry.h"
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
