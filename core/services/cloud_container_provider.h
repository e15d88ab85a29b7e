#pragma once

// CloudContainerProvider: what start-up asks of the platform's store
// engine — which cloud container a cloud-mirrored configuration would sync
// with, and the opening of a configuration. Start-up is written against
// this interface so that the cloud path (environment guard, backup before
// the first sync, fallback to a local store) runs the same with a platform
// that mirrors to a cloud database and with one that doesn't.
//
// platform() is this platform's provider: there is no cloud database here,
// so it reports no container for any configuration and opens every
// configuration with StoreContainer::open (a cloud-mirrored configuration
// behaves as a local one).
//
// Thread safety: implementations are immutable; opening runs on the main
// thread like StoreContainer::open.

#include <memory>
#include <optional>

#include <QString>

#include "base/result.h"
#include "store/store_configuration.h"
#include "store/store_container.h"
#include "store/store_error.h"

namespace tallyra {

class CloudContainerProvider
{
public:
    virtual ~CloudContainerProvider() = default;

    // The cloud container the configuration syncs with; none when the
    // platform has no cloud database or the build is not set up for one.
    [[nodiscard]] virtual std::optional<QString>
    containerIdentifier(const StoreConfiguration& configuration) const = 0;
    [[nodiscard]] virtual Result<std::unique_ptr<StoreContainer>, StoreError>
    open(const StoreConfiguration& configuration) const = 0;

    [[nodiscard]] static std::shared_ptr<const CloudContainerProvider> platform();
};

} // namespace tallyra
