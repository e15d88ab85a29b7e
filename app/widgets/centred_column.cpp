#include "widgets/centred_column.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace tallyra::app {

void placeCentred(QWidget& owner, QLayout* content, int widthInChars)
{
    auto* column = new QWidget;
    column->setLayout(content);
    column->setMaximumWidth(owner.fontMetrics().averageCharWidth() * widthInChars);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(column, 100);
    row->addStretch(1);
    auto* outer = new QVBoxLayout(&owner);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);
}

} // namespace tallyra::app
