#pragma once

// CategoryLinesModel: a short list of formatted lines (title, note,
// amount) for the category detail's "Inside" and latest transactions.
//
// Threading: main thread only.

#include <vector>

#include <QAbstractTableModel>

#include "screens/categories/categories_view_model.h"

namespace tallyra::app {

class CategoryLinesModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLines(std::vector<CategoryLine> lines);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<CategoryLine> m_lines;
};

} // namespace tallyra::app
