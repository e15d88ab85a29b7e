#include "transaction_editor_model.h"

#include <QCoreApplication>

#include "app_model.h"
#include "writing/ledger_writer.h"

namespace tallyra::app {

TransactionEditorModel::TransactionEditorModel(LedgerWriter& writer, AppModel& app,
                                               std::shared_ptr<const LedgerIndex> ledger,
                                               const QDateTime& date,
                                               std::optional<AccountId> account, QObject* parent)
    : QObject(parent), m_writer(writer), m_app(app), m_ledger(std::move(ledger)),
      m_draft(EntryDraft::make(date, account)), m_initialDraft(m_draft)
{
}

TransactionEditorModel::TransactionEditorModel(LedgerWriter& writer, AppModel& app,
                                               std::shared_ptr<const LedgerIndex> ledger,
                                               const Entry& entry, QObject* parent)
    : QObject(parent), m_writer(writer), m_app(app), m_ledger(std::move(ledger)),
      m_editingID(entry.id), m_draft(EntryDraft::of(entry)), m_initialDraft(m_draft),
      m_tagsText(entry.tags().join(QStringLiteral(", ")))
{
    if (entry.hasReceipt) {
        try {
            if (auto bytes = m_writer.receipt(entry.id))
                m_receipt = Receipt{std::move(*bytes), QString()};
            else
                m_receiptUnavailable = true;
        } catch (const Error&) {
            m_receiptUnavailable = true;
        }
    }
}

TransactionEditorModel::~TransactionEditorModel() = default;

std::optional<AccountId>
TransactionEditorModel::startingAccount(const LedgerIndex& ledger,
                                        const std::optional<AccountId>& defaultAccount)
{
    if (defaultAccount)
        if (const Account* account = ledger.account(*defaultAccount);
            account && !account->isArchived)
            return defaultAccount;
    for (const Account& account : ledger.accounts())
        if (!account.isArchived)
            return account.id;
    return std::nullopt;
}

void TransactionEditorModel::setLedger(std::shared_ptr<const LedgerIndex> ledger)
{
    m_ledger = std::move(ledger);
    emit ledgerChanged();
}

void TransactionEditorModel::changeDraft(const std::function<void(EntryDraft&)>& change)
{
    EntryDraft changed = m_draft;
    change(changed);
    if (changed == m_draft)
        return;
    m_draft = std::move(changed);
    emit draftChanged();
}

void TransactionEditorModel::setDraft(const EntryDraft& draft)
{
    changeDraft([&](EntryDraft& d) { d = draft; });
}

void TransactionEditorModel::setKind(EntryKind kind)
{
    changeDraft([&](EntryDraft& d) {
        if (d.kind != kind && !m_categoryPickedByUser)
            d.categoryID.reset();
        d.kind = kind;
    });
}

void TransactionEditorModel::setAmount(const Decimal& amount)
{
    changeDraft([&](EntryDraft& d) { d.amount = amount; });
}

void TransactionEditorModel::setToAmount(const std::optional<Decimal>& amount)
{
    changeDraft([&](EntryDraft& d) { d.toAmount = amount; });
}

void TransactionEditorModel::setDate(const QDateTime& date, bool hasTime)
{
    changeDraft([&](EntryDraft& d) {
        d.date = date;
        d.hasTime = hasTime;
    });
}

void TransactionEditorModel::setAccount(const std::optional<AccountId>& account)
{
    changeDraft([&](EntryDraft& d) { d.accountID = account; });
}

void TransactionEditorModel::setToAccount(const std::optional<AccountId>& account)
{
    changeDraft([&](EntryDraft& d) { d.toAccountID = account; });
}

void TransactionEditorModel::setPayee(const QString& payee)
{
    changeDraft([&](EntryDraft& d) { d.payee = payee; });
}

void TransactionEditorModel::setNote(const QString& note)
{
    changeDraft([&](EntryDraft& d) { d.note = note; });
}

void TransactionEditorModel::setCleared(bool cleared)
{
    changeDraft([&](EntryDraft& d) { d.cleared = cleared; });
}

void TransactionEditorModel::setTagsText(const QString& text)
{
    if (m_tagsText == text)
        return;
    m_tagsText = text;
    emit tagsTextChanged(text);
}

void TransactionEditorModel::pickCategory(const std::optional<CategoryId>& category)
{
    m_categoryPickedByUser = true;
    changeDraft([&](EntryDraft& d) { d.categoryID = category; });
}

void TransactionEditorModel::pickContact(const std::optional<PickedContact>& contact, bool suggest)
{
    std::optional<CategoryId> suggestion;
    if (contact && suggest && !m_categoryPickedByUser && m_ledger)
        suggestion = EntryDraft::suggestedCategory(contact->name, contact->identifier, m_draft.kind,
                                                   m_ledger->entries());
    changeDraft([&](EntryDraft& d) {
        d.contactName = contact ? std::optional<QString>(contact->name) : std::nullopt;
        d.contactIdentifier = contact ? std::optional<QString>(contact->identifier) : std::nullopt;
        if (suggestion)
            d.categoryID = suggestion;
    });
}

void TransactionEditorModel::setReceipt(std::optional<Receipt> receipt)
{
    m_receipt = std::move(receipt);
    m_receiptChanged = true;
    m_receiptUnavailable = false;
    emit receiptChangedSignal();
}

QString TransactionEditorModel::title() const
{
    const bool adding = isNew();
    switch (m_draft.kind) {
    case EntryKind::expense:
        return adding ? QCoreApplication::translate("TransactionEditor", "Add Expense")
                      : QCoreApplication::translate("TransactionEditor", "Edit Expense");
    case EntryKind::income:
        return adding ? QCoreApplication::translate("TransactionEditor", "Add Income")
                      : QCoreApplication::translate("TransactionEditor", "Edit Income");
    case EntryKind::transfer:
        return adding ? QCoreApplication::translate("TransactionEditor", "Add Transfer")
                      : QCoreApplication::translate("TransactionEditor", "Edit Transfer");
    }
    return {};
}

std::optional<std::pair<QString, QString>> TransactionEditorModel::route() const
{
    if (m_draft.kind != EntryKind::transfer || !m_draft.accountID || !m_draft.toAccountID ||
        !m_ledger)
        return std::nullopt;
    const Account* from = m_ledger->account(*m_draft.accountID);
    const Account* to = m_ledger->account(*m_draft.toAccountID);
    if (!from || !to || from->currency == to->currency)
        return std::nullopt;
    return std::make_pair(from->currency, to->currency);
}

std::optional<Decimal> TransactionEditorModel::receivedPlaceholder() const
{
    const auto currencies = route();
    if (!currencies || m_draft.amount.isNaN() || !(m_draft.amount > Decimal(0)))
        return std::nullopt;
    return m_ledger->rates().convert(m_draft.amount, currencies->first, currencies->second);
}

QString TransactionEditorModel::receivedLabel()
{
    return QCoreApplication::translate("TransactionEditor", "Received");
}

QString TransactionEditorModel::receivedHint()
{
    return QCoreApplication::translate("TransactionEditor", " · empty = today’s rate");
}

EntryDraft TransactionEditorModel::draftToSave() const
{
    EntryDraft draft = m_draft;
    draft.tags = EntryDraft::parseTags(m_tagsText);
    const bool received =
        draft.toAmount && !draft.toAmount->isNaN() && *draft.toAmount > Decimal(0);
    if (route() && !received)
        if (const auto placeholder = receivedPlaceholder())
            draft.toAmount = placeholder;
    return draft;
}

std::optional<EntryDraft::Problem> TransactionEditorModel::problem() const
{
    return draftToSave().validate(route().has_value());
}

QString TransactionEditorModel::inlineMessage(EntryDraft::Problem problem)
{
    QString message = EntryDraft::message(problem);
    if (message.endsWith(u'.'))
        message.chop(1);
    return message;
}

QString TransactionEditorModel::inlineMessage() const
{
    const auto found = problem();
    return found ? inlineMessage(*found) : QString();
}

bool TransactionEditorModel::hasChanges() const
{
    EntryDraft typed = m_draft;
    typed.tags = EntryDraft::parseTags(m_tagsText);
    return typed != m_initialDraft || m_receiptChanged;
}

TransactionEditorModel::SaveResult TransactionEditorModel::save()
{
    const EntryDraft draft = draftToSave();
    if (draft.validate(route().has_value()))
        return SaveResult::invalid;
    try {
        if (m_editingID) {
            m_writer.edit(*m_editingID, draft);
            if (m_receiptChanged)
                m_writer.setReceipt(m_receipt ? std::optional<QByteArray>(m_receipt->data)
                                              : std::nullopt,
                                    *m_editingID);
        } else {
            (void)m_writer.add(draft, m_receipt ? std::optional<QByteArray>(m_receipt->data)
                                                : std::nullopt);
        }
    } catch (const Error& error) {
        m_app.reportError(error.userMessage());
        return SaveResult::failed;
    }
    if (m_editingID) {
        m_app.dismiss();
        return SaveResult::closed;
    }
    m_app.noteSavedTransaction(draft.kind, draft.date);
    if (m_app.keepsEditorOpen()) {
        resetForNext(draft);
        return SaveResult::keptOpen;
    }
    m_app.dismiss();
    return SaveResult::closed;
}

void TransactionEditorModel::resetForNext(const EntryDraft& saved)
{
    EntryDraft next = EntryDraft::make(saved.date, saved.accountID);
    next.kind = saved.kind;
    next.toAccountID = saved.toAccountID;
    next.hasTime = saved.hasTime;
    next.cleared = saved.cleared;
    next.categoryID = saved.categoryID;
    m_draft = next;
    m_initialDraft = next;
    m_tagsText.clear();
    m_receipt.reset();
    m_receiptUnavailable = false;
    m_receiptChanged = false;
    ++m_resetCount;
    emit draftChanged();
    emit tagsTextChanged(m_tagsText);
    emit receiptChangedSignal();
    emit resetCountChanged(m_resetCount);
}

} // namespace tallyra::app
