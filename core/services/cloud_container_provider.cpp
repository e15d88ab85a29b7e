#include "services/cloud_container_provider.h"

namespace tallyra {

namespace {

class LocalOnlyContainerProvider final : public CloudContainerProvider
{
public:
    [[nodiscard]] std::optional<QString>
    containerIdentifier(const StoreConfiguration&) const override
    {
        return std::nullopt;
    }

    [[nodiscard]] Result<std::unique_ptr<StoreContainer>, StoreError>
    open(const StoreConfiguration& configuration) const override
    {
        return StoreContainer::open(configuration);
    }
};

} // namespace

std::shared_ptr<const CloudContainerProvider> CloudContainerProvider::platform()
{
    static const auto provider = std::make_shared<const LocalOnlyContainerProvider>();
    return provider;
}

} // namespace tallyra
