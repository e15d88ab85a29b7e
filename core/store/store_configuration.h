#pragma once

// StoreConfiguration: where a store lives and how it behaves — a database
// file or memory, whether it is mirrored to the cloud, and the clock that
// stamps the creation times of new objects.
//
// Cloud mirroring "automatic" is accepted and remembered, but this platform
// has no cloud database: such a store behaves as a local one and reports no
// container identifier.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "base/clock.h"

namespace tallyra {

enum class CloudDatabase : std::uint8_t
{
    none,
    automatic
};

struct StoreConfiguration
{
    // The database file; none for a store in memory.
    std::optional<QString> filePath;
    CloudDatabase cloudMirroring = CloudDatabase::none;
    // Stamps createdAt and the other "now" defaults; a SystemClock when null.
    std::shared_ptr<const Clock> clock;

    [[nodiscard]] static StoreConfiguration onDisk(QString path,
                                                   std::shared_ptr<const Clock> clock = {},
                                                   CloudDatabase mirroring = CloudDatabase::none)
    {
        return StoreConfiguration{std::move(path), mirroring, std::move(clock)};
    }
    [[nodiscard]] static StoreConfiguration inMemory(std::shared_ptr<const Clock> clock = {})
    {
        return StoreConfiguration{std::nullopt, CloudDatabase::none, std::move(clock)};
    }
};

} // namespace tallyra
