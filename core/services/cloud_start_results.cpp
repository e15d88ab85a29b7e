#include "services/cloud_start_results.h"

#include <mutex>

namespace tallyra {

namespace {

std::mutex& resultsMutex()
{
    static std::mutex mutex;
    return mutex;
}

CloudStartResults& stored()
{
    static CloudStartResults results;
    return results;
}

} // namespace

CloudStartResults CloudStartResults::current()
{
    const std::lock_guard lock(resultsMutex());
    return stored();
}

void CloudStartResults::record(CloudStartResults results)
{
    const std::lock_guard lock(resultsMutex());
    stored() = std::move(results);
}

void CloudStartResults::clear()
{
    record({});
}

} // namespace tallyra
