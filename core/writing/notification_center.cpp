#include "writing/notification_center.h"

namespace tallyra {

void NotificationCenter::post(const Notification& notification)
{
    Q_EMIT posted(notification);
}

} // namespace tallyra
