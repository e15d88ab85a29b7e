#include "report_text.h"

#include "periods/period_length.h"
#include "report_support.h"

namespace tallyra::cli {

namespace {

constexpr int kLabelWidth = 30;
constexpr int kAmountWidth = 16;

} // namespace

QString dayText(const QDateTime& instant, const QTimeZone& zone)
{
    return dayText(instant.toTimeZone(zone).date());
}

QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

QString leftColumn(const QString& text, int width)
{
    return text.leftJustified(width, u' ', true);
}

QString rightColumn(const QString& text, int width)
{
    return text.rightJustified(width);
}

QString ReportText::flow(const Money& amount) const
{
    return rightColumn(
        m_display.format(amount.minor, amount.currency, true, MoneyDisplay::Masking::never),
        kAmountWidth);
}

QString ReportText::balance(const Money& amount) const
{
    return rightColumn(m_display.format(amount.minor, amount.currency), kAmountWidth);
}

QString ReportText::share(double value) const
{
    return m_display.percent(value, MoneyDisplay::PercentDigits::oneDigit);
}

QString periodHeading(const PeriodSelection& selection, const PeriodWindow& window,
                      const QTimeZone& zone)
{
    QString heading = rawValue(selection.length());
    if (selection.offset() > 0)
        heading += QStringLiteral(", %1 back").arg(selection.offset());
    heading += window.isRolling ? QStringLiteral(" (rolling): ") : QStringLiteral(" (calendar): ");
    heading += dayText(window.interval.start, zone) + QStringLiteral(" … ") +
               dayText(window.interval.end.addMSecs(-1), zone);
    return heading;
}

void ReportText::entry(const Entry& entry, int indent)
{
    const QDateTime local = entry.date.toTimeZone(m_zone);
    QStringList where;
    if (!entry.payee.isEmpty())
        where.append(entry.payee);
    if (entry.categoryID)
        where.append(m_index.category(*entry.categoryID) ? categoryPath(m_index, *entry.categoryID)
                                                         : QStringLiteral("(deleted category)"));
    const Account* from = entry.accountID ? m_index.account(*entry.accountID) : nullptr;
    const Account* to = entry.toAccountID ? m_index.account(*entry.toAccountID) : nullptr;
    if (from && to)
        where.append(from->name + QStringLiteral(" → ") + to->name);
    else if (from)
        where.append(from->name);
    QString amount = flow(entry.amount);
    if (entry.toAmount && entry.toAmount->currency != entry.amount.currency)
        where.prepend(QStringLiteral("→ ") + m_display.format(entry.toAmount->minor,
                                                              entry.toAmount->currency, true,
                                                              MoneyDisplay::Masking::never));
    m_out << QString(indent, u' ') << dayText(local.date())
          << (entry.hasTime ? local.toString(QStringLiteral(" HH:mm")) : QStringLiteral("      "))
          << "  " << leftColumn(rawValue(entry.kind), 8) << ' ' << amount << "  "
          << where.join(QStringLiteral(" · ")) << '\n';
}

void ReportText::entries(const std::vector<Entry>& list, int indent)
{
    if (list.empty())
        m_out << QString(indent, u' ') << "(none)\n";
    for (const Entry& each : list)
        entry(each, indent);
}

void ReportText::tree(const std::vector<CategoryNode>& nodes, int indent)
{
    for (const CategoryNode& node : nodes) {
        m_out << QString(indent, u' ') << leftColumn(node.name, kLabelWidth + 2 - indent) << ' '
              << flow(node.amount) << "  (" << node.count << ")\n";
        if (node.children)
            tree(*node.children, indent + 2);
    }
}

void ReportText::line(const QString& label, const QString& amount, int indent)
{
    m_out << QString(indent, u' ') << leftColumn(label, kLabelWidth + 2 - indent) << ' ' << amount
          << '\n';
}

void ReportText::flowLine(const QString& label, const Money& amount, int indent)
{
    line(label, flow(amount), indent);
}

void ReportText::balanceLine(const QString& label, const Money& amount, int indent)
{
    line(label, balance(amount), indent);
}

void ReportText::totals(const PeriodTotals& value, int indent)
{
    auto counted = [&](const char* label, const Money& amount, int count) {
        line(QString::fromUtf8(label), flow(amount) + QStringLiteral("  (%1)").arg(count), indent);
    };
    counted("Income", value.received, value.incomeCount);
    counted("Spending", value.spent, value.expenseCount);
    counted("Transfers", value.moved, value.transferCount);
    if (value.withoutRate() > 0)
        m_out << QString(indent, u' ') << value.withoutRate()
              << " transactions not counted: no rate\n";
}

} // namespace tallyra::cli
