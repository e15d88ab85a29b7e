#pragma once

// NetWorthCard: the sidebar's "Net Worth" card: the figure (masked as
// "•••" while balances are hidden) and, when open accounts have no rate,
// how many net worth leaves out. It redraws when the ledger, the rates or
// the display switches change.
//
// Threading: main thread only.

#include "widgets/card.h"
#include "window/net_worth_figure.h"

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

class AmountLabel;
class ToneLabel;

class NetWorthCard final : public Card
{
    Q_OBJECT

public:
    NetWorthCard(MoneyDisplay& display, QWidget* parent = nullptr);

    void setFigure(const NetWorthFigure& figure);
    [[nodiscard]] QString valueText() const;
    [[nodiscard]] QString noteText() const;

private:
    void refresh();

    MoneyDisplay& m_display;
    NetWorthFigure m_figure;
    AmountLabel* m_value;
    ToneLabel* m_note;
};

} // namespace tallyra::app
