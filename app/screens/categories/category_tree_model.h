#pragma once

// CategoryTreeModel: the breakdown's nodes as a tree with two columns, the
// name (with the node's badge) and the amount. Rebuilt wholesale when the
// view model changes; node identity survives through scopeOf/indexOf so
// the view keeps its selection and expanded rows.
//
// Threading: main thread only.

#include <unordered_map>

#include <QAbstractItemModel>

#include "reports/category_breakdown.h"

namespace tallyra::app {

class CategoriesViewModel;

class CategoryTreeModel final : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        AmountColumn,
        ColumnCount,
    };

    explicit CategoryTreeModel(const CategoriesViewModel& viewModel, QObject* parent = nullptr);

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = {}) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    [[nodiscard]] const CategoryNode* node(const QModelIndex& index) const;
    [[nodiscard]] QModelIndex indexOf(const CategoryScope& scope) const;

private:
    void rebuild();
    void link(const std::vector<CategoryNode>& nodes, const CategoryNode* parent);
    [[nodiscard]] const std::vector<CategoryNode>* childrenOf(const CategoryNode* node) const;

    const CategoriesViewModel& m_viewModel;
    struct Place
    {
        const CategoryNode* parent = nullptr;
        int row = 0;
    };
    std::unordered_map<const CategoryNode*, Place> m_places;
};

} // namespace tallyra::app
