#pragma once

// NotificationCenter: a named broadcast for events that are not tied to
// one sender the receiver knows, such as a failed undo (the undo manager
// runs the step; the window shows the alert). A notification has a name,
// the object it is about (compared by address only, never dereferenced)
// and a map of values by key.
//
// The application owns one centre and hands it to the services that post;
// receivers connect to posted() and filter by name.
//
// Threading: main thread only; posted() is emitted synchronously.

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace tallyra {

struct Notification
{
    QString name;
    const void* object = nullptr;
    QVariantMap userInfo;
};

class NotificationCenter final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void post(const Notification& notification);

Q_SIGNALS:
    void posted(const tallyra::Notification& notification);
};

} // namespace tallyra

Q_DECLARE_METATYPE(tallyra::Notification)
