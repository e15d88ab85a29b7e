#include "services/cloud_sync_monitor.h"

#include <QSignalSpy>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace tallyra;
using Kind = CloudSyncEvent::Kind;

namespace {

class FakeMirroring final : public CloudMirroring
{
public:
    bool account = true;
    [[nodiscard]] bool hasAccount() const override { return account; }
};

QDateTime at(int minute)
{
    return QDateTime(QDate(2026, 12, 5), QTime(10, minute), Qt::UTC);
}

CloudSyncEvent began(int id, Kind kind)
{
    return CloudSyncEvent{
        QUuid::fromString(
            QStringLiteral("00000000-0000-0000-0000-%1").arg(id, 12, 10, QLatin1Char('0'))),
        kind, std::nullopt, false, std::nullopt};
}

CloudSyncEvent ended(int id, Kind kind, int minute, bool ok, QString error = {})
{
    CloudSyncEvent event = began(id, kind);
    event.ended = at(minute);
    event.succeeded = ok;
    if (!error.isEmpty())
        event.error = error;
    return event;
}

CloudSyncMonitor::StoreFacts syncingStore()
{
    return {QStringLiteral("iCloud.tallyra"), true};
}

TEST(CloudSyncMonitor, initialStateFollowsHowTheStoreOpened)
{
    const CloudEnvironmentMismatch mismatch(CloudEnvironment::production,
                                            CloudEnvironment::development);
    struct Case
    {
        const char* name;
        CloudSyncMonitor::StoreFacts store;
        std::optional<QString> failure;
        std::optional<CloudEnvironmentMismatch> mismatch;
        QString text;
    };
    const Case cases[] = {
        {"file, no container",
         {std::nullopt, true},
         {},
         {},
         QStringLiteral("Saved on this computer — syncing is off")},
        {"memory", {std::nullopt, false}, {}, {}, QStringLiteral("Sample data — nothing is saved")},
        {"container", syncingStore(), {}, {}, QStringLiteral("Sync is on")},
        {"start failure",
         syncingStore(),
         QStringLiteral("boom"),
         {},
         QStringLiteral("Saved on this computer — sync couldn’t start")},
        {"mismatch wins", syncingStore(), QStringLiteral("boom"), mismatch,
         QStringLiteral("Saved on this computer — sync is off in this copy")},
    };
    for (const Case& c : cases) {
        CloudSyncMonitor monitor(c.store, c.failure, c.mismatch);
        EXPECT_EQ(statusText(monitor.state()), c.text) << c.name;
    }
}

TEST(CloudSyncMonitor, mismatchMessageNamesBothEnvironments)
{
    const CloudEnvironmentMismatch mismatch(CloudEnvironment::production,
                                            CloudEnvironment::development);
    EXPECT_EQ(mismatch.userMessage(),
              QStringLiteral("The data on this computer syncs with the Production sync "
                             "environment, and this copy of "
                             "Tallyra with Development."));
}

TEST(CloudSyncMonitor, offStoreIgnoresEventsAndAccount)
{
    FakeMirroring mirroring;
    mirroring.account = false;
    CloudSyncMonitor monitor({std::nullopt, true}, std::nullopt, std::nullopt);
    monitor.start(&mirroring);
    emit mirroring.eventReported(began(1, Kind::outgoing));
    EXPECT_EQ(statusText(monitor.state()),
              QStringLiteral("Saved on this computer — syncing is off"));
    EXPECT_FALSE(monitor.isSyncEnabled());
}

TEST(CloudSyncMonitor, eventSequencesGiveTheStatus)
{
    struct Case
    {
        const char* name;
        std::vector<CloudSyncEvent> events;
        QString text;
    };
    const Case cases[] = {
        {"nothing yet", {}, QStringLiteral("Sync is on")},
        {"running", {began(1, Kind::setup)}, QStringLiteral("Syncing…")},
        {"failed then succeeded export",
         {ended(1, Kind::outgoing, 1, false, QStringLiteral("quota")),
          ended(2, Kind::outgoing, 2, true)},
         QStringLiteral("Synced")},
        {"failed import while export runs",
         {began(3, Kind::outgoing), ended(4, Kind::incoming, 3, false, QStringLiteral("net"))},
         QStringLiteral("Syncing…")},
        {"failed import after export ends",
         {began(3, Kind::outgoing), ended(4, Kind::incoming, 3, false, QStringLiteral("net")),
          ended(3, Kind::outgoing, 4, true)},
         QStringLiteral("Couldn’t sync")},
    };
    for (const Case& c : cases) {
        FakeMirroring mirroring;
        CloudSyncMonitor monitor(syncingStore(), std::nullopt, std::nullopt);
        monitor.start(&mirroring);
        for (const auto& event : c.events)
            emit mirroring.eventReported(event);
        EXPECT_EQ(statusText(monitor.state()), c.text) << c.name;
    }
}

TEST(CloudSyncMonitor, failureCarriesErrorAndEarlierSuccess)
{
    CloudSyncMonitor monitor(syncingStore(), std::nullopt, std::nullopt);
    monitor.start(nullptr);
    monitor.record(ended(1, Kind::incoming, 5, true));
    monitor.record(ended(2, Kind::outgoing, 7, false, QStringLiteral("Quota exceeded")));
    monitor.record(ended(3, Kind::setup, 9, true));
    const auto* failed = std::get_if<CloudSyncFailed>(&monitor.state());
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->error, QStringLiteral("Quota exceeded"));
    EXPECT_EQ(failed->lastSuccess, at(5));
    EXPECT_EQ(monitor.imports(), 1);
}

TEST(CloudSyncMonitor, upToDateShowsTheLatestEndAndTimesNeverGoBack)
{
    CloudSyncMonitor monitor(syncingStore(), std::nullopt, std::nullopt);
    monitor.record(ended(1, Kind::incoming, 8, true));
    monitor.record(ended(2, Kind::incoming, 3, true)); // reported late, finished earlier
    EXPECT_EQ(monitor.log().lastSuccess, at(8));
    EXPECT_EQ(monitor.imports(), 2);
    const auto* upToDate = std::get_if<CloudSyncUpToDate>(&monitor.state());
    ASSERT_NE(upToDate, nullptr);
    EXPECT_EQ(upToDate->lastFinished, at(3)); // the last finished import is the late report
}

TEST(CloudSyncMonitor, signingOutTurnsSyncOffAndBack)
{
    FakeMirroring mirroring;
    CloudSyncMonitor monitor(syncingStore(), std::nullopt, std::nullopt);
    monitor.start(&mirroring);
    QSignalSpy spy(&monitor, &CloudSyncMonitor::stateChanged);
    mirroring.account = false;
    emit mirroring.accountChanged();
    EXPECT_EQ(statusText(monitor.state()),
              QStringLiteral("Saved on this computer — sign in to sync"));
    emit mirroring.accountChanged(); // no change, no signal
    mirroring.account = true;
    emit mirroring.accountChanged();
    EXPECT_EQ(statusText(monitor.state()), QStringLiteral("Sync is on"));
    EXPECT_EQ(spy.count(), 2);
}

} // namespace
