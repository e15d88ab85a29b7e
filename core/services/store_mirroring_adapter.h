#pragma once

// StoreMirroringAdapter: the opened store's mirroring reports as the sync
// monitor wants them — each MirroringEvent as a CloudSyncEvent, and the
// cloud account status as "has an account".
//
// The account counts as present unless the store reports that there is
// none or that its use is restricted; a status that couldn't be determined
// or is temporarily unavailable does not turn syncing off, and a platform
// without an account service (as here) never reports one.
//
// Threading: main thread; the store's signals are received queued on it.
// The container must outlive the adapter.

#include <optional>

#include "services/cloud_mirroring.h"
#include "services/cloud_sync_event.h"
#include "store/mirroring_event.h"
#include "store/store_container.h"

namespace tallyra {

class StoreMirroringAdapter final : public CloudMirroring
{
    Q_OBJECT

public:
    explicit StoreMirroringAdapter(StoreContainer& container, QObject* parent = nullptr);

    [[nodiscard]] bool hasAccount() const override;

    [[nodiscard]] static CloudSyncEvent toSyncEvent(const MirroringEvent& event);

private:
    StoreContainer& m_container;
    std::optional<CloudAccountStatus> m_status;
};

} // namespace tallyra
