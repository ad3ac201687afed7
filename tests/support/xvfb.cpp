#include "xvfb.h"

#include "temp_tree.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tw_test {

XvfbServer::XvfbServer() : m_pid(-1)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (m_pid < 0) {
        close(fds[0]);
        return;
    }
    // Xvfb writes its display number once it accepts clients.
    std::string number;
    struct pollfd p = {fds[0], POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (!number.empty())
        m_display = ":" + number;
}

XvfbServer::~XvfbServer()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        WaitProcess(m_pid, 10);
    }
}

ProcessResult XvfbServer::Run(const std::vector<std::string> &argv, int timeout_seconds) const
{
    ProcessOptions opts;
    opts.env["DISPLAY"] = m_display;
    opts.timeout_seconds = timeout_seconds;
    return RunProcess(argv, opts);
}

std::string XvfbServer::WaitForWindow(const std::string &name, int seconds) const
{
    for (int i = 0; i < seconds * 10; ++i) {
        ProcessResult r = Run({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"});
        if (r.exit_code == 0 && !r.out.empty())
            return r.out.substr(0, r.out.find('\n'));
        usleep(100000);
    }
    return std::string();
}

bool XvfbServer::WindowExists(const std::string &window_id) const
{
    ProcessResult r = Run({"xwininfo", "-id", window_id});
    return r.exit_code == 0 && r.out.find("IsViewable") != std::string::npos;
}

int XvfbServer::WindowWidth(const std::string &window_id) const
{
    ProcessResult r = Run({"xwininfo", "-id", window_id});
    const std::string key = "Width: ";
    std::string::size_type at = r.out.find(key);
    return at == std::string::npos ? -1 : atoi(r.out.c_str() + at + key.size());
}

bool XvfbServer::Screenshot(const std::string &window_id, const std::string &png) const
{
    return Run({"import", "-window", window_id, png}).exit_code == 0 && Exists(png);
}

bool XvfbServer::CloseLikeAWindowManager(const std::string &window_id) const
{
#ifdef TW_WM_CLOSE
    return Run({TW_WM_CLOSE, window_id}).exit_code == 0;
#else
    (void)window_id;
    return false;
#endif
}

bool XvfbServer::PressKey(const std::string &window_id, const std::string &key) const
{
    // Focus first: keys from the XTEST extension go to the focused window.
    Run({"xdotool", "windowfocus", "--sync", window_id});
    return Run({"xdotool", "key", "--clearmodifiers", key}).exit_code == 0;
}

std::string ArtefactDir()
{
#ifdef TW_ARTEFACT_DIR
    const std::string dir = TW_ARTEFACT_DIR;
#else
    const std::string dir = "/tmp/tidewell-test-artefacts";
#endif
    MakeDirs(dir);
    return dir;
}

} // namespace tw_test
