#include "window/sidebar_model.h"

#include <QFont>

#include "icons/symbol_icons.h"

namespace tallyra::app {

SidebarModel::SidebarModel(QObject* parent) : QAbstractListModel(parent) {}

QString SidebarModel::symbol(Destination destination)
{
    switch (destination) {
    case Destination::overview:
        return QStringLiteral("square.grid.2x2");
    case Destination::transactions:
        return QStringLiteral("arrow.left.arrow.right");
    case Destination::categories:
        return QStringLiteral("folder");
    case Destination::plans:
        return QStringLiteral("target");
    case Destination::accounts:
        return QStringLiteral("building.columns");
    case Destination::settings:
        return QStringLiteral("gearshape");
    }
    return {};
}

int SidebarModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(allCases<Destination>().size());
}

QVariant SidebarModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Destination destination = allCases<Destination>()[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return title(destination);
    case Qt::DecorationRole:
        return SymbolIcons::icon(symbol(destination));
    case Qt::FontRole:
        if (destination == m_current) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole: {
        const auto it = m_shortcuts.find(destination);
        if (it == m_shortcuts.end() || it->second.isEmpty())
            return title(destination);
        return tr("%1 (%2)").arg(title(destination), it->second.toString(QKeySequence::NativeText));
    }
    case DestinationRole:
        return static_cast<int>(destination);
    case SymbolRole:
        return symbol(destination);
    case CurrentRole:
        return destination == m_current;
    default:
        return {};
    }
}

void SidebarModel::setCurrent(Destination destination)
{
    if (destination == m_current)
        return;
    const QModelIndex old = indexOf(m_current);
    m_current = destination;
    emit dataChanged(old, old, {Qt::FontRole, CurrentRole});
    const QModelIndex now = indexOf(destination);
    emit dataChanged(now, now, {Qt::FontRole, CurrentRole});
}

void SidebarModel::setShortcut(Destination destination, const QKeySequence& shortcut)
{
    m_shortcuts[destination] = shortcut;
    const QModelIndex row = indexOf(destination);
    emit dataChanged(row, row, {Qt::ToolTipRole});
}

QModelIndex SidebarModel::indexOf(Destination destination) const
{
    const auto all = allCases<Destination>();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == destination)
            return index(static_cast<int>(i));
    return {};
}

} // namespace tallyra::app
