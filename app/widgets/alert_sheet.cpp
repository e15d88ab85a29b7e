#include "widgets/alert_sheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "theme/theme.h"
#include "widgets/symbol_label.h"

namespace tallyra::app {

AlertSheet::AlertSheet(QWidget* parent) : Sheet(parent), m_title(new QLabel), m_message(new QLabel)
{
    m_title->setFont(Theme::scaled(font(), 1.15, QFont::DemiBold));
    m_title->setWordWrap(true);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    grid->addWidget(
        new SymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::warning, 2), 0, 0, 2,
        1, Qt::AlignTop);
    grid->addWidget(m_title, 0, 1);
    grid->addWidget(m_message, 1, 1);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    m_close = setAcceptButton(tr("Close"));
    setMinimumWidth(fontMetrics().averageCharWidth() * 52);
}

void AlertSheet::setAlert(const QString& title, const QString& message)
{
    setWindowTitle(title);
    m_title->setText(title);
    m_message->setText(message);
    setAccessibleName(title);
    setAccessibleDescription(message);
}

QString AlertSheet::title() const
{
    return m_title->text();
}

QString AlertSheet::message() const
{
    return m_message->text();
}

} // namespace tallyra::app
