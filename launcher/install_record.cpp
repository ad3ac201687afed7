#include "install_record.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "config.h"
#include "file-op.h"
#include "log.h"

namespace {

const char *const kComp = "service_debug";
const char *const kRecordName = "install.state";

const struct {
    InstallRecord::State state;
    const char *word;
} kStateWords[] = {
    {InstallRecord::BACKUP, "backup"},
    {InstallRecord::INSTALLING, "installing"},
    {InstallRecord::COMPLETE, "complete"},
};

} // namespace

const char *const kClientExecutable = "bin/tidewell-backup-ui";

ustring GetAppBackupDir(const ustring &app_dir, int n)
{
    ustring backup = app_dir + "_tmp";
    if (n != 0)
        backup += std::to_string(n);
    return backup;
}

InstallRecord::InstallRecord(const ustring &app_dir)
    : m_app(app_dir), m_path(FSParentPath(app_dir) + "/" + kRecordName), m_state(NONE)
{
}

InstallRecord::State InstallRecord::Read()
{
    m_state = NONE;
    m_copy = ustring();
    if (!IsFileExist(m_path, false))
        return m_state;
    // Written whole by rename, so anything unreadable was not written by us.
    m_state = DAMAGED;
    Config record;
    if (record.read(m_path) < 0)
        return m_state;
    const ustring copy = record["copy"];
    if (!copy.empty()) {
        m_copy = FolderOf(copy);
        if (m_copy.empty())
            return m_state; // never act on a folder that is not one of ours
    }
    for (const auto &s : kStateWords)
        if (record["state"] == ustring(s.word))
            m_state = s.state;
    if (m_state == BACKUP && m_copy.empty())
        m_state = DAMAGED;
    return m_state;
}

ustring InstallRecord::CompleteCopy() const
{
    const bool app_exists = IsFileExist(m_app, false);
    const bool copy_exists = !m_copy.empty() && IsFileExist(m_copy, false);
    switch (m_state) {
    case INSTALLING:
        if (copy_exists)
            return m_copy;
        // The backup is gone only by being moved back: the folder is that copy.
        return !m_copy.empty() && app_exists ? m_app : ustring();
    case BACKUP:
        // Until the rename, the application folder is the complete copy.
        if (app_exists)
            return m_app;
        return copy_exists ? m_copy : ustring();
    case NONE:
    case COMPLETE:
    case DAMAGED:
        break;
    }
    return app_exists ? m_app : ustring();
}

int InstallRecord::WriteBackup(const ustring &backup_dir)
{
    return Write(BACKUP, backup_dir);
}

int InstallRecord::WriteInstalling(const ustring &complete_copy)
{
    return Write(INSTALLING, complete_copy);
}

int InstallRecord::WriteComplete()
{
    return Write(COMPLETE, ustring());
}

int InstallRecord::Remove()
{
    if (unlink(m_path.c_str()) != 0 && errno != ENOENT) {
        const int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] install_record(%d): failed to remove '%s': %s\n",
               m_path.c_str(), std::strerror(err));
        return -1;
    }
    m_state = NONE;
    m_copy = ustring();
    return 0;
}

int InstallRecord::Write(State state, const ustring &copy_dir)
{
    std::string text = "# An installation of the per-user copy is under way; the launcher finishes it.\n";
    for (const auto &s : kStateWords)
        if (s.state == state)
            text += std::string("state=") + s.word + "\n";
    if (!copy_dir.empty())
        text += std::string("copy=") + FSBaseName(copy_dir).c_str() + "\n";
    // The installation folder of a first installation may not exist yet.
    // (stat, not lstat: the folder may be a link to another disk.)
    const ustring dir = FSParentPath(m_path);
    struct stat st;
    const bool have_dir = stat(dir.c_str(), &st) == 0 || FSMKDir(dir, true) == 0;
    if (!have_dir || FSReplaceFile(m_path, text) != 0) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] install_record(%d): failed to write installation record '%s'\n",
               m_path.c_str());
        return -1;
    }
    m_state = state;
    m_copy = copy_dir;
    return 0;
}

ustring InstallRecord::FolderOf(const ustring &name) const
{
    for (int n = 0; n <= kMaxBackupAttempt; ++n) {
        const ustring backup = GetAppBackupDir(m_app, n);
        if (FSBaseName(backup) == name)
            return backup;
    }
    return ustring();
}
