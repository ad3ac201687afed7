#include "start_conditions.h"

#include "temp_tree.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
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

} // namespace

std::string DisplayWithNoServer()
{
    // Servers listen on the abstract name too, which only /proc/net/unix shows.
    const std::string sockets = ReadFile("/proc/net/unix");
    for (int n = 99; n < 1000; ++n) {
        const std::string number = std::to_string(n);
        const std::string socket = "/tmp/.X11-unix/X" + number;
        const bool abstract = sockets.find("@" + socket + "\n") != std::string::npos;
        if (!Exists(socket) && !Exists("/tmp/.X" + number + "-lock") && !abstract)
            return ":" + number;
    }
    throw std::runtime_error("no free display number");
}

ProcessResult RunWithClosedStdout(const std::vector<std::string> &argv, const ProcessOptions &opts)
{
    int err_pipe[2], out_pipe[2];
    if (pipe2(err_pipe, O_CLOEXEC) != 0 || pipe(out_pipe) != 0)
        throw std::runtime_error("pipe failed");
    close(out_pipe[0]); // nobody will ever read
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        // The test runner may ignore SIGPIPE itself; the child must not inherit that.
        signal(SIGPIPE, SIG_DFL);
        dup2(out_pipe[1], 1);
        dup2(err_pipe[1], 2);
        close(out_pipe[1]);
        ExecChild(argv, opts);
    }
    close(out_pipe[1]);
    close(err_pipe[1]);

    ProcessResult result;
    const double deadline = Now() + opts.timeout_seconds;
    bool killed = false;
    struct pollfd fd = {err_pipe[0], POLLIN, 0};
    for (;;) {
        if (!killed && Now() > deadline) {
            kill(pid, SIGKILL);
            killed = true;
        }
        if (poll(&fd, 1, 200) < 0 && errno != EINTR)
            break;
        if (!(fd.revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        char buf[4096];
        const ssize_t got = read(fd.fd, buf, sizeof buf);
        if (got > 0)
            result.err.append(buf, static_cast<size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(err_pipe[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exit_code = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.term_signal = WTERMSIG(status);
    return result;
}

} // namespace tw_test
