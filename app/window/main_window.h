#pragma once

// MainWindow: the frame every screen lives in: the menu bar, the sidebar
// (destinations, search, net worth, sync line, profile), the toolbar above
// the content (screen title, period switcher, the screen's actions and New
// Transaction), the screens, the toast over them, the error alert and the
// sheets. It binds all of it to the application model; screens are made
// from the screen table the first time they are shown.
//
// When the store could not be opened or the ledger could not be read, the
// store-failure page replaces sidebar and screens.
//
// Narrow windows (under kNarrowWidth) shrink the sidebar to its symbols.
// Geometry, splitter and destination are saved on close (WindowState).
//
// Threading: main thread only.

#include <map>

#include <QMainWindow>

#include "shell/destination.h"
#include "window/window_context.h"
#include "window/window_state.h"

class QLabel;
class QSplitter;
class QStackedWidget;
class QToolBar;

namespace tallyra::app {

class AlertSheet;
class NetWorthCard;
class PeriodSwitcher;
class Screen;
class SheetHost;
class Sidebar;
class SidebarStatus;
class StoreFailurePage;
class Toast;

class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kNarrowWidth = 900;

    explicit MainWindow(WindowContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    void restoreWindowState(const WindowState& state);
    [[nodiscard]] WindowState windowState() const;

    // The destination's screen, made now if it was not yet.
    [[nodiscard]] Screen* screen(Destination destination);
    [[nodiscard]] Screen* currentScreen() const;
    // No shown screen is computing.
    [[nodiscard]] bool isSettled() const;
    [[nodiscard]] bool showsStoreFailure() const;
    // Shows the store-failure page with the reason.
    void showStoreFailure(const QString& reason);
    // Shows the failure page or the screens, as the store's state says.
    void refreshStoreFailure();

    [[nodiscard]] Sidebar* sidebar() const noexcept { return m_sidebar; }
    [[nodiscard]] NetWorthCard* netWorthCard() const noexcept { return m_netWorth; }
    [[nodiscard]] SidebarStatus* sidebarStatus() const noexcept { return m_status; }
    [[nodiscard]] PeriodSwitcher* periodSwitcher() const noexcept { return m_period; }
    [[nodiscard]] Toast* toast() const noexcept { return m_toast; }
    [[nodiscard]] SheetHost* sheets() const noexcept { return m_sheets; }
    [[nodiscard]] StoreFailurePage* storeFailurePage() const noexcept { return m_failure; }
    [[nodiscard]] AlertSheet* errorAlert() const noexcept { return m_alert; }
    [[nodiscard]] WindowContext& context() const noexcept { return m_context; }

signals:
    // The window was shown for the first time.
    void firstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makeContentColumn();
    void showDestination(Destination destination);
    void refreshToolbar();
    void refreshNetWorth();
    void refreshSyncLine();
    void refreshToast();
    void refreshError();
    void tryAgain();
    void updateNarrow();

    WindowContext& m_context;
    QStackedWidget* m_root;
    QSplitter* m_splitter;
    Sidebar* m_sidebar;
    NetWorthCard* m_netWorth;
    SidebarStatus* m_status;
    QWidget* m_content;
    QLabel* m_screenTitle;
    PeriodSwitcher* m_period;
    QToolBar* m_screenActions;
    QStackedWidget* m_screens;
    std::map<Destination, Screen*> m_made;
    Toast* m_toast;
    SheetHost* m_sheets;
    StoreFailurePage* m_failure;
    AlertSheet* m_alert = nullptr;
    QByteArray m_wideSplitter;
    bool m_shownOnce = false;
};

} // namespace tallyra::app
