#include <array>

#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QScrollBar>

#include "reports/ledger_index.h"
#include "screens/accounts/account_shots.h"
#include "screens/categories/category_shots.h"
#include "screens/overview/overview_screen.h"
#include "screens/transactions/transactions_screen.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "sheets/transaction_editor/transaction_editor_sheet.h"
#include "shell/app_model.h"
#include "shell/transaction_editor_model.h"
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

bool transactions(MainWindow& window)
{
    modelOf(window).setDestination(Destination::transactions);
    return true;
}

// Three transactions of one day picked, so the selection bar shows.
bool transactionsSelection(MainWindow& window)
{
    modelOf(window).setDestination(Destination::transactions);
    auto* screen = qobject_cast<TransactionsScreen*>(window.currentScreen());
    if (!screen)
        return false;
    QListView* list = screen->list();
    const int rows = list->model()->rowCount();
    int picked = 0;
    for (int row = 0; row < rows && picked < 3; ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (index.flags() & Qt::ItemIsSelectable) {
            list->selectionModel()->select(index, QItemSelectionModel::Select);
            ++picked;
        }
    }
    return picked > 1;
}

bool editor(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    modelOf(window).compose();
    return true;
}

// A transfer between two currencies: the received amount shows.
bool editorTransfer(MainWindow& window)
{
    modelOf(window).setDestination(Destination::overview);
    modelOf(window).compose();
    auto* sheet = window.findChild<TransactionEditorSheet*>();
    const auto& index = window.context().services.store().index();
    if (!sheet || !index)
        return false;
    std::optional<AccountId> from;
    std::optional<AccountId> to;
    for (const Account& account : index->activeAccounts()) {
        if (!from)
            from = account.id;
        else if (!to && account.currency != index->account(*from)->currency)
            to = account.id;
    }
    if (!to)
        return false;
    TransactionEditorModel& model = sheet->model();
    model.setKind(EntryKind::transfer);
    model.setAccount(from);
    model.setToAccount(to);
    model.setAmount(Decimal(1000));
    sheet->amountField()->setText(QStringLiteral("1000"));
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
    Shot{"transactions", &transactions, true},
    Shot{"transactions-selection", &transactionsSelection, false},
    Shot{"editor", &editor, true},
    Shot{"editor-transfer", &editorTransfer, false},
    // The smallest window every screen must fit without scrolling sideways.
    Shot{"overview-small", &overview, false, QSize(1024, 768)},
    Shot{"transactions-small", &transactionsSelection, false, QSize(1024, 768)},
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
