// Preloaded into a launcher or the service driver to watch and steer its file
// system calls; the calls themselves go through to the C library.
//
// TW_PROBE_LOG=FILE records, in call order, every syncfs (with the folder it
// flushes) and every removal, so that a test can see that the new copy was
// flushed before the backups went. TW_PROBE_FAIL_SYNCFS makes syncfs fail with
// EIO after recording.
//
// TW_STOP_AT halts the process at one exact point of an upgrade, so that a
// test can SIGKILL it there without a race:
//
//   backup-rename      right after ".../Tidewell.app" was renamed to its backup
//   create:N           right after the N-th file was created inside ".../Tidewell.app/"
//   syncfs             when the new copy is flushed, just before the backups go
//   remove:N           before the N-th removal after that flush (backups half gone)
//
// At the point the calling thread writes TW_STOP_MARK and sleeps for good; the
// other threads go on, as they would until a real kill.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> g_created{0};
std::atomic<int> g_removed{0};
std::atomic<bool> g_flushed{false};

template <typename Fn> Fn Next(const char *name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

const char *StopAt()
{
    const char *at = std::getenv("TW_STOP_AT");
    return at ? at : "";
}

// The N of "what:N", or 0 when the point is another one.
int Nth(const char *what)
{
    const size_t len = std::strlen(what);
    const char *at = StopAt();
    if (std::strncmp(at, what, len) != 0 || at[len] != ':')
        return 0;
    return std::atoi(at + len + 1);
}

bool EndsWith(const char *text, const char *tail)
{
    const size_t a = std::strlen(text), b = std::strlen(tail);
    return a >= b && std::strcmp(text + a - b, tail) == 0;
}

[[noreturn]] void Halt()
{
    if (const char *mark = std::getenv("TW_STOP_MARK")) {
        // Raw system calls: the wrappers below must not see the mark file.
        int fd = static_cast<int>(syscall(SYS_openat, AT_FDCWD, mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        if (fd >= 0) {
            ssize_t n = syscall(SYS_write, fd, StopAt(), std::strlen(StopAt()));
            (void)n;
            syscall(SYS_close, fd);
        }
    }
    for (;;)
        pause();
}

// Where the new file landed, by its descriptor: the extractor may create files
// by paths relative to its working folder.
bool InsideCopy(int fd)
{
    char link[64], where[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, where, sizeof where - 1);
    if (n <= 0)
        return false;
    where[n] = 0;
    return std::strstr(where, "/Tidewell.app/") != nullptr;
}

void AfterCreate(int flags, int fd)
{
    const int n = Nth("create");
    if (n <= 0 || fd < 0 || !(flags & O_CREAT) || !InsideCopy(fd))
        return;
    if (++g_created == n)
        Halt();
}

void BeforeRemove()
{
    const int n = Nth("remove");
    if (n > 0 && g_flushed && ++g_removed == n)
        Halt();
}

mode_t ModeArg(int flags, va_list ap)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(ap, int)) : 0;
}

// Appends a line to TW_PROBE_LOG, by raw system calls so that the wrappers
// below never see the probe's own file.
void Record(const char *what, const char *detail)
{
    const char *log = std::getenv("TW_PROBE_LOG");
    if (!log)
        return;
    const int saved = errno;
    char line[8192];
    const int n = std::snprintf(line, sizeof line, "%s %s\n", what, detail ? detail : "");
    const int fd =
        static_cast<int>(syscall(SYS_openat, AT_FDCWD, log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd >= 0) {
        const size_t size = n < 0 ? 0 : std::min(static_cast<size_t>(n), sizeof line - 1);
        ssize_t written = syscall(SYS_write, fd, line, size);
        (void)written;
        syscall(SYS_close, fd);
    }
    errno = saved;
}

void BeforeRemoval(const char *path)
{
    Record("remove", path);
    BeforeRemove();
}

} // namespace

extern "C" int rename(const char *from, const char *to)
{
    static auto real = Next<int (*)(const char *, const char *)>("rename");
    const int ret = real(from, to);
    if (ret == 0 && std::strcmp(StopAt(), "backup-rename") == 0 && EndsWith(from, "/Tidewell.app") &&
        std::strstr(to, "/Tidewell.app_tmp"))
        Halt();
    return ret;
}

extern "C" int syncfs(int fd)
{
    char proc[64];
    char path[4096];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    const ssize_t len = readlink(proc, path, sizeof path - 1);
    path[len > 0 ? len : 0] = '\0';
    Record("syncfs", path);
    if (std::strcmp(StopAt(), "syncfs") == 0)
        Halt();
    g_flushed = true;
    if (std::getenv("TW_PROBE_FAIL_SYNCFS")) {
        errno = EIO;
        return -1;
    }
    static auto real = Next<int (*)(int)>("syncfs");
    return real(fd);
}

extern "C" int open(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArg(flags, ap);
    va_end(ap);
    static auto real = Next<int (*)(const char *, int, ...)>("open");
    const int fd = real(path, flags, mode);
    AfterCreate(flags, fd);
    return fd;
}

extern "C" int open64(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArg(flags, ap);
    va_end(ap);
    static auto real = Next<int (*)(const char *, int, ...)>("open64");
    const int fd = real(path, flags, mode);
    AfterCreate(flags, fd);
    return fd;
}

extern "C" int openat(int dirfd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArg(flags, ap);
    va_end(ap);
    static auto real = Next<int (*)(int, const char *, int, ...)>("openat");
    const int fd = real(dirfd, path, flags, mode);
    AfterCreate(flags, fd);
    return fd;
}

extern "C" int unlink(const char *path)
{
    BeforeRemoval(path);
    static auto real = Next<int (*)(const char *)>("unlink");
    return real(path);
}

extern "C" int rmdir(const char *path)
{
    BeforeRemoval(path);
    static auto real = Next<int (*)(const char *)>("rmdir");
    return real(path);
}

extern "C" int unlinkat(int dirfd, const char *path, int flags)
{
    BeforeRemoval(path);
    static auto real = Next<int (*)(int, const char *, int)>("unlinkat");
    return real(dirfd, path, flags);
}
