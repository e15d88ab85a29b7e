#include "store/transaction_model.h"

#include "model/stored_values.h"

namespace tallyra {

QStringList TransactionModel::tags() const
{
    return tagsFromText(tagsText);
}

void TransactionModel::setTags(const QStringList& tags)
{
    tagsText = tagsToText(tags);
}

void TransactionModel::setReceipt(std::optional<QByteArray> bytes)
{
    hasReceipt = bytes.has_value();
    receipt = std::move(bytes);
}

} // namespace tallyra
