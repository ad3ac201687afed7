// Running real child processes from tests: argument lists, extra environment,
// captured output, and a tree laid out like a package installation.
#ifndef TIDEWELL_TESTS_PROCESS_H
#define TIDEWELL_TESTS_PROCESS_H

#include <functional>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tw_test {

struct ProcessResult {
    int exit_code = -1;  // exit status, or -1 when killed by a signal
    int term_signal = 0; // the signal that ended it, if any
    std::string out;
    std::string err;
};

struct ProcessOptions {
    std::map<std::string, std::string> env; // variables set in the child
    std::vector<std::string> unset;         // variables removed from the environment
    std::string cwd;
    int timeout_seconds = 120; // killed with SIGKILL after that
    // RunProcess only: standard output is a pipe whose reader has gone before
    // the program starts (a terminal closed under it); `out` stays empty.
    bool closed_stdout = false;
};

// In a forked child: applies `opts` (environment, working folder) and executes
// argv; exits 126 or 127 when that fails.
[[noreturn]] void ExecChild(const std::vector<std::string> &argv, const ProcessOptions &opts);

// Preloads `library` (a probe of tests/support) into the processes run with `opts`.
void AddPreload(ProcessOptions &opts, const std::string &library);

ProcessResult RunProcess(const std::vector<std::string> &argv, const ProcessOptions &opts = ProcessOptions());

// Starts a child in the background; the caller waits or kills it.
pid_t SpawnProcess(const std::vector<std::string> &argv, const ProcessOptions &opts = ProcessOptions());
// Starts a process that is not our child (as a client started from a script
// is not the launcher's): init reaps it, so it never lingers as a zombie.
pid_t SpawnDetached(const std::vector<std::string> &argv, const ProcessOptions &opts = ProcessOptions());
// Waits until `pid` no longer exists; false when it is still there after `seconds`.
bool WaitGone(pid_t pid, int seconds);

// Waits for a spawned child; returns its exit status or -1 when it was killed.
int WaitProcess(pid_t pid, int timeout_seconds = 120);
bool ProcessAlive(pid_t pid);

// Copies the file at `from` to `to` (creating folders) and makes it executable.
void CopyExecutable(const std::string &from, const std::string &to);

// Full path of this test executable.
std::string SelfPath();

// Polls `done` every 20 ms until it holds or `seconds` have passed.
bool WaitUntil(const std::function<bool()> &done, int seconds = 30);

// Log text with each caller's line number shown as N: "[ERROR] extractor(N): ...",
// so tests assert everything in a line but the source line it came from.
std::string WithoutLineNumbers(const std::string &log);

} // namespace tw_test

#endif
