#pragma once

// Screenshots: `tallyra --screenshots DIR` renders every screen and sheet
// to DIR/<name>.png (and <name>-dark.png where the dark scheme matters) at
// a fixed window size on the offscreen platform, then the run ends.
//
// The scheme is switched through the Appearance setting (screenshot runs
// keep nothing, so the user's setting is never touched).
//
// The shots are one table (shot_table.cpp): a name, a function that puts
// the window into the state to capture (a destination, an open sheet, a
// toast, a narrow width), and whether a dark variant is wanted. A screen
// or sheet registers its shot by adding a row. Before each capture the
// runner waits until the ledger is loaded and the shown screen is no
// longer busy; an open sheet or alert is drawn over the dimmed window,
// centred, as the user sees it.
//
// Threading: main thread only.

#include <span>

#include <QImage>
#include <QSize>
#include <QString>

namespace tallyra::app {

class MainWindow;

struct Shot
{
    const char* name;
    // Puts the window in the state to capture; false skips the shot (it
    // does not apply to this ledger).
    bool (*prepare)(MainWindow& window);
    bool dark;
    // The window size of this shot; the runner's default when empty.
    QSize size = {};
};

[[nodiscard]] std::span<const Shot> shotTable();

class ScreenshotRunner final
{
public:
    static constexpr QSize kDefaultSize{1280, 800};

    explicit ScreenshotRunner(MainWindow& window);

    // Renders every shot into folder; returns the files written. Throws
    // nothing: a shot that fails to save is reported on stderr and skipped.
    QStringList run(const QString& folder);
    // The window (and its open sheet or alert) as the user sees it now.
    [[nodiscard]] QImage capture() const;
    // Processes events until the ledger is loaded and the screen is idle
    // (at most timeoutMs).
    void settle(int timeoutMs = 8000) const;

private:
    void reset() const;

    MainWindow& m_window;
};

} // namespace tallyra::app
