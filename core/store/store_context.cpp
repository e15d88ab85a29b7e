#include "store/store_context.h"

#include <cassert>
#include <utility>

#include <QLoggingCategory>

#include "store/context_access.h"
#include "store/entity_mapping.h"
#include "store/picture_bookkeeping.h"
#include "store/predicate_sql.h"
#include "store/row_codec.h"
#include "store/sqlite_connection.h"
#include "store/store_container.h"
#include "store/store_shared.h"

namespace tallyra {

using namespace store_detail;

namespace {

Q_LOGGING_CATEGORY(lcStore, "tallyra.store")

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
    bool batching = false;

    std::unique_ptr<PictureBookkeeping> pictures;

    // Forgets the unsaved unit of work after its transaction ended without
    // a commit.
    void discardUnit() noexcept
    {
        pictures->discardUnsaved();
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
        const PictureBookkeeping::Mark mark = pictures->mark();
        if (batching) {
            // The whole batch stands or falls together; the caller rolls
            // back on failure.
            changed = body() || changed;
            return;
        }
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
            pictures->rollBackTo(mark);
            // Some failures (disk full, I/O) make SQLite abandon the whole
            // transaction; the unit is gone then, and so are its files.
            if (!db->inTransaction())
                discardUnit();
            throw;
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
            for (qsizetype i = 0; i < pictureColumnIndexes<Model>().size(); ++i)
                files.append(statement->textAt(static_cast<int>(i)));
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

    template <class Model> QList<Model> fetch(const FetchRequest<Model>& request)
    {
        db->trimCache();
        PredicateSql<Model> compiler(request.predicate.node());
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

        const QList<int>& pictureColumns = pictureColumnIndexes<Model>();
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
                        member = pictures->load(Entity<Model>::table, model.objectID,
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
    m_impl->pictures = std::make_unique<PictureBookkeeping>(*m_impl->shared->pictures);
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
    const PredicateSql<Model> compiler(predicate.node());
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
        const QList<int>& pictureColumns = pictureColumnIndexes<Model>();
        const auto values = pictureMembers(model);
        const QList<QString> files =
            impl.pictures->place(Entity<Model>::table, 0, pictureColumns, values, {});

        // Built once per type: an import inserts a million of them.
        static const QByteArray sql = []() -> QByteArray {
            QByteArray text = "INSERT INTO " + quoted(Entity<Model>::table) + " (";
            QByteArray placeholders;
            bool first = true;
            for (const ColumnInfo& column : columns<Model>()) {
                text += (first ? "" : ", ") + quoted(column.name);
                placeholders += first ? "?" : ", ?";
                first = false;
            }
            return text + ") VALUES (" + placeholders + ")";
        }();
        {
            auto statement = impl.db->cached(sql);
            RowBinder binder(*statement, files);
            Entity<Model>::visit(model, binder);
            statement->run();
        }
        objectID = impl.db->lastInsertRowId();
        impl.writeLinks(model, objectID);
        impl.pictures->remember(Entity<Model>::table, objectID, pictureColumns, values, files);
        return true;
    });
    model.objectID = objectID;
    return objectID;
}

template <StoredModel Model> void StoreContext::change(const Model& model)
{
    Impl& impl = *m_impl;
    impl.change([&] {
        const QList<int>& pictureColumns = pictureColumnIndexes<Model>();
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
            files = impl.pictures->place(Entity<Model>::table, model.objectID, pictureColumns,
                                         values, current);
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
            impl.pictures->remember(Entity<Model>::table, model.objectID, pictureColumns, values,
                                    files);
        return true;
    });
}

template <StoredModel Model> void StoreContext::remove(std::int64_t objectID)
{
    Impl& impl = *m_impl;
    impl.change([&] {
        const QList<int>& pictureColumns = pictureColumnIndexes<Model>();
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
        impl.pictures->release(Entity<Model>::table, objectID, pictureColumns, current);
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

void StoreContext::beginWrite()
{
    Impl& impl = *m_impl;
    if (impl.db->inTransaction())
        return;
    impl.db->trimCache();
    impl.db->execute("BEGIN IMMEDIATE");
}

StoreContext::Batch::Batch(StoreContext& context, const QList<QByteArray>& tablesWithoutIndexes)
    : m_context(context)
{
    Impl& impl = *context.m_impl;
    context.beginWrite();
    QList<QByteArray> names;
    for (const QByteArray& table : tablesWithoutIndexes) {
        auto statement = impl.db->prepare(
            R"(SELECT "name", "sql" FROM sqlite_schema WHERE "type" = 'index' AND "tbl_name" = ? AND "sql" IS NOT NULL)");
        statement->bindText(1, QString::fromLatin1(table));
        while (statement->step()) {
            names.append(statement->textAt(0).toUtf8());
            m_indexes.append(statement->textAt(1).toUtf8());
        }
    }
    for (const QByteArray& name : names)
        impl.db->execute(QByteArray("DROP INDEX " + quoted(name.constData())).constData());
    impl.batching = true;
}

StoreContext::Batch::~Batch()
{
    m_context.m_impl->batching = false;
}

void StoreContext::Batch::finish()
{
    Impl& impl = *m_context.m_impl;
    impl.batching = false;
    if (std::exchange(m_finished, true))
        return;
    for (const QByteArray& sql : m_indexes)
        impl.db->execute(sql.constData());
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
    impl.pictures->commitSaved();
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
    return *context.m_impl->shared->pictures;
}

} // namespace tallyra
