#include "screens/accounts/figure_grid.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/amount_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

FigureGrid::FigureGrid(int columns, QWidget* parent)
    : QWidget(parent), m_columns(columns), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    const int line = fontMetrics().height();
    m_grid->setHorizontalSpacing(line * 2);
    m_grid->setVerticalSpacing(line);
}

void FigureGrid::setFigures(const std::vector<AccountFigure>& figures)
{
    if (figures == m_figures)
        return;
    m_figures = figures;
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (size_t i = 0; i < figures.size(); ++i) {
        const AccountFigure& figure = figures[i];
        auto* cell = new QWidget;
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        auto* caption = new ToneLabel(figure.caption, Tone::neutral);
        auto* value = new AmountLabel;
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setScale(1.25, true);
        value->setAmount(figure.value, figure.tone);
        column->addWidget(caption);
        column->addWidget(value);
        if (!figure.note.isEmpty()) {
            auto* note = new ToneLabel(figure.note, Tone::neutral);
            column->addWidget(note);
        }
        column->addStretch(1);
        cell->setAccessibleName(
            figure.caption + QStringLiteral(": ") + figure.value +
            (figure.note.isEmpty() ? QString() : QStringLiteral(", ") + figure.note));
        const int index = static_cast<int>(i);
        m_grid->addWidget(cell, index / m_columns, index % m_columns, Qt::AlignTop);
    }
    for (int c = 0; c < m_columns; ++c)
        m_grid->setColumnStretch(c, 1);
}

} // namespace tallyra::app
