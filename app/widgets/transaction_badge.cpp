#include "widgets/transaction_badge.h"

#include <QPixmapCache>

#include "icons/item_icon.h"
#include "reports/category_breakdown.h"
#include "reports/ledger_index.h"

namespace tallyra::app {

QPixmap transactionBadge(const TransactionRowModel::Icon& icon, const LedgerIndex& ledger, int size,
                         qreal ratio)
{
    const QColor neutral(QString::fromUtf16(kUncategorizedColor));
    if (std::holds_alternative<TransactionRowModel::TransferIcon>(icon))
        return itemIconPixmap(CategoryIcon::symbol(QStringLiteral("arrow.left.arrow.right")),
                              neutral, size, ratio);
    if (const auto* id = std::get_if<CategoryId>(&icon)) {
        if (const CategoryItem* category = ledger.category(*id)) {
            // Rows repeat a few dozen categories; a picture is decoded once.
            const QString key = QStringLiteral("tallyra-badge-%1-%2-%3")
                                    .arg(id->toString())
                                    .arg(size)
                                    .arg(ratio)
                                    .append(category->colorHex)
                                    .append(category->icon.value());
            QPixmap cached;
            if (QPixmapCache::find(key, &cached))
                return cached;
            QImage picture;
            if (category->iconImage)
                picture.loadFromData(*category->iconImage);
            cached =
                itemIconPixmap(category->icon, QColor(category->colorHex), size, ratio, picture);
            QPixmapCache::insert(key, cached);
            return cached;
        }
    }
    return itemIconPixmap(CategoryIcon::symbol(QString::fromUtf16(kUncategorizedSymbol)), neutral,
                          size, ratio);
}

} // namespace tallyra::app
