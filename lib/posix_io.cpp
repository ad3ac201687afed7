#include "posix_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace {

const size_t kFirstLinkBuffer = 256;
// Linux refuses link texts longer than a page; far beyond that, something is wrong.
const size_t kLongestLinkBuffer = 1 << 20;

} // namespace

bool ReadLinkText(const char *path, std::string *text)
{
    for (size_t cap = kFirstLinkBuffer; cap <= kLongestLinkBuffer; cap *= 2) {
        std::string buf(cap, '\0');
        const ssize_t n = readlink(path, &buf[0], cap);
        if (n < 0)
            return false;
        if (static_cast<size_t>(n) < cap) {
            text->assign(buf.data(), static_cast<size_t>(n));
            return true;
        }
    }
    errno = ENAMETOOLONG;
    return false;
}

std::string RealPath(const char *path)
{
    char *resolved = realpath(path, nullptr);
    if (!resolved)
        return std::string();
    std::string result(resolved);
    free(resolved);
    return result;
}

int WriteAll(int fd, const char *buf, size_t len)
{
    while (len > 0) {
        const ssize_t n = write(fd, buf, len);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? EIO : errno;
        buf += n;
        len -= static_cast<size_t>(n);
    }
    return 0;
}
