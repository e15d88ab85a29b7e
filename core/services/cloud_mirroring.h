#pragma once

// What the sync monitor needs from a store that mirrors itself to a cloud
// database: its mirroring events and the cloud account status. A store
// without cloud support never emits anything and reports no account.

#include <QObject>

#include "services/cloud_sync_event.h"

namespace tallyra {

class CloudMirroring : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~CloudMirroring() override = default;

    // Whether the user is signed in to the cloud account the store syncs with.
    [[nodiscard]] virtual bool hasAccount() const = 0;

signals:
    void eventReported(const tallyra::CloudSyncEvent& event);
    void accountChanged();
};

} // namespace tallyra
