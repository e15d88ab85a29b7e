#pragma once

// CategoriesViewModel: what the categories screen shows — the breakdown of
// the period's spending, income or transfers as a tree with its totals,
// the header (titled by mode and granularity, with the total and the
// average per bucket), how many transactions could not be counted, and
// the detail of the selected node: its bars, share of the whole, the
// comparison with the same days before, what is inside it and its latest
// transactions. Amounts go through the money display, dates through the
// period labels; the widgets only draw.
//
// Selection: a category node is kept per mode in the application model
// (categorySelection); the uncategorized and transfer nodes are kept here.
// Without a valid selection the first node is shown.
//
// Threading: main thread only.

#include <optional>
#include <vector>

#include <QObject>
#include <QStringList>

#include "reports/category_breakdown.h"
#include "reports/category_detail.h"
#include "shell/list_selection.h"
#include "widgets/semantic_palette.h"

namespace tallyra {
class AppServices;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppModel;

// One line of the detail's lists ("Inside" and the latest transactions).
struct CategoryLine
{
    QString title;
    QString note;
    QString amount;
    Tone tone = Tone::plain;
};

class CategoriesViewModel final : public QObject
{
    Q_OBJECT

public:
    CategoriesViewModel(AppServices& services, AppModel& model, MoneyDisplay& display,
                        QObject* parent = nullptr);

    [[nodiscard]] CategoryMode mode() const;
    void setMode(CategoryMode mode);
    [[nodiscard]] static QStringList modeTitles();

    // --- The tree and its header
    [[nodiscard]] const CategoryBreakdown& breakdown() const noexcept { return m_breakdown; }
    [[nodiscard]] bool isEmpty() const;
    // "Nothing Spent Yet", … and the body under it.
    [[nodiscard]] QString emptyTitle() const;
    [[nodiscard]] QString emptyBody() const;
    // "Monthly spending", "Daily income", …
    [[nodiscard]] QString headerTitle() const;
    [[nodiscard]] QString totalText() const;
    // "₴1,200.00" and its caption "Average per month" / "Average per week"
    // / "per day"; empty without a complete bucket.
    [[nodiscard]] QString averageText() const;
    [[nodiscard]] QString averageCaption() const;
    // "3 transactions not counted: no rate"; empty when all were counted.
    [[nodiscard]] QString uncountedText() const;
    [[nodiscard]] QString amountText(const CategoryNode& node) const;

    // --- The selected node
    [[nodiscard]] const CategoryNode* selectedNode() const;
    // By value: the scope may point into the breakdown this replaces.
    void select(CategoryScope scope);
    [[nodiscard]] const CategoryDetail& detail() const noexcept { return m_detail; }
    // "Share of spending" and the percentage.
    [[nodiscard]] QString shareCaption() const;
    [[nodiscard]] QString shareText() const;
    // "+₴300.00 vs the same days before" or "Nothing the same days before".
    [[nodiscard]] QString comparisonText() const;
    [[nodiscard]] Tone comparisonTone() const;
    // The bar chart's empty text: by mode, for this period or for all time.
    [[nodiscard]] QString chartEmptyText() const;
    [[nodiscard]] bool chartIsEmpty() const;
    [[nodiscard]] QString barLabel(int bar) const;
    [[nodiscard]] std::vector<double> barValues() const;
    [[nodiscard]] QString barReadout(int from, int to) const;
    [[nodiscard]] std::vector<CategoryLine> inside() const;
    [[nodiscard]] std::vector<CategoryLine> recent() const;

    // The transaction list scoped to the selected category (all
    // transactions for uncategorized and transfer nodes).
    void showInTransactions();

    void refresh();

signals:
    void changed();

private:
    [[nodiscard]] const CategoryNode* find(const std::vector<CategoryNode>& nodes,
                                           const CategoryScope& scope) const;
    [[nodiscard]] QString money(const Money& amount) const;
    [[nodiscard]] BucketGranularity granularity() const;

    AppServices& m_services;
    AppModel& m_model;
    MoneyDisplay& m_display;
    CategoryBreakdown m_breakdown;
    std::optional<CategoryScope> m_otherSelection;
    std::optional<CategoryScope> m_selected;
    CategoryDetail m_detail;
    std::optional<Money> m_average;
};

} // namespace tallyra::app
