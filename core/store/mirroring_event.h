#pragma once

// What a cloud-mirrored store reports about its mirroring: one operation
// (setup, import from the cloud, export to the cloud) with its start, end
// and outcome, and the status of the user's cloud account. The sync
// monitor folds these into the sync status.
//
// This platform mirrors nothing, so its store never reports either; the
// types exist so the monitor is written once against the store's signals.
//
// Thread safety: plain values; any thread.

#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUuid>

namespace tallyra {

struct MirroringEvent
{
    enum class Type : std::uint8_t
    {
        setup,
        incoming,
        outgoing
    };

    // Shared by the start and the end report of one operation.
    QUuid id;
    Type type = Type::setup;
    QDateTime started;
    // Absent while the operation runs.
    std::optional<QDateTime> ended;
    // Meaningful once ended.
    bool succeeded = false;
    // The failure's message (for a partial failure, the first failed object's).
    std::optional<QString> error;

    friend bool operator==(const MirroringEvent& a, const MirroringEvent& b) = default;
};

enum class CloudAccountStatus : std::uint8_t
{
    available,
    noAccount,
    restricted,
    temporarilyUnavailable,
    couldNotDetermine
};

} // namespace tallyra

Q_DECLARE_METATYPE(tallyra::MirroringEvent)
Q_DECLARE_METATYPE(tallyra::CloudAccountStatus)
