#pragma once

// Shared helpers of the runtime tests: stores on disk or in memory with a
// fixed clock, a few stored objects, a fake platform store engine that
// reports a cloud container, and waiting for the ledger store.

#include <memory>
#include <optional>
#include <set>

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/clock.h"
#include "services/cloud_container_provider.h"
#include "store/store_container.h"
#include "store/store_context.h"

namespace tallyra::testing {

inline QString q(const char* text)
{
    return QString::fromUtf8(text);
}
inline QDateTime utc(int y, int m, int d, int h = 12, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
}

inline std::unique_ptr<StoreContainer> openOrFail(const StoreConfiguration& configuration)
{
    auto opened = StoreContainer::open(configuration);
    if (!opened) {
        ADD_FAILURE() << "open failed: " << opened.error().detail().toStdString();
        return nullptr;
    }
    return std::move(opened).value();
}

inline AccountModel addAccount(StoreContext& context, const char* name,
                               const char* currency = "USD")
{
    AccountModel account;
    account.name = q(name);
    account.currency = q(currency);
    context.insert(account);
    return account;
}

inline TransactionModel addExpense(StoreContext& context, const AccountModel& account,
                                   std::int64_t minor, std::optional<std::int64_t> category,
                                   const QDateTime& date)
{
    TransactionModel transaction;
    transaction.kindRaw = q("expense");
    transaction.amountMinor = minor;
    transaction.account = account.objectID;
    transaction.category = category;
    transaction.date = date;
    context.insert(transaction);
    return transaction;
}

// A platform whose store engine mirrors to a cloud container; opening the
// cloud-mirrored configuration can be made to fail, and every opened
// configuration is remembered.
class FakeCloudProvider final : public CloudContainerProvider
{
public:
    std::optional<QString> container = q("iCloud.app.tallyra");
    std::optional<StoreError> cloudOpenFailure;
    mutable std::vector<CloudDatabase> opened;

    [[nodiscard]] std::optional<QString>
    containerIdentifier(const StoreConfiguration&) const override
    {
        return container;
    }
    [[nodiscard]] Result<std::unique_ptr<StoreContainer>, StoreError>
    open(const StoreConfiguration& configuration) const override
    {
        opened.push_back(configuration.cloudMirroring);
        if (configuration.cloudMirroring == CloudDatabase::automatic && cloudOpenFailure)
            return fail(*cloudOpenFailure);
        return StoreContainer::open(configuration);
    }
};

} // namespace tallyra::testing
