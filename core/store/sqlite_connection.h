#pragma once

// Internal to the store: one SQLite connection and its prepared statements,
// with SQLite's result codes turned into StoreError. Only store/*.cpp
// include sqlite3.h; this header names the engine's types without it.
//
// Errors: every operation throws StoreError; the detail carries SQLite's
// message and the statement.
// Thread safety: a connection is used by one thread at a time.

#include <cstdint>
#include <memory>
#include <utility>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUuid>

#include "store/store_error.h"
#include "store/store_value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tallyra::store_detail {

// How long a connection waits for another one's write lock before a change
// fails as busy. Saves are short; only a stuck writer waits this long.
inline constexpr int kBusyTimeoutMilliseconds = 5000;

class Connection;

class Statement final
{
public:
    Statement(Connection& connection, sqlite3_stmt* statement, QByteArray sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    [[nodiscard]] sqlite3_stmt* handle() const noexcept { return m_statement; }
    [[nodiscard]] const QByteArray& sql() const noexcept { return m_sql; }

    // Makes the statement ready to run again and clears its parameters.
    void reset() noexcept;

    // Parameters count from 1.
    void bindNull(int index);
    void bindInt64(int index, std::int64_t value);
    void bindText(int index, const QString& value);
    void bindBlob(int index, const QByteArray& value);
    void bind(int index, const StoreValue& value);

    // Steps once: true when a row is ready, false when done. A failure
    // throws StoreError with the code SQLite's result implies, else fallback.
    [[nodiscard]] bool step(StoreError::Code fallback = StoreError::Code::readFailed);
    // Steps to the end, ignoring rows (for statements that change data).
    void run(StoreError::Code fallback = StoreError::Code::writeFailed);

    // Columns count from 0.
    [[nodiscard]] bool isNull(int column) const noexcept;
    [[nodiscard]] std::int64_t int64At(int column) const noexcept;
    // Null reads as a null QString.
    [[nodiscard]] QString textAt(int column) const;
    [[nodiscard]] QByteArray blobAt(int column) const;
    // A 16-byte BLOB as a UUID; anything else reads as the null UUID.
    [[nodiscard]] QUuid uuidAt(int column) const noexcept;

private:
    Connection& m_connection;
    sqlite3_stmt* m_statement;
    QByteArray m_sql;
};

enum class OpenMode : std::uint8_t
{
    readOnly,
    readWrite,
    readWriteCreate
};

// A cached statement lent to one use; it is reset (and its read of the
// database ended) when the lease ends, so a statement abandoned after its
// first row never holds an old snapshot open.
class StatementLease final
{
public:
    explicit StatementLease(Statement& statement) noexcept : m_statement(&statement) {}
    ~StatementLease()
    {
        if (m_statement != nullptr)
            m_statement->reset();
    }
    StatementLease(StatementLease&& other) noexcept
        : m_statement(std::exchange(other.m_statement, nullptr))
    {
    }
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;
    StatementLease& operator=(StatementLease&&) = delete;

    Statement& operator*() const noexcept { return *m_statement; }
    Statement* operator->() const noexcept { return m_statement; }

private:
    Statement* m_statement;
};

class Connection final
{
public:
    // Throws StoreError (cannotOpen) when SQLite can't open the file.
    [[nodiscard]] static std::unique_ptr<Connection> open(const QString& path, OpenMode mode);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    [[nodiscard]] sqlite3* handle() const noexcept { return m_db; }
    [[nodiscard]] const QString& path() const noexcept { return m_path; }

    // Runs one or more statements without results.
    void execute(const char* sql);
    // A prepared statement kept for reuse, ready to bind. The lease must
    // end before trimCache().
    [[nodiscard]] StatementLease cached(const QByteArray& sql);
    // A statement owned by the caller.
    [[nodiscard]] std::unique_ptr<Statement> prepare(const QByteArray& sql);
    // Drops the cached statements when there are many; call only when no
    // cached statement is in use.
    void trimCache();

    [[nodiscard]] bool inTransaction() const noexcept;
    [[nodiscard]] std::int64_t lastInsertRowId() const noexcept;
    [[nodiscard]] std::int64_t changes() const noexcept;
    // SQLite's most recent message on this connection.
    [[nodiscard]] QString message() const;

    // The StoreError for a failed SQLite call: codes with a meaning of their
    // own (disk full, busy, read-only, not a database) give their code,
    // others the fallback.
    [[nodiscard]] StoreError error(int resultCode, StoreError::Code fallback,
                                   const QByteArray& what) const;

private:
    Connection(sqlite3* db, QString path) : m_db(db), m_path(std::move(path)) {}

    sqlite3* m_db;
    QString m_path;
    QHash<QByteArray, std::shared_ptr<Statement>> m_cache;
};

} // namespace tallyra::store_detail
