#include "client_process.h"

#include "posix_io.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <poll.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsInside(const std::string &path, const std::string &dir)
{
    if (dir.empty())
        return false;
    std::string prefix = dir;
    if (prefix.back() != '/')
        prefix += '/';
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

bool IsInsideAny(const std::string &path, const std::vector<std::string> &dirs)
{
    for (const std::string &dir : dirs)
        if (IsInside(path, dir))
            return true;
    return false;
}

bool ReadLink(const std::string &path, std::string *target)
{
    return ReadLinkText(path.c_str(), target);
}

bool ReadWholeFile(const std::string &path, std::string *content)
{
    FILE *fp = fopen(path.c_str(), "rb");
    if (!fp)
        return false;
    char buf[4096];
    size_t got;
    while ((got = fread(buf, 1, sizeof buf, fp)) > 0)
        content->append(buf, got);
    bool ok = !ferror(fp);
    fclose(fp);
    return ok;
}

std::string CanonicalPath(const std::string &path)
{
    return RealPath(path.c_str());
}

std::vector<std::string> AsGivenAndCanonical(const ustring &dir)
{
    std::vector<std::string> dirs{dir.c_str()};
    std::string canonical = CanonicalPath(dir.c_str());
    if (!canonical.empty() && canonical != dirs[0])
        dirs.push_back(canonical);
    return dirs;
}

// A relative argument counts only as an existing path below `cwd` (empty when
// unknown), resolved, so that neither a bare word nor a ".." out of the folder does.
bool ArgumentInside(const std::string &arg, const std::string &cwd, const std::vector<std::string> &dirs)
{
    if (arg.empty())
        return false;
    if (arg[0] == '/')
        return IsInsideAny(arg, dirs);
    if (cwd.empty())
        return false;
    const std::string resolved = CanonicalPath(cwd + "/" + arg);
    return !resolved.empty() && IsInsideAny(resolved, dirs);
}

// /proc/PID/cmdline: the arguments, each ended by a zero byte.
bool AnyArgumentInside(const std::string &cmdline, const std::string &cwd,
                       const std::vector<std::string> &dirs)
{
    size_t start = 0;
    while (start < cmdline.size()) {
        size_t end = cmdline.find('\0', start);
        if (end == std::string::npos)
            end = cmdline.size();
        if (ArgumentInside(cmdline.substr(start, end - start), cwd, dirs))
            return true;
        start = end + 1;
    }
    return false;
}

long long MonotonicMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void SleepMs(int ms)
{
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

} // namespace

bool ParseClientPid(const char *text, pid_t *pid)
{
    if (!text || !*text)
        return false;
    const long long max_pid = std::numeric_limits<pid_t>::max();
    long long value = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
        if (value > max_pid)
            return false;
    }
    if (value < 1)
        return false;
    *pid = static_cast<pid_t>(value);
    return true;
}

ClientCheck CheckClientProcess(pid_t pid, const ustring &install_dir, const ustring &script_dir)
{
    const std::vector<std::string> dirs = AsGivenAndCanonical(install_dir);
    const std::vector<std::string> script_dirs = script_dir.empty() ? dirs : AsGivenAndCanonical(script_dir);

    const std::string proc = "/proc/" + std::to_string(pid);
    bool answered = false;
    std::string exe;
    // The executable link is unreadable for other users' processes and zombies.
    if (ReadLink(proc + "/exe", &exe)) {
        answered = true;
        if (IsInsideAny(exe, dirs))
            return CC_CLIENT;
    }
    std::string cmdline;
    if (ReadWholeFile(proc + "/cmdline", &cmdline) && !cmdline.empty()) {
        answered = true;
        // Hidden for other users' processes: their relative arguments stay unresolved.
        std::string cwd;
        if (!ReadLink(proc + "/cwd", &cwd) || cwd.empty() || cwd[0] != '/')
            cwd.clear();
        if (AnyArgumentInside(cmdline, cwd, script_dirs))
            return CC_CLIENT;
    }
    return answered ? CC_OTHER : CC_UNKNOWN;
}

ProcessEndWatch::ProcessEndWatch(pid_t pid) : m_pid(pid), m_fd(-1)
{
#ifdef SYS_pidfd_open
    // ENOSYS on older kernels, EINVAL for a thread id, EPERM under some
    // sandboxes: each leaves the probes.
    m_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#endif
}

ProcessEndWatch::~ProcessEndWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool ProcessEndWatch::WaitForEnd(int timeout_ms)
{
    const long long deadline = MonotonicMs() + timeout_ms;
    while (m_fd >= 0) {
        struct pollfd pfd = {m_fd, POLLIN, 0};
        const long long left = deadline - MonotonicMs();
        const int n = poll(&pfd, 1, left > 0 ? static_cast<int>(left) : 0);
        if (n > 0 && (pfd.revents & POLLIN))
            return true;
        if (n == 0)
            return false;
        if (n < 0 && errno == EINTR)
            continue;
        // Not to be waited on after all: the probes take over.
        close(m_fd);
        m_fd = -1;
    }
    if (kill(m_pid, 0) != 0 && errno == ESRCH)
        return true;
    const long long left = deadline - MonotonicMs();
    if (left > 0)
        SleepMs(static_cast<int>(left));
    return false;
}
