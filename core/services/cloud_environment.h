#pragma once

// Which cloud environment a database has been synced with, and the two
// reasons start-up keeps syncing off for a build: the database belongs to
// the other environment, or the build cannot tell its own.

#include "base/enum_table.h"
#include "base/error.h"

namespace tallyra {

enum class CloudEnvironment
{
    development,
    production
};

// The raw values are stored under "cloud.environment".
inline constexpr auto kCloudEnvironments = makeEnumTable<CloudEnvironment>({
    {CloudEnvironment::development, u"Development"},
    {CloudEnvironment::production, u"Production"},
});
[[nodiscard]] constexpr const auto& enumTable(CloudEnvironment) noexcept
{
    return kCloudEnvironments;
}

class CloudEnvironmentMismatch final : public Error
{
public:
    CloudEnvironmentMismatch(CloudEnvironment data, CloudEnvironment build);

    [[nodiscard]] CloudEnvironment data() const noexcept { return m_data; }
    [[nodiscard]] CloudEnvironment build() const noexcept { return m_build; }
    friend bool operator==(const CloudEnvironmentMismatch& a,
                           const CloudEnvironmentMismatch& b) noexcept
    {
        return a.m_data == b.m_data && a.m_build == b.m_build;
    }

private:
    CloudEnvironment m_data;
    CloudEnvironment m_build;
};

class CloudEnvironmentUnknown final : public Error
{
public:
    CloudEnvironmentUnknown();
};

} // namespace tallyra
