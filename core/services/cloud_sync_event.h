#pragma once

// One mirroring operation as the cloud store reports it. The start and end
// reports of one operation share the id.

#include <optional>

#include <QDateTime>
#include <QString>
#include <QUuid>

namespace tallyra {

struct CloudSyncEvent
{
    enum class Kind
    {
        setup,
        incoming,
        outgoing
    };

    QUuid id;
    Kind kind = Kind::setup;
    std::optional<QDateTime> ended; // absent while the operation runs
    bool succeeded = false;         // meaningful once ended
    std::optional<QString> error;

    friend bool operator==(const CloudSyncEvent&, const CloudSyncEvent&) = default;
};

} // namespace tallyra
