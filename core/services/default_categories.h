#pragma once

// DefaultCategories: the starter tree of categories a new ledger begins
// with — 21 top-level categories (12 for expenses, 5 for income, 4 for
// transfers) and 26 children under the first seven — and the one-time
// seeding of a store with it.
//
// Every starter category has a stable id made from the namespace
// "default-category" and "<kind raw value>/<root key>" (a root) or
// "<kind raw value>/<root key>/<child key>" (a child), the keys being the
// English names. Two devices that seed independently therefore create the
// same ids whatever their language, and CategoryDedupe merges the pairs
// once the cloud brings them together. Names are translated from the
// English key in the "DefaultCategories" context of the string table.
//
// Errors: seedIfNeeded throws StoreError; nothing is saved then and the
// flag stays unset.
// Threading: tree() builds once per process (thread-safe) with the
// translation installed at that moment; seeding runs on the context's
// thread.

#include <vector>

#include <QLatin1String>
#include <QString>
#include <QUuid>

#include "model/category_kind.h"
#include "settings/settings_backend.h"
#include "store/store_context.h"

namespace tallyra::DefaultCategories {

inline constexpr char16_t kIdNamespace[] = u"default-category";
// The boolean in the settings that says the starter tree was dealt with.
inline constexpr QLatin1String kSeededKey{"defaults.categoriesSeeded"};

struct Node
{
    QString key;  // the English name
    QString name; // the name in the current language
    QString symbol;
    std::vector<Node> children;
};

struct Root
{
    CategoryKind kind = CategoryKind::expense;
    QString key;
    QString name;
    QString symbol;
    QString colorHex;
    std::vector<Node> children;
};

// The starter tree in its order, named in the current language.
[[nodiscard]] std::vector<Root> build();
// build() made once per run and kept.
[[nodiscard]] const std::vector<Root>& tree();

[[nodiscard]] QUuid rootId(CategoryKind kind, const QString& rootKey);
[[nodiscard]] QUuid childId(CategoryKind kind, const QString& rootKey, const QString& childKey);

// Seeds the store with the tree unless the flag says it was done or the
// store already holds any category (then only the flag is set): roots with
// their position among the roots as order, children under them with their
// position among the siblings, all with the clock's now as creation time,
// saved at once outside the undo history. Sets the flag after a successful
// save. True when categories were inserted.
bool seedIfNeeded(StoreContext& context, SettingsBackend& settings,
                  const std::vector<Root>& starter = tree());

} // namespace tallyra::DefaultCategories
