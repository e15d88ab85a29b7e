#pragma once

// Shared set-up of the store tests: a temporary folder for real database
// files, a fixed clock, a known main currency, and raw SQLite access for
// writing rows the store itself would never write (damaged or old data).

#include <memory>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/clock.h"
#include "store/ledger_reader.h"
#include "store/store_container.h"

namespace tallyra::testing {

QString q(const char* text);
QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
              int ms = 0);

// Runs SQL on the file through a connection of its own (foreign keys off,
// as an old or foreign writer would have them).
void rawExecute(const QString& databaseFile, const QString& sql);
// The first column of the first row of a query, as text (null → "NULL").
QString rawQuery(const QString& databaseFile, const QString& sql);
// Every row of every table, as text, in a fixed order: equal dumps mean
// equal data.
QString rawDump(const QString& databaseFile);
QByteArray fileHash(const QString& path);
// The file names in a folder (none when it doesn't exist), sorted.
QStringList filesIn(const QString& folder);

// The ledger as the per-object path sees it: every object fetched through
// the context and converted with the record builders, entries sorted like
// the bulk reader's.
LedgerRecords perObjectLedger(StoreContext& context);

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] QString path(const char* name = "Tallyra.sqlite") const;
    // Opens (or creates) the store file; fails the test when it can't.
    [[nodiscard]] std::unique_ptr<StoreContainer> openStore(const QString& file);
    [[nodiscard]] std::unique_ptr<StoreContainer> openStore() { return openStore(path()); }

    QTemporaryDir m_dir;
    std::shared_ptr<FixedClock> m_clock;
};

// A StoreTest with one store opened for the whole test.
class OpenStoreTest : public StoreTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] StoreContext& context() { return m_store->mainContext(); }

    std::unique_ptr<StoreContainer> m_store;
};

} // namespace tallyra::testing
