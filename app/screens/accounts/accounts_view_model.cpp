#include "screens/accounts/accounts_view_model.h"

#include <algorithm>

#include "base/error.h"
#include "display/money_display.h"
#include "model/account_group.h"
#include "model/account_kind.h"
#include "periods/period_labels.h"
#include "reports/account_sections.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"

namespace tallyra::app {

namespace {

Tone toneOf(std::int64_t minor)
{
    return minor > 0 ? Tone::income : (minor < 0 ? Tone::expense : Tone::plain);
}

bool lacksRate(const LedgerIndex& index, const AccountId& id)
{
    const auto& missing = index.accountsWithoutRate();
    return std::any_of(missing.begin(), missing.end(),
                       [&](const Account& account) { return account.id == id; });
}

QString transactionCount(int count)
{
    return count == 1 ? AccountsViewModel::tr("1 transaction")
                      : AccountsViewModel::tr("%n transactions", nullptr, count);
}

} // namespace

AccountsViewModel::AccountsViewModel(AppServices& services, AppModel& model, AppWriters& writers,
                                     MoneyDisplay& display, QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_writers(writers), m_display(display)
{
    connect(&services.store(), &LedgerStore::indexChanged, this, &AccountsViewModel::refresh);
    connect(&model, &AppModel::periodChanged, this, &AccountsViewModel::refresh);
    connect(&model, &AppModel::periodEngineChanged, this, &AccountsViewModel::refresh);
    connect(&model, &AppModel::accountSelectionChanged, this, &AccountsViewModel::refresh);
    connect(&display, &MoneyDisplay::hideBalancesChanged, this, &AccountsViewModel::refresh);
    connect(&display, &MoneyDisplay::hideCentsChanged, this, &AccountsViewModel::refresh);
    refresh();
}

int AccountsViewModel::rowOf(const AccountId& id) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == id)
            return static_cast<int>(i);
    return -1;
}

const AccountRow* AccountsViewModel::selectedRow() const
{
    if (!m_account)
        return nullptr;
    const int row = rowOf(m_account->id);
    return row < 0 ? nullptr : &m_rows[static_cast<size_t>(row)];
}

void AccountsViewModel::select(const AccountId& id)
{
    m_model.setAccountSelection(id);
}

QString AccountsViewModel::amount(std::int64_t minor, bool isBalance) const
{
    return m_display.format(minor, m_account ? m_account->currency : QString(), true,
                            isBalance ? MoneyDisplay::Masking::whenHidden
                                      : MoneyDisplay::Masking::never);
}

void AccountsViewModel::refresh()
{
    const auto& index = m_services.store().index();
    m_rows.clear();
    m_account.reset();
    m_balance.reset();
    m_detail = AccountDetail();
    m_figures.clear();
    m_credit.clear();
    if (!index) {
        emit rowsChanged();
        emit detailChanged();
        return;
    }
    const PeriodEngine& engine = m_model.periodEngine();
    std::optional<AccountSection::Row> first;
    std::optional<AccountSection::Row> chosen;
    for (const AccountSection& section : accountSections(*index, engine.tomorrow(), true)) {
        AccountRow header;
        header.kind = AccountRow::Kind::section;
        header.title = section.group ? title(*section.group) : tr("Archived");
        m_rows.push_back(header);
        for (const AccountSection::Row& entry : section.rows) {
            const Account& account = entry.account;
            AccountRow row;
            row.title = account.name;
            row.detail = account.detail.isEmpty() ? title(account.kind) : account.detail;
            row.balance = m_display.format(entry.balance.minor, account.currency);
            row.balanceTone = entry.balance.minor < 0 ? Tone::expense : Tone::plain;
            row.id = account.id;
            row.icon = accountIcon(account);
            row.color = QColor(account.colorHex);
            row.isArchived = account.isArchived;
            row.hasNoRate = lacksRate(*index, account.id);
            if (row.hasNoRate)
                row.noRateHelp = tr("Not counted in totals or net worth: no exchange rate for %1")
                                     .arg(account.currency);
            m_rows.push_back(row);
            if (!first)
                first = entry;
            if (account.id == m_model.accountSelection())
                chosen = entry;
        }
    }
    emit rowsChanged();
    if (!chosen)
        chosen = first;
    if (chosen) {
        m_account = chosen->account;
        m_balance = chosen->balance;
        rebuildDetail(*index);
    }
    emit detailChanged();
}

void AccountsViewModel::rebuildDetail(const LedgerIndex& index)
{
    const PeriodEngine& engine = m_model.periodEngine();
    const PeriodLabels labels(engine);
    const Account& account = *m_account;
    m_detail = accountDetail(index, engine, m_model.period(), account.id);
    m_periodRuns = engine.window(m_model.period()).elapsedEnd >= engine.tomorrow();

    const std::int64_t change = saturatingSub(m_detail.closing.minor, m_detail.opening.minor);
    m_figures.push_back({tr("Change over the period"),
                         m_display.signedAmount(change, account.currency),
                         tr("from %1").arg(amount(m_detail.opening.minor)), toneOf(change)});
    if (m_detail.lowest)
        m_figures.push_back({tr("Lowest"), amount(m_detail.lowest->balance.minor),
                             labels.shortDate(m_detail.lowest->day),
                             m_detail.lowest->balance.minor < 0 ? Tone::expense : Tone::plain});
    else
        m_figures.push_back({tr("Lowest"), QStringLiteral("—"), QString()});
    m_figures.push_back({tr("Average"), amount(m_detail.averageDaily.minor), tr("daily balance")});
    m_figures.push_back({tr("Money in"), amount(m_detail.moneyIn.minor, false),
                         transactionCount(m_detail.inCount),
                         m_detail.moneyIn.minor > 0 ? Tone::income : Tone::plain});
    m_figures.push_back({tr("Money out"), amount(m_detail.moneyOut.minor, false),
                         transactionCount(m_detail.outCount),
                         m_detail.moneyOut.minor > 0 ? Tone::expense : Tone::plain});
    const int count = m_detail.inCount + m_detail.outCount;
    m_figures.push_back({tr("Transactions"), m_display.language().toString(count),
                         labels.dayRange(engine.window(m_model.period()).elapsedInterval(),
                                         PeriodLabels::Year::omitted)});

    if (!isCredit(account.kind))
        return;
    const CreditSummary credit = creditSummary(account, *m_balance, engine);
    m_credit.push_back({tr("Limit"), credit.limit ? amount(credit.limit->minor) : tr("Not set")});
    if (credit.available)
        m_credit.push_back({tr("Available"), amount(credit.available->minor), QString(),
                            credit.available->minor < 0 ? Tone::expense : Tone::plain});
    m_credit.push_back({tr("Own money"), amount(credit.ownFunds.minor)});
    m_credit.push_back({tr("Current debt"), amount(credit.owed.minor), QString(),
                        credit.owed.minor > 0 ? Tone::expense : Tone::plain});
    if (credit.interestRate)
        m_credit.push_back(
            {tr("Interest"), account.kind == AccountKind::creditCard
                                 ? tr("%1% APR").arg(credit.interestRate->toString())
                                 : tr("%1% per year").arg(credit.interestRate->toString())});
    if (credit.nextStatement)
        m_credit.push_back({tr("Statement"), dueDayText(*credit.nextStatement)});
    if (credit.nextPaymentDue)
        m_credit.push_back({tr("Payment"), dueDayText(*credit.nextPaymentDue)});
}

QString AccountsViewModel::dayText(const QDateTime& day) const
{
    return PeriodLabels(m_model.periodEngine()).shortDate(day);
}

QString AccountsViewModel::dueDayText(const QDate& day) const
{
    const PeriodEngine& engine = m_model.periodEngine();
    const QDate today = engine.dayOf(engine.today());
    if (day == today)
        return tr("Today");
    if (day == today.addDays(1))
        return tr("Tomorrow");
    return dayText(engine.startOfDay(day));
}

QString AccountsViewModel::subtitle() const
{
    if (!m_account)
        return {};
    QString text = title(m_account->kind) + QStringLiteral(" · ") + m_account->currency;
    if (!m_account->detail.isEmpty())
        text = m_account->detail + QStringLiteral(" · ") + text;
    return text;
}

QString AccountsViewModel::archivedNote() const
{
    if (!m_account || !m_account->isArchived)
        return {};
    return tr("Archived — not counted in totals and not offered for new transactions.");
}

QString AccountsViewModel::archiveActionText() const
{
    return m_account && m_account->isArchived ? tr("Unarchive") : tr("Archive");
}

bool AccountsViewModel::chartIsEmpty() const
{
    return m_detail.points.empty() ||
           (m_detail.inCount + m_detail.outCount == 0 && m_detail.closing.minor == 0);
}

QString AccountsViewModel::chartEmptyText()
{
    return tr("No activity in this period");
}

QString AccountsViewModel::axisLabel(int point) const
{
    const int last = static_cast<int>(m_detail.points.size()) - 1;
    if (point < 0 || point > last)
        return {};
    if (point == 0)
        return tr("Start");
    if (point == last && m_periodRuns)
        return tr("Today");
    return dayText(m_detail.points[static_cast<size_t>(point)].day);
}

QString AccountsViewModel::pointReadout(int point) const
{
    if (point < 0 || point >= static_cast<int>(m_detail.points.size()))
        return {};
    const AccountDetail::Point& at = m_detail.points[static_cast<size_t>(point)];
    return tr("%1: %2").arg(dayText(at.day), amount(at.balance.minor));
}

QString AccountsViewModel::rangeReadout(int from, int to) const
{
    const int count = static_cast<int>(m_detail.points.size());
    if (from < 0 || to < 0 || from >= count || to >= count)
        return {};
    const auto change = rangeChange(m_detail, m_detail.points[static_cast<size_t>(from)].day,
                                    m_detail.points[static_cast<size_t>(to)].day);
    if (!change)
        return {};
    const std::int64_t moved = saturatingSub(change->to.balance.minor, change->from.balance.minor);
    return tr("%1 – %2: %3")
        .arg(dayText(change->from.day), dayText(change->to.day),
             m_display.signedAmount(moved, m_account->currency));
}

bool AccountsViewModel::hidesBalances() const
{
    return m_display.hideBalances();
}

QString AccountsViewModel::chartCaption() const
{
    if (!m_account)
        return {};
    return tr("Balance: %1").arg(amount(m_detail.closing.minor));
}

void AccountsViewModel::addAccount()
{
    m_model.present(EditorRequest::Account{});
}

void AccountsViewModel::edit(const AccountId& id)
{
    m_model.present(EditorRequest::Account{id});
}

void AccountsViewModel::setArchived(const AccountId& id, bool archived)
{
    try {
        m_writers.catalog().accounts().setArchived(id, archived);
    } catch (const Error& error) {
        m_model.reportError(error.userMessage());
    }
}

void AccountsViewModel::requestDelete(const AccountId& id)
{
    m_model.present(EditorRequest::DeleteAccount{id});
}

void AccountsViewModel::setBalances()
{
    m_model.present(EditorRequest::SetBalances{});
}

void AccountsViewModel::showBalanceHistory(const AccountId& id)
{
    m_model.present(EditorRequest::BalanceHistory{id});
}

void AccountsViewModel::showInTransactions(const AccountId& id)
{
    m_model.setTransactionScope(TransactionScope::ofAccount(id));
    m_model.setDestination(Destination::transactions);
}

} // namespace tallyra::app
