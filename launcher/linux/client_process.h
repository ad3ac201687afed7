// Telling the user's running client apart from other processes before the
// launcher signals the process id named in "ui.pid". That file may outlive
// the client (a crash), and its number may since belong to another program.
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
// or one of its absolute arguments inside `script_dir` (a client started
// through an interpreter; `install_dir` when empty). The arguments are held to
// the narrower folder: any program may name a file of the installation folder,
// as a viewer of the launcher's log does, without being the client.
// The folders are compared as given and in their canonical form, since /proc
// shows resolved paths while arguments keep the spelling they were started with.
ClientCheck CheckClientProcess(pid_t pid, const ustring &install_dir, const ustring &script_dir = ustring());

#endif
