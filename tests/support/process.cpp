#include "process.h"

#include "temp_tree.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace tw_test {

namespace {

double Now()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

int DecodeStatus(int status, int *signal_out)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (signal_out && WIFSIGNALED(status))
        *signal_out = WTERMSIG(status);
    return -1;
}

} // namespace

void ExecChild(const std::vector<std::string> &argv, const ProcessOptions &opts)
{
    // The test runner may ignore SIGPIPE itself; a child must not inherit that.
    signal(SIGPIPE, SIG_DFL);
    for (const std::string &name : opts.unset)
        unsetenv(name.c_str());
    for (const auto &kv : opts.env)
        setenv(kv.first.c_str(), kv.second.c_str(), 1);
    if (!opts.cwd.empty() && chdir(opts.cwd.c_str()) != 0)
        _exit(126);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void AddPreload(ProcessOptions &opts, const std::string &library)
{
    opts.env["LD_PRELOAD"] = library;
    // The sanitizer runtime wants to come first; a preloaded probe only wraps libc calls.
    const char *asan = getenv("ASAN_OPTIONS");
    opts.env["ASAN_OPTIONS"] =
        std::string(asan ? asan : "") + (asan && *asan ? ":" : "") + "verify_asan_link_order=0";
}

ProcessResult RunProcess(const std::vector<std::string> &argv, const ProcessOptions &opts)
{
    int out_pipe[2], err_pipe[2];
    if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    if (opts.closed_stdout) {
        close(out_pipe[0]); // nobody will ever read
        out_pipe[0] = -1;
    }
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(out_pipe[1], 1);
        dup2(err_pipe[1], 2);
        ExecChild(argv, opts);
    }
    close(out_pipe[1]);
    close(err_pipe[1]);

    ProcessResult result;
    struct pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
    std::string *sinks[2] = {&result.out, &result.err};
    int open_fds = out_pipe[0] < 0 ? 1 : 2;
    const double deadline = Now() + opts.timeout_seconds;
    bool killed = false;
    while (open_fds > 0) {
        if (!killed && Now() > deadline) {
            kill(pid, SIGKILL);
            killed = true;
        }
        int n = poll(fds, 2, 200);
        if (n < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buf[4096];
            ssize_t got = read(fds[i].fd, buf, sizeof buf);
            if (got > 0) {
                sinks[i]->append(buf, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open_fds;
            }
        }
    }
    for (auto &fd : fds)
        if (fd.fd >= 0)
            close(fd.fd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exit_code = DecodeStatus(status, &result.term_signal);
    return result;
}

pid_t SpawnProcess(const std::vector<std::string> &argv, const ProcessOptions &opts)
{
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        int devnull = open("/dev/null", O_RDWR);
        if (devnull >= 0) {
            dup2(devnull, 0);
        }
        ExecChild(argv, opts);
    }
    return pid;
}

pid_t SpawnDetached(const std::vector<std::string> &argv, const ProcessOptions &opts)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_t middle = fork();
    if (middle < 0)
        throw std::runtime_error("fork failed");
    if (middle == 0) {
        setsid();
        pid_t grandchild = SpawnProcess(argv, opts);
        ssize_t ignored = write(fds[1], &grandchild, sizeof grandchild);
        (void)ignored;
        _exit(0);
    }
    close(fds[1]);
    pid_t pid = -1;
    if (read(fds[0], &pid, sizeof pid) != static_cast<ssize_t>(sizeof pid))
        pid = -1;
    close(fds[0]);
    waitpid(middle, nullptr, 0);
    return pid;
}

bool WaitGone(pid_t pid, int seconds)
{
    for (int i = 0; i < seconds * 100; ++i) {
        if (!ProcessAlive(pid))
            return true;
        usleep(10000);
    }
    return !ProcessAlive(pid);
}

int WaitProcess(pid_t pid, int timeout_seconds)
{
    const double deadline = Now() + timeout_seconds;
    int status = 0;
    for (;;) {
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid)
            return DecodeStatus(status, nullptr);
        if (r < 0 && errno != EINTR)
            return -1;
        if (Now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(10000);
    }
}

bool ProcessAlive(pid_t pid)
{
    return kill(pid, 0) == 0 || errno == EPERM;
}

void CopyExecutable(const std::string &from, const std::string &to)
{
    std::string::size_type slash = to.rfind('/');
    if (slash != std::string::npos && slash > 0)
        MakeDirs(to.substr(0, slash));
    std::error_code error;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        throw std::runtime_error("cannot copy " + from + " to " + to + ": " + error.message());
    chmod(to.c_str(), 0755);
}

std::string SelfPath()
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        throw std::runtime_error("readlink /proc/self/exe failed");
    return std::string(buf, static_cast<size_t>(n));
}

bool WaitUntil(const std::function<bool()> &done, int seconds)
{
    for (int i = 0; i < seconds * 50; ++i) {
        if (done())
            return true;
        usleep(20000);
    }
    return done();
}

std::string WithoutLineNumbers(const std::string &log)
{
    std::string out;
    for (size_t i = 0; i < log.size(); ++i) {
        out += log[i];
        size_t j = i + 1;
        while (log[i] == '(' && j < log.size() && isdigit(static_cast<unsigned char>(log[j])))
            ++j;
        if (j > i + 1 && log.compare(j, 2, "):") == 0) {
            out += 'N';
            i = j - 1;
        }
    }
    return out;
}

} // namespace tw_test
