#include "store/store_context.h"

#include <cassert>
#include <utility>

#include <QHash>
#include <QLoggingCategory>

#include "money/currency.h"
#include "store/context_access.h"
#include "store/entity_mapping.h"
#include "store/sqlite_connection.h"
#include "store/store_container.h"
#include "store/store_shared.h"

namespace tallyra {

using namespace store_detail;

namespace {

Q_LOGGING_CATEGORY(lcStore, "tallyra.store")

// An IN list becomes parameters in chunks of at most this many, each padded
// to a power of two, so a handful of statement texts serves every length.
constexpr qsizetype kListChunk = 1024;
// Above this many values an IN list is passed as one JSON array instead,
// which stays far below SQLite's parameter limit but can't use an index.
constexpr qsizetype kMaxListParameters = 16 * kListChunk;

QByteArray quoted(const char* name)
{
    return '"' + QByteArray(name) + '"';
}

QDateTime instantFromStored(std::int64_t milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

struct PictureKey
{
    const char* table;
    std::int64_t objectID;
    int column;

    friend bool operator==(const PictureKey& a, const PictureKey& b) = default;
};

size_t qHash(const PictureKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, reinterpret_cast<quintptr>(key.table), key.objectID, key.column);
}

// What this context last read or wrote for one picture of one row, so an
// unchanged picture is not written again and an unreadable one is not
// dropped by accident.
struct KnownPicture
{
    QString file;
    QByteArray bytes;
    bool readable = true;
};

// ---- defaults applied on insert ----------------------------------------

template <class Tag> void ensureId(TypedId<Tag>& id)
{
    if (id.isNull())
        id = TypedId<Tag>::random();
}

void ensureNow(QDateTime& instant, const QDateTime& now)
{
    if (!instant.isValid())
        instant = now;
}

void applyInsertDefaults(AccountModel& m, const QDateTime& now)
{
    ensureId(m.id);
    ensureNow(m.createdAt, now);
    if (m.currency.isEmpty())
        m.currency = Currency::main();
}

void applyInsertDefaults(CategoryModel& m, const QDateTime&)
{
    ensureId(m.id);
    if (!m.createdAt.isValid())
        m.createdAt = categoryReferenceInstant();
}

void applyInsertDefaults(TransactionModel& m, const QDateTime& now)
{
    ensureId(m.id);
    ensureNow(m.date, now);
    ensureNow(m.createdAt, now);
    ensureNow(m.updatedAt, now);
}

void applyInsertDefaults(BudgetModel& m, const QDateTime&)
{
    ensureId(m.id);
}

void applyInsertDefaults(GoalModel& m, const QDateTime&)
{
    ensureId(m.id);
}

void applyInsertDefaults(BalanceCheckpointModel& m, const QDateTime& now)
{
    ensureId(m.id);
    ensureNow(m.date, now);
    ensureNow(m.createdAt, now);
}

// ---- SQL text ------------------------------------------------------------

template <class Model> QByteArray selectColumns()
{
    QByteArray sql = R"(SELECT "Z_PK")";
    for (const ColumnInfo& column : columns<Model>())
        sql += ", " + quoted(column.name);
    sql += " FROM " + quoted(Entity<Model>::table);
    return sql;
}

template <class Model> int pictureColumnCount()
{
    int count = 0;
    for (const ColumnInfo& column : columns<Model>())
        count += column.kind == ColumnKind::picture ? 1 : 0;
    return count;
}

const char* comparisonOperator(Comparison comparison)
{
    switch (comparison) {
    case Comparison::equal:
        return " = ";
    case Comparison::notEqual:
        return " <> ";
    case Comparison::less:
        return " < ";
    case Comparison::lessOrEqual:
        return " <= ";
    case Comparison::greater:
        return " > ";
    case Comparison::greaterOrEqual:
        return " >= ";
    }
    return " = ";
}

template <class Model> class PredicateCompiler
{
public:
    QByteArray sql;
    QList<StoreValue> parameters;

    void compile(const detail::PredicateNode& node)
    {
        using Op = detail::PredicateNode::Op;
        switch (node.op) {
        case Op::all:
            sql += "1";
            return;
        case Op::compare:
            checkValue(node.field, node.value);
            assert(kindOf(node.field) != ColumnKind::picture);
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

private:
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
        const ColumnKind kind = kindOf(node.field);
        assert(kind != ColumnKind::picture);
        if (node.values.size() <= kMaxListParameters) {
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
            return;
        }
        QByteArray json = "[";
        for (qsizetype i = 0; i < node.values.size(); ++i) {
            if (i > 0)
                json += ',';
            const auto& value = node.values.at(i).sql();
            if (const auto* integer = std::get_if<std::int64_t>(&value)) {
                json += QByteArray::number(*integer);
            } else if (const auto* bytes = std::get_if<QByteArray>(&value)) {
                json += '"' + bytes->toHex().toUpper() + '"';
            } else if (const auto* text = std::get_if<QString>(&value)) {
                QByteArray escaped;
                for (const char c : text->toUtf8()) {
                    if (c == '"' || c == '\\')
                        escaped += '\\';
                    if (static_cast<unsigned char>(c) < 0x20)
                        escaped += "\\u00" + QByteArray::number(static_cast<unsigned char>(c), 16)
                                                 .rightJustified(2, '0');
                    else
                        escaped += c;
                }
                json += '"' + escaped + '"';
            } else {
                json += "null";
            }
        }
        json += ']';
        const QByteArray target =
            kind == ColumnKind::uuid ? "hex(" + column(node.field) + ")" : column(node.field);
        sql += "(" + target + " IN (SELECT value FROM json_each(?)))";
        parameters.append(StoreValue(QString::fromUtf8(json)));
    }
};

// Reads one row's columns (after Z_PK) into a model.
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
    void operator()(const char*, QDateTime& value)
    {
        value = m_statement.isNull(m_column) ? QDateTime()
                                             : instantFromStored(m_statement.int64At(m_column));
        ++m_column;
    }
    void operator()(const char*, std::optional<QByteArray>& value)
    {
        // Only the file name here; the caller loads the bytes.
        value.reset();
        m_pictureFiles.append(m_statement.textAt(m_column++));
    }
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

// Binds a model's columns as parameters 1…n, pictures as the given file names.
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
    void operator()(const char*, const QString& value)
    {
        // A null QString is stored as '' so that NOT NULL text stays text.
        m_statement.bindText(m_index++, value.isNull() ? QStringLiteral("") : value);
    }
    void operator()(const char*, const std::int64_t& value)
    {
        m_statement.bindInt64(m_index++, value);
    }
    void operator()(const char*, const bool& value)
    {
        m_statement.bindInt64(m_index++, value ? 1 : 0);
    }
    void operator()(const char*, const QDateTime& value)
    {
        if (value.isValid())
            m_statement.bindInt64(m_index++, value.toMSecsSinceEpoch());
        else
            m_statement.bindNull(m_index++);
    }
    void operator()(const char*, const std::optional<QByteArray>&)
    {
        const QString& file = m_pictureFiles.at(m_picture++);
        if (file.isNull())
            m_statement.bindNull(m_index++);
        else
            m_statement.bindText(m_index++, file);
    }
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

template <class Model> QList<const std::optional<QByteArray>*> pictureMembers(const Model& model)
{
    QList<const std::optional<QByteArray>*> members;
    Entity<Model>::visit(model, [&members](const char*, const auto& member) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>,
                                     std::optional<QByteArray>>)
            members.append(&member);
    });
    return members;
}

template <class Model> QList<int> pictureColumnIndexes()
{
    QList<int> indexes;
    const auto& list = columns<Model>();
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).kind == ColumnKind::picture)
            indexes.append(i);
    return indexes;
}

} // namespace

// ---- the context -----------------------------------------------------------

struct StoreContext::Impl
{
    std::shared_ptr<StoreShared> shared;
    std::unique_ptr<Connection> db;
    bool isBackground = false;
    bool changed = false;
    UndoManager* undoManager = nullptr;
    std::optional<StoreError> injectedSaveFailure;

    // Picture files written by the unsaved unit of work: removed if it is
    // rolled back or its save fails.
    QList<QString> writtenFiles;
    // Picture files the unsaved unit of work stopped naming: removed once
    // its save succeeded.
    QList<QString> releasedFiles;
    QHash<PictureKey, KnownPicture> knownPictures;
    // What knownPictures held before each change of the unsaved unit, so a
    // failed change or a rollback puts it back.
    QList<std::pair<PictureKey, std::optional<KnownPicture>>> touchedPictures;

    PictureStore& pictures() const { return *shared->pictures; }

    void removeFiles(const QList<QString>& files, qsizetype from)
    {
        for (qsizetype i = from; i < files.size(); ++i)
            pictures().remove(files.at(i));
    }

    void setKnown(const PictureKey& key, std::optional<KnownPicture> picture)
    {
        const auto previous = knownPictures.constFind(key);
        touchedPictures.append({key, previous == knownPictures.constEnd()
                                         ? std::nullopt
                                         : std::optional<KnownPicture>(previous.value())});
        if (picture)
            knownPictures.insert(key, std::move(*picture));
        else
            knownPictures.remove(key);
    }

    void forgetTouched(qsizetype from)
    {
        for (qsizetype i = touchedPictures.size() - 1; i >= from; --i) {
            const auto& [key, previous] = touchedPictures.at(i);
            if (previous)
                knownPictures.insert(key, *previous);
            else
                knownPictures.remove(key);
        }
        touchedPictures.resize(std::min(from, touchedPictures.size()));
    }

    // Forgets the unsaved unit of work after its transaction ended without
    // a commit.
    void discardUnit() noexcept
    {
        removeFiles(writtenFiles, 0);
        writtenFiles.clear();
        releasedFiles.clear();
        forgetTouched(0);
        changed = false;
    }

    // Runs one change as its own savepoint inside the unit of work: on
    // failure exactly this change is undone, files and all. body returns
    // whether it changed anything.
    template <class Body> void change(Body&& body)
    {
        db->trimCache();
        const bool startedUnit = !db->inTransaction();
        if (startedUnit)
            db->execute("BEGIN IMMEDIATE");
        const qsizetype writtenMark = writtenFiles.size();
        const qsizetype releasedMark = releasedFiles.size();
        const qsizetype touchedMark = touchedPictures.size();
        try {
            db->execute("SAVEPOINT tallyra_change");
            const bool didChange = body();
            db->execute("RELEASE tallyra_change");
            changed = changed || didChange;
        } catch (...) {
            if (db->inTransaction()) {
                try {
                    db->execute("ROLLBACK TO tallyra_change; RELEASE tallyra_change");
                    if (!changed)
                        db->execute("ROLLBACK");
                } catch (const StoreError& error) {
                    qCWarning(lcStore, "Undoing a failed change failed: %s",
                              qUtf8Printable(error.detail()));
                }
            }
            removeFiles(writtenFiles, writtenMark);
            writtenFiles.resize(writtenMark);
            releasedFiles.resize(releasedMark);
            forgetTouched(touchedMark);
            // Some failures (disk full, I/O) make SQLite abandon the whole
            // transaction; the unit is gone then, and so are its files.
            if (!db->inTransaction())
                discardUnit();
            throw;
        }
    }

    // The file names a row's pictures should have after a change to these
    // bytes, writing new files and releasing old ones as needed. current
    // holds the row's present names (empty for an insert).
    QList<QString> placePictures(const char* table, std::int64_t objectID,
                                 const QList<int>& columnIndexes,
                                 const QList<const std::optional<QByteArray>*>& values,
                                 const QList<QString>& current)
    {
        QList<QString> files;
        for (qsizetype i = 0; i < values.size(); ++i) {
            const std::optional<QByteArray>& value = *values.at(i);
            const QString present = i < current.size() ? current.at(i) : QString();
            const PictureKey key{table, objectID, columnIndexes.at(i)};
            const auto known = knownPictures.constFind(key);
            const bool knownPresent =
                !present.isNull() && known != knownPictures.constEnd() && known->file == present;

            if (!value) {
                if (knownPresent && !known->readable) {
                    // Never drop a picture just because it couldn't be read.
                    files.append(present);
                    continue;
                }
                if (!present.isNull())
                    releasedFiles.append(present);
                files.append(QString());
                continue;
            }
            if (knownPresent && known->readable && known->bytes == *value) {
                files.append(present);
                continue;
            }
            const QString name = PictureStore::newName();
            pictures().write(name, *value);
            writtenFiles.append(name);
            if (!present.isNull())
                releasedFiles.append(present);
            files.append(name);
        }
        return files;
    }

    void remember(const char* table, std::int64_t objectID, const QList<int>& columnIndexes,
                  const QList<const std::optional<QByteArray>*>& values,
                  const QList<QString>& files)
    {
        for (qsizetype i = 0; i < values.size(); ++i) {
            const PictureKey key{table, objectID, columnIndexes.at(i)};
            if (files.at(i).isNull())
                setKnown(key, std::nullopt);
            else if (*values.at(i))
                setKnown(key, KnownPicture{files.at(i), **values.at(i), true});
        }
    }

    template <class Model> QList<QString> currentPictureFiles(std::int64_t objectID, bool& exists)
    {
        QByteArray sql = "SELECT ";
        bool first = true;
        for (const ColumnInfo& column : columns<Model>()) {
            if (column.kind != ColumnKind::picture)
                continue;
            sql += (first ? "" : ", ") + quoted(column.name);
            first = false;
        }
        sql += " FROM " + quoted(Entity<Model>::table) + R"( WHERE "Z_PK" = ?)";
        auto statement = db->cached(sql);
        statement->bindInt64(1, objectID);
        QList<QString> files;
        exists = statement->step();
        if (exists)
            for (int i = 0; i < pictureColumnCount<Model>(); ++i)
                files.append(statement->textAt(i));
        return files;
    }

    template <class Model> void writeLinks(const Model& model, std::int64_t objectID)
    {
        if constexpr (Entity<Model>::hasLinks) {
            const JoinInfo* join = Entity<Model>::join;
            auto clear = db->cached("DELETE FROM " + quoted(join->table) + " WHERE " +
                                    quoted(join->ownerColumn) + " = ?");
            clear->bindInt64(1, objectID);
            clear->run();
            auto add =
                db->cached("INSERT INTO " + quoted(join->table) + " (" + quoted(join->ownerColumn) +
                           ", " + quoted(join->memberColumn) + R"(, "position") VALUES (?, ?, ?))");
            QList<std::int64_t> seen;
            std::int64_t position = 0;
            for (const std::int64_t member : Entity<Model>::links(model)) {
                // A to-many relationship is a set: the first mention wins.
                if (seen.contains(member))
                    continue;
                seen.append(member);
                add->reset();
                add->bindInt64(1, objectID);
                add->bindInt64(2, member);
                add->bindInt64(3, position++);
                add->run();
            }
        } else {
            (void)model;
            (void)objectID;
        }
    }

    template <class Model> void readLinks(QList<Model>& models)
    {
        if constexpr (!Entity<Model>::hasLinks) {
            (void)models;
        } else {
            const JoinInfo* join = Entity<Model>::join;
            auto statement =
                db->cached("SELECT " + quoted(join->memberColumn) + " FROM " + quoted(join->table) +
                           " WHERE " + quoted(join->ownerColumn) + R"( = ? ORDER BY "position")");
            for (Model& model : models) {
                statement->reset();
                statement->bindInt64(1, model.objectID);
                auto& links = Entity<Model>::links(model);
                links.clear();
                while (statement->step())
                    links.append(statement->int64At(0));
            }
        }
    }

    std::optional<QByteArray> loadPicture(const char* table, std::int64_t objectID, int column,
                                          const QString& file)
    {
        if (file.isNull())
            return std::nullopt;
        std::optional<QByteArray> bytes = pictures().read(file);
        knownPictures.insert(PictureKey{table, objectID, column},
                             KnownPicture{file, bytes.value_or(QByteArray()), bytes.has_value()});
        return bytes;
    }

    template <class Model> QList<Model> fetch(const FetchRequest<Model>& request)
    {
        db->trimCache();
        PredicateCompiler<Model> compiler;
        compiler.compile(request.predicate.node());
        QByteArray sql = selectColumns<Model>() + " WHERE " + compiler.sql + " ORDER BY ";
        for (const SortDescriptor<Model>& sort : request.sortedBy) {
            const ColumnInfo& column = columns<Model>().at(static_cast<int>(sort.field));
            sql += quoted(column.name) + (sort.ascending ? " ASC, " : " DESC, ");
        }
        sql += R"("Z_PK" ASC)";
        if (request.limit) {
            sql += " LIMIT ?";
            compiler.parameters.append(StoreValue(*request.limit));
        }

        auto statement = db->cached(sql);
        for (qsizetype i = 0; i < compiler.parameters.size(); ++i)
            statement->bind(static_cast<int>(i + 1), compiler.parameters.at(i));

        const QList<int> pictureColumns = pictureColumnIndexes<Model>();
        QList<Model> result;
        QList<QString> files;
        while (statement->step()) {
            Model model;
            model.objectID = statement->int64At(0);
            files.clear();
            RowReader reader(*statement, files);
            Entity<Model>::visit(model, reader);
            if (!files.isEmpty()) {
                qsizetype picture = 0;
                Entity<Model>::visit(model, [&](const char*, auto& member) {
                    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>,
                                                 std::optional<QByteArray>>) {
                        member = loadPicture(Entity<Model>::table, model.objectID,
                                             pictureColumns.at(picture), files.at(picture));
                        ++picture;
                    }
                });
            }
            result.append(std::move(model));
        }
        readLinks(result);
        return result;
    }
};

StoreContext::StoreContext(std::shared_ptr<StoreShared> shared,
                           std::unique_ptr<Connection> connection, bool isBackground)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->shared = std::move(shared);
    m_impl->db = std::move(connection);
    m_impl->isBackground = isBackground;
    if (isBackground)
        ++m_impl->shared->backgroundContexts;
}

StoreContext::~StoreContext()
{
    rollback();
    if (m_impl->isBackground)
        --m_impl->shared->backgroundContexts;
}

template <StoredModel Model> QList<Model> StoreContext::fetch(const FetchRequest<Model>& request)
{
    return m_impl->fetch(request);
}

template <StoredModel Model>
std::optional<Model> StoreContext::fetchFirst(const FetchRequest<Model>& request)
{
    FetchRequest<Model> first = request;
    first.limit = 1;
    QList<Model> found = m_impl->fetch(first);
    if (found.isEmpty())
        return std::nullopt;
    return std::move(found.first());
}

template <StoredModel Model> std::int64_t StoreContext::count(const Predicate<Model>& predicate)
{
    m_impl->db->trimCache();
    PredicateCompiler<Model> compiler;
    compiler.compile(predicate.node());
    auto statement = m_impl->db->cached("SELECT count(*) FROM " + quoted(Entity<Model>::table) +
                                        " WHERE " + compiler.sql);
    for (qsizetype i = 0; i < compiler.parameters.size(); ++i)
        statement->bind(static_cast<int>(i + 1), compiler.parameters.at(i));
    return statement->step() ? statement->int64At(0) : 0;
}

template <StoredModel Model> std::int64_t StoreContext::insert(Model& model)
{
    assert(model.objectID == 0 && "object inserted twice");
    Impl& impl = *m_impl;
    std::int64_t objectID = 0;
    impl.change([&] {
        applyInsertDefaults(model, impl.shared->clock->now());
        const QList<int> pictureColumns = pictureColumnIndexes<Model>();
        const auto values = pictureMembers(model);
        const QList<QString> files =
            impl.placePictures(Entity<Model>::table, 0, pictureColumns, values, {});

        QByteArray sql = "INSERT INTO " + quoted(Entity<Model>::table) + " (";
        QByteArray placeholders;
        bool first = true;
        for (const ColumnInfo& column : columns<Model>()) {
            sql += (first ? "" : ", ") + quoted(column.name);
            placeholders += first ? "?" : ", ?";
            first = false;
        }
        sql += ") VALUES (" + placeholders + ")";
        {
            auto statement = impl.db->cached(sql);
            RowBinder binder(*statement, files);
            Entity<Model>::visit(model, binder);
            statement->run();
        }
        objectID = impl.db->lastInsertRowId();
        impl.writeLinks(model, objectID);
        impl.remember(Entity<Model>::table, objectID, pictureColumns, values, files);
        return true;
    });
    model.objectID = objectID;
    return objectID;
}

template <StoredModel Model> void StoreContext::change(const Model& model)
{
    Impl& impl = *m_impl;
    impl.change([&] {
        const QList<int> pictureColumns = pictureColumnIndexes<Model>();
        QList<QString> files;
        QList<const std::optional<QByteArray>*> values;
        if (!pictureColumns.isEmpty()) {
            bool exists = false;
            const QList<QString> current = impl.currentPictureFiles<Model>(model.objectID, exists);
            if (!exists)
                throw StoreError(StoreError::Code::notFound,
                                 QStringLiteral("%1 %2 is gone")
                                     .arg(QLatin1String(Entity<Model>::table))
                                     .arg(model.objectID));
            values = pictureMembers(model);
            files = impl.placePictures(Entity<Model>::table, model.objectID, pictureColumns, values,
                                       current);
        }

        QByteArray sql = "UPDATE " + quoted(Entity<Model>::table) + " SET ";
        bool first = true;
        for (const ColumnInfo& column : columns<Model>()) {
            sql += (first ? "" : ", ") + quoted(column.name) + " = ?";
            first = false;
        }
        sql += R"( WHERE "Z_PK" = ?)";
        {
            auto statement = impl.db->cached(sql);
            RowBinder binder(*statement, files);
            Entity<Model>::visit(model, binder);
            statement->bindInt64(binder.nextIndex(), model.objectID);
            statement->run();
        }
        if (impl.db->changes() == 0)
            throw StoreError(StoreError::Code::notFound,
                             QStringLiteral("%1 %2 is gone")
                                 .arg(QLatin1String(Entity<Model>::table))
                                 .arg(model.objectID));
        impl.writeLinks(model, model.objectID);
        if (!pictureColumns.isEmpty())
            impl.remember(Entity<Model>::table, model.objectID, pictureColumns, values, files);
        return true;
    });
}

template <StoredModel Model> void StoreContext::remove(std::int64_t objectID)
{
    Impl& impl = *m_impl;
    impl.change([&] {
        const QList<int> pictureColumns = pictureColumnIndexes<Model>();
        QList<QString> current;
        if (!pictureColumns.isEmpty()) {
            bool exists = false;
            current = impl.currentPictureFiles<Model>(objectID, exists);
            if (!exists)
                return false;
        }
        {
            auto statement = impl.db->cached("DELETE FROM " + quoted(Entity<Model>::table) +
                                             R"( WHERE "Z_PK" = ?)");
            statement->bindInt64(1, objectID);
            statement->run();
        }
        if (impl.db->changes() == 0)
            return false;
        for (qsizetype i = 0; i < current.size(); ++i) {
            if (!current.at(i).isNull())
                impl.releasedFiles.append(current.at(i));
            impl.setKnown(PictureKey{Entity<Model>::table, objectID, pictureColumns.at(i)},
                          std::nullopt);
        }
        return true;
    });
}

#define TALLYRA_STORE_INSTANTIATE(Model)                                                           \
    template QList<Model> StoreContext::fetch<Model>(const FetchRequest<Model>&);                  \
    template std::optional<Model> StoreContext::fetchFirst<Model>(const FetchRequest<Model>&);     \
    template std::int64_t StoreContext::count<Model>(const Predicate<Model>&);                     \
    template std::int64_t StoreContext::insert<Model>(Model&);                                     \
    template void StoreContext::change<Model>(const Model&);                                       \
    template void StoreContext::remove<Model>(std::int64_t);

TALLYRA_STORE_INSTANTIATE(AccountModel)
TALLYRA_STORE_INSTANTIATE(CategoryModel)
TALLYRA_STORE_INSTANTIATE(TransactionModel)
TALLYRA_STORE_INSTANTIATE(BudgetModel)
TALLYRA_STORE_INSTANTIATE(GoalModel)
TALLYRA_STORE_INSTANTIATE(BalanceCheckpointModel)

#undef TALLYRA_STORE_INSTANTIATE

QList<TransactionModel> StoreContext::outgoing(const AccountModel& account)
{
    return fetch(
        Predicate<TransactionModel>::equals(TransactionModel::Field::account, account.objectID));
}

QList<TransactionModel> StoreContext::incoming(const AccountModel& account)
{
    return fetch(
        Predicate<TransactionModel>::equals(TransactionModel::Field::toAccount, account.objectID));
}

QList<GoalModel> StoreContext::goals(const AccountModel& account)
{
    return fetch(Predicate<GoalModel>::linkedTo(account.objectID));
}

QList<BalanceCheckpointModel> StoreContext::checkpoints(const AccountModel& account)
{
    return fetch(Predicate<BalanceCheckpointModel>::equals(BalanceCheckpointModel::Field::account,
                                                           account.objectID));
}

QList<CategoryModel> StoreContext::children(const CategoryModel& category)
{
    return fetch(Predicate<CategoryModel>::equals(CategoryModel::Field::parent, category.objectID));
}

QList<TransactionModel> StoreContext::transactions(const CategoryModel& category)
{
    return fetch(
        Predicate<TransactionModel>::equals(TransactionModel::Field::category, category.objectID));
}

QList<BudgetModel> StoreContext::budgets(const CategoryModel& category)
{
    return fetch(Predicate<BudgetModel>::linkedTo(category.objectID));
}

QList<GoalModel> StoreContext::challenges(const CategoryModel& category)
{
    return fetch(Predicate<GoalModel>::equals(GoalModel::Field::category, category.objectID));
}

bool StoreContext::hasChanges() const noexcept
{
    return m_impl->changed;
}

void StoreContext::save()
{
    Impl& impl = *m_impl;
    if (!impl.db->inTransaction()) {
        impl.discardUnit();
        return;
    }
    if (impl.injectedSaveFailure) {
        const StoreError error = *std::exchange(impl.injectedSaveFailure, std::nullopt);
        rollback();
        throw error;
    }
    try {
        impl.db->execute("COMMIT");
    } catch (const StoreError& error) {
        qCWarning(lcStore, "Save failed: %s", qUtf8Printable(error.detail()));
        rollback();
        throw StoreError(error.code() == StoreError::Code::busy ||
                                 error.code() == StoreError::Code::diskFull ||
                                 error.code() == StoreError::Code::readOnly
                             ? error.code()
                             : StoreError::Code::writeFailed,
                         error.detail());
    }
    const bool didChange = impl.changed;
    for (const QString& file : std::as_const(impl.releasedFiles))
        impl.pictures().remove(file);
    impl.releasedFiles.clear();
    impl.writtenFiles.clear();
    impl.touchedPictures.clear();
    impl.changed = false;
    if (didChange)
        Q_EMIT impl.shared->container->contextSaved();
}

void StoreContext::rollback() noexcept
{
    Impl& impl = *m_impl;
    if (impl.db->inTransaction()) {
        try {
            impl.db->execute("ROLLBACK");
        } catch (const StoreError& error) {
            qCWarning(lcStore, "Rollback failed: %s", qUtf8Printable(error.detail()));
        }
    }
    impl.discardUnit();
}

void StoreContext::setUndoManager(UndoManager* undoManager) noexcept
{
    m_impl->undoManager = undoManager;
}

UndoManager* StoreContext::undoManager() const noexcept
{
    return m_impl->undoManager;
}

void StoreContext::failNextSaveForTesting(StoreError error)
{
    m_impl->injectedSaveFailure = std::move(error);
}

StoreContainer& StoreContext::container() const noexcept
{
    return *m_impl->shared->container;
}

const Clock& StoreContext::clock() const noexcept
{
    return *m_impl->shared->clock;
}

Connection& store_detail::ContextAccess::connection(StoreContext& context)
{
    return *context.m_impl->db;
}

PictureStore& store_detail::ContextAccess::pictures(StoreContext& context)
{
    return context.m_impl->pictures();
}

} // namespace tallyra
