#include "store/database_copy.h"

#include <chrono>
#include <thread>

#include <sqlite3.h>

#include "store/sqlite_connection.h"

namespace tallyra {

namespace {

using store_detail::kBusyTimeoutMilliseconds;

QString messageOf(sqlite3* db)
{
    const char* text = db ? sqlite3_errmsg(db) : nullptr;
    if (!text || !*text)
        return QStringLiteral("unknown");
    return QString::fromUtf8(text);
}

} // namespace

std::optional<QString> copyDatabase(const QString& source, const QString& destination)
{
    sqlite3* from = nullptr;
    if (sqlite3_open_v2(source.toUtf8().constData(), &from, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        const QString message = messageOf(from);
        sqlite3_close(from);
        return message;
    }
    sqlite3* to = nullptr;
    if (sqlite3_open_v2(destination.toUtf8().constData(), &to,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const QString message = messageOf(to);
        sqlite3_close(to);
        sqlite3_close(from);
        return message;
    }

    // A writer holding the source for a moment is waited for, not failed.
    sqlite3_busy_timeout(from, kBusyTimeoutMilliseconds);
    sqlite3_busy_timeout(to, kBusyTimeoutMilliseconds);

    int stepResult = SQLITE_ERROR;
    int finishResult = SQLITE_ERROR;
    if (sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main")) {
        stepResult = sqlite3_backup_step(backup, -1);
        for (int retry = 0;
             retry < 50 && (stepResult == SQLITE_BUSY || stepResult == SQLITE_LOCKED); ++retry) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            stepResult = sqlite3_backup_step(backup, -1);
        }
        finishResult = sqlite3_backup_finish(backup);
    }

    std::optional<QString> failure;
    if (stepResult != SQLITE_DONE || finishResult != SQLITE_OK)
        failure = messageOf(to);
    sqlite3_close(to);
    sqlite3_close(from);
    return failure;
}

} // namespace tallyra
