#pragma once

// UndoToast: a short message at the bottom of the window with an "Undo"
// button. Every toast gets a new id, so a toast that replaces another with
// the same text is still a new one (its five seconds start again).
//
// Thread safety: a plain value; any thread.

#include <QString>
#include <QUuid>

namespace tallyra::app {

struct UndoToast
{
    QUuid id;
    QString message;

    [[nodiscard]] static UndoToast make(QString message)
    {
        return UndoToast{QUuid::createUuid(), std::move(message)};
    }

    friend bool operator==(const UndoToast& a, const UndoToast& b) = default;
};

} // namespace tallyra::app
