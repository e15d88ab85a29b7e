#include "window/net_worth_card.h"

#include <QLayout>
#include <QVBoxLayout>

#include "display/money_display.h"
#include "widgets/amount_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

NetWorthCard::NetWorthCard(MoneyDisplay& display, QWidget* parent)
    : Card(tr("Net Worth"), parent), m_display(display), m_value(new AmountLabel),
      m_note(new ToneLabel(QString(), Tone::warning))
{
    m_value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_value->setScale(1.35, true);
    m_note->setWordWrap(true);
    m_note->hide();
    layout()->setContentsMargins(12, 10, 12, 10);
    content()->setSpacing(2);
    content()->addWidget(m_value);
    content()->addWidget(m_note);
    connect(&m_display, &MoneyDisplay::hideBalancesChanged, this, &NetWorthCard::refresh);
    connect(&m_display, &MoneyDisplay::hideCentsChanged, this, &NetWorthCard::refresh);
    refresh();
}

void NetWorthCard::setFigure(const NetWorthFigure& figure)
{
    m_figure = figure;
    refresh();
}

QString NetWorthCard::valueText() const
{
    return m_value->text();
}

QString NetWorthCard::noteText() const
{
    return m_note->isVisibleTo(this) ? m_note->text() : QString();
}

void NetWorthCard::refresh()
{
    const QString value = m_display.format(m_figure.value.minor, m_figure.value.currency);
    m_value->setAmount(value);
    const int missing = m_figure.accountsWithoutRate;
    m_note->setText(tr("%n accounts aren’t counted: no rate", "", missing));
    m_note->setVisible(missing > 0);
    setAccessibleName(tr("Net Worth") + QStringLiteral(": ") + value);
}

} // namespace tallyra::app
