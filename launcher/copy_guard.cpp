#include "copy_guard.h"

#include "log.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kComp = "service_debug";

} // namespace

const char *const kCopyGuardName = "Tidewell.app.lock";

FileLock::~FileLock()
{
    if (m_fd < 0)
        return;
    // Explicitly: a child forked meanwhile shares the open file description
    // until its exec, and closing our descriptor alone would leave it locked.
    if (m_locked) {
        struct flock fl;
        std::memset(&fl, 0, sizeof fl);
        fl.l_type = F_UNLCK;
        fl.l_whence = SEEK_SET;
        fcntl(m_fd, F_OFD_SETLK, &fl);
    }
    close(m_fd);
}

bool FileLock::Fail(const char *what)
{
    m_error = what;
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    return false;
}

bool FileLock::Open(int dir_fd, const char *name)
{
    // Non-blocking: whatever sits in the file's place, the open returns.
    m_fd = openat(dir_fd, name, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0600);
    if (m_fd < 0)
        return Fail(std::strerror(errno));
    struct stat st;
    if (fstat(m_fd, &st) != 0)
        return Fail(std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return Fail("no regular file");
    if (st.st_uid != geteuid())
        return Fail("the file belongs to another user");
    if ((st.st_mode & 077) != 0 && fchmod(m_fd, 0600) != 0)
        return Fail(std::strerror(errno));
    return true;
}

FileLock::Result FileLock::Set(int command)
{
    if (m_fd < 0) {
        m_error = "not open";
        return FAILED;
    }
    struct flock fl;
    std::memset(&fl, 0, sizeof fl); // l_pid must be 0 for these locks
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    for (;;) {
        if (fcntl(m_fd, command, &fl) == 0) {
            m_locked = true;
            return LOCKED;
        }
        if (errno == EINTR)
            continue;
        if (command == F_OFD_SETLK && (errno == EAGAIN || errno == EACCES))
            return BUSY;
        m_error = std::strerror(errno);
        return FAILED;
    }
}

FileLock::Result FileLock::TryLock()
{
    return Set(F_OFD_SETLK);
}

FileLock::Result FileLock::Lock()
{
    return Set(F_OFD_SETLKW);
}

CopyGuard::CopyGuard(const ustring &install_dir)
{
    const ustring path = install_dir + "/" + kCopyGuardName;
    // The folder may be a link to another disk: it is followed, the file is not.
    mkdir(install_dir.c_str(), 0777);
    const int dir_fd = open(install_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd < 0) {
        TW_LOG(Logger::L_WARNING, kComp,
               "[WARNING] copy_guard(%d): cannot guard '%s': %s, going on without\n", path.c_str(),
               std::strerror(errno));
        return;
    }
    const bool opened = m_lock.Open(dir_fd, kCopyGuardName);
    close(dir_fd);
    FileLock::Result result = opened ? m_lock.TryLock() : FileLock::FAILED;
    if (result == FileLock::BUSY) {
        TW_LOG(Logger::L_NOTICE, kComp,
               "[NOTE] copy_guard(%d): another launcher is installing the copy, waiting for '%s'\n",
               path.c_str());
        m_waited = true;
        const auto since = std::chrono::steady_clock::now();
        result = m_lock.Lock();
        const long long ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since)
                .count();
        TW_LOG(Logger::L_INFO, kComp, "[INFO] copy_guard(%d): waited %lld ms for '%s'\n", ms, path.c_str());
    }
    if (result != FileLock::LOCKED) {
        TW_LOG(Logger::L_WARNING, kComp,
               "[WARNING] copy_guard(%d): cannot guard '%s': %s, going on without\n", path.c_str(),
               m_lock.error().c_str());
        return;
    }
    m_held = true;
}
