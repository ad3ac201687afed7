// A private X server for window checks, and the X tools the tests drive it with.
#ifndef TIDEWELL_TESTS_XVFB_H
#define TIDEWELL_TESTS_XVFB_H

#include "process.h"

#include <string>
#include <sys/types.h>

namespace tw_test {

class XvfbServer {
public:
    // Starts Xvfb on a free display; display() is empty when it could not start.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    const std::string &display() const { return m_display; }

    // Runs an X client (xdotool, xwininfo, import...) against this server.
    ProcessResult Run(const std::vector<std::string> &argv, int timeout_seconds = 30) const;

    // The first visible window whose name is exactly `name`, waiting up to
    // `seconds`; empty when none appeared.
    std::string WaitForWindow(const std::string &name, int seconds = 30) const;
    bool WindowExists(const std::string &window_id) const;
    int WindowWidth(const std::string &window_id) const;
    // Saves a PNG of the window; false when that failed.
    bool Screenshot(const std::string &window_id, const std::string &png) const;
    // Asks the window to close as a window manager would (WM_DELETE_WINDOW).
    bool CloseLikeAWindowManager(const std::string &window_id) const;
    bool PressKey(const std::string &window_id, const std::string &key) const;

private:
    pid_t m_pid;
    std::string m_display;
};

// Folder for artefacts the tests keep (screenshots), created on demand.
std::string ArtefactDir();

} // namespace tw_test

#endif
