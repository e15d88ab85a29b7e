#include "report_text.h"

#include "periods/period_length.h"
#include "report_support.h"
#include "text_format.h"

namespace tallyra::cli {

namespace {

constexpr int kLabelWidth = 30;

} // namespace

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
    QString amount = moneyText(entry.amount);
    if (entry.toAmount && entry.toAmount->currency != entry.amount.currency)
        amount += QStringLiteral(" (") + moneyText(*entry.toAmount) + u')';
    m_out << QString(indent, u' ') << dayText(local.date())
          << (entry.hasTime ? local.toString(QStringLiteral(" HH:mm")) : QStringLiteral("      "))
          << "  " << leftColumn(rawValue(entry.kind), 8) << ' ' << rightColumn(amount, kAmountWidth)
          << "  " << where.join(QStringLiteral(" · ")) << '\n';
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
              << rightColumn(moneyText(node.amount), kAmountWidth) << "  (" << node.count << ")\n";
        if (node.children)
            tree(*node.children, indent + 2);
    }
}

void ReportText::amountLine(const QString& label, const Money& amount, int indent)
{
    m_out << QString(indent, u' ') << leftColumn(label, kLabelWidth + 2 - indent) << ' '
          << rightColumn(moneyText(amount), kAmountWidth) << '\n';
}

void ReportText::totals(const PeriodTotals& value, int indent)
{
    const QString pad(indent, u' ');
    m_out << pad << leftColumn(QStringLiteral("Income"), kLabelWidth - indent + 2) << ' '
          << rightColumn(moneyText(value.received), kAmountWidth) << "  (" << value.incomeCount
          << ")\n";
    m_out << pad << leftColumn(QStringLiteral("Spending"), kLabelWidth - indent + 2) << ' '
          << rightColumn(moneyText(value.spent), kAmountWidth) << "  (" << value.expenseCount
          << ")\n";
    m_out << pad << leftColumn(QStringLiteral("Transfers"), kLabelWidth - indent + 2) << ' '
          << rightColumn(moneyText(value.moved), kAmountWidth) << "  (" << value.transferCount
          << ")\n";
    if (value.withoutRate() > 0)
        m_out << pad << value.withoutRate() << " transactions not counted: no rate\n";
}

} // namespace tallyra::cli
