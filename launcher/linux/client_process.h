// Telling the user's running client apart from other processes before the
// launcher signals the process id named in "ui.pid", and waiting for its end
// after. That file may outlive the client (a crash), and its number may since
// belong to another program.
#ifndef TIDEWELL_LINUX_CLIENT_PROCESS_H
#define TIDEWELL_LINUX_CLIENT_PROCESS_H

#include <sys/types.h>

#include "ustring.h"

enum ClientCheck {
    CC_CLIENT,  // runs from inside the installation folder
    CC_OTHER,   // /proc shows a program from elsewhere
    CC_UNKNOWN, // /proc cannot tell (no such entry, zombie, no /proc)
};

// A process id written as a whole decimal number from 1 to the largest pid_t;
// anything else (sign, blanks, junk, overflow) is refused.
bool ParseClientPid(const char *text, pid_t *pid);

// Whether process `pid` runs a program inside `install_dir`: its executable,
// or one of its arguments inside `script_dir` (a client started through an
// interpreter; `install_dir` when empty). The arguments are held to the
// narrower folder: any program may name a file of the installation folder, as
// a viewer of the launcher's log does, without being the client.
// The folders are compared as given and in their canonical form, since /proc
// shows resolved paths while arguments keep the spelling they were started with.
// A relative argument (a script started from its own folder) is resolved
// against the process's working folder and counts only when it names an
// existing path: a bare word such as a shell's "bash" would otherwise land
// inside the folder whenever the process works there.
ClientCheck CheckClientProcess(pid_t pid, const ustring &install_dir, const ustring &script_dir = ustring());

// Waits for the end of a process that is not the caller's child. Through a
// pidfd where the kernel has pidfd_open (Linux 5.3): it turns readable the
// moment the process ends, also while it lingers unreaped as a zombie. Where
// it is missing, by probing with signal 0 and sleeping, which takes a zombie
// for a running process.
class ProcessEndWatch {
public:
    // Opens the pidfd at once, so that it refers to the process checked before
    // any signal makes its id free for reuse.
    explicit ProcessEndWatch(pid_t pid);
    ~ProcessEndWatch();
    ProcessEndWatch(const ProcessEndWatch &) = delete;
    ProcessEndWatch &operator=(const ProcessEndWatch &) = delete;

    // True as soon as the process has ended; false after `timeout_ms` otherwise.
    bool WaitForEnd(int timeout_ms);

private:
    pid_t m_pid;
    int m_fd; // -1: no pidfd, probe and sleep
};

#endif
