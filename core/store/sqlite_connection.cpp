#include "store/sqlite_connection.h"

#include <sqlite3.h>

namespace tallyra::store_detail {

namespace {

// Statements differ by predicate shape only, so a few hundred cover every
// code path; more than that means shapes built from data, which are not
// worth keeping.
constexpr qsizetype kMaxCachedStatements = 256;

} // namespace

Statement::Statement(Connection& connection, sqlite3_stmt* statement, QByteArray sql)
    : m_connection(connection), m_statement(statement), m_sql(std::move(sql))
{
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void Statement::reset() noexcept
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

void Statement::bindNull(int index)
{
    if (const int rc = sqlite3_bind_null(m_statement, index); rc != SQLITE_OK)
        throw m_connection.error(rc, StoreError::Code::readFailed, m_sql);
}

void Statement::bindInt64(int index, std::int64_t value)
{
    if (const int rc = sqlite3_bind_int64(m_statement, index, value); rc != SQLITE_OK)
        throw m_connection.error(rc, StoreError::Code::readFailed, m_sql);
}

void Statement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    if (const int rc = sqlite3_bind_text64(m_statement, index, utf8.constData(),
                                           static_cast<sqlite3_uint64>(utf8.size()),
                                           SQLITE_TRANSIENT, SQLITE_UTF8);
        rc != SQLITE_OK)
        throw m_connection.error(rc, StoreError::Code::readFailed, m_sql);
}

void Statement::bindBlob(int index, const QByteArray& value)
{
    // An empty blob is still a blob, not null; SQLite needs a non-null pointer for that.
    static const char empty = 0;
    const char* data = value.isEmpty() ? &empty : value.constData();
    if (const int rc = sqlite3_bind_blob64(
            m_statement, index, data, static_cast<sqlite3_uint64>(value.size()), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        throw m_connection.error(rc, StoreError::Code::readFailed, m_sql);
}

void Statement::bind(int index, const StoreValue& value)
{
    const auto& sql = value.sql();
    if (const auto* integer = std::get_if<std::int64_t>(&sql))
        bindInt64(index, *integer);
    else if (const auto* text = std::get_if<QString>(&sql))
        bindText(index, *text);
    else if (const auto* bytes = std::get_if<QByteArray>(&sql))
        bindBlob(index, *bytes);
    else
        bindNull(index);
}

bool Statement::step(StoreError::Code fallback)
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's own code is the precise one (constraint, full, busy).
    const StoreError error = m_connection.error(rc, fallback, m_sql);
    sqlite3_reset(m_statement);
    throw error;
}

void Statement::run(StoreError::Code fallback)
{
    while (step(fallback)) {
    }
}

bool Statement::isNull(int column) const noexcept
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::int64_t Statement::int64At(int column) const noexcept
{
    return sqlite3_column_int64(m_statement, column);
}

QString Statement::textAt(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (text == nullptr)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

QByteArray Statement::blobAt(int column) const
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    if (data == nullptr)
        return {};
    return QByteArray(data, sqlite3_column_bytes(m_statement, column));
}

QUuid Statement::uuidAt(int column) const noexcept
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    if (data == nullptr || size != 16)
        return {};
    return QUuid::fromRfc4122(QByteArrayView(data, size));
}

std::unique_ptr<Connection> Connection::open(const QString& path, OpenMode mode)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case OpenMode::readOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case OpenMode::readWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case OpenMode::readWriteCreate:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw StoreError(StoreError::Code::cannotOpen,
                         QStringLiteral("sqlite3_open_v2(%1): %2 (%3)").arg(path, message).arg(rc));
    }
    sqlite3_extended_result_codes(db, 1);
    // Every connection waits for another one's lock, the read-only check
    // of a file included; another program saving at the same moment is
    // normal, failing at once would not be.
    sqlite3_busy_timeout(db, kBusyTimeoutMilliseconds);
    return std::unique_ptr<Connection>(new Connection(db, path));
}

Connection::~Connection()
{
    m_cache.clear();
    sqlite3_close(m_db);
}

void Connection::execute(const char* sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throw error(rc, StoreError::Code::writeFailed, QByteArray(sql));
}

StatementLease Connection::cached(const QByteArray& sql)
{
    if (const auto found = m_cache.constFind(sql); found != m_cache.constEnd())
        return StatementLease(*found.value());
    std::shared_ptr<Statement> statement = prepare(sql);
    Statement& result = *statement;
    m_cache.insert(sql, std::move(statement));
    return StatementLease(result);
}

std::unique_ptr<Statement> Connection::prepare(const QByteArray& sql)
{
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.constData(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        throw error(rc, StoreError::Code::readFailed, sql);
    }
    return std::make_unique<Statement>(*this, statement, sql);
}

void Connection::trimCache()
{
    if (m_cache.size() > kMaxCachedStatements)
        m_cache.clear();
}

bool Connection::inTransaction() const noexcept
{
    return sqlite3_get_autocommit(m_db) == 0;
}

std::int64_t Connection::lastInsertRowId() const noexcept
{
    return sqlite3_last_insert_rowid(m_db);
}

std::int64_t Connection::changes() const noexcept
{
    return sqlite3_changes64(m_db);
}

QString Connection::message() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

StoreError Connection::error(int resultCode, StoreError::Code fallback,
                             const QByteArray& what) const
{
    StoreError::Code code = fallback;
    switch (resultCode & 0xff) {
    case SQLITE_FULL:
        code = StoreError::Code::diskFull;
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        code = StoreError::Code::busy;
        break;
    case SQLITE_READONLY:
        code = StoreError::Code::readOnly;
        break;
    case SQLITE_NOTADB:
        code = StoreError::Code::notADataFile;
        break;
    case SQLITE_CANTOPEN:
        code = StoreError::Code::cannotOpen;
        break;
    default:
        break;
    }
    return StoreError(code, QStringLiteral("%1 (SQLite %2) in \"%3\" on %4")
                                .arg(message())
                                .arg(resultCode)
                                .arg(QString::fromUtf8(what), m_path));
}

} // namespace tallyra::store_detail
