#include "screens/categories/category_tree_model.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>

#include "icons/item_icon.h"
#include "screens/categories/categories_view_model.h"

namespace tallyra::app {

namespace {

CategoryIcon iconOf(const CategoryNode& node, QColor& color)
{
    if (const auto* category = std::get_if<CategoryItem>(&node.icon)) {
        color = QColor(category->colorHex);
        return category->icon;
    }
    const auto& symbol = std::get<SymbolIcon>(node.icon);
    color = QColor(symbol.colorHex);
    return CategoryIcon::symbol(symbol.name);
}

} // namespace

CategoryTreeModel::CategoryTreeModel(const CategoriesViewModel& viewModel, QObject* parent)
    : QAbstractItemModel(parent), m_viewModel(viewModel)
{
    connect(&viewModel, &CategoriesViewModel::changed, this, &CategoryTreeModel::rebuild);
    rebuild();
}

void CategoryTreeModel::rebuild()
{
    beginResetModel();
    m_places.clear();
    link(m_viewModel.breakdown().nodes, nullptr);
    endResetModel();
}

void CategoryTreeModel::link(const std::vector<CategoryNode>& nodes, const CategoryNode* parent)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        m_places[&nodes[i]] = Place{parent, static_cast<int>(i)};
        if (nodes[i].children)
            link(*nodes[i].children, &nodes[i]);
    }
}

const std::vector<CategoryNode>* CategoryTreeModel::childrenOf(const CategoryNode* node) const
{
    if (!node)
        return &m_viewModel.breakdown().nodes;
    return node->children ? &*node->children : nullptr;
}

const CategoryNode* CategoryTreeModel::node(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<const CategoryNode*>(index.internalPointer()) : nullptr;
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const std::vector<CategoryNode>* nodes = childrenOf(node(parent));
    if (!nodes || row < 0 || row >= static_cast<int>(nodes->size()) || column < 0 ||
        column >= ColumnCount)
        return {};
    return createIndex(row, column, &(*nodes)[static_cast<size_t>(row)]);
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    const CategoryNode* inner = node(child);
    if (!inner)
        return {};
    const auto it = m_places.find(inner);
    if (it == m_places.end() || !it->second.parent)
        return {};
    const CategoryNode* parentNode = it->second.parent;
    return createIndex(m_places.at(parentNode).row, 0, parentNode);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    const std::vector<CategoryNode>* nodes = childrenOf(node(parent));
    return nodes ? static_cast<int>(nodes->size()) : 0;
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    const CategoryNode* inner = node(index);
    if (!inner)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == NameColumn ? inner->name : m_viewModel.amountText(*inner);
    case Qt::DecorationRole:
        if (index.column() == NameColumn) {
            QColor color;
            const CategoryIcon icon = iconOf(*inner, color);
            const int size = QFontMetrics(QApplication::font()).height() * 5 / 4;
            return itemIconPixmap(icon, color, size, qApp->devicePixelRatio());
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == AmountColumn
                   ? QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    case Qt::AccessibleTextRole:
        return QString(inner->name + QStringLiteral(", ") + m_viewModel.amountText(*inner));
    default:
        return {};
    }
}

QModelIndex CategoryTreeModel::indexOf(const CategoryScope& scope) const
{
    for (const auto& [inner, place] : m_places)
        if (inner->id == scope)
            return createIndex(place.row, 0, inner);
    return {};
}

} // namespace tallyra::app
