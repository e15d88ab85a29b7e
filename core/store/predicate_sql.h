#pragma once

// Internal to the store: turns a Predicate of an entity into the text of a
// WHERE clause and the values bound to its parameters, in order.
//
// Lists (Predicate::in) become parameters in chunks, each padded to a power
// of two by repeating its last value, so a handful of statement texts serves
// every length and the statement cache stays small; a list too long for
// parameters becomes one JSON array read with json_each(), which can't use
// an index but has no length limit. An empty list matches nothing.
//
// Preconditions (asserted): every value has the type of its column, and no
// predicate names a picture column.
// Thread safety: plain values; any thread.

#include <algorithm>
#include <cassert>

#include <QByteArray>
#include <QList>

#include "store/entity_mapping.h"
#include "store/predicate.h"
#include "store/store_value.h"

namespace tallyra::store_detail {

// The name as a quoted SQL identifier.
[[nodiscard]] QByteArray quoted(const char* name);
// " = ", " < ", … with the spaces around it.
[[nodiscard]] const char* comparisonOperator(Comparison comparison);
// The values as one JSON array, UUIDs as upper-case hex (as hex() gives them).
[[nodiscard]] QByteArray jsonArray(const QList<StoreValue>& values);

template <class Model> class PredicateSql
{
public:
    // An IN list becomes parameters in chunks of at most this many.
    static constexpr qsizetype kListChunk = 1024;
    // Above this many values an IN list is passed as one JSON array.
    static constexpr qsizetype kMaxListParameters = 16 * kListChunk;

    QByteArray sql;
    QList<StoreValue> parameters;

    explicit PredicateSql(const detail::PredicateNode& node) { compile(node); }

private:
    void compile(const detail::PredicateNode& node)
    {
        using Op = detail::PredicateNode::Op;
        switch (node.op) {
        case Op::all:
            sql += "1";
            return;
        case Op::compare:
            checkValue(node.field, node.value);
            sql += "(" + column(node.field) + comparisonOperator(node.comparison) + "?)";
            parameters.append(node.value);
            return;
        case Op::isNull:
            sql += "(" + column(node.field) + " IS NULL)";
            return;
        case Op::isNotNull:
            sql += "(" + column(node.field) + " IS NOT NULL)";
            return;
        case Op::in:
            compileIn(node);
            return;
        case Op::linkedTo: {
            const JoinInfo* join = Entity<Model>::join;
            assert(join != nullptr);
            sql += R"(("Z_PK" IN (SELECT )" + quoted(join->ownerColumn) + " FROM " +
                   quoted(join->table) + " WHERE " + quoted(join->memberColumn) + " = ?))";
            parameters.append(node.value);
            return;
        }
        case Op::both:
        case Op::either:
            sql += "(";
            compile(*node.left);
            sql += node.op == Op::both ? " AND " : " OR ";
            compile(*node.right);
            sql += ")";
            return;
        case Op::negation:
            sql += "(NOT ";
            compile(*node.left);
            sql += ")";
            return;
        }
    }

    static ColumnKind kindOf(int field)
    {
        if (field == detail::PredicateNode::kObjectID)
            return ColumnKind::integer;
        return columns<Model>().at(field).kind;
    }
    static QByteArray column(int field)
    {
        if (field == detail::PredicateNode::kObjectID)
            return R"("Z_PK")";
        return quoted(columns<Model>().at(field).name);
    }
    static void checkValue([[maybe_unused]] int field, [[maybe_unused]] const StoreValue& value)
    {
        assert(kindOf(field) != ColumnKind::picture);
        assert(accepts(kindOf(field), value.kind()) &&
               "attribute compared with a value of another type");
    }

    void compileIn(const detail::PredicateNode& node)
    {
        if (node.values.isEmpty()) {
            sql += "0";
            return;
        }
        for (const StoreValue& value : node.values)
            checkValue(node.field, value);
        if (node.values.size() > kMaxListParameters) {
            const QByteArray target = kindOf(node.field) == ColumnKind::uuid
                                          ? "hex(" + column(node.field) + ")"
                                          : column(node.field);
            sql += "(" + target + " IN (SELECT value FROM json_each(?)))";
            parameters.append(StoreValue(QString::fromUtf8(jsonArray(node.values))));
            return;
        }
        sql += "(";
        for (qsizetype start = 0; start < node.values.size(); start += kListChunk) {
            const qsizetype count = std::min(kListChunk, node.values.size() - start);
            qsizetype slotCount = 1;
            while (slotCount < count)
                slotCount *= 2;
            sql += (start == 0 ? "" : " OR ") + column(node.field) + " IN (";
            for (qsizetype i = 0; i < slotCount; ++i) {
                sql += i == 0 ? "?" : ",?";
                parameters.append(node.values.at(start + std::min(i, count - 1)));
            }
            sql += ")";
        }
        sql += ")";
    }
};

} // namespace tallyra::store_detail
