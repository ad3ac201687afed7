// Kernel advisory locks on small files, and the guard that lets one launcher
// at a time decide about and replace the user's private copy.
//
// The locks are open file description locks (fcntl F_OFD_SETLK, the whole
// file, exclusive). The kernel drops them with the holder's last descriptor,
// however the process ends, so a lock left by a process that died (or, on a
// network file system, by a machine whose lease ran out) never blocks a later
// run. The files are never removed, so two processes always lock one inode.
#ifndef TIDEWELL_COPY_GUARD_H
#define TIDEWELL_COPY_GUARD_H

#include "ustring.h"

#include <string>

class FileLock {
public:
    enum Result {
        LOCKED, // held through this object
        BUSY,   // held through another open file description
        FAILED, // cannot be had at all; error() says why
    };

    FileLock() = default;
    ~FileLock(); // releases and closes
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Opens the file `name` in the folder open as `dir_fd`, creating it with
    // mode 0600. Refuses a link, anything but a regular file and a file of
    // another user; a file of ours that others may open is made private, as
    // any reader could otherwise hold a conflicting lock.
    bool Open(int dir_fd, const char *name);
    Result TryLock();
    // Waits as long as another holds the lock.
    Result Lock();
    const std::string &error() const { return m_error; }

private:
    Result Set(int command);
    bool Fail(const char *what);

    int m_fd = -1;
    bool m_locked = false;
    std::string m_error;
};

// The file beside the copy that the guard locks.
extern const char *const kCopyGuardName;

// Held from the upgrade decision to the end of the replacement by every
// launcher of the user, whatever package installation or machine it comes
// from: the others wait, then decide afresh with what the holder left.
class CopyGuard {
public:
    // Takes the guard in `install_dir` (the per-user folder, made if missing),
    // waiting while another holds it. When no lock can be had, one warning is
    // logged and nothing is held: a run is never kept from its client.
    explicit CopyGuard(const ustring &install_dir);
    CopyGuard(const CopyGuard &) = delete;
    CopyGuard &operator=(const CopyGuard &) = delete;

    bool held() const { return m_held; }
    bool waited() const { return m_waited; }

private:
    FileLock m_lock;
    bool m_held = false;
    bool m_waited = false;
};

#endif
