#include "screens/categories/category_shots.h"

#include "screens/categories/categories_screen.h"
#include "screens/categories/categories_view_model.h"
#include "shell/app_model.h"
#include "window/main_window.h"

namespace tallyra::app::shots {

namespace {

CategoriesScreen* showCategories(MainWindow& window, CategoryMode mode)
{
    AppModel& model = window.context().model;
    model.setDestination(Destination::categories);
    model.setCategoryMode(mode);
    return qobject_cast<CategoriesScreen*>(window.currentScreen());
}

} // namespace

bool categories(MainWindow& window)
{
    CategoriesScreen* screen = showCategories(window, CategoryMode::expenses);
    if (!screen || screen->showsEmptyState())
        return false;
    const auto& nodes = screen->viewModel().breakdown().nodes;
    screen->viewModel().select(nodes.front().id);
    return true;
}

bool categoryDetail(MainWindow& window)
{
    CategoriesScreen* screen = showCategories(window, CategoryMode::expenses);
    if (!screen || screen->showsEmptyState())
        return false;
    for (const CategoryNode& node : screen->viewModel().breakdown().nodes) {
        if (node.children && node.count > 0) {
            if (const CategoryId* id = node.id.categoryID())
                window.context().model.setCategoryExpanded(*id, true);
            screen->viewModel().select(node.id);
            return true;
        }
    }
    return false;
}

bool categoriesIncome(MainWindow& window)
{
    CategoriesScreen* screen = showCategories(window, CategoryMode::income);
    return screen && !screen->showsEmptyState();
}

} // namespace tallyra::app::shots
