// The names an installation of the per-user copy works with, and the durable
// record that lets the next run tell a complete copy from a half-written one
// whatever stopped the run before (a crash, a power cut, a full disk).
#ifndef TIDEWELL_INSTALL_RECORD_H
#define TIDEWELL_INSTALL_RECORD_H

#include "ustring.h"

// Backup names of the application folder A: A + "_tmp", then A + "_tmp1" to
// A + "_tmp9"; siblings of A, so that moving the old copy aside is a rename.
const int kMaxBackupAttempt = 9;
ustring GetAppBackupDir(const ustring &app_dir, int n);

// The client executable within a copy; its presence means a copy is installed.
extern const char *const kClientExecutable;

// Kept beside the application folder while an installation is under way:
//
//   state=backup      the complete copy is the application folder, about to be
//                     moved to the backup named by "copy"
//   state=installing  the application folder is being written; the complete
//                     copy lies in the backup named by "copy" (none: a first
//                     installation)
//   state=complete    the new copy is whole and on disk; backups may remain
//
// Every write replaces the file as a whole and is flushed with its folder
// before the step it announces, so the record never lags behind the folders.
class InstallRecord {
public:
    enum State {
        NONE,       // no installation under way or unfinished
        BACKUP,     // see above
        INSTALLING, // see above
        COMPLETE,   // see above
        DAMAGED,    // present but unreadable: nothing it says can be trusted
    };

    // `app_dir` is the application folder; the record lies beside it.
    explicit InstallRecord(const ustring &app_dir);

    // Reads the record from disk; NONE when there is none.
    State Read();
    State state() const { return m_state; }
    bool InProgress() const { return m_state == BACKUP || m_state == INSTALLING || m_state == DAMAGED; }
    const ustring &path() const { return m_path; }

    // Where the last complete copy lies now, after whatever step the record
    // announced did or did not happen; empty when there is none.
    ustring CompleteCopy() const;

    // Each returns 0 once the new state is on disk, -1 (logged) otherwise.
    int WriteBackup(const ustring &backup_dir);
    // `complete_copy` empty: there is no complete copy (a first installation).
    int WriteInstalling(const ustring &complete_copy);
    int WriteComplete();
    int Remove();

private:
    int Write(State state, const ustring &copy_dir);
    // The folder `name` stands for, or empty when it is no name of ours.
    ustring FolderOf(const ustring &name) const;

    ustring m_app;
    ustring m_path;
    State m_state;
    ustring m_copy; // a backup folder, as a path
};

#endif
