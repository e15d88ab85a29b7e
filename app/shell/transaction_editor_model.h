#pragma once

// TransactionEditorModel: the state behind the sheet that adds a
// transaction or edits one. It wraps an EntryDraft, keeps the tag field's
// text, the receipt, whether the user picked the category personally and
// the draft as first shown (to tell whether anything changed), and decides
// what the sheet shows:
//
// - the received amount only for a transfer between two accounts of the
//   ledger whose currencies differ (the route); its placeholder is the
//   amount converted at today's rates, and an empty field saves that;
// - one inline message, the draft's first problem as it would be saved,
//   without a final full stop ("Enter an amount");
// - a picked contact fills the category used with that person last time
//   (same kind), unless the user already picked a category or the setting
//   is off.
//
// Saving parses the tags, fills an empty received amount from the rates,
// writes through the ledger writer (a failure becomes the application's
// error alert), lets the application play the save sound and show the
// future-date toast for a new transaction, and then either closes the
// sheet or, with "Keep open for the next one", resets the form keeping
// its date, account, kind, destination, time flag, cleared flag and
// category.
//
// Choices: "Keep open" applies to new transactions; saving an edit always
// closes. A draft with a problem is not written (the inline message says
// why).
//
// Threading: main thread only.

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include "contact_book.h"
#include "money/decimal.h"
#include "reports/ledger_index.h"
#include "writing/entry_draft.h"

namespace tallyra {
class LedgerWriter;
}

namespace tallyra::app {

class AppModel;

class TransactionEditorModel final : public QObject
{
    Q_OBJECT

public:
    // A receipt file: its bytes and its media type ("image/jpeg").
    struct Receipt
    {
        QByteArray data;
        QString type;
        friend bool operator==(const Receipt&, const Receipt&) = default;
    };

    enum class SaveResult
    {
        closed,   // saved; the sheet closes
        keptOpen, // saved; the form is ready for the next transaction
        invalid,  // not saved: the inline message says why
        failed,   // not saved: the error alert says why
    };

    // A new transaction on the date, from the account.
    TransactionEditorModel(LedgerWriter& writer, AppModel& app,
                           std::shared_ptr<const LedgerIndex> ledger, const QDateTime& date,
                           std::optional<AccountId> account, QObject* parent = nullptr);
    // An existing transaction; its receipt is loaded through the writer.
    TransactionEditorModel(LedgerWriter& writer, AppModel& app,
                           std::shared_ptr<const LedgerIndex> ledger, const Entry& entry,
                           QObject* parent = nullptr);
    ~TransactionEditorModel() override;

    // The account a new transaction starts with: the settings' default
    // account while it is open, else the first open account.
    [[nodiscard]] static std::optional<AccountId>
    startingAccount(const LedgerIndex& ledger, const std::optional<AccountId>& defaultAccount);

    [[nodiscard]] const std::optional<EntryId>& editingID() const noexcept { return m_editingID; }
    [[nodiscard]] bool isNew() const noexcept { return !m_editingID; }
    [[nodiscard]] const EntryDraft& draft() const noexcept { return m_draft; }
    [[nodiscard]] const EntryDraft& initialDraft() const noexcept { return m_initialDraft; }
    [[nodiscard]] const QString& tagsText() const noexcept { return m_tagsText; }
    [[nodiscard]] const std::optional<Receipt>& receipt() const noexcept { return m_receipt; }
    [[nodiscard]] bool receiptUnavailable() const noexcept { return m_receiptUnavailable; }
    [[nodiscard]] bool receiptChanged() const noexcept { return m_receiptChanged; }
    [[nodiscard]] bool categoryPickedByUser() const noexcept { return m_categoryPickedByUser; }
    [[nodiscard]] int resetCount() const noexcept { return m_resetCount; }
    [[nodiscard]] const std::shared_ptr<const LedgerIndex>& ledger() const noexcept
    {
        return m_ledger;
    }
    // A newer ledger (after a reload): accounts, rates and entries.
    void setLedger(std::shared_ptr<const LedgerIndex> ledger);

    // --- Editing
    // Replaces the whole draft (the sheet's bindings may set fields at once).
    void setDraft(const EntryDraft& draft);
    void setKind(EntryKind kind);
    void setAmount(const Decimal& amount);
    void setToAmount(const std::optional<Decimal>& amount);
    void setDate(const QDateTime& date, bool hasTime);
    void setAccount(const std::optional<AccountId>& account);
    void setToAccount(const std::optional<AccountId>& account);
    void setPayee(const QString& payee);
    void setNote(const QString& note);
    void setCleared(bool cleared);
    void setTagsText(const QString& text);
    void pickCategory(const std::optional<CategoryId>& category);
    // Records the contact (none clears it); with `suggest` on and no
    // category picked by hand, fills the category last used with them.
    void pickContact(const std::optional<PickedContact>& contact, bool suggest);
    // Attaches, replaces or (with none) removes the receipt.
    void setReceipt(std::optional<Receipt> receipt);

    // --- What the sheet shows
    [[nodiscard]] QString title() const;
    // (source currency, destination currency) of a cross-currency transfer.
    [[nodiscard]] std::optional<std::pair<QString, QString>> route() const;
    [[nodiscard]] bool showsReceivedAmount() const { return route().has_value(); }
    // The amount converted at the current rates, while there is a route and
    // an amount above 0 and both currencies have a rate.
    [[nodiscard]] std::optional<Decimal> receivedPlaceholder() const;
    [[nodiscard]] static QString receivedLabel();
    [[nodiscard]] static QString receivedHint();
    // The draft as save() would write it: tags parsed, received amount filled.
    [[nodiscard]] EntryDraft draftToSave() const;
    [[nodiscard]] std::optional<EntryDraft::Problem> problem() const;
    // The problem's message without its full stop; empty without one.
    [[nodiscard]] QString inlineMessage() const;
    [[nodiscard]] static QString inlineMessage(EntryDraft::Problem problem);
    [[nodiscard]] bool hasChanges() const;

    SaveResult save();

signals:
    void draftChanged();
    void tagsTextChanged(const QString& text);
    void receiptChangedSignal();
    void ledgerChanged();
    void resetCountChanged(int count);

private:
    void changeDraft(const std::function<void(EntryDraft&)>& change);
    void resetForNext(const EntryDraft& saved);

    LedgerWriter& m_writer;
    AppModel& m_app;
    std::shared_ptr<const LedgerIndex> m_ledger;
    std::optional<EntryId> m_editingID;
    EntryDraft m_draft;
    EntryDraft m_initialDraft;
    QString m_tagsText;
    std::optional<Receipt> m_receipt;
    bool m_receiptUnavailable = false;
    bool m_receiptChanged = false;
    bool m_categoryPickedByUser = false;
    int m_resetCount = 0;
};

} // namespace tallyra::app
