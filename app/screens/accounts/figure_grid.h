#pragma once

// FigureGrid: captioned figures in even columns — caption above in the
// placeholder colour, the value in tabular digits coloured by its tone, an
// optional note under it. Rebuilt whenever its figures change.
//
// Threading: main thread only.

#include <vector>

#include <QWidget>

#include "screens/accounts/account_texts.h"

class QGridLayout;

namespace tallyra::app {

class FigureGrid final : public QWidget
{
    Q_OBJECT

public:
    explicit FigureGrid(int columns, QWidget* parent = nullptr);

    void setFigures(const std::vector<AccountFigure>& figures);
    [[nodiscard]] const std::vector<AccountFigure>& figures() const noexcept { return m_figures; }

private:
    int m_columns;
    std::vector<AccountFigure> m_figures;
    QGridLayout* m_grid;
};

} // namespace tallyra::app
