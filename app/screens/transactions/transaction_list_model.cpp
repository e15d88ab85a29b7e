#include "screens/transactions/transaction_list_model.h"

#include "display/money_display.h"
#include "periods/period_labels.h"
#include "reports/ledger_index.h"

namespace tallyra::app {

namespace {

// Rows painted at once are a screenful; a few thousand cover any window
// and bound the memory of a long scroll.
constexpr size_t kCachedRows = 4000;

} // namespace

TransactionListModel::TransactionListModel(const MoneyDisplay& display, QObject* parent)
    : QAbstractListModel(parent), m_display(display)
{
}

void TransactionListModel::setFeed(TransactionFeed feed, std::shared_ptr<const LedgerIndex> ledger,
                                   const PeriodEngine& engine, TransactionRowModel::Options options)
{
    beginResetModel();
    m_feed = std::move(feed);
    m_ledger = std::move(ledger);
    m_engine = engine;
    m_options = std::move(options);
    m_rows.clear();
    m_rowOfId.clear();
    m_slots.clear();
    m_entryCount = 0;
    size_t total = m_feed.days.size();
    for (const TransactionFeed::Day& day : m_feed.days)
        total += day.entries.size();
    m_slots.reserve(total);
    for (size_t d = 0; d < m_feed.days.size(); ++d) {
        m_slots.push_back({static_cast<std::int32_t>(d), -1});
        const auto count = static_cast<std::int32_t>(m_feed.days[d].entries.size());
        for (std::int32_t e = 0; e < count; ++e)
            m_slots.push_back({static_cast<std::int32_t>(d), e});
        m_entryCount += count;
    }
    endResetModel();
}

void TransactionListModel::refreshTexts()
{
    m_rows.clear();
    if (!m_slots.empty())
        emit dataChanged(index(0), index(rowCount() - 1));
}

int TransactionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_slots.size());
}

Qt::ItemFlags TransactionListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Day headers can't be selected: selecting "everything on Tuesday" is a
    // range selection of its rows.
    return isDay(index.row()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool TransactionListModel::isDay(int row) const
{
    return row >= 0 && row < rowCount() && m_slots[static_cast<size_t>(row)].entry < 0;
}

const Entry* TransactionListModel::entry(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    const Slot& slot = m_slots[static_cast<size_t>(row)];
    if (slot.entry < 0)
        return nullptr;
    return &m_feed.days[static_cast<size_t>(slot.day)].entries[static_cast<size_t>(slot.entry)];
}

const TransactionRowModel* TransactionListModel::rowModel(int row) const
{
    const Entry* item = entry(row);
    if (!item || !m_ledger)
        return nullptr;
    if (const auto found = m_rows.find(row); found != m_rows.end())
        return &found->second;
    if (m_rows.size() >= kCachedRows)
        m_rows.clear();
    return &m_rows.emplace(row, TransactionRowModel::make(*item, *m_ledger, m_display, m_options))
                .first->second;
}

QString TransactionListModel::dayTitle(int row) const
{
    if (!isDay(row) || !m_engine)
        return {};
    const TransactionFeed::Day& day =
        m_feed.days[static_cast<size_t>(m_slots[static_cast<size_t>(row)].day)];
    return PeriodLabels(*m_engine).dayHeader(day.id);
}

QString TransactionListModel::dayTotals(int row) const
{
    if (!isDay(row))
        return {};
    const TransactionFeed::Day& day =
        m_feed.days[static_cast<size_t>(m_slots[static_cast<size_t>(row)].day)];
    using Masking = MoneyDisplay::Masking;
    QStringList parts;
    const auto add = [&](const char* label, const Money& amount, int count) {
        if (count > 0)
            parts.push_back(tr(label).arg(
                m_display.format(amount.minor, amount.currency, true, Masking::never)));
    };
    add(QT_TR_NOOP("Received %1"), day.totals.received, day.totals.incomeCount);
    add(QT_TR_NOOP("Spent %1"), day.totals.spent, day.totals.expenseCount);
    add(QT_TR_NOOP("Moved %1"), day.totals.moved, day.totals.transferCount);
    return parts.join(QStringLiteral("  ·  "));
}

int TransactionListModel::rowOf(const EntryId& id) const
{
    if (m_rowOfId.empty())
        for (int row = 0; row < rowCount(); ++row)
            if (const Entry* item = entry(row))
                m_rowOfId.emplace(item->id, row);
    const auto found = m_rowOfId.find(id);
    return found == m_rowOfId.end() ? -1 : found->second;
}

QVariant TransactionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    if (isDay(row)) {
        switch (role) {
        case Qt::DisplayRole:
            return dayTitle(row);
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole: {
            const QString totals = dayTotals(row);
            return totals.isEmpty() ? dayTitle(row) : dayTitle(row) + QStringLiteral(", ") + totals;
        }
        case IsDayRole:
            return true;
        case EntryIdRole:
            return QString();
        default:
            return {};
        }
    }
    const TransactionRowModel* model = rowModel(row);
    if (!model)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return model->title;
    case Qt::AccessibleTextRole: {
        QStringList parts{model->title, model->amount, model->account};
        if (model->detail)
            parts.insert(1, *model->detail);
        return parts.join(QStringLiteral(", "));
    }
    case Qt::ToolTipRole: {
        QStringList lines{model->title};
        if (model->detail)
            lines.push_back(*model->detail);
        lines.append(model->subtitle);
        lines.push_back(model->account);
        if (model->balance)
            lines.push_back(tr("Balance after this transaction: %1").arg(*model->balance));
        return lines.join(QLatin1Char('\n'));
    }
    case IsDayRole:
        return false;
    case EntryIdRole:
        return model->id.toString();
    default:
        return {};
    }
}

} // namespace tallyra::app
