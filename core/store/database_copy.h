#pragma once

// A consistent copy of a live SQLite database, made with SQLite's online
// backup while other connections (the application's own) keep it open and
// may be writing. The source is opened read-only and never modified.

#include <optional>

#include <QString>

namespace tallyra {

// Copies source into destination (created when missing, replaced when
// present). On failure returns the database engine's message ("unknown"
// when it gives none). Waits for a busy or locked source 20 ms at a time,
// at most 50 more times (about one second), then gives up.
[[nodiscard]] std::optional<QString> copyDatabase(const QString& source,
                                                  const QString& destination);

} // namespace tallyra
