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
//   change:N           before the N-th change below TW_PROBE_WITHIN (see below)
//
// At the point the calling thread writes TW_STOP_MARK and sleeps for good; the
// other threads go on, as they would until a real kill.
//
// change:N needs TW_PROBE_WITHIN=FOLDER (an absolute path; TW_PROBE_EXCEPT
// optionally names a folder below it, the log, to leave out with everything
// in it). Counted are the calls that may change something below FOLDER, in
// any thread, whether or not they then succeed:
//
//   opens that create or truncate: open, open64, openat, openat64 (O_CREAT or
//     O_TRUNC), creat, creat64, mkstemp, mkostemp (and their 64 variants),
//     fopen and fopen64 for writing or appending
//   write, pwrite, pwrite64, writev on a descriptor of a file below FOLDER
//   rename, renameat, renameat2, link, linkat (when either path is below)
//   mkdir, mkdirat, unlink, unlinkat, rmdir, remove, symlink, symlinkat
//   chmod, lchmod, fchmod, fchmodat, chown, lchown, fchown, fchownat
//   utime, utimes, lutimes, futimes, futimens, utimensat
//   truncate, truncate64, ftruncate, ftruncate64
//
// Paths are judged as text: absolute ones as given, relative ones against the
// calling thread's working folder (the extracting thread has its own) or the
// descriptor's folder, descriptors by what /proc/self/fd names; FOLDER counts
// as given and in its canonical form, and making FOLDER itself is no change
// below it. The N-th such call halts before it runs; a change of another
// thread after that halts too, so exactly N-1 were made when the mark
// appears. With TW_PROBE_LOG each counted call is recorded before it runs as
// "change N CALL PATH [PATH]": the last line of a halted run names the call
// that did not happen. Only the process the probe was first loaded into
// counts (it notes its id in TW_PROBE_PID), not the start script or client
// it runs. Writes through stdio buffers (fprintf, fwrite) reach the kernel
// inside the C library and are not seen.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>
#include <utime.h>

namespace {

std::atomic<int> g_created{0};
std::atomic<int> g_removed{0};
std::atomic<bool> g_flushed{false};
std::atomic<int> g_changes{0};

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

[[noreturn]] void Halt(bool mark = true)
{
    const char *path = mark ? std::getenv("TW_STOP_MARK") : nullptr;
    if (path) {
        // Raw system calls: the wrappers below must not see the mark file.
        int fd = static_cast<int>(syscall(SYS_openat, AT_FDCWD, path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
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

// ------------------------------------------------------------------ changes

const size_t kPath = PATH_MAX * 2;

// Folds "//", "/./" and "/../" of an absolute path without asking the disk.
void Lexical(char *path)
{
    char *out = path;
    const char *in = path;
    while (*in) {
        while (*in == '/')
            ++in;
        const char *end = std::strchr(in, '/');
        const size_t len = end ? static_cast<size_t>(end - in) : std::strlen(in);
        if (len == 0)
            break;
        const bool dot = len == 1 && in[0] == '.';
        const bool dot_dot = len == 2 && in[0] == '.' && in[1] == '.';
        if (dot_dot) {
            while (out > path && *--out != '/') {
            }
        } else if (!dot) {
            *out++ = '/';
            std::memmove(out, in, len);
            out += len;
        }
        in += len;
    }
    if (out == path)
        *out++ = '/';
    *out = 0;
}

// The canonical form of `path`, whose last parts may not exist yet: the
// longest part that exists, resolved, and the rest as given.
void Canonical(const char *path, char *out)
{
    char head[kPath], resolved[PATH_MAX];
    std::snprintf(head, sizeof head, "%s", path);
    size_t cut = std::strlen(head);
    for (;;) {
        if (realpath(head, resolved)) {
            std::snprintf(out, kPath, "%s%s", resolved, path + cut);
            Lexical(out);
            return;
        }
        char *slash = std::strrchr(head, '/');
        if (!slash || slash == head) {
            std::snprintf(out, kPath, "%s", path);
            return;
        }
        *slash = 0;
        cut = static_cast<size_t>(slash - head);
    }
}

struct Folder {
    char given[kPath];
    char canonical[kPath];
    bool set;
};

void Describe(Folder &folder, const char *env)
{
    const char *path = std::getenv(env);
    folder.set = path && path[0] == '/';
    if (!folder.set)
        return;
    std::snprintf(folder.given, kPath, "%s", path);
    Lexical(folder.given);
    Canonical(folder.given, folder.canonical);
}

struct Watch {
    Folder within;
    Folder except;
    int halt_at;
    pid_t owner;
};

// Read once, when the probe is loaded (or on an earlier call from another
// library's start-up code). Only the process that first loaded the probe
// counts: it notes its id in TW_PROBE_PID, which an exec keeps (a shell that
// redirects the output, then becomes the launcher) and which tells the start
// script and the client, who inherit the preload, that their changes are not
// the launcher's.
const Watch &Watched()
{
    static Watch watch;
    static const bool ready = [] {
        Describe(watch.within, "TW_PROBE_WITHIN");
        Describe(watch.except, "TW_PROBE_EXCEPT");
        watch.halt_at = Nth("change");
        if (const char *owner = std::getenv("TW_PROBE_PID")) {
            watch.owner = static_cast<pid_t>(std::atol(owner));
        } else {
            watch.owner = getpid();
            char pid[32];
            std::snprintf(pid, sizeof pid, "%ld", static_cast<long>(watch.owner));
            setenv("TW_PROBE_PID", pid, 1);
        }
        return true;
    }();
    (void)ready;
    return watch;
}

bool Below(const char *path, const char *folder, bool or_same)
{
    const size_t len = std::strlen(folder);
    if (std::strncmp(path, folder, len) != 0)
        return false;
    return (or_same && path[len] == 0) || (path[len] == '/' && path[len + 1] != 0);
}

bool Inside(const char *path)
{
    const Watch &w = Watched();
    if (!Below(path, w.within.given, false) && !Below(path, w.within.canonical, false))
        return false;
    return !w.except.set || (!Below(path, w.except.given, true) && !Below(path, w.except.canonical, true));
}

bool FolderOf(const char *proc, char *out)
{
    const ssize_t n = readlink(proc, out, kPath - 1);
    if (n <= 0)
        return false;
    out[n] = 0;
    return out[0] == '/'; // not a pipe or a socket
}

bool FdPath(int fd, char *out)
{
    char proc[64];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    return FolderOf(proc, out);
}

// The absolute path a call at (dir_fd, path) touches; an empty or missing
// path names the descriptor itself.
bool Resolve(int dir_fd, const char *path, char *out)
{
    char base[kPath] = "";
    if ((!path || path[0] != '/') &&
        (dir_fd == AT_FDCWD ? !FolderOf("/proc/thread-self/cwd", base) : !FdPath(dir_fd, base)))
        return false;
    const bool relative = path && path[0] != '/';
    const int n = std::snprintf(out, kPath, "%s%s%s", base, relative ? "/" : "", path ? path : "");
    if (n < 0 || static_cast<size_t>(n) >= kPath)
        return false; // too long to judge
    Lexical(out);
    return true;
}

// Counts the call when it touches (dir_fd, path) or (dir_fd2, path2) inside
// the watched folder; halts before it at the asked number.
void Change(const char *call, int dir_fd, const char *path, int dir_fd2 = AT_FDCWD,
            const char *path2 = nullptr)
{
    if (!Watched().within.set || Watched().owner != getpid())
        return;
    const int saved = errno;
    char first[kPath], second[kPath] = "";
    if (!Resolve(dir_fd, path, first))
        std::snprintf(first, sizeof first, "?");
    if (path2 && !Resolve(dir_fd2, path2, second))
        std::snprintf(second, sizeof second, "?");
    if (Inside(first) || (path2 && Inside(second))) {
        const int n = ++g_changes;
        char detail[sizeof first + sizeof second + 64];
        std::snprintf(detail, sizeof detail, "%d %s %s%s%s", n, call, first, path2 ? " " : "", second);
        Record("change", detail);
        const int halt_at = Watched().halt_at;
        if (halt_at > 0 && n >= halt_at)
            Halt(n == halt_at);
    }
    errno = saved;
}

void ChangeAt(const char *call, int dir_fd, const char *path)
{
    Change(call, dir_fd, path);
}

void ChangePath(const char *call, const char *path)
{
    Change(call, AT_FDCWD, path);
}

void ChangeFd(const char *call, int fd)
{
    Change(call, fd, nullptr);
}

void ChangeOpen(const char *call, int dir_fd, const char *path, int flags)
{
    if (flags & (O_CREAT | O_TRUNC))
        Change(call, dir_fd, path);
}

// Before main, while the process has one thread: Watched() sets TW_PROBE_PID.
__attribute__((constructor)) void TakeWatch()
{
    Watched();
}

} // namespace

extern "C" int rename(const char *from, const char *to)
{
    Change("rename", AT_FDCWD, from, AT_FDCWD, to);
    static auto real = Next<int (*)(const char *, const char *)>("rename");
    const int ret = real(from, to);
    if (ret == 0 && std::strcmp(StopAt(), "backup-rename") == 0 && EndsWith(from, "/Tidewell.app") &&
        std::strstr(to, "/Tidewell.app_tmp"))
        Halt();
    return ret;
}

extern "C" int renameat(int from_fd, const char *from, int to_fd, const char *to)
{
    Change("renameat", from_fd, from, to_fd, to);
    static auto real = Next<int (*)(int, const char *, int, const char *)>("renameat");
    return real(from_fd, from, to_fd, to);
}

extern "C" int renameat2(int from_fd, const char *from, int to_fd, const char *to, unsigned int flags)
{
    Change("renameat2", from_fd, from, to_fd, to);
    static auto real = Next<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2");
    return real(from_fd, from, to_fd, to, flags);
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
    ChangeOpen("open", AT_FDCWD, path, flags);
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
    ChangeOpen("open64", AT_FDCWD, path, flags);
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
    ChangeOpen("openat", dirfd, path, flags);
    static auto real = Next<int (*)(int, const char *, int, ...)>("openat");
    const int fd = real(dirfd, path, flags, mode);
    AfterCreate(flags, fd);
    return fd;
}

extern "C" int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArg(flags, ap);
    va_end(ap);
    ChangeOpen("openat64", dirfd, path, flags);
    static auto real = Next<int (*)(int, const char *, int, ...)>("openat64");
    const int fd = real(dirfd, path, flags, mode);
    AfterCreate(flags, fd);
    return fd;
}

extern "C" int creat(const char *path, mode_t mode)
{
    ChangePath("creat", path);
    static auto real = Next<int (*)(const char *, mode_t)>("creat");
    const int fd = real(path, mode);
    AfterCreate(O_CREAT, fd);
    return fd;
}

extern "C" int creat64(const char *path, mode_t mode)
{
    ChangePath("creat64", path);
    static auto real = Next<int (*)(const char *, mode_t)>("creat64");
    const int fd = real(path, mode);
    AfterCreate(O_CREAT, fd);
    return fd;
}

extern "C" int mkstemp(char *pattern)
{
    ChangePath("mkstemp", pattern);
    static auto real = Next<int (*)(char *)>("mkstemp");
    return real(pattern);
}

extern "C" int mkstemp64(char *pattern)
{
    ChangePath("mkstemp64", pattern);
    static auto real = Next<int (*)(char *)>("mkstemp64");
    return real(pattern);
}

extern "C" int mkostemp(char *pattern, int flags)
{
    ChangePath("mkostemp", pattern);
    static auto real = Next<int (*)(char *, int)>("mkostemp");
    return real(pattern, flags);
}

extern "C" int mkostemp64(char *pattern, int flags)
{
    ChangePath("mkostemp64", pattern);
    static auto real = Next<int (*)(char *, int)>("mkostemp64");
    return real(pattern, flags);
}

extern "C" FILE *fopen(const char *path, const char *mode)
{
    if (mode && (mode[0] == 'w' || mode[0] == 'a'))
        ChangePath("fopen", path);
    static auto real = Next<FILE *(*)(const char *, const char *)>("fopen");
    return real(path, mode);
}

extern "C" FILE *fopen64(const char *path, const char *mode)
{
    if (mode && (mode[0] == 'w' || mode[0] == 'a'))
        ChangePath("fopen64", path);
    static auto real = Next<FILE *(*)(const char *, const char *)>("fopen64");
    return real(path, mode);
}

extern "C" ssize_t write(int fd, const void *buf, size_t count)
{
    ChangeFd("write", fd);
    static auto real = Next<ssize_t (*)(int, const void *, size_t)>("write");
    return real(fd, buf, count);
}

extern "C" ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset)
{
    ChangeFd("pwrite", fd);
    static auto real = Next<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    return real(fd, buf, count, offset);
}

extern "C" ssize_t pwrite64(int fd, const void *buf, size_t count, off64_t offset)
{
    ChangeFd("pwrite64", fd);
    static auto real = Next<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64");
    return real(fd, buf, count, offset);
}

extern "C" ssize_t writev(int fd, const struct iovec *iov, int count)
{
    ChangeFd("writev", fd);
    static auto real = Next<ssize_t (*)(int, const struct iovec *, int)>("writev");
    return real(fd, iov, count);
}

extern "C" int mkdir(const char *path, mode_t mode)
{
    ChangePath("mkdir", path);
    static auto real = Next<int (*)(const char *, mode_t)>("mkdir");
    return real(path, mode);
}

extern "C" int mkdirat(int dirfd, const char *path, mode_t mode)
{
    ChangeAt("mkdirat", dirfd, path);
    static auto real = Next<int (*)(int, const char *, mode_t)>("mkdirat");
    return real(dirfd, path, mode);
}

extern "C" int unlink(const char *path)
{
    BeforeRemoval(path);
    ChangePath("unlink", path);
    static auto real = Next<int (*)(const char *)>("unlink");
    return real(path);
}

extern "C" int rmdir(const char *path)
{
    BeforeRemoval(path);
    ChangePath("rmdir", path);
    static auto real = Next<int (*)(const char *)>("rmdir");
    return real(path);
}

extern "C" int unlinkat(int dirfd, const char *path, int flags)
{
    BeforeRemoval(path);
    ChangeAt("unlinkat", dirfd, path);
    static auto real = Next<int (*)(int, const char *, int)>("unlinkat");
    return real(dirfd, path, flags);
}

extern "C" int remove(const char *path)
{
    BeforeRemoval(path);
    ChangePath("remove", path);
    static auto real = Next<int (*)(const char *)>("remove");
    return real(path);
}

extern "C" int symlink(const char *target, const char *path)
{
    ChangePath("symlink", path);
    static auto real = Next<int (*)(const char *, const char *)>("symlink");
    return real(target, path);
}

extern "C" int symlinkat(const char *target, int dirfd, const char *path)
{
    ChangeAt("symlinkat", dirfd, path);
    static auto real = Next<int (*)(const char *, int, const char *)>("symlinkat");
    return real(target, dirfd, path);
}

extern "C" int link(const char *from, const char *to)
{
    Change("link", AT_FDCWD, from, AT_FDCWD, to);
    static auto real = Next<int (*)(const char *, const char *)>("link");
    return real(from, to);
}

extern "C" int linkat(int from_fd, const char *from, int to_fd, const char *to, int flags)
{
    Change("linkat", from_fd, from, to_fd, to);
    static auto real = Next<int (*)(int, const char *, int, const char *, int)>("linkat");
    return real(from_fd, from, to_fd, to, flags);
}

extern "C" int chmod(const char *path, mode_t mode)
{
    ChangePath("chmod", path);
    static auto real = Next<int (*)(const char *, mode_t)>("chmod");
    return real(path, mode);
}

extern "C" int lchmod(const char *path, mode_t mode)
{
    ChangePath("lchmod", path);
    static auto real = Next<int (*)(const char *, mode_t)>("lchmod");
    return real(path, mode);
}

extern "C" int fchmod(int fd, mode_t mode)
{
    ChangeFd("fchmod", fd);
    static auto real = Next<int (*)(int, mode_t)>("fchmod");
    return real(fd, mode);
}

extern "C" int fchmodat(int dirfd, const char *path, mode_t mode, int flags)
{
    ChangeAt("fchmodat", dirfd, path);
    static auto real = Next<int (*)(int, const char *, mode_t, int)>("fchmodat");
    return real(dirfd, path, mode, flags);
}

extern "C" int chown(const char *path, uid_t owner, gid_t group)
{
    ChangePath("chown", path);
    static auto real = Next<int (*)(const char *, uid_t, gid_t)>("chown");
    return real(path, owner, group);
}

extern "C" int lchown(const char *path, uid_t owner, gid_t group)
{
    ChangePath("lchown", path);
    static auto real = Next<int (*)(const char *, uid_t, gid_t)>("lchown");
    return real(path, owner, group);
}

extern "C" int fchown(int fd, uid_t owner, gid_t group)
{
    ChangeFd("fchown", fd);
    static auto real = Next<int (*)(int, uid_t, gid_t)>("fchown");
    return real(fd, owner, group);
}

extern "C" int fchownat(int dirfd, const char *path, uid_t owner, gid_t group, int flags)
{
    ChangeAt("fchownat", dirfd, path);
    static auto real = Next<int (*)(int, const char *, uid_t, gid_t, int)>("fchownat");
    return real(dirfd, path, owner, group, flags);
}

extern "C" int utime(const char *path, const struct utimbuf *times)
{
    ChangePath("utime", path);
    static auto real = Next<int (*)(const char *, const struct utimbuf *)>("utime");
    return real(path, times);
}

extern "C" int utimes(const char *path, const struct timeval times[2])
{
    ChangePath("utimes", path);
    static auto real = Next<int (*)(const char *, const struct timeval *)>("utimes");
    return real(path, times);
}

extern "C" int lutimes(const char *path, const struct timeval times[2])
{
    ChangePath("lutimes", path);
    static auto real = Next<int (*)(const char *, const struct timeval *)>("lutimes");
    return real(path, times);
}

extern "C" int futimes(int fd, const struct timeval times[2])
{
    ChangeFd("futimes", fd);
    static auto real = Next<int (*)(int, const struct timeval *)>("futimes");
    return real(fd, times);
}

extern "C" int futimens(int fd, const struct timespec times[2])
{
    ChangeFd("futimens", fd);
    static auto real = Next<int (*)(int, const struct timespec *)>("futimens");
    return real(fd, times);
}

extern "C" int utimensat(int dirfd, const char *path, const struct timespec times[2], int flags)
{
    ChangeAt("utimensat", dirfd, path);
    static auto real = Next<int (*)(int, const char *, const struct timespec *, int)>("utimensat");
    return real(dirfd, path, times, flags);
}

extern "C" int truncate(const char *path, off_t length)
{
    ChangePath("truncate", path);
    static auto real = Next<int (*)(const char *, off_t)>("truncate");
    return real(path, length);
}

extern "C" int truncate64(const char *path, off64_t length)
{
    ChangePath("truncate64", path);
    static auto real = Next<int (*)(const char *, off64_t)>("truncate64");
    return real(path, length);
}

extern "C" int ftruncate(int fd, off_t length)
{
    ChangeFd("ftruncate", fd);
    static auto real = Next<int (*)(int, off_t)>("ftruncate");
    return real(fd, length);
}

extern "C" int ftruncate64(int fd, off64_t length)
{
    ChangeFd("ftruncate64", fd);
    static auto real = Next<int (*)(int, off64_t)>("ftruncate64");
    return real(fd, length);
}
