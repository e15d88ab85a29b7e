#include "screens/transactions/transactions_view_model.h"

#include <QtConcurrent/QtConcurrentRun>

#include "base/error.h"
#include "display/money_display.h"
#include "reports/entry_search.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "writing/entry_draft.h"
#include "writing/ledger_writer.h"
#include "writing/undo_manager.h"

namespace tallyra::app {

namespace {

tallyra::TransactionScope coreScope(const TransactionScope& scope)
{
    tallyra::TransactionScope result;
    result.account = scope.account;
    result.category = scope.category;
    return result;
}

tallyra::TransactionFilter coreFilter(TransactionFilter filter)
{
    switch (filter) {
    case TransactionFilter::all:
        return tallyra::TransactionFilter::all;
    case TransactionFilter::expenses:
        return tallyra::TransactionFilter::expenses;
    case TransactionFilter::income:
        return tallyra::TransactionFilter::income;
    case TransactionFilter::transfers:
        return tallyra::TransactionFilter::transfers;
    }
    return tallyra::TransactionFilter::all;
}

// English needs its singular spelled out: "1 transaction", not "1
// transactions". Other languages get their forms from the string table.
QString counted(int count, const char* one, const char* many)
{
    return count == 1 ? TransactionsViewModel::tr(one) : TransactionsViewModel::tr(many).arg(count);
}

QString categoryPath(const LedgerIndex& ledger, const CategoryId& id)
{
    QStringList names;
    for (const CategoryId& step : ledger.path(id))
        if (const CategoryItem* category = ledger.category(step))
            names.push_back(category->name);
    return names.join(QStringLiteral(" › "));
}

} // namespace

SelectionSummary SelectionSummary::of(const std::vector<Entry>& entries, const LedgerIndex& ledger)
{
    SelectionSummary summary;
    summary.count = static_cast<int>(entries.size());
    if (entries.empty())
        return summary;
    const EntryKind firstKind = entries.front().kind;
    const bool oneKind = std::all_of(entries.begin(), entries.end(),
                                     [&](const Entry& e) { return e.kind == firstKind; });
    summary.canChangeCategory = oneKind && firstKind != EntryKind::transfer;
    if (summary.canChangeCategory)
        summary.categoryKind = firstKind;
    else
        summary.categoryHelp =
            TransactionsViewModel::tr("Select only expenses or only income to change the category");

    std::optional<CurrencyCode> currency;
    bool oneCurrency = true;
    for (const Entry& entry : entries) {
        const Account* account = entry.accountID ? ledger.account(*entry.accountID) : nullptr;
        const CurrencyCode code = account ? account->currency : entry.amount.currency;
        if (!currency)
            currency = code;
        else if (*currency != code)
            oneCurrency = false;
    }
    summary.canChangeAccount = oneCurrency;
    if (oneCurrency)
        summary.currency = currency;
    else
        summary.accountHelp =
            TransactionsViewModel::tr("Select transactions in one currency to change the account");
    summary.allCleared =
        std::all_of(entries.begin(), entries.end(), [](const Entry& e) { return e.cleared; });
    summary.anyContact = std::any_of(entries.begin(), entries.end(),
                                     [](const Entry& e) { return e.contactName().has_value(); });
    return summary;
}

TransactionsViewModel::TransactionsViewModel(AppServices& services, AppModel& model,
                                             AppWriters& writers, MoneyDisplay& display,
                                             QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_writers(writers), m_display(display),
      m_list(new TransactionListModel(display, this))
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, &TransactionsViewModel::finished);
    connect(&services.store(), &LedgerStore::indexChanged, this, &TransactionsViewModel::refresh);
    connect(&model, &AppModel::periodChanged, this, &TransactionsViewModel::refresh);
    connect(&model, &AppModel::periodEngineChanged, this, &TransactionsViewModel::refresh);
    connect(&model, &AppModel::transactionFilterChanged, this, &TransactionsViewModel::refresh);
    connect(&model, &AppModel::transactionScopeChanged, this, &TransactionsViewModel::refresh);
    connect(&model, &AppModel::searchTextChanged, this, &TransactionsViewModel::refresh);
    const auto texts = [this] {
        m_list->refreshTexts();
        emit changed();
    };
    connect(&display, &MoneyDisplay::hideCentsChanged, this, texts);
    connect(&display, &MoneyDisplay::hideBalancesChanged, this, texts);
    connect(&services.settings(), &SettingsStore::settingsChanged, this,
            &TransactionsViewModel::refresh);
    refresh();
}

TransactionsViewModel::~TransactionsViewModel()
{
    m_watcher.waitForFinished();
}

void TransactionsViewModel::refresh()
{
    start();
}

void TransactionsViewModel::start()
{
    const std::shared_ptr<const LedgerIndex>& index = m_services.store().index();
    if (!index)
        return;
    ++m_ticket;
    if (!m_pending) {
        m_pending = true;
        emit busyChanged(true);
    }
    if (m_watcher.isRunning())
        return; // finished() starts the newest request
    m_runningTicket = m_ticket;
    m_pendingIndex = index;
    const PeriodEngine& engine = m_model.periodEngine();
    Request request{index,
                    engine.window(m_model.period()).interval,
                    coreScope(m_model.transactionScope()),
                    coreFilter(m_model.transactionFilter()),
                    m_model.searchText(),
                    {m_services.locale()},
                    engine};
    m_listedSearch = request.search;
    m_watcher.setFuture(QtConcurrent::run([request = std::move(request)] {
        const LedgerIndex& ledger = *request.index;
        const EntrySearch search(request.search, request.localizations);
        Result result;
        result.feed = transactionFeed(ledger, request.window, request.scope, request.filter, search,
                                      request.engine);
        if (result.feed.days.empty() && !ledger.entries().empty()) {
            // Is there anything before the period that the list would show?
            const DateInterval before{ledger.entries().front().date, request.window.start};
            const LedgerIndex::EntryRange older = ledger.entries(before);
            EntrySearch::Context context(search, ledger, request.engine);
            for (const Entry* entry = older.end(); entry != older.begin();) {
                --entry;
                if (request.scope.matches(*entry, ledger) && keeps(request.filter, entry->kind) &&
                    (search.isEmpty() || search.matches(*entry, context))) {
                    result.hasOlder = true;
                    break;
                }
            }
        }
        return result;
    }));
}

void TransactionsViewModel::finished()
{
    if (m_runningTicket != m_ticket) {
        m_pending = false;
        start();
        return;
    }
    Result result = m_watcher.result();
    m_offersAllTime = result.hasOlder && m_model.period().length() != PeriodLength::max;
    TransactionRowModel::Options options;
    options.showsTime = m_services.settings().settings().showTimeInLists;
    options.zone = m_services.zone();
    options.locale = m_model.periodEngine().locale();
    options.balanceAccount = m_model.transactionScope().account;
    m_list->setFeed(std::move(result.feed), m_pendingIndex, m_model.periodEngine(), options);
    m_hasResult = true;
    m_pending = false;
    emit changed();
    emit busyChanged(false);
    if (!m_selectAfterLoad.isEmpty())
        emit selectRequested(std::exchange(m_selectAfterLoad, {}));
}

QStringList TransactionsViewModel::filterTitles()
{
    return {tr("All"), tr("Expenses"), tr("Income"), tr("Transfers")};
}

QString TransactionsViewModel::filterHelp()
{
    return tr("All transactions, expenses, income or transfers");
}

int TransactionsViewModel::filterIndex() const
{
    return static_cast<int>(m_model.transactionFilter());
}

void TransactionsViewModel::setFilterIndex(int index)
{
    m_model.setTransactionFilter(static_cast<TransactionFilter>(std::clamp(index, 0, 3)));
}

QString TransactionsViewModel::scopeText() const
{
    const TransactionScope& scope = m_model.transactionScope();
    const std::shared_ptr<const LedgerIndex>& index = m_services.store().index();
    if (!index)
        return {};
    if (scope.account)
        if (const Account* account = index->account(*scope.account))
            return account->name;
    if (scope.category)
        return categoryPath(*index, *scope.category);
    return {};
}

void TransactionsViewModel::clearScope()
{
    m_model.setTransactionScope(TransactionScope::all());
}

QString TransactionsViewModel::countText() const
{
    return counted(m_list->entryCount(), QT_TR_NOOP("1 transaction"),
                   QT_TR_NOOP("%1 transactions"));
}

QString TransactionsViewModel::receivedText() const
{
    const Money& amount = m_list->feed().totals.received;
    return tr("RECEIVED %1")
        .arg(m_display.format(amount.minor, amount.currency, true, MoneyDisplay::Masking::never));
}

QString TransactionsViewModel::spentText() const
{
    const Money& amount = m_list->feed().totals.spent;
    return tr("SPENT %1")
        .arg(m_display.format(amount.minor, amount.currency, true, MoneyDisplay::Masking::never));
}

void TransactionsViewModel::showAllTime()
{
    m_model.setPeriod(PeriodSelection(PeriodLength::max));
}

bool TransactionsViewModel::isEmpty() const
{
    return m_hasResult && m_list->entryCount() == 0;
}

bool TransactionsViewModel::canBrowse() const
{
    const std::shared_ptr<const LedgerIndex>& index = m_services.store().index();
    return index && index->stage() == LedgerStage::active;
}

TransactionsEmpty TransactionsViewModel::emptyState() const
{
    using Button = TransactionsEmpty::Button;
    TransactionsEmpty empty;
    const std::shared_ptr<const LedgerIndex>& index = m_services.store().index();
    const LedgerStage stage = index ? index->stage() : LedgerStage::noAccounts;
    if (stage == LedgerStage::noAccounts) {
        empty.symbol = QStringLiteral("building.columns");
        empty.heading = tr("No Accounts Yet");
        empty.body = tr("Add an account before recording transactions — a bank account, card, "
                        "cash or savings.");
        empty.buttons = {Button::addAccount};
        return empty;
    }
    if (stage == LedgerStage::noTransactions) {
        empty.symbol = QStringLiteral("arrow.left.arrow.right");
        empty.heading = tr("No Transactions Yet");
        empty.body = tr("Record your first expense or income.");
        empty.buttons = {Button::newTransaction};
        return empty;
    }
    if (!m_listedSearch.trimmed().isEmpty()) {
        empty.symbol = QStringLiteral("magnifyingglass");
        empty.heading = tr("No Results");
        empty.body = tr("Nothing in this period matches “%1”.").arg(m_listedSearch.trimmed());
        empty.buttons = {Button::clearSearch};
        if (m_offersAllTime)
            empty.buttons.push_back(Button::showAllTime);
        return empty;
    }
    empty.symbol = QStringLiteral("arrow.left.arrow.right");
    switch (m_model.transactionFilter()) {
    case TransactionFilter::all:
        empty.heading = tr("No Transactions");
        break;
    case TransactionFilter::expenses:
        empty.heading = tr("No Expenses");
        break;
    case TransactionFilter::income:
        empty.heading = tr("No Income");
        break;
    case TransactionFilter::transfers:
        empty.heading = tr("No Transfers");
        break;
    }
    empty.body = m_offersAllTime ? tr("Nothing in this period; earlier periods have some.")
                                 : tr("Nothing in this period.");
    if (m_model.canStepPeriod(PeriodSelection::Direction::older))
        empty.buttons.push_back(Button::previousPeriod);
    if (m_offersAllTime)
        empty.buttons.push_back(Button::showAllTime);
    return empty;
}

std::vector<Entry> TransactionsViewModel::entries(const QList<int>& rows) const
{
    std::vector<Entry> result;
    result.reserve(static_cast<size_t>(rows.size()));
    for (const int row : rows)
        if (const Entry* entry = m_list->entry(row))
            result.push_back(*entry);
    return result;
}

SelectionSummary TransactionsViewModel::summary(const QList<int>& rows) const
{
    const std::shared_ptr<const LedgerIndex>& ledger = m_list->ledger();
    if (!ledger)
        return {};
    return SelectionSummary::of(entries(rows), *ledger);
}

QString TransactionsViewModel::selectedText(int count)
{
    return tr("%1 selected").arg(count);
}

QList<BulkChoice> TransactionsViewModel::categoryChoices(EntryKind kind) const
{
    QList<BulkChoice> choices;
    const std::shared_ptr<const LedgerIndex>& ledger = m_list->ledger();
    if (!ledger)
        return choices;
    const CategoryKind wanted =
        kind == EntryKind::income ? CategoryKind::income : CategoryKind::expense;
    for (const CategoryItem& category : ledger->categories())
        if (category.kind == wanted)
            choices.push_back({category.id.toString(), categoryPath(*ledger, category.id)});
    std::sort(choices.begin(), choices.end(), [](const BulkChoice& a, const BulkChoice& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return choices;
}

QList<BulkChoice> TransactionsViewModel::accountChoices(const CurrencyCode& currency) const
{
    QList<BulkChoice> choices;
    const std::shared_ptr<const LedgerIndex>& ledger = m_list->ledger();
    if (!ledger)
        return choices;
    for (const Account& account : ledger->activeAccounts())
        if (account.currency == currency)
            choices.push_back({account.id.toString(), account.name});
    return choices;
}

QStringList TransactionsViewModel::contactNames() const
{
    QStringList names;
    const std::shared_ptr<const LedgerIndex>& ledger = m_list->ledger();
    if (!ledger)
        return names;
    QSet<QString> seen;
    // Newest first: the people met lately lead the list.
    for (auto entry = ledger->entries().rbegin(); entry != ledger->entries().rend(); ++entry)
        if (const auto& name = entry->contactName(); name && !seen.contains(name->toLower())) {
            seen.insert(name->toLower());
            names.push_back(*name);
        }
    return names;
}

QSet<EntryId> TransactionsViewModel::ids(const QList<int>& rows) const
{
    QSet<EntryId> result;
    for (const int row : rows)
        if (const Entry* entry = m_list->entry(row))
            result.insert(entry->id);
    return result;
}

bool TransactionsViewModel::write(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const Error& error) {
        m_model.reportError(error.userMessage());
        return false;
    }
}

QString TransactionsViewModel::deletedText(int count)
{
    return counted(count, QT_TR_NOOP("Deleted 1 transaction"),
                   QT_TR_NOOP("Deleted %1 transactions"));
}

bool TransactionsViewModel::changeCategory(const QList<int>& rows,
                                           const std::optional<CategoryId>& category)
{
    const QSet<EntryId> chosen = ids(rows);
    if (chosen.isEmpty() || !write([&] { m_writers.ledger().changeCategory(category, chosen); }))
        return false;
    m_model.showToast(counted(static_cast<int>(chosen.size()),
                              QT_TR_NOOP("Changed the category of 1 transaction"),
                              QT_TR_NOOP("Changed the category of %1 transactions")));
    return true;
}

bool TransactionsViewModel::changeAccount(const QList<int>& rows, const AccountId& account)
{
    const QSet<EntryId> chosen = ids(rows);
    if (chosen.isEmpty() || !write([&] { m_writers.ledger().changeAccount(account, chosen); }))
        return false;
    m_model.showToast(counted(static_cast<int>(chosen.size()), QT_TR_NOOP("Moved 1 transaction"),
                              QT_TR_NOOP("Moved %1 transactions")));
    return true;
}

bool TransactionsViewModel::setContact(const QList<int>& rows, const std::optional<QString>& name)
{
    const QSet<EntryId> chosen = ids(rows);
    if (chosen.isEmpty() ||
        !write([&] { m_writers.ledger().setContact(name, std::nullopt, chosen); }))
        return false;
    const auto count = static_cast<int>(chosen.size());
    m_model.showToast(name ? counted(count, QT_TR_NOOP("Changed the contact of 1 transaction"),
                                     QT_TR_NOOP("Changed the contact of %1 transactions"))
                           : counted(count, QT_TR_NOOP("Removed the contact of 1 transaction"),
                                     QT_TR_NOOP("Removed the contact of %1 transactions")));
    return true;
}

bool TransactionsViewModel::setCleared(const QList<int>& rows, bool cleared)
{
    const QSet<EntryId> chosen = ids(rows);
    if (chosen.isEmpty() || !write([&] { m_writers.ledger().setCleared(cleared, chosen); }))
        return false;
    const auto count = static_cast<int>(chosen.size());
    m_model.showToast(cleared ? counted(count, QT_TR_NOOP("Marked 1 transaction cleared"),
                                        QT_TR_NOOP("Marked %1 transactions cleared"))
                              : counted(count, QT_TR_NOOP("Marked 1 transaction uncleared"),
                                        QT_TR_NOOP("Marked %1 transactions uncleared")));
    return true;
}

bool TransactionsViewModel::duplicate(const QList<int>& rows)
{
    const std::shared_ptr<const LedgerIndex>& ledger = m_list->ledger();
    const std::vector<Entry> originals = entries(rows);
    if (!ledger || originals.empty())
        return false;
    UndoManager& undo = m_writers.undoManager();
    QList<EntryId> copies;
    bool droppedReceipt = false;
    bool needsReceived = false;
    // One undo step for the whole selection, as for every bulk action.
    undo.beginUndoGrouping();
    const bool written = write([&] {
        // Oldest first, so that the copies keep the originals' order.
        for (auto entry = originals.rbegin(); entry != originals.rend(); ++entry) {
            const std::optional<EntryDraft> draft = EntryDraft::resaving(*entry, *ledger);
            if (!draft) {
                needsReceived = true;
                continue;
            }
            copies.push_back(m_writers.ledger().add(*draft));
            droppedReceipt = droppedReceipt || entry->hasReceipt;
        }
    });
    undo.setActionName(tr("Duplicate"));
    undo.endUndoGrouping();
    if (!written)
        return false;
    if (needsReceived)
        m_model.showToast(tr("Open the transfer to enter how much arrived."));
    else if (droppedReceipt)
        m_model.showToast(tr("Duplicated without its receipt"));
    else
        m_model.showToast(counted(static_cast<int>(copies.size()),
                                  QT_TR_NOOP("Duplicated 1 transaction"),
                                  QT_TR_NOOP("Duplicated %1 transactions")));
    m_selectAfterLoad = copies;
    return !copies.isEmpty();
}

bool TransactionsViewModel::remove(const QList<int>& rows)
{
    const QSet<EntryId> chosen = ids(rows);
    if (chosen.isEmpty() || !write([&] { m_writers.ledger().remove(chosen); }))
        return false;
    m_model.showToast(deletedText(static_cast<int>(chosen.size())));
    return true;
}

void TransactionsViewModel::edit(int row)
{
    if (const Entry* entry = m_list->entry(row))
        m_model.editTransaction(entry->id);
}

} // namespace tallyra::app
