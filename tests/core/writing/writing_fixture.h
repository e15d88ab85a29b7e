#pragma once

// Shared set-up of the writer tests: a store file in a temporary folder
// (so receipts land in a real picture folder), a fixed clock in Kyiv, an
// undo manager attached to the main context, both writers, and a picture
// of the whole store for before/after comparisons.

#include <memory>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include "base/clock.h"
#include "store/store_container.h"
#include "writing/catalog_writer.h"
#include "writing/ledger_writer.h"
#include "writing/notification_center.h"
#include "writing/undo_manager.h"

namespace tallyra::testing {

QString q(const char* text);
// Kyiv wall-clock time as a UTC instant.
QDateTime kyiv(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
QTimeZone kyivZone();

// Every row of every table as canonical text: objects sorted by id, every
// attribute, relationships and to-many lists as ids in their order,
// pictures as SHA-256 of their bytes; then the row count of every table
// (join tables included) read with raw SQL, and the SHA-256 of every file
// in the picture folder, sorted. Row identities and picture file names are
// left out: an object brought back by undo is a new row with its old id.
struct StoreSnapshot
{
    QString objects;
    QString rowCounts;
    QString pictureFiles;

    friend bool operator==(const StoreSnapshot& a, const StoreSnapshot& b) = default;
};
void PrintTo(const StoreSnapshot& snapshot, std::ostream* os);

class WritingTest : public ::testing::Test
{
public:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] StoreContext& context() { return m_store->mainContext(); }
    [[nodiscard]] StoreSnapshot snapshot();
    [[nodiscard]] QString pictureFolder() const;
    // Runs SQL on the database file through a connection of its own.
    void rawExecute(const char* sql);
    // Reopens the store from disk (drops writers and undo history).
    void reopen();
    void makeWriters();

    // Seeding straight through the store, for exact control of the data.
    AccountModel addAccount(const char* name, const char* currency = "UAH",
                            std::int64_t opening = 0);
    CategoryModel addCategory(const char* name, std::optional<std::int64_t> parent = std::nullopt,
                              const char* kind = "expense");
    TransactionModel addTransaction(const AccountModel& account, std::int64_t amountMinor,
                                    const QDateTime& date, const char* kind = "expense");
    void saveSeed();

    // The first transaction (account, checkpoint, category) with the id.
    [[nodiscard]] std::optional<TransactionModel> transaction(const EntryId& id);
    [[nodiscard]] std::optional<AccountModel> account(const AccountId& id);
    [[nodiscard]] std::optional<CategoryModel> category(const CategoryId& id);
    [[nodiscard]] QList<BalanceCheckpointModel> checkpointsOf(const AccountModel& account);

    // A draft of an expense from the account on 2025-03-07 10:30 Kyiv.
    [[nodiscard]] EntryDraft expense(const AccountModel& account, const char* amount);

    QTemporaryDir m_dir;
    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<StoreContainer> m_store;
    std::unique_ptr<UndoManager> m_undo;
    std::unique_ptr<NotificationCenter> m_notifications;
    std::unique_ptr<LedgerWriter> m_ledger;
    std::unique_ptr<CatalogWriter> m_catalog;
};

} // namespace tallyra::testing
