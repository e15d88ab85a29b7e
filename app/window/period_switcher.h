#pragma once

// PeriodSwitcher: the toolbar's period control: the previous and next
// arrows (the shared Previous/Next Period actions, which stop at the
// ledger's first period and at the current one), the period's title with
// its dates under it, and the length picker listing the lengths of the
// current mode (rolling or calendar). Everything follows the application
// model's period and engine; a choice sets the model's period.
//
// Threading: main thread only.

#include <QWidget>

#include "periods/period_length.h"

class QLabel;
class QToolButton;
class QMenu;

namespace tallyra::app {

class AppModel;
class CommandActions;
class ToneLabel;

class PeriodSwitcher final : public QWidget
{
    Q_OBJECT

public:
    PeriodSwitcher(AppModel& model, const CommandActions& actions, QWidget* parent = nullptr);

    [[nodiscard]] QString title() const;
    [[nodiscard]] QString range() const;
    // The picker's name of a length ("30 Days", "Month", "All Time").
    [[nodiscard]] static QString lengthName(PeriodLength length);
    // The lengths the picker offers in the model's current mode.
    [[nodiscard]] QList<PeriodLength> offeredLengths() const;

private:
    void refresh();
    void rebuildMenu();

    AppModel& m_model;
    QToolButton* m_previous;
    QToolButton* m_next;
    QLabel* m_title;
    ToneLabel* m_range;
    QToolButton* m_length;
    QMenu* m_menu;
};

} // namespace tallyra::app
