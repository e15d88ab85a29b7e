#include "services/store_mirroring_adapter.h"

#include <QSignalSpy>

#include "services/cloud_sync_monitor.h"
#include "services_test_support.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

TEST(StoreMirroringAdapter, storeReportsDriveTheSyncMonitor)
{
    auto container = openOrFail(StoreConfiguration::inMemory());
    StoreMirroringAdapter adapter(*container);
    EXPECT_TRUE(adapter.hasAccount()) << "no account service: nothing says there is no account";

    // A monitor as on a platform with a cloud container.
    CloudSyncMonitor monitor({q("iCloud.app.tallyra"), true}, std::nullopt, std::nullopt);
    monitor.start(&adapter);
    QSignalSpy events(&adapter, &CloudMirroring::eventReported);

    MirroringEvent running{
        QUuid::createUuid(), MirroringEvent::Type::incoming, utc(2026, 1, 1), std::nullopt, false,
        std::nullopt};
    container->simulateMirroringEventForTesting(running);
    EXPECT_EQ(statusText(monitor.state()), statusText(CloudSyncSyncing{}));

    MirroringEvent done = running;
    done.ended = utc(2026, 1, 1, 12, 1);
    done.succeeded = true;
    container->simulateMirroringEventForTesting(done);
    ASSERT_EQ(events.count(), 2);
    const auto last = events.at(1).at(0).value<CloudSyncEvent>();
    EXPECT_EQ(last.id, done.id);
    EXPECT_EQ(last.kind, CloudSyncEvent::Kind::incoming);
    EXPECT_EQ(last.ended, done.ended);
    EXPECT_TRUE(last.succeeded);
    EXPECT_EQ(monitor.imports(), 1);

    const std::pair<CloudAccountStatus, bool> statuses[] = {
        {CloudAccountStatus::noAccount, false},
        {CloudAccountStatus::restricted, false},
        {CloudAccountStatus::temporarilyUnavailable, true},
        {CloudAccountStatus::couldNotDetermine, true},
        {CloudAccountStatus::available, true},
    };
    for (const auto& [status, hasAccount] : statuses) {
        container->simulateCloudAccountStatusForTesting(status);
        EXPECT_EQ(adapter.hasAccount(), hasAccount);
        EXPECT_EQ(monitor.hasAccount(), hasAccount);
    }
    container->simulateCloudAccountStatusForTesting(CloudAccountStatus::noAccount);
    EXPECT_EQ(statusText(monitor.state()), statusText(CloudSyncOff{CloudSyncOff::NoAccount{}}));
}

} // namespace
