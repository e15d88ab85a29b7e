#include "sheets/account/account_sheet_model.h"

#include "base/error.h"
#include "model/account_kind.h"
#include "money/currency.h"
#include "money/money_input.h"
#include "reports/ledger_index.h"
#include "writing/account_writer.h"

namespace tallyra::app {

AccountSheetModel::AccountSheetModel(const LedgerIndex* index, AccountWriter& writer,
                                     std::optional<AccountId> id, const QLocale& inputLocale)
    : m_writer(writer), m_id(std::move(id)), m_locale(inputLocale)
{
    draft.currency = Currency::main();
    const Account* account = (index && m_id) ? index->account(*m_id) : nullptr;
    if (account) {
        draft.name = account->name;
        draft.kind = account->kind;
        draft.detail = account->detail;
        draft.colorHex = account->colorHex;
        draft.sfSymbol = account->sfSymbol;
        draft.iconEmoji = account->iconEmoji;
        draft.iconImage = account->iconImage;
        draft.currency = account->currency;
        draft.isArchived = account->isArchived;
        if (account->creditLimit)
            limitText = MoneyInput::editingText(account->creditLimit->decimal(), account->currency,
                                                m_locale);
        if (account->interestRate)
            interestText = account->interestRate->toString();
        statementDay = static_cast<int>(account->statementDay.value_or(0));
        paymentDay = static_cast<int>(account->paymentDueDay.value_or(0));
        m_currencyLocked = index->hasActivity(account->id) || !account->openingBalance.isZero() ||
                           !index->checkpoints(account->id).empty();
    } else {
        m_id.reset();
        draft.colorHex = QStringLiteral("#3B82F6");
    }
    m_initial = draft;
    m_initialBalance = balanceText;
    m_initialLimit = limitText;
    m_initialInterest = interestText;
    m_initialStatement = statementDay;
    m_initialPayment = paymentDay;
}

QString AccountSheetModel::title() const
{
    return isNew() ? tr("New Account") : tr("Edit Account");
}

QString AccountSheetModel::acceptText() const
{
    return isNew() ? tr("Add Account") : tr("Save");
}

bool AccountSheetModel::showsLimit() const
{
    return draft.kind == AccountKind::creditCard;
}

bool AccountSheetModel::showsStatementDay() const
{
    return draft.kind == AccountKind::creditCard;
}

bool AccountSheetModel::showsPaymentDay() const
{
    return isCredit(draft.kind);
}

bool AccountSheetModel::showsInterest() const
{
    return isCredit(draft.kind) || draft.kind == AccountKind::savings;
}

bool AccountSheetModel::hasChanges() const
{
    return draft != m_initial || balanceText != m_initialBalance || limitText != m_initialLimit ||
           interestText != m_initialInterest || statementDay != m_initialStatement ||
           paymentDay != m_initialPayment;
}

std::optional<QString> AccountSheetModel::readFields(AccountDraft& out) const
{
    out = draft;
    out.name = draft.name.trimmed();
    if (isNew()) {
        if (!balanceText.trimmed().isEmpty()) {
            const auto balance = MoneyInput::evaluate(balanceText, m_locale);
            if (!balance)
                return tr("The balance isn’t a number.");
            out.balanceToday = *balance;
        }
        if (balanceDate.isValid())
            out.balanceDate = balanceDate;
    }
    out.creditLimit.reset();
    out.statementDay.reset();
    out.paymentDueDay.reset();
    out.interestRate.reset();
    if (showsLimit() && !limitText.trimmed().isEmpty()) {
        const auto limit = MoneyInput::evaluate(limitText, m_locale);
        if (!limit || *limit < Decimal(0))
            return tr("The credit limit must be a positive amount.");
        out.creditLimit = *limit;
    }
    if (showsStatementDay() && statementDay > 0)
        out.statementDay = statementDay;
    if (showsPaymentDay() && paymentDay > 0)
        out.paymentDueDay = paymentDay;
    if (showsInterest() && !interestText.trimmed().isEmpty()) {
        const auto rate = MoneyInput::number(interestText, m_locale);
        if (!rate || *rate < Decimal(0) || *rate > Decimal(1000))
            return tr("The interest rate must be a percentage between 0 and 1000.");
        out.interestRate = *rate;
    }
    return std::nullopt;
}

std::optional<QString> AccountSheetModel::save()
{
    AccountDraft values;
    if (auto message = readFields(values))
        return message;
    try {
        if (m_id) {
            m_writer.editAccount(*m_id, values);
            m_savedId = m_id;
        } else {
            m_savedId = m_writer.newAccount(values);
        }
    } catch (const Error& error) {
        return error.userMessage();
    }
    return std::nullopt;
}

} // namespace tallyra::app
