#pragma once

// Screen: the page of one sidebar destination. The window makes each
// screen once from the screen table (screen_table.cpp), shows one at a
// time and asks it what the frame should show around it:
//
//   toolbarActions()  the screen's own actions at the toolbar's trailing
//                     end (shared QActions from CommandActions where the
//                     command exists, else the screen's own); emit
//                     toolbarActionsChanged() when the list changes.
//   usesPeriod()      whether the period switcher applies (not on Settings).
//   isBusy()          true while a report is being computed off the main
//                     thread; screenshots wait until every screen is idle.
//
// A screen reads the ledger from context().services.store() (indexChanged)
// and the period from context().model; it writes only through the writers
// and the application model. Its Edit… and Duplicate actions go to
// AppModel::setScreenActions while it is shown.
//
// Threading: main thread only.

#include <QList>
#include <QWidget>

#include "shell/destination.h"
#include "window/window_context.h"

class QAction;

namespace tallyra::app {

class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(Destination destination, WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] Destination destination() const noexcept { return m_destination; }
    [[nodiscard]] virtual QList<QAction*> toolbarActions() const { return {}; }
    [[nodiscard]] virtual bool usesPeriod() const { return true; }
    [[nodiscard]] virtual bool isBusy() const { return false; }

    // The window shows or hides the screen.
    virtual void screenShown() {}
    virtual void screenHidden() {}

signals:
    void toolbarActionsChanged();

protected:
    [[nodiscard]] WindowContext& context() const noexcept { return m_context; }

private:
    Destination m_destination;
    WindowContext& m_context;
};

} // namespace tallyra::app
