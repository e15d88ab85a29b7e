#pragma once

// TransactionsViewModel: what the Transactions screen shows and does. It
// builds the transaction feed of the period, narrowed by the scope, the
// type switcher and the search field, off the main thread, and hands it
// to the list model. It
// decides the footer, the empty state, the scope bar and what the
// selection allows, and runs the bulk actions: each is one writer
// operation (one undo step) followed by its toast; a failure becomes the
// error alert. The search field waits for typing to pause before it
// changes the search text, so every change here recomputes at once.
//
// Threading: main thread; the feed runs on the global pool. A result for an
// older request is dropped in favour of the newest.

#include <optional>

#include <QFutureWatcher>
#include <QObject>

#include "reports/transaction_feed.h"
#include "screens/transactions/transaction_list_model.h"

namespace tallyra {
class AppServices;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppModel;
class AppWriters;

// What a selection of transactions allows.
struct SelectionSummary
{
    int count = 0;
    bool canChangeCategory = false;
    QString categoryHelp; // why not, when it can't
    // The kind whose categories are offered.
    std::optional<EntryKind> categoryKind;
    bool canChangeAccount = false;
    QString accountHelp;
    // The one currency of the selection.
    std::optional<CurrencyCode> currency;
    // Every selected transaction is cleared (the action then unclears).
    bool allCleared = false;
    bool anyContact = false;

    // Decided from the selected transactions alone.
    [[nodiscard]] static SelectionSummary of(const std::vector<Entry>& entries,
                                             const LedgerIndex& ledger);
};

// A line of the empty state.
struct TransactionsEmpty
{
    enum class Button
    {
        addAccount,
        newTransaction,
        clearSearch,
        previousPeriod,
        showAllTime,
    };
    QString symbol;
    QString heading;
    QString body;
    QList<Button> buttons;
};

// An item of a bulk-action menu: a category path or an account.
struct BulkChoice
{
    QString id;
    QString title;
};

class TransactionsViewModel final : public QObject
{
    Q_OBJECT

public:
    TransactionsViewModel(AppServices& services, AppModel& model, AppWriters& writers,
                          MoneyDisplay& display, QObject* parent = nullptr);
    ~TransactionsViewModel() override;

    [[nodiscard]] TransactionListModel* list() const noexcept { return m_list; }
    [[nodiscard]] bool isBusy() const noexcept { return m_pending; }
    void refresh();

    // --- Header
    [[nodiscard]] static QStringList filterTitles();
    [[nodiscard]] static QString filterHelp();
    [[nodiscard]] int filterIndex() const;
    void setFilterIndex(int index);
    // "Groceries" or "Card"; empty for the whole ledger.
    [[nodiscard]] QString scopeText() const;
    void clearScope();

    // --- Footer and empty state
    [[nodiscard]] QString countText() const;    // "42 transactions"
    [[nodiscard]] QString receivedText() const; // "RECEIVED ₴1,200.00"
    [[nodiscard]] QString spentText() const;    // "SPENT ₴800.00"
    // The period holds nothing listed but older transactions exist.
    [[nodiscard]] bool offersAllTime() const noexcept { return m_offersAllTime; }
    void showAllTime();
    [[nodiscard]] bool isEmpty() const;
    // The ledger holds transactions at all (else browsing is pointless).
    [[nodiscard]] bool canBrowse() const;
    [[nodiscard]] TransactionsEmpty emptyState() const;

    // --- Selection and bulk actions
    [[nodiscard]] std::vector<Entry> entries(const QList<int>& rows) const;
    [[nodiscard]] SelectionSummary summary(const QList<int>& rows) const;
    [[nodiscard]] static QString selectedText(int count);
    [[nodiscard]] QList<BulkChoice> categoryChoices(EntryKind kind) const;
    [[nodiscard]] QList<BulkChoice> accountChoices(const CurrencyCode& currency) const;
    [[nodiscard]] QStringList contactNames() const;

    bool changeCategory(const QList<int>& rows, const std::optional<CategoryId>& category);
    bool changeAccount(const QList<int>& rows, const AccountId& account);
    bool setContact(const QList<int>& rows, const std::optional<QString>& name);
    bool setCleared(const QList<int>& rows, bool cleared);
    bool duplicate(const QList<int>& rows);
    bool remove(const QList<int>& rows);
    void edit(int row);

    // Toast texts (the count picks the form).
    [[nodiscard]] static QString deletedText(int count);

signals:
    void changed();
    void busyChanged(bool busy);
    // The rows to select after a write (the duplicates) or a reveal.
    void selectRequested(const QList<tallyra::EntryId>& ids);

private:
    struct Request
    {
        std::shared_ptr<const LedgerIndex> index;
        DateInterval window;
        tallyra::TransactionScope scope;
        tallyra::TransactionFilter filter = tallyra::TransactionFilter::all;
        QString search;
        QList<QLocale> localizations;
        PeriodEngine engine;
    };
    struct Result
    {
        TransactionFeed feed;
        bool hasOlder = false;
    };
    void start();
    void finished();
    [[nodiscard]] QSet<EntryId> ids(const QList<int>& rows) const;
    // Runs a write; false (with the error shown) when it threw.
    bool write(const std::function<void()>& action);

    AppServices& m_services;
    AppModel& m_model;
    AppWriters& m_writers;
    MoneyDisplay& m_display;
    TransactionListModel* m_list;
    QFutureWatcher<Result> m_watcher;
    std::shared_ptr<const LedgerIndex> m_pendingIndex;
    std::uint64_t m_ticket = 0;
    std::uint64_t m_runningTicket = 0;
    bool m_pending = false;
    bool m_offersAllTime = false;
    bool m_hasResult = false;
    QString m_listedSearch;
    QList<EntryId> m_selectAfterLoad;
};

} // namespace tallyra::app
