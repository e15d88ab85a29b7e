#pragma once

// Internal to the store: one row of an entity's table read into its model
// and a model bound as statement parameters, both driven by the entity's
// column list (entity_mapping.h), plus the defaults an insert fills in.
//
// Pictures are not read or written here: a row holds only the name of a
// picture's file, and the picture bookkeeping of the context decides which
// file a model's bytes go to (picture_bookkeeping.h).
//
// Thread safety: the statement's thread.

#include <cstdint>
#include <optional>
#include <type_traits>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "base/typed_id.h"
#include "store/entity_mapping.h"
#include "store/sqlite_connection.h"

namespace tallyra::store_detail {

// Instants are stored as milliseconds since the Unix epoch.
[[nodiscard]] inline QDateTime instantFromStored(std::int64_t milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

// SELECT "Z_PK", every column … FROM the entity's table.
template <class Model> [[nodiscard]] QByteArray selectColumns()
{
    QByteArray sql = R"(SELECT "Z_PK")";
    for (const ColumnInfo& column : columns<Model>())
        sql += ", \"" + QByteArray(column.name) + '"';
    sql += " FROM \"" + QByteArray(Entity<Model>::table) + '"';
    return sql;
}

// The indexes in columns<Model>() of the picture columns, in order.
template <class Model> [[nodiscard]] const QList<int>& pictureColumnIndexes()
{
    static const QList<int> indexes = [] {
        QList<int> result;
        const auto& list = columns<Model>();
        for (int i = 0; i < list.size(); ++i)
            if (list.at(i).kind == ColumnKind::picture)
                result.append(i);
        return result;
    }();
    return indexes;
}

// The model's picture members, in column order.
template <class Model>
[[nodiscard]] QList<const std::optional<QByteArray>*> pictureMembers(const Model& model)
{
    QList<const std::optional<QByteArray>*> members;
    Entity<Model>::visit(model, [&members](const char*, const auto& member) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>,
                                     std::optional<QByteArray>>)
            members.append(&member);
    });
    return members;
}

// Reads one row's columns, after Z_PK, into a model; the file names of its
// pictures go to pictureFiles in column order and the members stay empty.
class RowReader
{
public:
    RowReader(const Statement& statement, QList<QString>& pictureFiles)
        : m_statement(statement), m_pictureFiles(pictureFiles)
    {
    }

    template <class Tag> void operator()(const char*, TypedId<Tag>& value)
    {
        value = TypedId<Tag>(m_statement.uuidAt(m_column++));
    }
    void operator()(const char*, QString& value) { value = m_statement.textAt(m_column++); }
    void operator()(const char*, std::int64_t& value) { value = m_statement.int64At(m_column++); }
    void operator()(const char*, bool& value) { value = m_statement.int64At(m_column++) != 0; }
    void operator()(const char*, QDateTime& value);
    void operator()(const char*, std::optional<QByteArray>& value);
    template <class T> void operator()(const char* name, std::optional<T>& value)
    {
        if (m_statement.isNull(m_column)) {
            value.reset();
            ++m_column;
            return;
        }
        T plain{};
        (*this)(name, plain);
        value = std::move(plain);
    }

private:
    const Statement& m_statement;
    QList<QString>& m_pictureFiles;
    int m_column = 1;
};

// Binds a model's columns as parameters 1…n; each picture is bound as the
// next of the given file names (a null name is NULL).
class RowBinder
{
public:
    RowBinder(Statement& statement, const QList<QString>& pictureFiles)
        : m_statement(statement), m_pictureFiles(pictureFiles)
    {
    }

    [[nodiscard]] int nextIndex() const noexcept { return m_index; }

    template <class Tag> void operator()(const char*, const TypedId<Tag>& value)
    {
        m_statement.bindBlob(m_index++, value.toRfc4122());
    }
    void operator()(const char*, const QString& value);
    void operator()(const char*, const std::int64_t& value)
    {
        m_statement.bindInt64(m_index++, value);
    }
    void operator()(const char*, const bool& value)
    {
        m_statement.bindInt64(m_index++, value ? 1 : 0);
    }
    void operator()(const char*, const QDateTime& value);
    void operator()(const char*, const std::optional<QByteArray>& value);
    template <class T> void operator()(const char* name, const std::optional<T>& value)
    {
        if (value)
            (*this)(name, *value);
        else
            m_statement.bindNull(m_index++);
    }

private:
    Statement& m_statement;
    const QList<QString>& m_pictureFiles;
    int m_index = 1;
    qsizetype m_picture = 0;
};

// The defaults an inserted object gets: a random id for a null one, the
// given now for instants that must be set, the main currency for an
// account without one and the reference instant for a category's creation.
void applyInsertDefaults(AccountModel& model, const QDateTime& now);
void applyInsertDefaults(CategoryModel& model, const QDateTime& now);
void applyInsertDefaults(TransactionModel& model, const QDateTime& now);
void applyInsertDefaults(BudgetModel& model, const QDateTime& now);
void applyInsertDefaults(GoalModel& model, const QDateTime& now);
void applyInsertDefaults(BalanceCheckpointModel& model, const QDateTime& now);

} // namespace tallyra::store_detail
