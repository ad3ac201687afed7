#include "service_test_support.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tw_test {

ServiceSandbox::ServiceSandbox(const std::string &home_name) : m_home(m_tree / home_name)
{
    MakeDirs(InstallDir());
    CopyExecutable(TW_LINUX_SERVICE_DRIVER, Root() + "/bin/linux_service_driver");
    WriteLevels("service_debug=7\n");
}

void ServiceSandbox::WriteLevels(const std::string &content) const
{
    m_tree.write("pkg/log/launcher.debug", content);
}

void ServiceSandbox::InstallClient() const
{
    CopyExecutable(TW_STANDIN_CLIENT, ClientPath());
}

void ServiceSandbox::WritePackageInfo(const std::string &content) const
{
    m_tree.write("pkg/INFO", content);
}

void ServiceSandbox::WriteUserInfo(const std::string &content) const
{
    MakeDirs(AppDir());
    std::ofstream(AppDir() + "/INFO") << content;
}

ProcessResult ServiceSandbox::Run(const std::string &command, ProcessOptions opts) const
{
    opts.env["HOME"] = m_home;
    return RunProcess({Root() + "/bin/linux_service_driver", command, m_tree / "launcher.log",
                       Root() + "/log/launcher.debug"},
                      opts);
}

std::string ServiceSandbox::Log() const
{
    return Exists(m_tree / "launcher.log") ? ReadFile(m_tree / "launcher.log") : std::string();
}

namespace {

bool Glob(const char *pattern, const char *text)
{
    if (*pattern == '\0')
        return *text == '\0';
    if (*pattern == '*')
        return Glob(pattern + 1, text) || (*text != '\0' && Glob(pattern, text + 1));
    return *text == *pattern && Glob(pattern + 1, text + 1);
}

bool IsTimestamp(const std::string &line)
{
    static const char shape[] = "Aaa 00 00:00:00 ";
    if (line.size() < sizeof shape - 1)
        return false;
    for (size_t i = 0; i + 1 < sizeof shape; ++i) {
        const char c = line[i];
        const bool ok = shape[i] == 'A'   ? (c >= 'A' && c <= 'Z')
                        : shape[i] == 'a' ? (c >= 'a' && c <= 'z')
                        : shape[i] == '0' ? (c >= '0' && c <= '9')
                                          : c == shape[i];
        if (!ok)
            return false;
    }
    return true;
}

// Splits "[TAG] linux/linux-service(123): TEXT" after the timestamp.
bool SplitServiceLine(const std::string &line, std::string *tag, std::string *text)
{
    // The service's decision is spread over these sources.
    static const char *const sources[] = {" linux/linux-service(", " tidewell-service(", " install_record("};
    if (!IsTimestamp(line) || line.size() < 17 || line[16] != '[')
        return false;
    const size_t close = line.find(']', 17);
    if (close == std::string::npos)
        return false;
    size_t pos = std::string::npos;
    for (const std::string source : sources)
        if (line.compare(close + 1, source.size(), source) == 0)
            pos = close + 1 + source.size();
    if (pos == std::string::npos)
        return false;
    const size_t digits = pos;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')
        ++pos;
    if (pos == digits || line.compare(pos, 3, "): ") != 0)
        return false;
    *tag = line.substr(17, close - 17);
    *text = line.substr(pos + 3);
    return true;
}

} // namespace

int CountLines(const std::string &log, const std::string &tag, const std::string &text)
{
    std::istringstream in(log);
    std::string line, line_tag, line_text;
    int count = 0;
    while (std::getline(in, line))
        if (SplitServiceLine(line, &line_tag, &line_text) && Glob(tag.c_str(), line_tag.c_str()) &&
            Glob(text.c_str(), line_text.c_str()))
            ++count;
    return count;
}

Child::Child(const std::vector<std::string> &argv, const ProcessOptions &opts)
    : m_pid(SpawnProcess(argv, opts)), m_done(false), m_status(0)
{
    // Waits for the end without reaping, then reaps under the lock: until then
    // the id stays ours, so KillAndJoin never hits a reused number.
    m_reaper = std::thread([this] {
        siginfo_t info;
        while (waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
        }
        std::lock_guard<std::mutex> lock(m_lock);
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_status = status;
        m_done = true;
    });
}

Child::~Child()
{
    if (m_reaper.joinable())
        KillAndJoin();
}

int Child::Join()
{
    if (m_reaper.joinable())
        m_reaper.join();
    return m_status;
}

int Child::KillAndJoin()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_done)
            kill(m_pid, SIGKILL);
    }
    return Join();
}

bool WaitForFile(const std::string &path)
{
    for (int i = 0; i < 3000; ++i) {
        if (Exists(path))
            return true;
        usleep(10000);
    }
    return false;
}

bool WaitForExec(pid_t pid)
{
    const std::string self = SelfPath(), exe = "/proc/" + std::to_string(pid) + "/exe";
    // The new image's link comes before its arguments: the exec is over only
    // once both read as the new program's.
    const std::string cmdline = "/proc/" + std::to_string(pid) + "/cmdline";
    return WaitUntil([&] {
        const std::string now = ReadLink(exe);
        return !now.empty() && now != self && !ReadFile(cmdline).empty();
    });
}

void WriteScriptClient(const std::string &path)
{
    WriteFile(path,
              "#!/bin/sh\n"
              "trap 'kill $! 2>/dev/null; exit 0' TERM\n"
              "[ -z \"$1\" ] || { echo \"pid=$$\" > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"; }\n"
              "i=0\n"
              "while [ $i -lt 30 ]; do sleep 1 >/dev/null 2>&1 & wait $!; i=$((i + 1)); done\n"
              "exit 3\n",
              0755);
}

ProcessOptions SignalLog::Options() const
{
    ProcessOptions opts;
    AddPreload(opts, TW_FS_PROBE);
    opts.env["TW_PROBE_LOG"] = m_file;
    return opts;
}

std::vector<int> SignalLog::SentTo(pid_t pid) const
{
    std::vector<int> signals;
    std::istringstream in(Exists(m_file) ? ReadFile(m_file) : std::string());
    std::string line;
    int to = 0, sig = 0;
    while (std::getline(in, line))
        if (std::sscanf(line.c_str(), "kill %d %d", &to, &sig) == 2 && to == pid)
            signals.push_back(sig);
    return signals;
}

} // namespace tw_test
