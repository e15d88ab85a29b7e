#include "screens/accounts/account_detail_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "icons/item_icon.h"
#include "screens/accounts/accounts_view_model.h"
#include "screens/accounts/balance_chart.h"
#include "screens/accounts/figure_grid.h"
#include "theme/theme.h"
#include "widgets/amount_label.h"
#include "widgets/card.h"
#include "widgets/empty_state.h"
#include "widgets/message_bar.h"

namespace tallyra::app {

AccountDetailView::AccountDetailView(AccountsViewModel& viewModel, const MoneyDisplay& display,
                                     QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel), m_badge(new QLabel), m_name(new QLabel),
      m_subtitle(new QLabel), m_balance(new AmountLabel), m_archivedNote(new MessageBar),
      m_edit(new QPushButton(tr("Edit Account…"))), m_archive(new QPushButton),
      m_setBalances(new QPushButton(tr("Set Balances"))),
      m_history(new QPushButton(tr("Balance History"))),
      m_transactions(new QPushButton(tr("Show in Transactions"))),
      m_delete(new QPushButton(tr("Delete Account…"))), m_chartCard(new Card),
      m_readout(new QLabel), m_chartPages(new QStackedWidget), m_chart(new BalanceChart(display)),
      m_chartEmpty(new EmptyState), m_figuresCard(new Card), m_figures(new FigureGrid(3)),
      m_creditCard(new Card(tr("Credit"))), m_creditFigures(new FigureGrid(4))
{
    const int line = fontMetrics().height();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(line, line, line, line);
    layout->setSpacing(line);

    auto* header = new QHBoxLayout;
    header->setSpacing(line * 3 / 4);
    m_name->setFont(Theme::scaled(font(), 1.5, QFont::DemiBold));
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_subtitle->setForegroundRole(QPalette::PlaceholderText);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(m_name);
    names->addWidget(m_subtitle);
    m_balance->setScale(1.5, true);
    header->addWidget(m_badge, 0, Qt::AlignVCenter);
    header->addLayout(names, 1);
    header->addWidget(m_balance, 0, Qt::AlignVCenter);
    layout->addLayout(header);

    m_archivedNote->setClosable(false);
    m_archivedNote->hide();
    layout->addWidget(m_archivedNote);

    auto* actions = new QHBoxLayout;
    actions->setSpacing(line / 2);
    m_setBalances->setToolTip(tr("Set Balances — what every account holds now"));
    m_history->setToolTip(tr("Every balance you entered for this account"));
    for (QPushButton* button : {m_edit, m_archive, m_setBalances, m_history, m_transactions})
        actions->addWidget(button);
    actions->addStretch(1);
    actions->addWidget(m_delete);
    layout->addLayout(actions);

    m_readout->setForegroundRole(QPalette::PlaceholderText);
    m_chartCard->setTitle(tr("Balance"));
    m_chartCard->addHeaderWidget(m_readout);
    m_chartEmpty->setCompact(true);
    m_chartPages->addWidget(m_chart);
    m_chartPages->addWidget(m_chartEmpty);
    m_chartCard->content()->addWidget(m_chartPages);
    layout->addWidget(m_chartCard, 1);

    m_figuresCard->content()->addWidget(m_figures);
    layout->addWidget(m_figuresCard);
    m_creditCard->content()->addWidget(m_creditFigures);
    layout->addWidget(m_creditCard);

    const auto withAccount = [this](auto&& run) {
        return [this, run] {
            if (const auto& account = m_viewModel.account())
                run(account->id);
        };
    };
    connect(m_edit, &QPushButton::clicked, this,
            withAccount([this](const AccountId& id) { m_viewModel.edit(id); }));
    connect(m_archive, &QPushButton::clicked, this, withAccount([this](const AccountId& id) {
                m_viewModel.setArchived(id, !m_viewModel.account()->isArchived);
            }));
    connect(m_setBalances, &QPushButton::clicked, &m_viewModel, &AccountsViewModel::setBalances);
    connect(m_history, &QPushButton::clicked, this,
            withAccount([this](const AccountId& id) { m_viewModel.showBalanceHistory(id); }));
    connect(m_transactions, &QPushButton::clicked, this,
            withAccount([this](const AccountId& id) { m_viewModel.showInTransactions(id); }));
    connect(m_delete, &QPushButton::clicked, this,
            withAccount([this](const AccountId& id) { m_viewModel.requestDelete(id); }));
    connect(m_chart, &BalanceChart::pointHovered, this, [this](int point) {
        showReadout(point < 0 ? m_viewModel.chartCaption() : m_viewModel.pointReadout(point));
    });
    connect(m_chart, &BalanceChart::rangeSelected, this,
            [this](int from, int to) { showReadout(m_viewModel.rangeReadout(from, to)); });
    connect(&m_viewModel, &AccountsViewModel::detailChanged, this, &AccountDetailView::refresh);
    refresh();
}

void AccountDetailView::showReadout(const QString& text)
{
    m_readout->setText(text.isEmpty() ? m_viewModel.chartCaption() : text);
}

void AccountDetailView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refresh();
}

void AccountDetailView::refresh()
{
    const auto& account = m_viewModel.account();
    if (!account)
        return;
    const AccountRow* row = m_viewModel.selectedRow();
    const int badge = fontMetrics().height() * 2 + fontMetrics().height() / 2;
    if (row)
        m_badge->setPixmap(itemIconPixmap(row->icon, row->color, badge, devicePixelRatioF()));
    m_badge->setFixedSize(badge, badge);
    m_name->setText(account->name);
    m_subtitle->setText(m_viewModel.subtitle());
    if (row) {
        m_balance->setAmount(row->balance, row->balanceTone);
        m_balance->setToolTip(row->hasNoRate ? row->noRateHelp : QString());
    }
    const QString note = m_viewModel.archivedNote();
    if (note.isEmpty())
        m_archivedNote->hide();
    else
        m_archivedNote->showMessage(note);
    m_archive->setText(m_viewModel.archiveActionText());

    m_readout->setText(m_viewModel.chartCaption());
    if (m_viewModel.chartIsEmpty()) {
        m_chartEmpty->setContent(QStringLiteral("chart.line.uptrend.xyaxis"),
                                 AccountsViewModel::chartEmptyText(), QString());
        m_chartPages->setCurrentWidget(m_chartEmpty);
    } else {
        const AccountDetail& detail = m_viewModel.detail();
        std::vector<double> values;
        values.reserve(detail.points.size());
        for (const AccountDetail::Point& point : detail.points)
            values.push_back(point.balance.decimal().toDouble());
        m_chart->setBalances(
            values, account->currency, [this](int point) { return m_viewModel.axisLabel(point); },
            m_viewModel.hidesBalances());
        m_chartPages->setCurrentWidget(m_chart);
    }
    m_figures->setFigures(m_viewModel.figures());
    m_creditFigures->setFigures(m_viewModel.creditFigures());
    m_creditCard->setVisible(!m_viewModel.creditFigures().empty());
}

} // namespace tallyra::app
