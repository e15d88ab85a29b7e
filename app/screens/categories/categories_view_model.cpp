#include "screens/categories/categories_view_model.h"

#include <algorithm>

#include "display/money_display.h"
#include "periods/period_labels.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "shell/app_model.h"

namespace tallyra::app {

namespace {

tallyra::CategoryMode coreMode(CategoryMode mode)
{
    switch (mode) {
    case CategoryMode::expenses:
        return tallyra::CategoryMode::expenses;
    case CategoryMode::income:
        return tallyra::CategoryMode::income;
    case CategoryMode::transfers:
        return tallyra::CategoryMode::transfers;
    }
    return tallyra::CategoryMode::expenses;
}

} // namespace

CategoriesViewModel::CategoriesViewModel(AppServices& services, AppModel& model,
                                         MoneyDisplay& display, QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_display(display)
{
    connect(&services.store(), &LedgerStore::indexChanged, this, &CategoriesViewModel::refresh);
    connect(&model, &AppModel::periodChanged, this, &CategoriesViewModel::refresh);
    connect(&model, &AppModel::periodEngineChanged, this, &CategoriesViewModel::refresh);
    connect(&model, &AppModel::categoryModeChanged, this, &CategoriesViewModel::refresh);
    connect(&model, &AppModel::categorySelectionChanged, this, &CategoriesViewModel::refresh);
    connect(&display, &MoneyDisplay::hideCentsChanged, this, &CategoriesViewModel::refresh);
    refresh();
}

CategoryMode CategoriesViewModel::mode() const
{
    return m_model.categoryMode();
}

void CategoriesViewModel::setMode(CategoryMode mode)
{
    m_otherSelection.reset();
    m_model.setCategoryMode(mode);
}

QStringList CategoriesViewModel::modeTitles()
{
    return {tr("Expenses"), tr("Income"), tr("Transfers")};
}

BucketGranularity CategoriesViewModel::granularity() const
{
    return PeriodEngine::granularity(m_model.period().length(), false);
}

QString CategoriesViewModel::money(const Money& amount) const
{
    return m_display.format(amount.minor, amount.currency, true, MoneyDisplay::Masking::never);
}

void CategoriesViewModel::refresh()
{
    const auto& index = m_services.store().index();
    const PeriodEngine& engine = m_model.periodEngine();
    m_breakdown = CategoryBreakdown();
    m_detail = CategoryDetail();
    m_selected.reset();
    m_average.reset();
    if (!index) {
        emit changed();
        return;
    }
    const PeriodWindow window = engine.window(m_model.period());
    m_breakdown = categoryBreakdown(*index, window.elapsedInterval(), coreMode(mode()));

    // The header's average: the whole total over the complete buckets.
    const QList<Bucket> buckets = engine.buckets(window, granularity());
    std::int64_t complete = 0;
    for (const Bucket& bucket : buckets)
        if (bucket.isComplete && bucket.interval.start < window.elapsedEnd)
            ++complete;
    if (complete > 0)
        m_average = Money{Money::dividedRounded(m_breakdown.total.minor, complete),
                          m_breakdown.total.currency};

    std::optional<CategoryScope> wanted = m_otherSelection;
    if (const auto id = m_model.categorySelection(mode()); id && !wanted)
        wanted = CategoryScope::category(*id);
    const CategoryNode* node = wanted ? find(m_breakdown.nodes, *wanted) : nullptr;
    if (!node && !m_breakdown.nodes.empty())
        node = &m_breakdown.nodes.front();
    if (node) {
        m_selected = node->id;
        m_detail =
            categoryDetail(*index, engine, node->id, m_model.period(), m_breakdown.total, false);
    }
    emit changed();
}

const CategoryNode* CategoriesViewModel::find(const std::vector<CategoryNode>& nodes,
                                              const CategoryScope& scope) const
{
    for (const CategoryNode& node : nodes) {
        if (node.id == scope)
            return &node;
        if (node.children)
            if (const CategoryNode* inner = find(*node.children, scope))
                return inner;
    }
    return nullptr;
}

const CategoryNode* CategoriesViewModel::selectedNode() const
{
    return m_selected ? find(m_breakdown.nodes, *m_selected) : nullptr;
}

void CategoriesViewModel::select(CategoryScope scope)
{
    if (const CategoryId* id = scope.categoryID()) {
        m_otherSelection.reset();
        m_model.setCategorySelection(mode(), *id);
        // The model says nothing when the id is already its selection.
        if (m_selected != scope)
            refresh();
        return;
    }
    m_otherSelection = std::move(scope);
    refresh();
}

bool CategoriesViewModel::isEmpty() const
{
    return m_breakdown.nodes.empty() ||
           std::all_of(m_breakdown.nodes.begin(), m_breakdown.nodes.end(),
                       [](const CategoryNode& node) { return node.count == 0; });
}

QString CategoriesViewModel::emptyTitle() const
{
    switch (mode()) {
    case CategoryMode::expenses:
        return tr("Nothing Spent Yet");
    case CategoryMode::income:
        return tr("Nothing Received Yet");
    case CategoryMode::transfers:
        return tr("Nothing Moved Yet");
    }
    return {};
}

QString CategoriesViewModel::emptyBody() const
{
    const auto& index = m_services.store().index();
    const bool hasAccount = index && index->stage() != LedgerStage::noAccounts;
    return hasAccount ? tr("Categories fill up as you record transactions.")
                      : tr("Categories fill up as you record transactions. Start by adding an "
                           "account.");
}

QString CategoriesViewModel::headerTitle() const
{
    static const char* const titles[3][3] = {
        {QT_TR_NOOP("Daily spending"), QT_TR_NOOP("Daily income"), QT_TR_NOOP("Daily transfers")},
        {QT_TR_NOOP("Weekly spending"), QT_TR_NOOP("Weekly income"),
         QT_TR_NOOP("Weekly transfers")},
        {QT_TR_NOOP("Monthly spending"), QT_TR_NOOP("Monthly income"),
         QT_TR_NOOP("Monthly transfers")},
    };
    return tr(titles[static_cast<int>(granularity())][static_cast<int>(mode())]);
}

QString CategoriesViewModel::totalText() const
{
    return money(m_breakdown.total);
}

QString CategoriesViewModel::averageText() const
{
    return m_average ? money(*m_average) : QString();
}

QString CategoriesViewModel::averageCaption() const
{
    switch (granularity()) {
    case BucketGranularity::day:
        return tr("per day");
    case BucketGranularity::week:
        return tr("Average per week");
    case BucketGranularity::month:
        return tr("Average per month");
    }
    return {};
}

QString CategoriesViewModel::uncountedText() const
{
    if (m_breakdown.uncounted == 0)
        return {};
    return m_breakdown.uncounted == 1
               ? tr("1 transaction not counted: no rate")
               : tr("%n transactions not counted: no rate", nullptr, m_breakdown.uncounted);
}

QString CategoriesViewModel::amountText(const CategoryNode& node) const
{
    return money(node.amount);
}

QString CategoriesViewModel::shareCaption() const
{
    switch (mode()) {
    case CategoryMode::expenses:
        return tr("Share of spending");
    case CategoryMode::income:
        return tr("Share of income");
    case CategoryMode::transfers:
        return tr("Share of transfers");
    }
    return {};
}

QString CategoriesViewModel::shareText() const
{
    return m_display.percent(m_detail.share, MoneyDisplay::PercentDigits::adaptive);
}

QString CategoriesViewModel::comparisonText() const
{
    if (m_detail.comparisonTotal.isZero())
        return tr("Nothing the same days before");
    const std::int64_t change = saturatingSub(m_detail.total.minor, m_detail.comparisonTotal.minor);
    if (change == 0)
        return tr("Same as the same days before");
    return tr("%1 vs the same days before")
        .arg(m_display.signedAmount(change, m_detail.total.currency, MoneyDisplay::Masking::never));
}

Tone CategoriesViewModel::comparisonTone() const
{
    const std::int64_t change = saturatingSub(m_detail.total.minor, m_detail.comparisonTotal.minor);
    if (m_detail.comparisonTotal.isZero() || change == 0 || mode() == CategoryMode::transfers)
        return Tone::neutral;
    // More spending reads as bad news, more income as good.
    const bool more = change > 0;
    return (mode() == CategoryMode::expenses) == more ? Tone::expense : Tone::income;
}

bool CategoriesViewModel::chartIsEmpty() const
{
    return m_detail.count == 0;
}

QString CategoriesViewModel::chartEmptyText() const
{
    const auto& index = m_services.store().index();
    bool everRecorded = false;
    if (index && m_selected)
        for (const Entry& entry : index->entries())
            if (matches(entry, *m_selected, *index)) {
                everRecorded = true;
                break;
            }
    switch (mode()) {
    case CategoryMode::expenses:
        return everRecorded ? tr("Nothing spent in this period") : tr("Nothing spent yet");
    case CategoryMode::income:
        return everRecorded ? tr("No income in this period") : tr("Nothing received yet");
    case CategoryMode::transfers:
        return everRecorded ? tr("No transfers in this period") : tr("Nothing moved yet");
    }
    return {};
}

std::vector<double> CategoriesViewModel::barValues() const
{
    std::vector<double> values;
    values.reserve(m_detail.bars.size());
    for (const CategoryDetail::Bar& bar : m_detail.bars)
        values.push_back(bar.amount.decimal().toDouble());
    return values;
}

QString CategoriesViewModel::barLabel(int bar) const
{
    if (bar < 0 || bar >= static_cast<int>(m_detail.bars.size()))
        return {};
    const PeriodLabels labels(m_model.periodEngine());
    const QDateTime& start = m_detail.bars[static_cast<size_t>(bar)].interval.start;
    switch (m_detail.granularity) {
    case BucketGranularity::day:
        return labels.dayOfMonth(start);
    case BucketGranularity::week:
        return labels.shortDate(start);
    case BucketGranularity::month:
        return labels.shortMonth(start);
    }
    return {};
}

QString CategoriesViewModel::barReadout(int from, int to) const
{
    if (from < 0 || to < 0)
        return {};
    const auto range = barRange(m_detail, static_cast<size_t>(from), static_cast<size_t>(to));
    if (!range)
        return {};
    const PeriodLabels labels(m_model.periodEngine());
    return tr("%1: %2").arg(labels.dayRange(range->interval, PeriodLabels::Year::omitted),
                            money(range->amount));
}

std::vector<CategoryLine> CategoriesViewModel::inside() const
{
    std::vector<CategoryLine> lines;
    const CategoryNode* node = selectedNode();
    if (!node || !node->children)
        return lines;
    for (const CategoryNode& child : *node->children) {
        const double share = node->amount.minor == 0 ? 0.0
                                                     : static_cast<double>(child.amount.minor) /
                                                           static_cast<double>(node->amount.minor);
        lines.push_back({child.name,
                         m_display.percent(share, MoneyDisplay::PercentDigits::adaptive),
                         money(child.amount)});
    }
    return lines;
}

std::vector<CategoryLine> CategoriesViewModel::recent() const
{
    std::vector<CategoryLine> lines;
    const auto& index = m_services.store().index();
    const PeriodLabels labels(m_model.periodEngine());
    for (const Entry& entry : m_detail.recent) {
        QString title = entry.payee;
        if (title.isEmpty())
            title = entry.note();
        if (title.isEmpty() && entry.categoryID && index)
            if (const CategoryItem* category = index->category(*entry.categoryID))
                title = category->name;
        lines.push_back({title, labels.shortDate(entry.date),
                         m_display.format(entry.amount.minor, entry.amount.currency, true,
                                          MoneyDisplay::Masking::never)});
    }
    return lines;
}

void CategoriesViewModel::showInTransactions()
{
    const CategoryNode* node = selectedNode();
    if (node && node->id.categoryID())
        m_model.setTransactionScope(TransactionScope::ofCategory(*node->id.categoryID()));
    else
        m_model.setTransactionScope(TransactionScope::all());
    m_model.setDestination(Destination::transactions);
}

} // namespace tallyra::app
