#include "screens/categories/category_lines_model.h"

namespace tallyra::app {

void CategoryLinesModel::setLines(std::vector<CategoryLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int CategoryLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int CategoryLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CategoryLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CategoryLine& line = m_lines[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::AccessibleTextRole)
        return QString(line.title + QStringLiteral(", ") + line.amount + QStringLiteral(", ") +
                       line.note);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return line.title;
    case 1:
        return line.note;
    default:
        return line.amount;
    }
}

} // namespace tallyra::app
