#pragma once

// SidebarModel: the six destinations as rows of one list, in sidebar
// order: title, symbol, the current one in bold, and a tooltip with the
// shortcut that jumps there. The view's selection follows the current
// destination; the model only says which row is current.
//
// Threading: main thread only.

#include <map>

#include <QAbstractListModel>
#include <QKeySequence>

#include "shell/destination.h"

namespace tallyra::app {

class SidebarModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        DestinationRole = Qt::UserRole + 1,
        SymbolRole,
        // Whether the row is the destination shown (drawn as selected).
        CurrentRole,
    };

    explicit SidebarModel(QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    [[nodiscard]] Destination current() const noexcept { return m_current; }
    void setCurrent(Destination destination);
    void setShortcut(Destination destination, const QKeySequence& shortcut);
    [[nodiscard]] QModelIndex indexOf(Destination destination) const;

    // The symbol of a destination's row ("square.grid.2x2", …).
    [[nodiscard]] static QString symbol(Destination destination);

private:
    Destination m_current = Destination::overview;
    std::map<Destination, QKeySequence> m_shortcuts;
};

} // namespace tallyra::app
