#include "services/csv_export.h"

#include <array>

#include "model/entry_kind.h"
#include "money/currency.h"

namespace tallyra::CSVExport {

namespace {

QString guarded(const QString& cell)
{
    if (cell.isEmpty())
        return cell;
    switch (cell.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
        return u'\'' + cell;
    default:
        return cell;
    }
}

QString quoted(const QString& cell)
{
    const bool needsQuotes =
        cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
    if (!needsQuotes)
        return cell;
    QString copy = cell;
    copy.replace(u'"', QStringLiteral("\"\""));
    return u'"' + copy + u'"';
}

QString categoryPath(const LedgerIndex& index, const std::optional<CategoryId>& id)
{
    if (!id)
        return {};
    const auto& chain = index.ancestors(*id);
    QStringList names;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if (const CategoryItem* category = index.category(*it))
            names << category->name;
    return names.join(QStringLiteral(" / "));
}

QString accountName(const LedgerIndex& index, const std::optional<AccountId>& id)
{
    if (!id)
        return {};
    const Account* account = index.account(*id);
    return account ? account->name : QString();
}

} // namespace

QString plainAmount(const Money& money)
{
    // Integer arithmetic: exact, and fast enough for a million rows.
    const int digits = Currency::minorDigits(money.currency);
    const auto magnitude = money.minor < 0 ? 0 - static_cast<std::uint64_t>(money.minor)
                                           : static_cast<std::uint64_t>(money.minor);
    const auto scale = static_cast<std::uint64_t>(Currency::minorScale(money.currency));
    QString text = QString::number(magnitude / scale);
    std::uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        int width = digits;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --width;
        }
        text += u'.' + QStringLiteral("%1").arg(fraction, width, 10, QLatin1Char('0'));
    }
    return money.minor < 0 ? u'-' + text : text;
}

QString text(const LedgerIndex& index, const QTimeZone& zone)
{
    QString out = QString::fromUtf16(kHeader) + u'\n';
    out.reserve(static_cast<qsizetype>(index.entries().size()) * 96 + out.size());
    for (const Entry& entry : index.entries()) {
        const QDateTime local = entry.date.toTimeZone(zone);
        const std::array<QString, 14> cells{
            local.date().toString(QStringLiteral("yyyy-MM-dd")),
            entry.hasTime ? local.time().toString(QStringLiteral("HH:mm")) : QString(),
            rawValue(entry.kind),
            plainAmount(entry.amount),
            entry.amount.currency,
            entry.toAmount ? plainAmount(*entry.toAmount) : QString(),
            entry.toAmount ? entry.toAmount->currency : QString(),
            guarded(entry.payee),
            guarded(categoryPath(index, entry.categoryID)),
            guarded(accountName(index, entry.accountID)),
            guarded(accountName(index, entry.toAccountID)),
            guarded(entry.note()),
            guarded(entry.tags().join(u';')),
            entry.cleared ? QStringLiteral("yes") : QStringLiteral("no"),
        };
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += u',';
            out += quoted(cells[i]);
        }
        out += u'\n';
    }
    return out;
}

} // namespace tallyra::CSVExport
