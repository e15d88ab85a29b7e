#pragma once

// CloudStartResults: why cloud syncing did not start in this process — the
// message of the error that made the store open local-only, and the
// environment mismatch when that was the reason. Written only while the
// store is opened at start-up and read by the sync monitor after it, so it
// is process-wide like the store choice itself.
//
// Thread safety: every access takes one mutex.

#include <optional>

#include <QString>

#include "services/cloud_environment.h"

namespace tallyra {

struct CloudStartResults
{
    std::optional<QString> failureMessage;
    std::optional<CloudEnvironmentMismatch> mismatch;

    [[nodiscard]] static CloudStartResults current();
    static void record(CloudStartResults results);
    static void clear();
};

} // namespace tallyra
