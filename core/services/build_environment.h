#pragma once

// BuildEnvironment: which cloud environment the running build syncs with.
//
// Where builds are code-signed with cloud entitlements, the environment
// follows from them (entitlementEnvironment() holds that rule). This
// platform signs nothing, so detect() reads the equivalent from the process
// environment instead:
//
//   TALLYRA_CLOUD_ENVIRONMENT=Production   → production
//   TALLYRA_CLOUD_ENVIRONMENT=Development  → development
//   unset, empty or any other text         → none (logged when not empty)
//
// A build without an environment still opens its data; it only never turns
// cloud syncing on (and here no container is reported anyway).
//
// Thread safety: pure functions; detect() reads the environment, meant
// for start-up.

#include <optional>

#include <QString>
#include <QStringList>

#include "services/cloud_environment.h"

namespace tallyra::BuildEnvironment {

inline constexpr char kVariable[] = "TALLYRA_CLOUD_ENVIRONMENT";

// The cloud entitlements of a signed build.
struct Entitlements
{
    // "com.apple.developer.icloud-container-identifiers"
    QStringList containerIdentifiers;
    // "com.apple.developer.icloud-container-environment"
    std::optional<QString> environment;
    // "com.apple.developer.icloud-container-development-container-identifiers"
    QStringList developmentContainerIdentifiers;
};

// None without entitlements or without a container; production when the
// environment entitlement says "Production" and the first container is not
// a development one; development in every other case.
[[nodiscard]] std::optional<CloudEnvironment>
entitlementEnvironment(const std::optional<Entitlements>& entitlements);

// The environment named by a TALLYRA_CLOUD_ENVIRONMENT value.
[[nodiscard]] std::optional<CloudEnvironment> fromVariable(const QString& value);

// This process's environment.
[[nodiscard]] std::optional<CloudEnvironment> detect();

} // namespace tallyra::BuildEnvironment
