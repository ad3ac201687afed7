#include "client_process.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
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
    std::vector<char> buf(256);
    for (;;) {
        ssize_t n = readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0)
            return false;
        if (static_cast<size_t>(n) < buf.size()) {
            target->assign(buf.data(), static_cast<size_t>(n));
            return true;
        }
        buf.resize(buf.size() * 2);
    }
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
    char *resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::string();
    std::string result(resolved);
    free(resolved);
    return result;
}

std::vector<std::string> AsGivenAndCanonical(const ustring &dir)
{
    std::vector<std::string> dirs{dir.c_str()};
    std::string canonical = CanonicalPath(dir.c_str());
    if (!canonical.empty() && canonical != dirs[0])
        dirs.push_back(canonical);
    return dirs;
}

// /proc/PID/cmdline: the arguments, each ended by a zero byte.
bool AnyArgumentInside(const std::string &cmdline, const std::vector<std::string> &dirs)
{
    size_t start = 0;
    while (start < cmdline.size()) {
        size_t end = cmdline.find('\0', start);
        if (end == std::string::npos)
            end = cmdline.size();
        std::string arg = cmdline.substr(start, end - start);
        // Relative arguments are not resolved: too many would match by accident.
        if (!arg.empty() && arg[0] == '/' && IsInsideAny(arg, dirs))
            return true;
        start = end + 1;
    }
    return false;
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
        if (AnyArgumentInside(cmdline, script_dirs))
            return CC_CLIENT;
    }
    return answered ? CC_OTHER : CC_UNKNOWN;
}
