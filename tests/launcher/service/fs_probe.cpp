// Preloaded into the service driver: records, in call order, every syncfs and
// every removal to the file named by TW_PROBE_LOG, so that a test can see that
// the new copy was flushed before the backups went. With TW_PROBE_FAIL_SYNCFS
// set, syncfs fails with EIO after recording. The calls themselves go through.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

void Record(const char *what, const char *detail)
{
    const char *log = std::getenv("TW_PROBE_LOG");
    if (!log)
        return;
    const int saved = errno;
    char line[8192];
    int n = std::snprintf(line, sizeof line, "%s %s\n", what, detail ? detail : "");
    int fd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const size_t size = n < 0                                  ? 0
                            : static_cast<size_t>(n) < sizeof line ? static_cast<size_t>(n)
                                                                   : sizeof line - 1;
        ssize_t written = write(fd, line, size);
        (void)written;
        close(fd);
    }
    errno = saved;
}

template <typename Fn> Fn Next(const char *name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int syncfs(int fd)
{
    char proc[64];
    char path[4096];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    ssize_t len = readlink(proc, path, sizeof path - 1);
    path[len > 0 ? len : 0] = '\0';
    Record("syncfs", path);
    if (std::getenv("TW_PROBE_FAIL_SYNCFS")) {
        errno = EIO;
        return -1;
    }
    static auto real = Next<int (*)(int)>("syncfs");
    return real(fd);
}

extern "C" int unlink(const char *path)
{
    Record("remove", path);
    static auto real = Next<int (*)(const char *)>("unlink");
    return real(path);
}

extern "C" int rmdir(const char *path)
{
    Record("remove", path);
    static auto real = Next<int (*)(const char *)>("rmdir");
    return real(path);
}

extern "C" int unlinkat(int dirfd, const char *path, int flags)
{
    Record("remove", path);
    static auto real = Next<int (*)(int, const char *, int)>("unlinkat");
    return real(dirfd, path, flags);
}
