#include "screens/overview/first_run_view.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "theme/theme.h"
#include "widgets/card.h"
#include "widgets/centred_column.h"
#include "widgets/symbol_label.h"
#include "widgets/tone_label.h"

namespace tallyra::app {

namespace {

QLabel* wrapped(QLabel* label)
{
    label->setWordWrap(true);
    return label;
}

} // namespace

FirstRunView::FirstRunView(QAction* addAccount, QAction* newTransaction, QWidget* parent)
    : QWidget(parent), m_newTransaction(newTransaction), m_addAccount(new QPushButton),
      m_record(new QPushButton), m_accountIcon(new SymbolLabel(QString(), Tone::accent, 2)),
      m_accountDone(new ToneLabel(tr("Done"), Tone::income))
{
    auto* title = new QLabel(tr("Welcome to Tallyra"));
    title->setFont(Theme::scaled(font(), 1.6, QFont::DemiBold));
    auto* intro = wrapped(new ToneLabel(
        tr("Track what you earn and spend across all your accounts and currencies. Your data "
           "lives in a local database on this computer — there are no Tallyra servers and no "
           "separate account."),
        Tone::neutral));

    auto* steps = new Card;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    QFont bold = font();
    bold.setBold(true);

    auto* accountTitle = new QLabel(tr("Add an account"));
    accountTitle->setFont(bold);
    m_addAccount->setText(tr("Add Account"));
    connect(m_addAccount, &QPushButton::clicked, addAccount, &QAction::trigger);
    grid->addWidget(m_accountIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(accountTitle, 0, 1);
    grid->addWidget(wrapped(new ToneLabel(
                        tr("A bank account, card, cash or savings — with what it holds today."),
                        Tone::neutral)),
                    1, 1);
    grid->addWidget(m_addAccount, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(m_accountDone, 0, 2, 2, 1, Qt::AlignVCenter | Qt::AlignRight);

    grid->setRowMinimumHeight(2, 18);
    auto* recordTitle = new QLabel(tr("Record a transaction"));
    recordTitle->setFont(bold);
    connect(m_record, &QPushButton::clicked, newTransaction, &QAction::trigger);
    grid->addWidget(new SymbolLabel(QStringLiteral("arrow.left.arrow.right"), Tone::accent, 2), 3,
                    0, 2, 1, Qt::AlignTop);
    grid->addWidget(recordTitle, 3, 1);
    grid->addWidget(wrapped(new ToneLabel(
                        tr("Expenses, income and transfers between accounts. %1 works on "
                           "every screen.")
                            .arg(newTransaction->shortcut().toString(QKeySequence::NativeText)),
                        Tone::neutral)),
                    4, 1);
    grid->addWidget(m_record, 3, 2, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    steps->content()->addLayout(grid);

    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    column->addWidget(title);
    column->addWidget(intro);
    column->addSpacing(8);
    column->addWidget(steps);
    placeCentred(*this, column, 78);

    connect(newTransaction, &QAction::changed, this, [this] { setHasAccount(m_hasAccount); });
    setHasAccount(false);
}

void FirstRunView::setHasAccount(bool hasAccount)
{
    m_hasAccount = hasAccount;
    m_addAccount->setVisible(!hasAccount);
    m_accountDone->setVisible(hasAccount);
    m_record->setText(hasAccount ? tr("New Transaction…") : tr("Add an account first"));
    m_record->setEnabled(hasAccount && m_newTransaction->isEnabled());
    m_addAccount->setDefault(!hasAccount);
    m_record->setDefault(hasAccount);
    m_accountIcon->setSymbol(hasAccount ? QStringLiteral("checkmark.circle.fill")
                                        : QStringLiteral("building.columns"));
    m_accountIcon->setTone(hasAccount ? Tone::income : Tone::accent);
}

} // namespace tallyra::app
