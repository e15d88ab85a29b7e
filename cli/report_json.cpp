#include "report_json.h"

#include "report_support.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

QJsonValue nullValue()
{
    return QJsonValue(QJsonValue::Null);
}

QJsonObject iconJson(const CategoryNode::Icon& icon)
{
    if (const SymbolIcon* symbol = std::get_if<SymbolIcon>(&icon))
        return QJsonObject{{QStringLiteral("kind"), QStringLiteral("symbol")},
                           {QStringLiteral("value"), symbol->name},
                           {QStringLiteral("colorHex"), symbol->colorHex}};
    const CategoryItem& category = std::get<CategoryItem>(icon);
    return QJsonObject{{QStringLiteral("kind"), rawValue(category.icon.kind())},
                       {QStringLiteral("value"), category.icon.kind() == CategoryIcon::Kind::image
                                                     ? nullValue()
                                                     : QJsonValue(category.icon.value())},
                       {QStringLiteral("colorHex"), category.colorHex}};
}

} // namespace

QJsonValue ReportJson::instant(const QDateTime& value) const
{
    return instantText(value, m_zone);
}

QJsonValue ReportJson::instant(const std::optional<QDateTime>& value) const
{
    return value ? instant(*value) : nullValue();
}

QJsonValue ReportJson::day(const std::optional<QDate>& value)
{
    return value ? QJsonValue(value->toString(Qt::ISODate)) : nullValue();
}

QJsonValue ReportJson::money(const std::optional<Money>& value)
{
    return value ? QJsonValue(moneyJson(*value)) : nullValue();
}

QJsonObject ReportJson::interval(const DateInterval& value) const
{
    return intervalJson(value, m_zone);
}

QJsonValue ReportJson::accountName(const std::optional<AccountId>& id) const
{
    if (!id)
        return nullValue();
    const Account* account = m_index.account(*id);
    return account ? QJsonValue(account->name) : QJsonValue(id->toString());
}

QJsonValue ReportJson::categoryPath(const std::optional<CategoryId>& id) const
{
    if (!id)
        return nullValue();
    if (!m_index.category(*id))
        return id->toString();
    return cli::categoryPath(m_index, *id);
}

QJsonObject ReportJson::entry(const Entry& entry) const
{
    return QJsonObject{
        {QStringLiteral("id"), entry.id.toString()},
        {QStringLiteral("kind"), rawValue(entry.kind)},
        {QStringLiteral("date"), instant(entry.date)},
        {QStringLiteral("amount"), moneyJson(entry.amount)},
        {QStringLiteral("toAmount"), money(entry.toAmount)},
        {QStringLiteral("account"), accountName(entry.accountID)},
        {QStringLiteral("toAccount"), accountName(entry.toAccountID)},
        {QStringLiteral("category"), categoryPath(entry.categoryID)},
        {QStringLiteral("payee"), entry.payee},
        {QStringLiteral("note"), entry.note()},
        {QStringLiteral("tags"), QJsonArray::fromStringList(entry.tags())},
        {QStringLiteral("cleared"), entry.cleared},
    };
}

QJsonArray ReportJson::entries(const std::vector<Entry>& list) const
{
    QJsonArray array;
    for (const Entry& each : list)
        array.append(entry(each));
    return array;
}

QJsonObject ReportJson::scope(const CategoryScope& value) const
{
    if (const CategoryId* category = value.categoryID())
        return QJsonObject{{QStringLiteral("category"), categoryPath(*category)}};
    if (const TransferGroup* group = value.transferGroup())
        return QJsonObject{{QStringLiteral("transfers"), name(*group, m_index)}};
    return QJsonObject{{QStringLiteral("uncategorized"), rawValue(*value.uncategorizedKind())}};
}

QJsonObject ReportJson::node(const CategoryNode& value) const
{
    return QJsonObject{
        {QStringLiteral("id"), scope(value.id)},
        {QStringLiteral("name"), value.name},
        {QStringLiteral("icon"), iconJson(value.icon)},
        {QStringLiteral("amount"), moneyJson(value.amount)},
        {QStringLiteral("count"), value.count},
        {QStringLiteral("children"),
         value.children ? QJsonValue(nodes(*value.children)) : nullValue()},
    };
}

QJsonArray ReportJson::nodes(const std::vector<CategoryNode>& list) const
{
    QJsonArray array;
    for (const CategoryNode& each : list)
        array.append(node(each));
    return array;
}

QJsonObject ReportJson::breakdown(const CategoryBreakdown& value) const
{
    return QJsonObject{
        {QStringLiteral("mode"), rawValue(value.mode)},
        {QStringLiteral("total"), moneyJson(value.total)},
        {QStringLiteral("nodes"), nodes(value.nodes)},
        {QStringLiteral("uncounted"), value.uncounted},
    };
}

QString ReportJson::granularityName(BucketGranularity granularity)
{
    switch (granularity) {
    case BucketGranularity::day:
        return QStringLiteral("day");
    case BucketGranularity::week:
        return QStringLiteral("week");
    case BucketGranularity::month:
        break;
    }
    return QStringLiteral("month");
}

QJsonObject ReportJson::categoryDetail(const CategoryDetail& detail) const
{
    QJsonArray bars;
    for (const CategoryDetail::Bar& bar : detail.bars)
        bars.append(QJsonObject{{QStringLiteral("interval"), interval(bar.interval)},
                                {QStringLiteral("amount"), moneyJson(bar.amount)},
                                {QStringLiteral("isComplete"), bar.isComplete}});
    return QJsonObject{
        {QStringLiteral("total"), moneyJson(detail.total)},
        {QStringLiteral("count"), detail.count},
        {QStringLiteral("uncounted"), detail.uncounted},
        {QStringLiteral("comparisonTotal"), moneyJson(detail.comparisonTotal)},
        {QStringLiteral("comparisonInterval"), interval(detail.comparisonInterval)},
        {QStringLiteral("granularity"), granularityName(detail.granularity)},
        {QStringLiteral("bars"), bars},
        {QStringLiteral("average"), money(detail.average)},
        {QStringLiteral("share"), detail.share},
        {QStringLiteral("recent"), entries(detail.recent)},
    };
}

QJsonArray ReportJson::sections(const std::vector<AccountSection>& list) const
{
    QJsonArray array;
    for (const AccountSection& section : list) {
        QJsonArray rows;
        for (const AccountSection::Row& row : section.rows)
            rows.append(QJsonObject{{QStringLiteral("account"), row.account.name},
                                    {QStringLiteral("balance"), moneyJson(row.balance)}});
        array.append(QJsonObject{
            {QStringLiteral("id"), section.id()},
            {QStringLiteral("group"),
             section.group ? QJsonValue(rawValue(*section.group)) : nullValue()},
            {QStringLiteral("rows"), rows},
        });
    }
    return array;
}

QJsonValue ReportJson::credit(const std::optional<CreditSummary>& summary)
{
    if (!summary)
        return nullValue();
    return QJsonObject{
        {QStringLiteral("owed"), moneyJson(summary->owed)},
        {QStringLiteral("ownFunds"), moneyJson(summary->ownFunds)},
        {QStringLiteral("limit"), money(summary->limit)},
        {QStringLiteral("available"), money(summary->available)},
        {QStringLiteral("nextStatement"), day(summary->nextStatement)},
        {QStringLiteral("nextPaymentDue"), day(summary->nextPaymentDue)},
        {QStringLiteral("interestRate"),
         summary->interestRate ? QJsonValue(summary->interestRate->toString()) : nullValue()},
    };
}

QJsonObject ReportJson::accountDetail(const AccountDetail& detail,
                                      const std::optional<CreditSummary>& creditSummary) const
{
    auto pointJson = [&](const AccountDetail::Point& point) {
        return QJsonObject{{QStringLiteral("day"), instant(point.day)},
                           {QStringLiteral("balance"), moneyJson(point.balance)}};
    };
    QJsonArray points;
    for (const AccountDetail::Point& point : detail.points)
        points.append(pointJson(point));
    return QJsonObject{
        {QStringLiteral("opening"), moneyJson(detail.opening)},
        {QStringLiteral("closing"), moneyJson(detail.closing)},
        {QStringLiteral("points"), points},
        {QStringLiteral("lowest"),
         detail.lowest ? QJsonValue(pointJson(*detail.lowest)) : nullValue()},
        {QStringLiteral("averageDaily"), moneyJson(detail.averageDaily)},
        {QStringLiteral("moneyIn"), moneyJson(detail.moneyIn)},
        {QStringLiteral("inCount"), detail.inCount},
        {QStringLiteral("moneyOut"), moneyJson(detail.moneyOut)},
        {QStringLiteral("outCount"), detail.outCount},
        {QStringLiteral("recent"), entries(detail.recent)},
        {QStringLiteral("credit"), credit(creditSummary)},
    };
}

QJsonObject ReportJson::feed(const TransactionFeed& value) const
{
    QJsonArray days;
    for (const TransactionFeed::Day& day : value.days)
        days.append(QJsonObject{{QStringLiteral("id"), instant(day.id)},
                                {QStringLiteral("entries"), entries(day.entries)},
                                {QStringLiteral("totals"), totalsJson(day.totals)}});
    return QJsonObject{{QStringLiteral("days"), days},
                       {QStringLiteral("totals"), totalsJson(value.totals)}};
}

QJsonObject ReportJson::overview(const OverviewReport& report) const
{
    auto instants = [&](const std::vector<QDateTime>& list) {
        QJsonArray array;
        for (const QDateTime& each : list)
            array.append(instant(each));
        return array;
    };
    auto cumulative = [&](const std::vector<CumulativePoint>& list) {
        QJsonArray array;
        for (const CumulativePoint& point : list)
            array.append(QJsonObject{{QStringLiteral("day"), point.day},
                                     {QStringLiteral("date"), instant(point.date)},
                                     {QStringLiteral("amount"), moneyJson(point.amount)}});
        return array;
    };
    QJsonArray flow;
    for (const FlowBucket& bucket : report.flow)
        flow.append(QJsonObject{{QStringLiteral("interval"), interval(bucket.interval)},
                                {QStringLiteral("received"), moneyJson(bucket.received)},
                                {QStringLiteral("spent"), moneyJson(bucket.spent)},
                                {QStringLiteral("isComplete"), bucket.isComplete}});
    QJsonArray netWorthPoints;
    for (const NetWorthPoint& point : report.netWorthPoints)
        netWorthPoints.append(QJsonObject{{QStringLiteral("day"), instant(point.day)},
                                          {QStringLiteral("value"), moneyJson(point.value)}});
    return QJsonObject{
        {QStringLiteral("netWorth"), moneyJson(report.netWorth)},
        {QStringLiteral("netWorthChange"), moneyJson(report.netWorthChange)},
        {QStringLiteral("netWorthBaseDate"), instant(report.netWorthBaseDate)},
        {QStringLiteral("totals"), totalsJson(report.totals)},
        {QStringLiteral("comparison"), totalsJson(report.comparison)},
        {QStringLiteral("comparisonInterval"), interval(report.comparisonInterval)},
        {QStringLiteral("dayCount"), report.dayCount},
        {QStringLiteral("days"), instants(report.days)},
        {QStringLiteral("previousDays"), instants(report.previousDays)},
        {QStringLiteral("current"), cumulative(report.current)},
        {QStringLiteral("previous"), cumulative(report.previous)},
        {QStringLiteral("categoryTree"), nodes(report.categoryTree)},
        {QStringLiteral("recent"), entries(report.recent)},
        {QStringLiteral("flowGranularity"), granularityName(report.flowGranularity)},
        {QStringLiteral("flow"), flow},
        {QStringLiteral("netWorthPoints"), netWorthPoints},
    };
}

} // namespace tallyra::cli
