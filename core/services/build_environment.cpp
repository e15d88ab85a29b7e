#include "services/build_environment.h"

#include <QLoggingCategory>

namespace tallyra::BuildEnvironment {

namespace {
Q_LOGGING_CATEGORY(lcBuild, "tallyra.services.build")
}

std::optional<CloudEnvironment>
entitlementEnvironment(const std::optional<Entitlements>& entitlements)
{
    if (!entitlements || entitlements->containerIdentifiers.isEmpty())
        return std::nullopt;
    if (entitlements->environment == QStringLiteral("Production") &&
        !entitlements->developmentContainerIdentifiers.contains(
            entitlements->containerIdentifiers.first()))
        return CloudEnvironment::production;
    return CloudEnvironment::development;
}

std::optional<CloudEnvironment> fromVariable(const QString& value)
{
    const auto environment = enumFromRaw<CloudEnvironment>(value);
    if (!environment && !value.isEmpty())
        qCWarning(lcBuild,
                  "%s=%s names no cloud environment (Development or Production); none is used",
                  kVariable, qUtf8Printable(value));
    return environment;
}

std::optional<CloudEnvironment> detect()
{
    return fromVariable(qEnvironmentVariable(kVariable));
}

} // namespace tallyra::BuildEnvironment
