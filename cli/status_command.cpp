#include "status_command.h"

#include <QFileInfo>
#include <QJsonObject>

#include "base/clock.h"
#include "ledger_session.h"
#include "rates/exchange_rates.h"
#include "services/cloud_sync_state.h"
#include "services/store_location.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/user_defaults_backend.h"
#include "store/store_context.h"
#include "write_support.h"

namespace tallyra::cli {

namespace {

struct Counts
{
    qint64 accounts = 0;
    qint64 categories = 0;
    qint64 transactions = 0;
};

qint64 bytesOnDisk(const QString& path)
{
    qint64 bytes = 0;
    for (const QString& suffix : {QString(), QStringLiteral("-wal")}) {
        const QFileInfo file(path + suffix);
        if (file.exists())
            bytes += file.size();
    }
    return bytes;
}

QString ageText(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("just now");
    if (seconds < 3600)
        return QStringLiteral("%1 min ago").arg(seconds / 60);
    if (seconds < 2 * 86400)
        return QStringLiteral("%1 h ago").arg(seconds / 3600);
    return QStringLiteral("%1 days ago").arg(seconds / 86400);
}

} // namespace

int runStatus(CommandContext& context, QStringList arguments)
{
    expectNoMoreArguments(arguments);
    const GlobalOptions& options = context.options;
    const QString path = options.sampleData
                             ? QString()
                             : options.dbPath.value_or(StoreLocation::defaultDatabaseFile());
    const bool exists = options.sampleData || QFileInfo::exists(path);

    Counts counts;
    if (exists) {
        LedgerSession session(options, LedgerSession::Access::readExisting);
        StoreContext& store = session.context();
        counts = Counts{store.count<AccountModel>(), store.count<CategoryModel>(),
                        store.count<TransactionModel>()};
    }

    // The command line never syncs; the window says the same with this line.
    const QString sync = options.sampleData
                             ? statusText(CloudSyncOff{CloudSyncOff::NotStored{}})
                             : statusText(CloudSyncOff{CloudSyncOff::NotAvailable{}});

    // The rate cache the application and `rates` share.
    std::unique_ptr<SettingsBackend> backend;
    if (options.sampleData)
        backend = std::make_unique<InMemorySettingsBackend>();
    else
        backend = std::make_unique<UserDefaultsBackend>();
    const SystemClock clock;
    const ExchangeRates rates(nullptr, *backend, clock);
    const std::optional<QDateTime> updated = rates.updated();
    const std::optional<qint64> age =
        updated ? std::optional(std::max<qint64>(0, updated->secsTo(clock.now()))) : std::nullopt;

    if (options.json) {
        printJson(
            context.out,
            QJsonObject{
                {QStringLiteral("database"), path.isEmpty() ? QJsonValue() : QJsonValue(path)},
                {QStringLiteral("exists"), exists},
                {QStringLiteral("bytes"), path.isEmpty() ? 0 : bytesOnDisk(path)},
                {QStringLiteral("accounts"), counts.accounts},
                {QStringLiteral("categories"), counts.categories},
                {QStringLiteral("transactions"), counts.transactions},
                {QStringLiteral("sync"), sync},
                {QStringLiteral("ratesUpdated"),
                 updated ? QJsonValue(updated->toUTC().toString(Qt::ISODate)) : QJsonValue()},
                {QStringLiteral("ratesAgeSeconds"), age ? QJsonValue(*age) : QJsonValue()},
            });
        return 0;
    }
    QTextStream& out = context.out;
    if (options.sampleData)
        out << "Database: the sample ledger in memory\n";
    else if (!exists)
        out << "Database: " << path << " (not created yet)\n";
    else
        out << "Database: " << path << " (" << bytesOnDisk(path) << " bytes)\n";
    out << "Accounts: " << counts.accounts << '\n'
        << "Categories: " << counts.categories << '\n'
        << "Transactions: " << counts.transactions << '\n'
        << "Sync: " << sync << '\n'
        << "Rates: "
        << (updated ? QStringLiteral("updated %1 (%2)")
                          .arg(updated->toUTC().toString(Qt::ISODate), ageText(*age))
                    : QStringLiteral("not loaded yet"))
        << '\n';
    return 0;
}

} // namespace tallyra::cli
