#include "store/ledger_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <QHash>

#include <sqlite3.h>

#include "model/stored_values.h"
#include "money/currency.h"
#include "store/context_access.h"
#include "store/picture_store.h"
#include "store/sqlite_connection.h"

namespace tallyra {

using namespace store_detail;

namespace {

// Accounts and categories by Z_PK. Row identities count up from 1 with few
// gaps, so a vector is the fastest map; the odd identity beyond the dense
// range (a table that once held far more rows) goes to a hash.
template <class T> class RowTable
{
public:
    void insert(std::int64_t rowID, T value)
    {
        if (rowID >= 0 && rowID < kDenseLimit) {
            const auto index = static_cast<size_t>(rowID);
            if (m_dense.size() <= index)
                m_dense.resize(index + 1);
            m_dense[index] = std::move(value);
        } else {
            m_sparse.insert(rowID, std::move(value));
        }
    }

    [[nodiscard]] const T* find(std::int64_t rowID) const
    {
        if (rowID >= 0 && rowID < kDenseLimit) {
            const auto index = static_cast<size_t>(rowID);
            return index < m_dense.size() && m_dense[index] ? &*m_dense[index] : nullptr;
        }
        const auto found = m_sparse.constFind(rowID);
        return found == m_sparse.constEnd() ? nullptr : &found.value();
    }

private:
    static constexpr std::int64_t kDenseLimit = std::int64_t{1} << 16;
    std::vector<std::optional<T>> m_dense;
    QHash<std::int64_t, T> m_sparse;
};

// Payees and tag lists repeat a lot across a ledger; sharing one string per
// distinct text saves an allocation and memory per transaction. Unique
// texts stop being remembered past a bound.
template <class Value, class Make> class Interner
{
public:
    explicit Interner(Make make) : m_make(std::move(make)) {}

    Value get(const char* bytes, int size)
    {
        if (bytes == nullptr || size == 0)
            return Value();
        const QByteArray key = QByteArray::fromRawData(bytes, size);
        if (const auto found = m_values.constFind(key); found != m_values.constEnd())
            return found.value();
        Value value = m_make(QString::fromUtf8(bytes, size));
        if (m_values.size() < kMaxRemembered)
            m_values.insert(QByteArray(bytes, size), value);
        return value;
    }

private:
    static constexpr qsizetype kMaxRemembered = 200'000;
    Make m_make;
    QHash<QByteArray, Value> m_values;
};

template <class Value, class Make> Interner<Value, Make> makeInterner(Make make)
{
    return Interner<Value, Make>(std::move(make));
}

// Where each transaction row goes in date order, by Z_PK.
class PositionTable
{
public:
    explicit PositionTable(const std::vector<std::int64_t>& rowsInOrder)
    {
        std::int64_t largest = 0;
        for (const std::int64_t row : rowsInOrder)
            largest = std::max(largest, row);
        // Dense unless the identities are far sparser than the rows.
        m_dense = largest < 4 * static_cast<std::int64_t>(rowsInOrder.size()) + 1024;
        if (m_dense)
            m_byRow.assign(static_cast<size_t>(largest) + 1, -1);
        for (size_t i = 0; i < rowsInOrder.size(); ++i) {
            const auto position = static_cast<std::int32_t>(i);
            if (m_dense && rowsInOrder[i] >= 0)
                m_byRow[static_cast<size_t>(rowsInOrder[i])] = position;
            else
                m_sparse.insert(rowsInOrder[i], position);
        }
    }

    // −1 for a row that isn't in the order.
    [[nodiscard]] std::int32_t find(std::int64_t row) const
    {
        if (m_dense && row >= 0)
            return static_cast<size_t>(row) < m_byRow.size() ? m_byRow[static_cast<size_t>(row)]
                                                             : -1;
        return m_sparse.value(row, -1);
    }

private:
    bool m_dense = true;
    std::vector<std::int32_t> m_byRow;
    QHash<std::int64_t, std::int32_t> m_sparse;
};

// Asks for huge pages behind a large buffer not yet touched. A million
// entries fill some 300 MB; faulting that in page by page costs more than
// everything else the read does (on virtual machines especially), and a
// kernel that offers huge pages on request cuts it twentyfold.
void adviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

class Row
{
public:
    explicit Row(sqlite3_stmt* statement) : m_s(statement) {}

    [[nodiscard]] bool isNull(int c) const { return sqlite3_column_type(m_s, c) == SQLITE_NULL; }
    [[nodiscard]] std::int64_t integer(int c) const { return sqlite3_column_int64(m_s, c); }
    [[nodiscard]] bool boolean(int c) const { return sqlite3_column_int64(m_s, c) != 0; }
    [[nodiscard]] std::optional<std::int64_t> optionalInteger(int c) const
    {
        if (isNull(c))
            return std::nullopt;
        return integer(c);
    }
    [[nodiscard]] const char* bytes(int c) const
    {
        return reinterpret_cast<const char*>(sqlite3_column_text(m_s, c));
    }
    [[nodiscard]] int size(int c) const { return sqlite3_column_bytes(m_s, c); }
    [[nodiscard]] QString text(int c) const
    {
        const char* data = bytes(c);
        const int length = size(c);
        if (data == nullptr || length == 0)
            return QString();
        return QString::fromUtf8(data, length);
    }
    [[nodiscard]] std::optional<QString> optionalText(int c) const
    {
        if (isNull(c))
            return std::nullopt;
        return text(c);
    }
    [[nodiscard]] QUuid uuid(int c) const
    {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_s, c));
        const int length = sqlite3_column_bytes(m_s, c);
        if (data == nullptr || length != 16)
            return {};
        return QUuid::fromRfc4122(QByteArrayView(data, length));
    }
    [[nodiscard]] QDateTime instant(int c) const
    {
        if (isNull(c))
            return {};
        return QDateTime::fromMSecsSinceEpoch(integer(c), Qt::UTC);
    }
    [[nodiscard]] std::optional<QDateTime> optionalInstant(int c) const
    {
        if (isNull(c))
            return std::nullopt;
        return instant(c);
    }

private:
    sqlite3_stmt* m_s;
};

class Reader
{
public:
    Reader(Connection& connection, PictureStore& pictures)
        : m_db(connection), m_pictures(pictures), m_mainCurrency(Currency::main())
    {
    }

    LedgerRecords read()
    {
        LedgerRecords records;
        readAccounts(records.accounts);
        readCategories(records.categories);
        readEntries(records.entries);
        readBudgets(records.budgets);
        readGoals(records.goals);
        readCheckpoints(records.checkpoints);
        return records;
    }

private:
    struct AccountLink
    {
        AccountId id;
        CurrencyCode currency;
    };

    // Steps the statement through its rows, calling onRow for each.
    template <class OnRow> void each(const QByteArray& sql, OnRow&& onRow)
    {
        auto statement = m_db.cached(sql);
        sqlite3_stmt* s = statement->handle();
        const Row row(s);
        int rc = SQLITE_OK;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            onRow(row);
        if (rc != SQLITE_DONE)
            throw m_db.error(rc, StoreError::Code::readFailed, sql);
    }

    std::optional<QByteArray> picture(const Row& row, int column)
    {
        if (row.isNull(column))
            return std::nullopt;
        return m_pictures.read(row.text(column));
    }

    void readAccounts(std::vector<Account>& accounts)
    {
        each(
            R"(SELECT "Z_PK", "id", "name", "groupRaw", "detail", "colorHex", "sfSymbol", "currency",
                "openingBalanceMinor", "sourceRaw", "order", "isArchived", "kindRaw", "creditLimitMinor",
                "statementDay", "paymentDueDay", "interestRateBP", "iconImage", "iconEmoji"
             FROM "AccountModel" ORDER BY "Z_PK")",
            [&](const Row& r) {
                Account& a = accounts.emplace_back();
                a.id = AccountId(r.uuid(1));
                a.name = r.text(2);
                const QString groupRaw = r.text(3);
                a.detail = r.text(4);
                a.colorHex = r.text(5);
                a.sfSymbol = r.text(6);
                a.currency = r.text(7);
                a.openingBalance = storedMoney(r.integer(8), a.currency);
                a.source = accountSourceFromStored(r.text(9));
                a.order = r.integer(10);
                a.isArchived = r.boolean(11);
                a.kind = accountKindFromStored(r.text(12), groupRaw, a.name);
                if (const auto limit = r.optionalInteger(13))
                    a.creditLimit = storedMoney(*limit, a.currency);
                a.statementDay = r.optionalInteger(14);
                a.paymentDueDay = r.optionalInteger(15);
                if (const auto rate = r.optionalInteger(16))
                    a.interestRate = interestRateFromBP(*rate);
                a.iconImage = picture(r, 17);
                a.iconEmoji = r.optionalText(18);
                m_accounts.insert(r.integer(0), AccountLink{a.id, a.currency});
            });
    }

    void readCategories(std::vector<CategoryItem>& categories)
    {
        // Parents can come after their children in store order, so they are
        // linked once every category is known.
        std::vector<std::optional<std::int64_t>> parents;
        each(
            R"(SELECT "Z_PK", "id", "name", "kindRaw", "colorHex", "iconKind", "iconValue", "iconImage",
                "order", "parent"
             FROM "CategoryModel" ORDER BY "Z_PK")",
            [&](const Row& r) {
                CategoryItem& c = categories.emplace_back();
                c.id = CategoryId(r.uuid(1));
                c.name = r.text(2);
                c.kind = categoryKindFromStored(r.text(3));
                c.colorHex = r.text(4);
                c.icon = categoryIconFromStored(r.text(5), r.text(6));
                c.iconImage = picture(r, 7);
                c.order = r.integer(8);
                parents.push_back(r.optionalInteger(9));
                m_categories.insert(r.integer(0), c.id);
            });
        for (size_t i = 0; i < categories.size(); ++i)
            if (const auto& parent = parents[i])
                if (const CategoryId* id = m_categories.find(*parent))
                    categories[i].parentID = *id;
    }

    void readEntries(std::vector<Entry>& entries)
    {
        // The date order comes from the (date, createdAt) index alone, which
        // holds every key it needs; the rows are then read in storage order,
        // each into its place. Reading the rows in date order through the
        // index instead jumps around the table whenever dates and storage
        // order disagree, several times slower.
        std::vector<std::int64_t> order;
        each(R"(SELECT "Z_PK" FROM "TransactionModel" ORDER BY "date", "createdAt", "Z_PK")",
             [&](const Row& r) { order.push_back(r.integer(0)); });
        const PositionTable positions(order);
        entries.reserve(order.size());
        adviseHugePages(entries.data(), sizeof(Entry) * order.size());
        entries.resize(order.size());
        Entry* const placed = entries.data();

        auto payees = makeInterner<QString>([](QString text) { return text; });
        auto tags =
            makeInterner<QStringList>([](const QString& text) { return tagsFromText(text); });
        each(
            R"(SELECT "Z_PK", "id", "date", "hasTime", "kindRaw", "amountMinor", "toAmountMinor", "payee", "note",
                "tagsText", "cleared", "hasReceipt", "contactName", "contactIdentifier", "account", "toAccount",
                "category"
             FROM "TransactionModel")",
            [&](const Row& r) {
                const std::int32_t position = positions.find(r.integer(0));
                if (position < 0)
                    return;
                Entry& e = placed[position];
                // Z_PK is never 0, so 0 (what NULL reads as) is "no related object".
                const std::int64_t accountRow = r.integer(14);
                const std::int64_t toAccountRow = r.integer(15);
                const std::int64_t categoryRow = r.integer(16);
                const AccountLink* account =
                    accountRow != 0 ? m_accounts.find(accountRow) : nullptr;
                const AccountLink* toAccount =
                    toAccountRow != 0 ? m_accounts.find(toAccountRow) : nullptr;
                e.id = EntryId(r.uuid(1));
                e.date = QDateTime::fromMSecsSinceEpoch(r.integer(2), Qt::UTC);
                e.hasTime = r.boolean(3);
                e.kind = entryKindFromStoredUtf8(r.bytes(4), r.size(4));
                e.amount.minor = Money::clamped(r.integer(5));
                e.amount.currency = account != nullptr ? account->currency : m_mainCurrency;
                if (!r.isNull(6))
                    e.toAmount =
                        Money{Money::clamped(r.integer(6)),
                              toAccount != nullptr ? toAccount->currency : e.amount.currency};
                e.payee = payees.get(r.bytes(7), r.size(7));
                e.texts.setNote(r.text(8));
                e.texts.setTags(tags.get(r.bytes(9), r.size(9)));
                e.cleared = r.boolean(10);
                e.hasReceipt = r.boolean(11);
                if (const char* name = r.bytes(12))
                    e.texts.setContactName(QString::fromUtf8(name, r.size(12)));
                if (const char* identifier = r.bytes(13))
                    e.texts.setContactIdentifier(QString::fromUtf8(identifier, r.size(13)));
                if (account != nullptr)
                    e.accountID = account->id;
                if (toAccount != nullptr)
                    e.toAccountID = toAccount->id;
                if (categoryRow != 0)
                    if (const CategoryId* category = m_categories.find(categoryRow))
                        e.categoryID = *category;
            });
    }

    // The ordered members of every owner in a join table.
    QHash<std::int64_t, QList<std::int64_t>> links(const char* table, const char* owner,
                                                   const char* member)
    {
        QHash<std::int64_t, QList<std::int64_t>> result;
        each(QByteArray("SELECT \"") + owner + "\", \"" + member + "\" FROM \"" + table +
                 "\" ORDER BY \"" + owner + "\", \"position\"",
             [&](const Row& r) { result[r.integer(0)].append(r.integer(1)); });
        return result;
    }

    void readBudgets(std::vector<Budget>& budgets)
    {
        const auto members = links("BudgetModel_categories", "budget", "category");
        each(
            R"(SELECT "Z_PK", "id", "name", "emoji", "limitMinor", "order" FROM "BudgetModel" ORDER BY "Z_PK")",
            [&](const Row& r) {
                Budget& b = budgets.emplace_back();
                b.id = BudgetId(r.uuid(1));
                b.name = r.text(2);
                b.emoji = r.optionalText(3);
                b.limit = storedMoney(r.integer(4), m_mainCurrency);
                b.order = r.integer(5);
                for (const std::int64_t category : members.value(r.integer(0)))
                    if (const CategoryId* id = m_categories.find(category))
                        b.categoryIDs.append(*id);
            });
    }

    void readGoals(std::vector<Goal>& goals)
    {
        const auto members = links("GoalModel_accounts", "goal", "account");
        each(
            R"(SELECT "Z_PK", "id", "kindRaw", "name", "emoji", "order", "targetMinor", "assignedMinor",
                "monthlyMinor", "deadline", "balanceModeRaw", "allAccounts", "startDate", "endDate", "category"
             FROM "GoalModel" ORDER BY "Z_PK")",
            [&](const Row& r) {
                Goal& g = goals.emplace_back();
                g.id = GoalId(r.uuid(1));
                g.kind = goalKindFromStored(r.text(2));
                g.name = r.text(3);
                g.emoji = r.optionalText(4);
                g.order = r.integer(5);
                g.target = storedMoney(r.integer(6), m_mainCurrency);
                g.assigned = storedMoney(r.integer(7), m_mainCurrency);
                g.monthly = storedMoney(r.integer(8), m_mainCurrency);
                g.deadline = r.optionalInstant(9);
                g.balanceMode = balanceModeFromStored(r.text(10));
                g.allAccounts = r.boolean(11);
                g.startDate = r.optionalInstant(12);
                g.endDate = r.optionalInstant(13);
                if (!r.isNull(14))
                    if (const CategoryId* category = m_categories.find(r.integer(14)))
                        g.categoryID = *category;
                for (const std::int64_t account : members.value(r.integer(0)))
                    if (const AccountLink* link = m_accounts.find(account))
                        g.accountIDs.append(link->id);
            });
    }

    void readCheckpoints(std::vector<BalanceCheckpoint>& checkpoints)
    {
        each(R"(SELECT "id", "date", "balanceMinor", "createdAt", "account"
             FROM "BalanceCheckpointModel" ORDER BY "Z_PK")",
             [&](const Row& r) {
                 const AccountLink* account = r.isNull(4) ? nullptr : m_accounts.find(r.integer(4));
                 if (account == nullptr)
                     return;
                 checkpoints.push_back(
                     BalanceCheckpoint{CheckpointId(r.uuid(0)), account->id, r.instant(1),
                                       storedMoney(r.integer(2), account->currency), r.instant(3)});
             });
    }

    Connection& m_db;
    PictureStore& m_pictures;
    CurrencyCode m_mainCurrency;
    RowTable<AccountLink> m_accounts;
    RowTable<CategoryId> m_categories;
};

} // namespace

Result<LedgerRecords, StoreError> readLedger(StoreContext& context)
{
    Connection& db = ContextAccess::connection(context);
    // One read transaction makes the six reads one snapshot; a context with
    // unsaved changes already is in one and reads through its own changes.
    const bool ownTransaction = !db.inTransaction();
    try {
        db.trimCache();
        if (ownTransaction)
            db.execute("BEGIN");
        LedgerRecords records = Reader(db, ContextAccess::pictures(context)).read();
        if (ownTransaction)
            db.execute("COMMIT");
        return records;
    } catch (const StoreError& error) {
        if (ownTransaction && db.inTransaction()) {
            try {
                db.execute("ROLLBACK");
            } catch (const StoreError&) {
                // The read failed already; that is the error to report.
            }
        }
        return fail(error);
    }
}

} // namespace tallyra
