#include "tidewell-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "extractor.h"
#include "file-op.h"
#include "install_record.h"
#include "log.h"

namespace {

const char *const kComp = "service_debug";
ustring ToUtf8(const QString &text)
{
    return ustring(text.toUtf8().constData());
}

} // namespace

void ReadVersionInfo(const ustring &path, Service::VersionInfo &info)
{
    // A pipe or a device in the file's place would block the reading for good.
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return; // read as an empty store
    if (!S_ISREG(st.st_mode)) {
        TW_LOG(Logger::L_WARNING, kComp,
               "[WARNING] tidewell-service(%d): '%s' is no regular file, not read\n", path.c_str());
        return;
    }
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup("Version");
    const struct {
        const char *key;
        ustring *field;
    } fields[] = {
        {"major_version", &info.major_version},
        {"minor_version", &info.minor_version},
        {"build_version", &info.build_version},
        {"icon_overlay_version", &info.icon_overlay_version},
    };
    for (const auto &f : fields) {
        if (settings.contains(f.key))
            *f.field = ToUtf8(settings.value(f.key, QString()).toString());
    }
    settings.endGroup();
}

int BuildNumber(const ustring &text)
{
    if (text.empty())
        return 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

namespace {

// The backups are deleted right after an upgrade; without this flush a power
// cut could leave the new copy with empty files and the old one already gone.
// One syncfs covers the whole tree (and the rename before it).
bool FlushFileSystemOf(const ustring &path)
{
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = syncfs(fd) == 0;
    int saved = errno;
    close(fd);
    errno = saved;
    return ok;
}

// Pipes, sockets and devices are not copied: reading a pipe blocks forever
// and reading a device can fill the disk.
bool IsSpecialFile(FILE_TYPE type)
{
    return type == FT_FIFO || type == FT_SOCK || type == FT_DEV;
}

} // namespace

Service::Service() : timeout(0) {}

Service::~Service() {}

void Service::SetTimeout(int timeout)
{
    this->timeout = timeout;
}

ustring Service::GetUserInstallPath()
{
    return ToUtf8(QDir::homePath());
}

// The package root is the parent of the launcher's own folder, resolved
// textually, so a relocated package keeps working.
ustring Service::GetRootTidewellInstallPath()
{
    return ToUtf8(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootTidewellResourceInstallPath()
{
    return GetRootTidewellInstallPath() + "";
}

ustring Service::GetUserTidewellInstallPath()
{
    return GetUserInstallPath() + "/" + ".TidewellBackup";
}

ustring Service::GetUserTidewellAppInstallPath()
{
    return GetUserTidewellInstallPath() + "/" + "Tidewell.app";
}

ustring Service::GetUserTidewellDataInstallPath()
{
    return GetUserTidewellInstallPath() + "/" + "data";
}

void Service::LoadSourceVersion()
{
    const ustring path = GetUserTidewellAppInstallPath() + "" + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        TW_LOG(Logger::L_INFO, kComp, "[INFO] tidewell-service(%d): source does not exist\n");
        return;
    }
    ReadVersionInfo(path, source_version);
    TW_LOG(Logger::L_INFO, kComp, "[INFO] tidewell-service(%d): source_version = (%s, %s, %s, %s)\n",
           source_version.major_version.c_str(), source_version.minor_version.c_str(),
           source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}

// A missing package INFO reads as an empty store: the fields stay empty.
void Service::LoadTargetVersion()
{
    const ustring path = GetRootTidewellResourceInstallPath() + "/" + "INFO";
    ReadVersionInfo(path, target_version);
    TW_LOG(Logger::L_INFO, kComp, "[INFO] tidewell-service(%d): target_version = (%s, %s, %s, %s)\n",
           target_version.major_version.c_str(), target_version.minor_version.c_str(),
           target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

// The old copy is moved aside, the package extracted into a fresh folder,
// then the backups go (success) or the old copy comes back (failure). The
// installation record, written before each step, lets a later run finish or
// undo whatever this one could not.
int Service::PrepareUserEnv()
{
    const ustring app = per_user_install_path;
    InstallRecord record(app);
    record.Read();
    // The last complete copy, where it lies now; empty when there is none.
    ustring keep = record.CompleteCopy();
    if (record.InProgress()) {
        // Never a downgrade, and no reinstallation of a build that is whole.
        if (!keep.empty() && IsCopyCurrent(keep))
            return RestoreCopy(record, keep);
        // What the interrupted run wrote: it was never complete nor started.
        if (keep != app && FSRemove(app, false) != 0) {
            TW_LOG(Logger::L_ERR, kComp,
                   "[ERROR] tidewell-service(%d): failed to remove unfinished copy '%s'\n", app.c_str());
            return -1;
        }
    }
    if (keep == app) {
        keep = BackUpApp(record);
        if (keep.empty())
            return -1;
    }
    if (record.WriteInstalling(keep) != 0) {
        if (!keep.empty())
            MoveBack(record, keep);
        return -1;
    }
    if (ExtractPackage() != 0)
        return RollBack(record, keep);
    return CompleteInstallation(record);
}

// Renames the application folder to its first free backup name, the record
// naming each name before it is tried; the backup's path, or empty.
ustring Service::BackUpApp(InstallRecord &record)
{
    const ustring app = per_user_install_path;
    ustring candidate;
    for (int n = 0; n <= kMaxBackupAttempt; ++n) {
        candidate = GetAppBackupDir(app, n);
        if (record.WriteBackup(candidate) != 0)
            return ustring();
        if (FSRename(app, candidate, false) == 0)
            return candidate;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] tidewell-service(%d): failed to backup app from '%s' -> '%s'\n",
               app.c_str(), candidate.c_str());
    }
    TW_LOG(Logger::L_ERR, kComp,
           "[ERROR] tidewell-service(%d): failed to backup app from '%s' -> '%s' at max retries, exiting\n",
           app.c_str(), candidate.c_str());
    // Nothing was moved: the application folder is still the complete copy.
    record.Remove();
    return ustring();
}

int Service::RestoreCopy(InstallRecord &record, const ustring &copy)
{
    const ustring app = per_user_install_path;
    TW_LOG(Logger::L_NOTICE, kComp,
           "[NOTE] tidewell-service(%d): '%s' is complete and not older than the package, restoring it\n",
           copy.c_str());
    if (copy != app && (FSRemove(app, false) != 0 || FSRename(copy, app, false) != 0)) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] tidewell-service(%d): failed to restore '%s' to '%s'\n",
               copy.c_str(), app.c_str());
        return -1;
    }
    RemoveBackups(record);
    return 0;
}

int Service::RollBack(InstallRecord &record, const ustring &copy)
{
    const ustring app = per_user_install_path;
    if (copy.empty()) {
        TW_LOG(
            Logger::L_ERR, kComp,
            "[ERROR] tidewell-service(%d): Failed to extract package, and no old installation to rollback\n");
        // A partial copy is neither started nor taken for a whole one; the
        // record stays, so the next run installs again.
        FSRemove(app, false);
        return -1;
    }
    TW_LOG(Logger::L_ERR, kComp,
           "[ERROR] tidewell-service(%d): Failed to extract package, rollback to old installation\n");
    MoveBack(record, copy);
    return -1;
}

void Service::MoveBack(InstallRecord &record, const ustring &copy)
{
    const ustring app = per_user_install_path;
    FSRemove(app, false);
    // Not moved back, the record still tells where the complete copy is.
    // Older backups that blocked a name stay: clearing them is the next
    // upgrade's work.
    if (FSRename(copy, app, false) == 0)
        record.Remove();
}

int Service::CompleteInstallation(InstallRecord &record)
{
    const ustring app = per_user_install_path;
    TW_LOG(Logger::L_INFO, kComp,
           "[INFO] tidewell-service(%d): user installation is ready, removing backup app\n");
    if (!FlushFileSystemOf(app)) {
        // Not known to be on disk: the record stays unfinished, so the next
        // run installs again or brings the backup back.
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] tidewell-service(%d): failed to flush '%s' to disk: %s, keeping backup\n",
               app.c_str(), std::strerror(errno));
        return 0;
    }
    if (record.WriteComplete() == 0)
        RemoveBackups(record);
    return 0;
}

bool Service::RemoveBackups(InstallRecord &record)
{
    const ustring app = per_user_install_path;
    // Every backup name, not only those tried in this run.
    ustring left;
    for (int i = 0; i <= kMaxBackupAttempt; ++i) {
        const ustring backup = GetAppBackupDir(app, i);
        if (FSRemove(backup, false) != 0 && left.empty())
            left = backup;
    }
    if (left.empty()) {
        record.Remove();
        return true;
    }
    TW_LOG(Logger::L_ERR, kComp, "[ERROR] tidewell-service(%d): failed to remove backup '%s'\n",
           left.c_str());
    // The copy is whole: what is left is to be cleared, never a reason to install.
    if (record.state() != InstallRecord::COMPLETE)
        record.WriteComplete();
    return false;
}

bool Service::ReviewEarlierRuns(int source_build, int target_build, bool upgrade_due)
{
    const ustring app = per_user_install_path;
    InstallRecord record(app);
    const InstallRecord::State state = record.Read();
    if (record.InProgress()) {
        TW_LOG(Logger::L_NOTICE, kComp,
               "[NOTE] tidewell-service(%d): the installation of '%s' was not finished, installing again\n",
               app.c_str());
        return true;
    }
    if (upgrade_due)
        return false;
    ustring leftover;
    for (int i = 0; i <= kMaxBackupAttempt && leftover.empty(); ++i)
        if (IsFileExist(GetAppBackupDir(app, i), false))
            leftover = GetAppBackupDir(app, i);
    if (leftover.empty()) {
        if (state == InstallRecord::COMPLETE)
            record.Remove();
        return false;
    }
    if (!RemoveBackups(record))
        return false;
    // Without a record the backup may be all that tells of an upgrade cut
    // short by an earlier launcher; a copy newer than the package stays.
    if (state != InstallRecord::NONE || target_build < source_build)
        return false;
    TW_LOG(Logger::L_NOTICE, kComp,
           "[NOTE] tidewell-service(%d): backup '%s' is left from an unfinished upgrade, upgrading again\n",
           leftover.c_str());
    return true;
}

bool Service::IsCopyCurrent(const ustring &dir) const
{
    VersionInfo info;
    ReadVersionInfo(dir + "/INFO", info);
    const ustring executable = dir + "/" + kClientExecutable;
    return BuildNumber(info.build_version) >= BuildNumber(target_version.build_version) &&
           access(executable.c_str(), F_OK) == 0;
}

int Service::ExtractPackage()
{
    const ustring package = GetRootTidewellResourceInstallPath() + "/package/tidewell.qpk";
    const ustring target = GetUserTidewellAppInstallPath();
    if (FSMKDir(target, true) < 0) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] tidewell-service(%d): failed to create folder: '%s'\n",
               target.c_str());
        return -1;
    }
    TW_LOG(Logger::L_INFO, kComp, "[INFO] tidewell-service(%d): extract package: '%s' -> '%s'\n",
           package.c_str(), target.c_str());
    Extractor extractor;
    extractor.SetSource(package);
    extractor.SetTarget(target);
    return extractor.Extract();
}

void Service::RemoveAgedFolders()
{
    const ustring aged = GetUserTidewellInstallPath() + "/app";
    TW_LOG(Logger::L_INFO, kComp, "[INFO] tidewell-service(%d): removing aged app folder %s\n", aged.c_str());
    FSRemove(aged, false);
}

int Service::FSCopyPath(const ustring &src, const ustring &dest)
{
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] tidewell-service(%d): copy from '%s' to '%s'\n", src.c_str(),
           dest.c_str());
    _FILE_INFO_tag info;
    if (FSStat(src, info, false) < 0) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] tidewell-service(%d): FSCopyPath: failed to stat source '%s'\n",
               src.c_str());
        return -1;
    }
    if (!info.isExist) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] tidewell-service(%d): FSCopyPath: source path '%s' does not exist\n", src.c_str());
        return -1;
    }
    if (IsSpecialFile(info.type)) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] tidewell-service(%d): FSCopyPath: source '%s' is a special file\n", src.c_str());
        return -1;
    }
    if (info.type != FT_DIR)
        return FSCopy(src, dest, false);

    if (FSMKDir(dest, true) < 0) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] tidewell-service(%d): FSCopyPath: failed to create dest folder '%s'\n", dest.c_str());
        return -1;
    }
    DIR_HANDLE dh;
    if (FSOpenDir(src, 0, dh) < 0) {
        TW_LOG(Logger::L_WARNING, kComp,
               "[WARNING] tidewell-service(%d): FSCopyPath: failed to create handle  for src '%s' failed\n",
               src.c_str());
        return 0;
    }
    DIR_ENTRY entry;
    while (FSReadDir(dh, entry) > 0) {
        if (entry.name == ustring(".") || entry.name == ustring(".."))
            continue;
        const ustring child_src = src + "/" + entry.name;
        const ustring child_dest = dest + "/" + entry.name;
        if (IsSpecialFile(entry.type)) {
            TW_LOG(Logger::L_WARNING, kComp,
                   "[WARNING] tidewell-service(%d): FSCopyPath: skipping special file '%s'\n",
                   child_src.c_str());
            continue;
        }
        int ret =
            entry.type == FT_DIR ? FSCopyPath(child_src, child_dest) : FSCopy(child_src, child_dest, false);
        if (ret < 0) {
            TW_LOG(Logger::L_ERR, kComp,
                   "[ERROR] tidewell-service(%d): FSCopyPath: failed to copy from '%s' to '%s'\n",
                   child_src.c_str(), child_dest.c_str());
            FSCloseDir(dh);
            return -1;
        }
    }
    FSCloseDir(dh);
    return 0;
}
