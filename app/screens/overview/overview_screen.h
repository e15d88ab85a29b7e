#pragma once

// OverviewScreen: the first screen. While the ledger has no transactions it
// shows the first-run view (the two first steps); the overview report
// itself takes the other page of the stack (for now a plain title).
//
// Threading: main thread only.

#include "window/screen.h"

class QStackedWidget;

namespace tallyra::app {

class FirstRunView;

class OverviewScreen final : public Screen
{
    Q_OBJECT

public:
    OverviewScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] bool showsFirstRun() const;
    [[nodiscard]] FirstRunView* firstRun() const noexcept { return m_firstRun; }

private:
    void refresh();

    QStackedWidget* m_pages;
    FirstRunView* m_firstRun;
    QWidget* m_report;
};

} // namespace tallyra::app
