#pragma once

// Typed fetch requests for the stored entities: which objects (Predicate),
// in which order (SortDescriptor) and how many (FetchRequest). Callers
// never write SQL; the store turns a request into a prepared statement and
// checks that each attribute is compared with a value of its own type.
//
//   using P = Predicate<TransactionModel>;
//   auto today = P::greaterOrEqual(TransactionModel::Field::date, start)
//                && P::less(TransactionModel::Field::date, end)
//                && P::equals(TransactionModel::Field::account, account.objectID);
//   context.fetch<TransactionModel>({today, {{TransactionModel::Field::date}}});
//
// Text compares by code point (no collation); an attribute compared with
// null by equals() matches nothing: use isNull(). Relationship attributes
// (TransactionModel::Field::account, …) compare with objectIDs.
//
// Thread safety: plain values; any thread.

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <ranges>

#include <QList>

#include "store/store_value.h"

namespace tallyra {

struct BudgetModel;
struct GoalModel;

enum class Comparison : std::uint8_t
{
    equal,
    notEqual,
    less,
    lessOrEqual,
    greater,
    greaterOrEqual
};

namespace detail {

// The shape of a predicate without its entity, as the store compiles it.
struct PredicateNode
{
    enum class Op : std::uint8_t
    {
        all,
        compare,
        isNull,
        isNotNull,
        in,
        linkedTo,
        both,
        either,
        negation
    };
    // The field number of the object's identity (objectID) rather than an attribute.
    static constexpr int kObjectID = -1;

    Op op = Op::all;
    Comparison comparison = Comparison::equal;
    int field = kObjectID;
    StoreValue value;
    QList<StoreValue> values;
    std::shared_ptr<const PredicateNode> left;
    std::shared_ptr<const PredicateNode> right;
};

} // namespace detail

template <class Model> class Predicate
{
public:
    using Field = typename Model::Field;
    using Id = typename Model::Id;

    // Every object.
    Predicate() : m_node(std::make_shared<detail::PredicateNode>()) {}

    [[nodiscard]] static Predicate all() { return Predicate(); }

    [[nodiscard]] static Predicate idEquals(const Id& id) { return equals(Field::id, id); }
    // Objects whose id is one of ids (any range of ids; empty matches nothing).
    template <std::ranges::input_range R> [[nodiscard]] static Predicate idIn(const R& ids)
    {
        QList<StoreValue> values;
        for (const Id& id : ids)
            values.append(StoreValue(id));
        return in(Field::id, std::move(values));
    }
    [[nodiscard]] static Predicate objectIDEquals(std::int64_t objectID)
    {
        return make(detail::PredicateNode::Op::compare, detail::PredicateNode::kObjectID,
                    Comparison::equal, objectID);
    }
    template <std::ranges::input_range R>
    [[nodiscard]] static Predicate objectIDIn(const R& objectIDs)
    {
        QList<StoreValue> values;
        for (const std::int64_t objectID : objectIDs)
            values.append(StoreValue(objectID));
        auto node = std::make_shared<detail::PredicateNode>();
        node->op = detail::PredicateNode::Op::in;
        node->field = detail::PredicateNode::kObjectID;
        node->values = std::move(values);
        return Predicate(std::move(node));
    }

    [[nodiscard]] static Predicate compare(Field field, Comparison comparison, StoreValue value)
    {
        return make(detail::PredicateNode::Op::compare, static_cast<int>(field), comparison,
                    std::move(value));
    }
    [[nodiscard]] static Predicate equals(Field f, StoreValue v)
    {
        return compare(f, Comparison::equal, std::move(v));
    }
    [[nodiscard]] static Predicate notEquals(Field f, StoreValue v)
    {
        return compare(f, Comparison::notEqual, std::move(v));
    }
    [[nodiscard]] static Predicate less(Field f, StoreValue v)
    {
        return compare(f, Comparison::less, std::move(v));
    }
    [[nodiscard]] static Predicate lessOrEqual(Field f, StoreValue v)
    {
        return compare(f, Comparison::lessOrEqual, std::move(v));
    }
    [[nodiscard]] static Predicate greater(Field f, StoreValue v)
    {
        return compare(f, Comparison::greater, std::move(v));
    }
    [[nodiscard]] static Predicate greaterOrEqual(Field f, StoreValue v)
    {
        return compare(f, Comparison::greaterOrEqual, std::move(v));
    }
    [[nodiscard]] static Predicate isNull(Field f)
    {
        return make(detail::PredicateNode::Op::isNull, static_cast<int>(f), Comparison::equal, {});
    }
    [[nodiscard]] static Predicate isNotNull(Field f)
    {
        return make(detail::PredicateNode::Op::isNotNull, static_cast<int>(f), Comparison::equal,
                    {});
    }
    // Objects whose attribute equals one of values (empty matches nothing).
    [[nodiscard]] static Predicate in(Field field, QList<StoreValue> values)
    {
        auto node = std::make_shared<detail::PredicateNode>();
        node->op = detail::PredicateNode::Op::in;
        node->field = static_cast<int>(field);
        node->values = std::move(values);
        return Predicate(std::move(node));
    }
    // Budgets listing the category, or goals listing the account, with
    // that objectID (the to-many relationships BudgetModel.categories and
    // GoalModel.accounts).
    [[nodiscard]] static Predicate
    linkedTo(std::int64_t objectID) requires(std::same_as<Model, BudgetModel> ||
                                             std::same_as<Model, GoalModel>)
    {
        return make(detail::PredicateNode::Op::linkedTo, detail::PredicateNode::kObjectID,
                    Comparison::equal, objectID);
    }

    friend Predicate operator&&(const Predicate& a, const Predicate& b)
    {
        return combine(detail::PredicateNode::Op::both, a, b);
    }
    friend Predicate operator||(const Predicate& a, const Predicate& b)
    {
        return combine(detail::PredicateNode::Op::either, a, b);
    }
    friend Predicate operator!(const Predicate& a)
    {
        auto node = std::make_shared<detail::PredicateNode>();
        node->op = detail::PredicateNode::Op::negation;
        node->left = a.m_node;
        return Predicate(std::move(node));
    }

    [[nodiscard]] const detail::PredicateNode& node() const noexcept { return *m_node; }

private:
    explicit Predicate(std::shared_ptr<const detail::PredicateNode> node) : m_node(std::move(node))
    {
    }

    static Predicate make(detail::PredicateNode::Op op, int field, Comparison comparison,
                          StoreValue value)
    {
        auto node = std::make_shared<detail::PredicateNode>();
        node->op = op;
        node->field = field;
        node->comparison = comparison;
        node->value = std::move(value);
        return Predicate(std::move(node));
    }
    static Predicate combine(detail::PredicateNode::Op op, const Predicate& a, const Predicate& b)
    {
        auto node = std::make_shared<detail::PredicateNode>();
        node->op = op;
        node->left = a.m_node;
        node->right = b.m_node;
        return Predicate(std::move(node));
    }

    std::shared_ptr<const detail::PredicateNode> m_node;
};

template <class Model> struct SortDescriptor
{
    SortDescriptor(typename Model::Field sortField,
                   bool sortAscending = true) // NOLINT: a field sorts ascending
        : field(sortField), ascending(sortAscending)
    {
    }

    typename Model::Field field;
    bool ascending;
};

// Objects matching predicate, ordered by sortedBy and then by objectID
// (so the order is always fully determined), at most limit of them.
template <class Model> struct FetchRequest
{
    FetchRequest() = default;
    FetchRequest(Predicate<Model> matching, QList<SortDescriptor<Model>> sorted = {}, // NOLINT
                 std::optional<std::int64_t> atMost = std::nullopt)
        : predicate(std::move(matching)), sortedBy(std::move(sorted)), limit(atMost)
    {
    }

    Predicate<Model> predicate;
    QList<SortDescriptor<Model>> sortedBy;
    std::optional<std::int64_t> limit;
};

} // namespace tallyra
