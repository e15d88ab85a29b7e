#include "sheets/account/account_sheet.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/account_kind.h"
#include "money/currency.h"
#include "money/money_input.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "widgets/message_bar.h"
#include "window/window_context.h"

namespace tallyra::app {

namespace {

QSpinBox* daySpin()
{
    auto* spin = new QSpinBox;
    spin->setRange(0, 31);
    spin->setSpecialValueText(QCoreApplication::translate("AccountSheet", "Not set"));
    return spin;
}

} // namespace

AccountSheet::AccountSheet(WindowContext& context, std::optional<AccountId> id, QWidget* parent)
    : Sheet(parent),
      m_model(std::make_unique<AccountSheetModel>(context.services.store().index().get(),
                                                  context.writers.catalog().accounts(), id,
                                                  Currency::inputLocale())),
      m_form(new QFormLayout), m_name(new QLineEdit), m_kind(new QComboBox),
      m_currency(new QComboBox), m_detail(new QLineEdit), m_limit(new QLineEdit),
      m_statement(daySpin()), m_payment(daySpin()), m_interest(new QLineEdit),
      m_message(new MessageBar)
{
    AccountSheetModel& model = *m_model;
    setWindowTitle(model.title());
    m_message->hide();
    body()->addWidget(m_message);
    body()->addLayout(m_form);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_name->setText(model.draft.name);
    m_name->setPlaceholderText(tr("Monobank, Cash, Savings…"));
    m_form->addRow(tr("Name"), m_name);
    for (const auto kind : allCases<AccountKind>()) {
        m_kind->addItem(title(kind), rawValue(kind));
        m_kind->setItemData(m_kind->count() - 1, description(kind), Qt::ToolTipRole);
    }
    m_kind->setCurrentIndex(m_kind->findData(rawValue(model.draft.kind)));
    m_form->addRow(tr("Kind"), m_kind);
    for (const QString& code : Currency::all()) {
        const QString name = Currency::name(code, QLocale());
        m_currency->addItem(name.isEmpty() || name == code ? code : tr("%1 — %2").arg(code, name),
                            code);
    }
    m_currency->setCurrentIndex(m_currency->findData(model.draft.currency));
    if (model.currencyLocked()) {
        m_currency->setEnabled(false);
        m_currency->setToolTip(
            tr("The currency can’t change once the account has transactions or balances"));
    }
    m_form->addRow(tr("Currency"), m_currency);
    m_detail->setText(model.draft.detail);
    m_detail->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Note"), m_detail);
    if (model.isNew()) {
        m_balance = new QLineEdit;
        m_balance->setPlaceholderText(
            MoneyInput::placeholder(model.draft.currency, Currency::inputLocale()));
        m_form->addRow(tr("Balance today"), m_balance);
        m_balanceDate =
            new QDateEdit(context.model.periodEngine().dayOf(context.model.periodEngine().today()));
        m_balanceDate->setCalendarPopup(true);
        m_balanceDate->setMaximumDate(m_balanceDate->date());
        m_balanceDate->setToolTip(tr("The day this balance was true at the end of"));
        m_form->addRow(tr("As of"), m_balanceDate);
    }
    m_limit->setText(model.limitText);
    m_form->addRow(tr("Credit limit"), m_limit);
    m_statement->setValue(model.statementDay);
    m_form->addRow(tr("Statement day"), m_statement);
    m_payment->setValue(model.paymentDay);
    m_form->addRow(tr("Payment day"), m_payment);
    m_interest->setText(model.interestText);
    m_interest->setPlaceholderText(tr("e.g. 39.9"));
    m_form->addRow(tr("Interest rate, %"), m_interest);

    setAcceptButton(model.acceptText());
    addCancelButton();
    connect(m_kind, &QComboBox::currentIndexChanged, this, &AccountSheet::kindChanged);
    kindChanged();
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    m_name->setFocus();
}

AccountSheet::~AccountSheet() = default;

void AccountSheet::readWidgets() const
{
    AccountSheetModel& model = *m_model;
    model.draft.name = m_name->text();
    if (const auto kind = enumFromRaw<AccountKind>(m_kind->currentData().toString()))
        model.draft.kind = *kind;
    model.draft.currency = m_currency->currentData().toString();
    model.draft.detail = m_detail->text();
    if (m_balance) {
        model.balanceText = m_balance->text();
        // Today is the default: only an earlier day is recorded as such.
        const QDate day = m_balanceDate->date();
        model.balanceDate = day == m_balanceDate->maximumDate() ? QDate() : day;
    }
    model.limitText = m_limit->text();
    model.statementDay = m_statement->value();
    model.paymentDay = m_payment->value();
    model.interestText = m_interest->text();
}

void AccountSheet::kindChanged()
{
    readWidgets();
    m_form->setRowVisible(m_limit, m_model->showsLimit());
    m_form->setRowVisible(m_statement, m_model->showsStatementDay());
    m_form->setRowVisible(m_payment, m_model->showsPaymentDay());
    m_form->setRowVisible(m_interest, m_model->showsInterest());
    adjustSize();
}

bool AccountSheet::hasChanges() const
{
    readWidgets();
    return m_model->hasChanges();
}

void AccountSheet::accept()
{
    readWidgets();
    if (const auto message = m_model->save()) {
        m_message->showMessage(*message, Tone::expense);
        return;
    }
    Sheet::accept();
}

} // namespace tallyra::app
