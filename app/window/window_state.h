#pragma once

// WindowState: what the window restores on its next start, kept in the
// device-local preferences (in memory on runs that keep nothing): the
// window geometry, the sidebar splitter and the destination shown last.
//
// Keys: "window.geometry", "window.splitter" (base64 of Qt's saved state)
// and "window.destination" (the destination's raw value).
//
// Threading: main thread only.

#include <optional>

#include <QByteArray>

#include "shell/destination.h"

namespace tallyra {
class SettingsBackend;
}

namespace tallyra::app {

struct WindowState
{
    static constexpr char kGeometryKey[] = "window.geometry";
    static constexpr char kSplitterKey[] = "window.splitter";
    static constexpr char kDestinationKey[] = "window.destination";

    QByteArray geometry;
    QByteArray splitter;
    std::optional<Destination> destination;

    [[nodiscard]] static WindowState read(const SettingsBackend& backend);
    void write(SettingsBackend& backend) const;
};

} // namespace tallyra::app
