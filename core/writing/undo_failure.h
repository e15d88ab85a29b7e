#pragma once

// UndoFailure: why an undo or a redo did not happen, as the application
// shows it ("Couldn’t Undo"/"Couldn’t Redo" with the error's message).
//
// error is the failure that stopped it: a StoreError, a writer's
// WriteError (a redo re-checks its input), or a generic Error for anything
// else; dynamic_cast tells them apart. Never null.
//
// The failure is announced by WriteUndo::undoFailed and posted on a
// NotificationCenter under kUndoFailureNotification with the failure
// under kUndoFailureKey; undoFailure() reads it back from a notification.
//
// Thread safety: a plain value; any thread.

#include <exception>
#include <memory>
#include <optional>

#include <QMetaType>

#include "base/error.h"

namespace tallyra {

struct Notification;

inline constexpr char16_t kUndoFailureNotification[] = u"TallyraCore.UndoFailure";
inline constexpr char16_t kUndoFailureKey[] = u"failure";

struct UndoFailure
{
    std::shared_ptr<const Error> error;
    bool isRedo = false;

    // The failure of the exception being handled (call inside a catch).
    [[nodiscard]] static UndoFailure capture(std::exception_ptr exception, bool isRedo);

    [[nodiscard]] QString message() const { return error ? error->userMessage() : QString(); }
};

// The failure a notification carries under kUndoFailureKey; none for any
// other notification.
[[nodiscard]] std::optional<UndoFailure> undoFailure(const Notification& notification);

} // namespace tallyra

Q_DECLARE_METATYPE(tallyra::UndoFailure)
