#include "services/default_categories.h"

#include <QCoreApplication>

#include "model/category_icon.h"
#include "money/stable_id.h"
#include "services/undo_manager_aside.h"
#include "store/category_model.h"

namespace tallyra::DefaultCategories {

namespace {

constexpr char kContext[] = "DefaultCategories";

struct NodeSpec
{
    const char* key;
    const char* symbol;
};

struct RootSpec
{
    CategoryKind kind;
    const char* key;
    const char* symbol;
    const char* colorHex;
    std::vector<NodeSpec> children;
};

// The keys are the English names and the string table's source texts.
const std::vector<RootSpec>& specs()
{
    using K = CategoryKind;
    static const std::vector<RootSpec> table = {
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Food"),
         "bag.fill",
         "#2E9D4E",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Groceries"), "basket.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Restaurants"), "fork.knife"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Coffee"), "cup.and.saucer.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Delivery"),
           "takeoutbag.and.cup.and.straw.fill"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Home"),
         "house.fill",
         "#8E5BD8",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Rent"), "key.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Utilities"), "bolt.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Internet"), "wifi"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Repairs"), "hammer.fill"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Transport"),
         "car.fill",
         "#1C7ED6",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Fuel"), "fuelpump.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Taxi"), "car.side.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Public Transport"), "tram.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Parking"), "parkingsign"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Car Service"), "wrench.fill"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Shopping"),
         "tag.fill",
         "#0F8F9C",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Clothes"), "tshirt.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Electronics"), "iphone"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Household"), "sparkles"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Bills"),
         "doc.text.fill",
         "#A87C00",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Phone"), "phone.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Subscriptions"), "play.rectangle.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Insurance"), "shield.fill"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Health"),
         "cross.case.fill",
         "#D93838",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Pharmacy"), "pills.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Doctor"), "stethoscope"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Sport"), "dumbbell.fill"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Fun"),
         "play.fill",
         "#D6336C",
         {{QT_TRANSLATE_NOOP("DefaultCategories", "Movies & Events"), "film.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Games"), "gamecontroller.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Hobbies"), "paintbrush.fill"},
          {QT_TRANSLATE_NOOP("DefaultCategories", "Travel"), "airplane"}}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Personal Care"),
         "scissors",
         "#E07A0B",
         {}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Education"),
         "graduationcap.fill",
         "#5B6BD8",
         {}},
        {K::expense, QT_TRANSLATE_NOOP("DefaultCategories", "Gifts"), "gift.fill", "#D6336C", {}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Pets"),
         "pawprint.fill",
         "#E07A0B",
         {}},
        {K::expense,
         QT_TRANSLATE_NOOP("DefaultCategories", "Taxes & Fees"),
         "percent",
         "#7D8590",
         {}},
        {K::income,
         QT_TRANSLATE_NOOP("DefaultCategories", "Salary"),
         "banknote.fill",
         "#2E9D4E",
         {}},
        {K::income,
         QT_TRANSLATE_NOOP("DefaultCategories", "Freelance"),
         "briefcase.fill",
         "#0F8F9C",
         {}},
        {K::income,
         QT_TRANSLATE_NOOP("DefaultCategories", "Interest & Dividends"),
         "chart.line.uptrend.xyaxis",
         "#5B6BD8",
         {}},
        {K::income,
         QT_TRANSLATE_NOOP("DefaultCategories", "Gifts Received"),
         "gift.fill",
         "#D6336C",
         {}},
        {K::income,
         QT_TRANSLATE_NOOP("DefaultCategories", "Refunds"),
         "arrow.uturn.backward",
         "#7D8590",
         {}},
        {K::transfer,
         QT_TRANSLATE_NOOP("DefaultCategories", "Savings"),
         "building.columns.fill",
         "#2E9D4E",
         {}},
        {K::transfer,
         QT_TRANSLATE_NOOP("DefaultCategories", "Card Payment"),
         "creditcard.fill",
         "#D6336C",
         {}},
        {K::transfer,
         QT_TRANSLATE_NOOP("DefaultCategories", "Investments"),
         "chart.line.uptrend.xyaxis",
         "#8E5BD8",
         {}},
        {K::transfer,
         QT_TRANSLATE_NOOP("DefaultCategories", "Cash Withdrawal"),
         "banknote.fill",
         "#7D8590",
         {}},
    };
    return table;
}

QString localized(const char* key)
{
    return QCoreApplication::translate(kContext, key);
}

bool flagIsSet(const SettingsBackend& settings)
{
    const auto flag = settings.value(kSeededKey);
    return flag && flag->typeId() == QMetaType::Bool && flag->toBool();
}

CategoryModel makeCategory(CategoryKind kind, const QUuid& id, const QString& name,
                           const QString& symbol, const QString& colorHex, std::int64_t order,
                           const QDateTime& now)
{
    CategoryModel category;
    category.id = CategoryId(id);
    category.name = name;
    category.kindRaw = rawValue(kind);
    category.setIcon(CategoryIcon::symbol(symbol));
    category.colorHex = colorHex;
    category.order = order;
    category.createdAt = now;
    return category;
}

} // namespace

std::vector<Root> build()
{
    std::vector<Root> roots;
    roots.reserve(specs().size());
    for (const RootSpec& spec : specs()) {
        Root root{spec.kind,
                  QString::fromUtf8(spec.key),
                  localized(spec.key),
                  QString::fromUtf8(spec.symbol),
                  QString::fromUtf8(spec.colorHex),
                  {}};
        for (const NodeSpec& child : spec.children)
            root.children.push_back(Node{QString::fromUtf8(child.key),
                                         localized(child.key),
                                         QString::fromUtf8(child.symbol),
                                         {}});
        roots.push_back(std::move(root));
    }
    return roots;
}

const std::vector<Root>& tree()
{
    static const std::vector<Root> built = build();
    return built;
}

QUuid rootId(CategoryKind kind, const QString& rootKey)
{
    return StableID::make(kIdNamespace, QString(rawValue(kind) + u'/' + rootKey));
}

QUuid childId(CategoryKind kind, const QString& rootKey, const QString& childKey)
{
    return StableID::make(kIdNamespace, QString(rawValue(kind) + u'/' + rootKey + u'/' + childKey));
}

bool seedIfNeeded(StoreContext& context, SettingsBackend& settings,
                  const std::vector<Root>& starter)
{
    if (flagIsSet(settings))
        return false;
    if (context.count<CategoryModel>() > 0) {
        // Categories came from elsewhere (the cloud, an import, an older
        // version): the user's own tree wins and is never added to.
        settings.setValue(kSeededKey, QVariant(true));
        return false;
    }
    {
        const UndoManagerAside aside(context);
        const QDateTime now = context.clock().now();
        try {
            for (size_t r = 0; r < starter.size(); ++r) {
                const Root& root = starter[r];
                CategoryModel parent =
                    makeCategory(root.kind, rootId(root.kind, root.key), root.name, root.symbol,
                                 root.colorHex, static_cast<std::int64_t>(r), now);
                context.insert(parent);
                for (size_t c = 0; c < root.children.size(); ++c) {
                    const Node& node = root.children[c];
                    CategoryModel child =
                        makeCategory(root.kind, childId(root.kind, root.key, node.key), node.name,
                                     node.symbol, root.colorHex, static_cast<std::int64_t>(c), now);
                    child.parent = parent.objectID;
                    context.insert(child);
                }
            }
            context.save();
        } catch (const StoreError&) {
            context.rollback();
            throw;
        }
    }
    settings.setValue(kSeededKey, QVariant(true));
    return true;
}

} // namespace tallyra::DefaultCategories
