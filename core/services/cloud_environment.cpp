#include "services/cloud_environment.h"

#include <QCoreApplication>

namespace tallyra {

CloudEnvironmentMismatch::CloudEnvironmentMismatch(CloudEnvironment data, CloudEnvironment build)
    : Error(QCoreApplication::translate("CloudSync",
                                        "The data on this Mac syncs with iCloud’s %1 environment, "
                                        "and this copy of Tallyra with %2.")
                .arg(rawValue(data), rawValue(build))),
      m_data(data), m_build(build)
{
}

CloudEnvironmentUnknown::CloudEnvironmentUnknown()
    : Error(QCoreApplication::translate("CloudSync",
                                        "Tallyra couldn’t tell which iCloud environment "
                                        "this copy syncs with, so iCloud is off in it."))
{
}

} // namespace tallyra
