#include "screens/settings/settings_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "display/money_display.h"
#include "screens/settings/settings_view_model.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"
#include "ui_test_registry.h"
#include "widgets/segmented_switcher.h"
#include "window/main_window.h"
#include "window_fixture.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

SettingsScreen* settingsOf(WindowFixture& fixture)
{
    auto* screen =
        qobject_cast<SettingsScreen*>(fixture.session->window().screen(Destination::settings));
    Q_ASSERT(screen);
    return screen;
}

} // namespace

class SettingsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void switchingToCalendarPeriodsCarriesTheDefaultPeriodOver()
    {
        WindowFixture fixture;
        SettingsScreen* screen = settingsOf(fixture);
        QVERIFY(fixture.services->settings().settings().defaultPeriod == PeriodLength::last30Days);
        auto* mode = qobject_cast<SegmentedSwitcher*>(screen->control(QStringLiteral("Periods")));
        QVERIFY(mode);
        mode->setCurrentIndex(1);
        const AppSettings& settings = fixture.services->settings().settings();
        QVERIFY(settings.periodMode == PeriodMode::calendar);
        QVERIFY(settings.defaultPeriod == PeriodLength::month);
        // The default-period list now offers the calendar lengths.
        auto* periods = qobject_cast<QComboBox*>(screen->control(QStringLiteral("Default period")));
        QCOMPARE(periods->currentData().toString(), rawValue(PeriodLength::month));
        for (int i = 0; i < periods->count(); ++i) {
            const auto length = enumFromRaw<PeriodLength>(periods->itemData(i).toString());
            QVERIFY(length && !isRolling(*length));
        }
    }

    void appearanceSwitchesTheScheme()
    {
        WindowFixture fixture;
        SettingsScreen* screen = settingsOf(fixture);
        auto* appearance =
            qobject_cast<SegmentedSwitcher*>(screen->control(QStringLiteral("Appearance")));
        appearance->setCurrentIndex(2);
        QVERIFY(fixture.services->settings().settings().appearance ==
                AppSettings::Appearance::dark);
        QVERIFY(fixture.theme->isDark());
        appearance->setCurrentIndex(1);
        QVERIFY(!fixture.theme->isDark());
    }

    void switchesWriteTheirSettingAndTheDisplayFollows()
    {
        WindowFixture fixture;
        SettingsScreen* screen = settingsOf(fixture);
        qobject_cast<QCheckBox*>(screen->control(QStringLiteral("Hide cents")))->click();
        QVERIFY(fixture.services->settings().settings().hideCents);
        QVERIFY(fixture.session->display().hideCents());
        qobject_cast<QCheckBox*>(screen->control(QStringLiteral("Hide balances")))->click();
        QVERIFY(fixture.session->model().hidesBalances());
        qobject_cast<QCheckBox*>(screen->control(QStringLiteral("Track cleared status")))->click();
        QVERIFY(fixture.services->settings().settings().trackCleared);
        // A change from elsewhere (the menu) shows in the screen.
        fixture.session->model().setHidesBalances(false);
        QVERIFY(!qobject_cast<QCheckBox*>(screen->control(QStringLiteral("Hide balances")))
                     ->isChecked());
    }

    void monthDaysAndWeekdaysAreOfferedInFull()
    {
        WindowFixture fixture;
        SettingsViewModel& model = settingsOf(fixture)->viewModel();
        const auto days = model.monthDays();
        QCOMPARE(days.size(), 31);
        QCOMPARE(days.front().label, QStringLiteral("1st"));
        QCOMPARE(days.at(21).label, QStringLiteral("22nd"));
        const auto weekdays = model.weekdays();
        QCOMPARE(weekdays.size(), 7);
        QCOMPARE(weekdays.front().value.toInt(), 2);
        QCOMPARE(weekdays.front().label, QStringLiteral("Monday"));
        QCOMPARE(weekdays.back().label, QStringLiteral("Sunday"));
    }

    void ratesRowSaysNothingLoadedAndTheBase()
    {
        WindowFixture fixture;
        const RatesSummary summary = settingsOf(fixture)->viewModel().ratesSummary();
        QCOMPARE(summary.status, QStringLiteral("Not loaded yet"));
        QCOMPARE(summary.base, QStringLiteral("; totals are shown in ") +
                                   fixture.services->settings().settings().currency);
    }

    void sampleDataCannotBeBackedUp()
    {
        WindowFixture fixture;
        auto* backup = qobject_cast<QPushButton*>(
            settingsOf(fixture)->control(QStringLiteral("Back up data")));
        QVERIFY(!backup->isEnabled());
    }
};

TALLYRA_UI_TEST(SettingsScreenTest);

#include "settings_screen_test.moc"
