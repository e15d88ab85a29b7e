#pragma once

// The JSON forms of the report values, with the field names of their
// types (see the README for every shape). Accounts appear by name,
// categories by path ("Food/Groceries"), instants as ISO 8601 with the
// offset of the run's zone, days as "YYYY-MM-DD", Money as {"minor",
// "currency"}, absent optionals as null.
//
// Thread safety: main thread of tallyra-cli (reads the index it is given).

#include <optional>
#include <vector>

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QTimeZone>

#include "periods/bucket.h"
#include "reports/account_detail.h"
#include "reports/account_sections.h"
#include "reports/category_breakdown.h"
#include "reports/category_detail.h"
#include "reports/credit_summary.h"
#include "reports/ledger_index.h"
#include "reports/overview_report.h"
#include "reports/transaction_feed.h"

namespace tallyra::cli {

class ReportJson final
{
public:
    ReportJson(const LedgerIndex& index, const QTimeZone& zone) : m_index(index), m_zone(zone) {}

    [[nodiscard]] QJsonValue instant(const QDateTime& instant) const;
    [[nodiscard]] QJsonValue instant(const std::optional<QDateTime>& instant) const;
    [[nodiscard]] static QJsonValue day(const std::optional<QDate>& day);
    [[nodiscard]] static QJsonValue money(const std::optional<Money>& money);
    [[nodiscard]] QJsonObject interval(const DateInterval& interval) const;
    [[nodiscard]] QJsonValue accountName(const std::optional<AccountId>& id) const;
    [[nodiscard]] QJsonValue categoryPath(const std::optional<CategoryId>& id) const;

    [[nodiscard]] QJsonObject entry(const Entry& entry) const;
    [[nodiscard]] QJsonArray entries(const std::vector<Entry>& entries) const;
    [[nodiscard]] QJsonObject scope(const CategoryScope& scope) const;
    [[nodiscard]] QJsonObject node(const CategoryNode& node) const;
    [[nodiscard]] QJsonArray nodes(const std::vector<CategoryNode>& nodes) const;
    [[nodiscard]] QJsonObject breakdown(const CategoryBreakdown& breakdown) const;
    [[nodiscard]] QJsonObject categoryDetail(const CategoryDetail& detail) const;
    [[nodiscard]] QJsonArray sections(const std::vector<AccountSection>& sections) const;
    [[nodiscard]] QJsonObject accountDetail(const AccountDetail& detail,
                                            const std::optional<CreditSummary>& credit) const;
    [[nodiscard]] static QJsonValue credit(const std::optional<CreditSummary>& credit);
    [[nodiscard]] QJsonObject feed(const TransactionFeed& feed) const;
    [[nodiscard]] QJsonObject overview(const OverviewReport& report) const;

    // "day", "week", "month".
    [[nodiscard]] static QString granularityName(BucketGranularity granularity);

private:
    const LedgerIndex& m_index;
    QTimeZone m_zone;
};

} // namespace tallyra::cli
