// Built into the preloaded probe (tw_fs_probe): records the signals a process
// sends, so that a test sees what the stop step sent to a client that cannot
// tell itself (a zombie, or one gone).
//
// TW_PROBE_LOG=FILE gets a line "kill PID SIG" for every kill(), written
// before the call, with signal 0 for a mere probe. The call itself goes
// through to the C library.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Raw system calls, so that no other wrapper of the probe sees its own file.
void RecordKill(pid_t pid, int sig)
{
    const char *log = std::getenv("TW_PROBE_LOG");
    if (!log)
        return;
    const int saved = errno;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "kill %d %d\n", static_cast<int>(pid), sig);
    const int fd =
        static_cast<int>(syscall(SYS_openat, AT_FDCWD, log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd >= 0 && n > 0) {
        ssize_t written = syscall(SYS_write, fd, line, static_cast<size_t>(n));
        (void)written;
    }
    if (fd >= 0)
        syscall(SYS_close, fd);
    errno = saved;
}

} // namespace

extern "C" int kill(pid_t pid, int sig)
{
    RecordKill(pid, sig);
    static auto real = reinterpret_cast<int (*)(pid_t, int)>(dlsym(RTLD_NEXT, "kill"));
    return real(pid, sig);
}
