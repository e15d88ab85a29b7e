#include "window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "display/money_display.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "shell/sync_status_line.h"
#include "theme/theme.h"
#include "widgets/alert_sheet.h"
#include "widgets/toast.h"
#include "window/command_actions.h"
#include "window/menu_bar.h"
#include "window/net_worth_card.h"
#include "window/period_switcher.h"
#include "window/screen.h"
#include "window/screen_table.h"
#include "window/sheet_host.h"
#include "window/sidebar.h"
#include "window/sidebar_model.h"
#include "window/sidebar_status.h"
#include "window/store_failure_page.h"
#include "window/user_name.h"

namespace tallyra::app {

namespace {

// The commands that jump to a destination, for the sidebar's tooltips.
std::optional<AppCommand> jumpCommand(Destination destination)
{
    switch (destination) {
    case Destination::overview:
        return AppCommand::overview;
    case Destination::transactions:
        return AppCommand::transactions;
    case Destination::categories:
        return AppCommand::categories;
    case Destination::accounts:
        return AppCommand::accounts;
    case Destination::settings:
        return AppCommand::settings;
    case Destination::plans:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

MainWindow::MainWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_root(new QStackedWidget),
      m_splitter(new QSplitter(Qt::Horizontal)), m_netWorth(new NetWorthCard(context.display)),
      m_status(new SidebarStatus), m_screenTitle(new QLabel), m_screenActions(new QToolBar),
      m_screens(new QStackedWidget), m_failure(new StoreFailurePage)
{
    setWindowTitle(QStringLiteral("Tallyra"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tallyra.svg")));
    fillMenuBar(*menuBar(), m_context.commands, m_context.actions);

    m_sidebar = new Sidebar(m_context.model, m_netWorth, m_status);
    for (const Destination destination : allCases<Destination>()) {
        if (const auto command = jumpCommand(destination))
            if (QAction* action = m_context.actions.action(*command))
                m_sidebar->destinations().setShortcut(destination, action->shortcut());
    }
    m_status->setUserName(systemUserName());

    m_content = makeContentColumn();
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_content);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(1);
    m_splitter->setSizes({m_sidebar->preferredWidth(), 1000});

    m_root->addWidget(m_splitter);
    m_root->addWidget(m_failure);
    setCentralWidget(m_root);

    m_toast = new Toast(m_screens);
    // A pressed button ends the toast at once, even under the pointer.
    connect(m_toast, &Toast::actionTriggered, this, [this] {
        m_toast->dismiss();
        m_context.model.undoFromToast();
    });
    connect(m_toast, &Toast::closeRequested, this, [this] {
        m_toast->dismiss();
        m_context.model.clearToast();
    });
    m_sheets = new SheetHost(m_context, this);

    AppModel& model = m_context.model;
    connect(&model, &AppModel::destinationChanged, this, &MainWindow::showDestination);
    connect(&model, &AppModel::toastChanged, this, &MainWindow::refreshToast);
    connect(&model, &AppModel::errorChanged, this, &MainWindow::refreshError);
    connect(&m_context.services.store(), &LedgerStore::indexChanged, this,
            &MainWindow::refreshNetWorth);
    connect(&m_context.services.store(), &LedgerStore::lastErrorChanged, this,
            &MainWindow::refreshStoreFailure);
    connect(&m_context.services.store(), &LedgerStore::isLoadedChanged, this,
            &MainWindow::refreshStoreFailure);
    connect(&m_context.services.cloud(), &CloudSyncMonitor::stateChanged, this,
            &MainWindow::refreshSyncLine);
    connect(m_failure, &StoreFailurePage::tryAgain, this, &MainWindow::tryAgain);

    // A first size that fits every screen without eliding; the saved
    // geometry replaces it when there is one.
    const int line = fontMetrics().height();
    resize(std::max(1100, line * 75), std::max(720, line * 46));

    showDestination(model.destination());
    refreshNetWorth();
    refreshSyncLine();
    refreshStoreFailure();
    refreshError();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::makeContentColumn()
{
    auto* column = new QWidget;
    column->setBackgroundRole(QPalette::Base);
    column->setAutoFillBackground(true);

    QFont titleFont = Theme::scaled(font(), 1.35, QFont::DemiBold);
    m_screenTitle->setFont(titleFont);
    m_screenTitle->setTextFormat(Qt::PlainText);
    m_period = new PeriodSwitcher(m_context.model, m_context.actions);
    m_screenActions->setIconSize(QSize(fontMetrics().height(), fontMetrics().height()));
    m_screenActions->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_screenActions->setMovable(false);
    m_screenActions->setFloatable(false);
    m_screenActions->setAccessibleName(tr("Screen actions"));

    auto* newTransaction = new QToolButton;
    QAction* compose = m_context.actions.action(AppCommand::newTransaction);
    newTransaction->setDefaultAction(compose);
    newTransaction->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    compose->setToolTip(
        tr("New Transaction (%1)").arg(compose->shortcut().toString(QKeySequence::NativeText)));

    auto* bar = new QWidget;
    bar->setBackgroundRole(QPalette::Window);
    bar->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 6, 10, 6);
    row->setSpacing(8);
    row->addWidget(m_screenTitle, 1);
    row->addWidget(m_period, 0, Qt::AlignCenter);
    auto* trailing = new QHBoxLayout;
    trailing->setSpacing(4);
    trailing->addStretch(1);
    trailing->addWidget(m_screenActions);
    trailing->addWidget(newTransaction);
    row->addLayout(trailing, 1);
    // The bar keeps one height whether the period switcher shows or not.
    bar->setMinimumHeight(m_period->sizeHint().height() + 12);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(line);
    layout->addWidget(m_screens, 1);
    return column;
}

Screen* MainWindow::screen(Destination destination)
{
    const auto it = m_made.find(destination);
    if (it != m_made.end())
        return it->second;
    Screen* made = makeScreen(destination, m_context, m_screens);
    m_screens->addWidget(made);
    m_made.emplace(destination, made);
    connect(made, &Screen::toolbarActionsChanged, this, [this, made] {
        if (currentScreen() == made)
            refreshToolbar();
    });
    return made;
}

Screen* MainWindow::currentScreen() const
{
    return qobject_cast<Screen*>(m_screens->currentWidget());
}

bool MainWindow::isSettled() const
{
    const Screen* shown = currentScreen();
    return !shown || !shown->isBusy();
}

bool MainWindow::showsStoreFailure() const
{
    return m_root->currentWidget() == m_failure;
}

void MainWindow::showDestination(Destination destination)
{
    Screen* previous = currentScreen();
    Screen* next = screen(destination);
    if (previous == next)
        return;
    if (previous)
        previous->screenHidden();
    m_screens->setCurrentWidget(next);
    next->screenShown();
    refreshToolbar();
}

void MainWindow::refreshToolbar()
{
    const Screen* shown = currentScreen();
    m_screenTitle->setText(shown ? title(shown->destination()) : QString());
    m_period->setVisible(shown && shown->usesPeriod());
    m_screenActions->clear();
    if (shown)
        m_screenActions->addActions(shown->toolbarActions());
    m_screenActions->setVisible(!m_screenActions->actions().isEmpty());
}

void MainWindow::refreshNetWorth()
{
    const auto& index = m_context.services.store().index();
    if (!index)
        return;
    m_netWorth->setFigure(netWorthFigure(*index, m_context.services.clock().now()));
    // Nothing to browse yet: searching and stepping periods wait for the
    // first transaction.
    const bool browsable = index->stage() == LedgerStage::active;
    m_sidebar->searchField()->setEnabled(browsable);
    m_period->setEnabled(browsable);
}

void MainWindow::refreshSyncLine()
{
    const SyncStatusLine line = syncStatusLine(m_context.services.cloud().state());
    m_status->setSyncLine(line.title, line.detail);
}

void MainWindow::refreshStoreFailure()
{
    const LedgerStore& store = m_context.services.store();
    std::optional<QString> reason = m_context.services.storeFailure();
    if (!reason && store.lastError() && !store.isLoaded())
        reason = store.lastError();
    if (reason)
        showStoreFailure(*reason);
    else
        m_root->setCurrentWidget(m_splitter);
}

void MainWindow::showStoreFailure(const QString& reason)
{
    m_failure->setReason(reason);
    m_root->setCurrentWidget(m_failure);
}

void MainWindow::tryAgain()
{
    if (m_context.services.storeFailure()) {
        // The database itself could not be opened: opening it again means
        // starting over, so the window restarts with the same arguments.
        QProcess::startDetached(QApplication::applicationFilePath(),
                                QApplication::arguments().mid(1));
        QApplication::quit();
        return;
    }
    m_context.services.store().reload();
}

void MainWindow::refreshToast()
{
    const auto& toast = m_context.model.toast();
    if (toast)
        m_toast->showMessage(toast->message, tr("Undo"));
    else
        m_toast->dismissLater();
}

void MainWindow::refreshError()
{
    const auto& message = m_context.model.errorMessage();
    if (!message) {
        if (m_alert)
            m_alert->done(QDialog::Accepted);
        return;
    }
    if (!m_alert) {
        m_alert = new AlertSheet(this);
        m_alert->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_alert, &QDialog::finished, this, [this] {
            m_alert = nullptr;
            m_context.model.dismissError();
        });
    }
    m_alert->setAlert(m_context.model.errorTitle(), *message);
    m_alert->open();
}

void MainWindow::restoreWindowState(const WindowState& state)
{
    if (!state.geometry.isEmpty())
        restoreGeometry(state.geometry);
    if (!state.splitter.isEmpty()) {
        m_splitter->restoreState(state.splitter);
        m_wideSplitter = state.splitter;
    }
    if (state.destination)
        m_context.model.setDestination(*state.destination);
}

WindowState MainWindow::windowState() const
{
    WindowState state;
    state.geometry = saveGeometry();
    state.splitter = m_sidebar->isCompact() && !m_wideSplitter.isEmpty() ? m_wideSplitter
                                                                         : m_splitter->saveState();
    state.destination = m_context.model.destination();
    return state;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    windowState().write(*m_context.model.local());
    QMainWindow::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    updateNarrow();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    updateNarrow();
    if (!m_shownOnce) {
        m_shownOnce = true;
        emit firstShown();
    }
}

void MainWindow::updateNarrow()
{
    const bool narrow = width() < kNarrowWidth;
    if (narrow == m_sidebar->isCompact())
        return;
    if (narrow)
        m_wideSplitter = m_splitter->saveState();
    m_sidebar->setCompact(narrow);
    m_context.model.setNarrow(narrow);
    if (narrow) {
        m_splitter->setSizes({m_sidebar->preferredWidth(), width()});
    } else if (!m_wideSplitter.isEmpty()) {
        m_splitter->restoreState(m_wideSplitter);
    } else {
        m_splitter->setSizes({m_sidebar->preferredWidth(), width()});
    }
}

} // namespace tallyra::app
