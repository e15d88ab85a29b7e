#include <array>

#include <QScrollArea>
#include <QScrollBar>

#include "screens/accounts/account_shots.h"
#include "screens/categories/category_shots.h"
#include "screens/overview/overview_screen.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "window/main_window.h"
#include "window/screen.h"
#include "window/screenshots.h"
#include "window/store_failure_page.h"

namespace tallyra::app {

namespace {

AppModel& modelOf(MainWindow& window)
{
    return window.context().model;
}

bool overview(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    return true;
}

bool settings(MainWindow& window)
{
    modelOf(window).setDestination(Destination::settings);
    return true;
}

bool settingsData(MainWindow& window)
{
    modelOf(window).setDestination(Destination::settings);
    // The lower half: exchange rates, data and privacy.
    for (QScrollArea* area : window.currentScreen()->findChildren<QScrollArea*>())
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    return true;
}

bool welcome(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    modelOf(window).showWelcome();
    return true;
}

bool toast(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    modelOf(window).showToast(MainWindow::tr("Deleted 3 transactions"));
    return true;
}

bool errorAlert(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    modelOf(window).reportError(
        MainWindow::tr("The store is busy with another change. Try again in a moment."));
    return true;
}

bool storeFailure(MainWindow& window)
{
    window.showStoreFailure(MainWindow::tr("The data file is damaged or was made by a newer "
                                           "version of Tallyra."));
    return true;
}

bool firstRun(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    const auto* overview = qobject_cast<OverviewScreen*>(window.currentScreen());
    return overview && overview->showsFirstRun();
}

bool narrow(MainWindow& window)
{
    modelOf(window).setDestination(Destination::settings);
    return true;
}

// One row per shot; screens and sheets add theirs here.
const std::array kShots{
    Shot{"overview", &overview, true},
    Shot{"first-run", &firstRun, true},
    Shot{"settings", &settings, true},
    Shot{"settings-data", &settingsData, true},
    Shot{"categories", &shots::categories, true},
    Shot{"category-detail", &shots::categoryDetail, true},
    Shot{"categories-income", &shots::categoriesIncome, false},
    Shot{"accounts", &shots::accounts, true},
    Shot{"account-detail", &shots::accountDetail, true},
    Shot{"account-sheet", &shots::accountSheet, true},
    Shot{"delete-account", &shots::deleteAccount, false},
    Shot{"set-balances", &shots::setBalances, true},
    Shot{"balance-history", &shots::balanceHistory, false},
    Shot{"balance-change", &shots::balanceChange, false},
    Shot{"welcome", &welcome, true},
    Shot{"toast", &toast, true},
    Shot{"error-alert", &errorAlert, false},
    Shot{"store-failure", &storeFailure, true},
    Shot{"narrow", &narrow, false, QSize(860, 700)},
};

} // namespace

std::span<const Shot> shotTable()
{
    return kShots;
}

} // namespace tallyra::app
