#include "services/cloud_environment.h"

#include <QCoreApplication>

namespace tallyra {

CloudEnvironmentMismatch::CloudEnvironmentMismatch(CloudEnvironment data, CloudEnvironment build)
    : Error(QCoreApplication::translate(
                "CloudSync", "The data on this computer syncs with the %1 sync environment, "
                             "and this copy of Tallyra with %2.")
                .arg(rawValue(data), rawValue(build))),
      m_data(data), m_build(build)
{
}

CloudEnvironmentUnknown::CloudEnvironmentUnknown()
    : Error(QCoreApplication::translate("CloudSync",
                                        "Tallyra couldn’t tell which sync environment "
                                        "this copy syncs with, so syncing is off in it."))
{
}

} // namespace tallyra
