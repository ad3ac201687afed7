// A package root with the service driver in its "bin" folder, a home folder
// for the per-user installation, and child processes that stand in for the
// client (reaped at once by a thread, so a dead client never lingers as a
// zombie that answers the driver's probes).
#ifndef TIDEWELL_TESTS_LINUX_SERVICE_TEST_SUPPORT_H
#define TIDEWELL_TESTS_LINUX_SERVICE_TEST_SUPPORT_H

#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

#include "process.h"
#include "temp_tree.h"

namespace tw_test {

class ServiceSandbox {
public:
    // `home_name` is the home folder's name below the temporary tree.
    explicit ServiceSandbox(const std::string &home_name = "home");

    std::string Root() const { return m_tree / "pkg"; }
    std::string Home() const { return m_home; }
    std::string InstallDir() const { return m_home + "/.TidewellBackup"; }
    std::string AppDir() const { return InstallDir() + "/Tidewell.app"; }
    std::string PidFile() const { return InstallDir() + "/ui.pid"; }
    std::string ClientPath() const { return AppDir() + "/bin/tidewell-backup-ui"; }
    const TempTree &Tree() const { return m_tree; }

    void SetHome(const std::string &home) { m_home = home; }
    void WriteLevels(const std::string &content) const;
    // Puts the stand-in client at the client executable's place in the per-user copy.
    void InstallClient() const;
    void WritePackageInfo(const std::string &content) const;
    void WriteUserInfo(const std::string &content) const;

    // Runs the driver from the package root with HOME set.
    ProcessResult Run(const std::string &command, ProcessOptions opts = ProcessOptions()) const;
    std::string Log() const;

private:
    TempTree m_tree;
    std::string m_home;
};

// Lines "<Mmm dd hh:mm:ss> [TAG] linux/linux-service(<digits>): TEXT" of `log`
// whose tag and text match; "*" in either stands for any run of characters.
int CountLines(const std::string &log, const std::string &tag, const std::string &text);

// A child process with a thread that reaps it the moment it ends.
class Child {
public:
    explicit Child(const std::vector<std::string> &argv, const ProcessOptions &opts = ProcessOptions());
    ~Child();
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    pid_t pid() const { return m_pid; }
    // Waits for the end and returns the raw wait status.
    int Join();
    // Sends SIGKILL unless it has ended, and joins.
    int KillAndJoin();

private:
    pid_t m_pid;
    std::mutex m_lock;
    bool m_done;
    int m_status;
    std::thread m_reaper;
};

// Waits (bounded) until the file exists, as the stand-in writes it atomically.
bool WaitForFile(const std::string &path);
// Waits (bounded) until the child runs its own program instead of this one.
bool WaitForExec(pid_t pid);

// A client that is a shell script: writes "pid=$$" to the file named by its
// first argument, if any, then ends with status 0 on SIGTERM, or with 3 after
// about 30 seconds. Its sleeps write nowhere, so none holds a test's output open.
void WriteScriptClient(const std::string &path);

// The signals a driver run sends, recorded by the preloaded probe.
class SignalLog {
public:
    explicit SignalLog(const std::string &file) : m_file(file) {}
    // Options for ServiceSandbox::Run that preload the recorder.
    ProcessOptions Options() const;
    // The signals sent to `pid`, in order; 0 for a probe.
    std::vector<int> SentTo(pid_t pid) const;

private:
    std::string m_file;
};

} // namespace tw_test

#endif
