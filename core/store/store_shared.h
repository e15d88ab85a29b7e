#pragma once

// Internal to the store: what a container shares with every context made
// from it — the database file, the pictures, the clock and the container
// that announces saves.

#include <atomic>
#include <memory>

#include <QString>

#include "base/clock.h"
#include "store/picture_store.h"

namespace tallyra {
class StoreContainer;
}

namespace tallyra::store_detail {

struct StoreShared
{
    StoreContainer* container = nullptr;
    QString databasePath;
    bool inMemory = false;
    std::shared_ptr<PictureStore> pictures;
    std::shared_ptr<const Clock> clock;
    // Background contexts still open; they must all be gone before the
    // container closes.
    std::atomic<int> backgroundContexts{0};
};

} // namespace tallyra::store_detail
