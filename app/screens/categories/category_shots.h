#pragma once

// The screenshot states of the categories screen, for the window's shot
// table.
//
// Threading: main thread only.

namespace tallyra::app {

class MainWindow;

namespace shots {

// Spending by category with the largest category's detail.
bool categories(MainWindow& window);
// The first category with subcategories, expanded, with its detail.
bool categoryDetail(MainWindow& window);
// Income by category.
bool categoriesIncome(MainWindow& window);

} // namespace shots

} // namespace tallyra::app
