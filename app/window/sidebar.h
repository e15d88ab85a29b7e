#pragma once

// Sidebar: the leading column of the window: the search field, the six
// destinations as one list, the net-worth card and the status rows.
//
// Keyboard: arrows move the focus ring through the list, Return (or a
// click) switches screen; the shown screen is drawn selected and bold.
// Typing in the search field filters the transaction list (after a short
// pause, and switching to Transactions); Esc clears it. The application
// model's focus requests (Ctrl+F, Ctrl+Alt+F) land in the field.
//
// Compact mode (narrow windows) keeps only the destination symbols with
// their titles as tooltips.
//
// Threading: main thread only.

#include <QTimer>
#include <QWidget>

#include "shell/destination.h"

class QLineEdit;
class QListView;

namespace tallyra::app {

class AppModel;
class NetWorthCard;
class SidebarDelegate;
class SidebarModel;
class SidebarStatus;

class Sidebar final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSearchDebounceMs = 200;

    Sidebar(AppModel& model, NetWorthCard* netWorth, SidebarStatus* status,
            QWidget* parent = nullptr);

    void setCompact(bool compact);
    [[nodiscard]] bool isCompact() const noexcept { return m_compact; }
    [[nodiscard]] SidebarModel& destinations() const noexcept { return *m_model; }
    [[nodiscard]] QListView* list() const noexcept { return m_list; }
    [[nodiscard]] QLineEdit* searchField() const noexcept { return m_search; }
    // The width the sidebar wants in either mode.
    [[nodiscard]] int preferredWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate(const QModelIndex& index);
    void commitSearch();

    AppModel& m_appModel;
    SidebarModel* m_model;
    SidebarDelegate* m_delegate;
    QLineEdit* m_search;
    QListView* m_list;
    NetWorthCard* m_netWorth;
    SidebarStatus* m_status;
    QTimer m_searchTimer;
    bool m_compact = false;
};

} // namespace tallyra::app
