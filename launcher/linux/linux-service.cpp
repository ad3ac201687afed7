#include "linux-service.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "client_process.h"
#include "config.h"
#include "file-op.h"
#include "install_record.h"
#include "log.h"

namespace {

const char *const kComponent = "service_debug";

// SIGTERM, up to five probes at most one second apart, then SIGKILL. Each wait
// ends when the client does, so a prompt client costs no second.
void TerminateClient(pid_t pid, const ustring &install_dir, const ustring &app_dir)
{
    ProcessEndWatch watch(pid);
    if (kill(pid, SIGTERM) != 0) {
        const int err = errno;
        if (err == ESRCH)
            return;
        TW_LOG(Logger::L_ERR, kComponent, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n", strerror(err),
               err);
    }
    for (int probe = 0; probe < 5; ++probe)
        if (watch.WaitForEnd(1000))
            return;
    // The id may have been handed on while we waited.
    if (CheckClientProcess(pid, install_dir, app_dir) == CC_OTHER) {
        TW_LOG(Logger::L_NOTICE, kComponent,
               "[NOTE] linux/linux-service(%d): pid %d runs no program from '%s' any more, no SIGKILL sent\n",
               static_cast<int>(pid), install_dir.c_str());
        return;
    }
    kill(pid, SIGKILL);
}

} // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = GetUserTidewellAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService &LinuxService::GetInstace()
{
    static LinuxService instance;
    return instance;
}

void LinuxService::PreUpgrade()
{
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    TW_LOG(Logger::L_DEBUG, kComponent, "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
           source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
    TW_LOG(Logger::L_DEBUG, kComponent, "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
           target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade()
{
    const int source = BuildNumber(source_version.build_version);
    const int target = BuildNumber(target_version.build_version);
    TW_LOG(Logger::L_DEBUG, kComponent,
           "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n", source, target);
    bool need = target > source;
    if (!PerUserBinPathExist())
        need = true;
    // A copy cut short may hold the new INFO and executable already.
    if (ReviewEarlierRuns(source, target, need))
        need = true;
    return need;
}

bool LinuxService::PerUserBinPathExist()
{
    const ustring bin = per_user_install_path + "/" + kClientExecutable;
    return access(bin.c_str(), F_OK) == 0;
}

int LinuxService::HandlePackageUpgrade()
{
    if (PerUserBinPathExist()) {
        TW_LOG(Logger::L_DEBUG, kComponent, "[DEBUG] linux/linux-service(%d): local appdata exist\n");
        StopService();
    }
    return PrepareUserEnv();
}

void LinuxService::StopService()
{
    const ustring install_dir = GetUserTidewellInstallPath();
    const ustring pid_path = install_dir + "/ui.pid";
    if (!IsFileExist(pid_path, false)) {
        TW_LOG(Logger::L_DEBUG, kComponent,
               "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to terminate\n",
               pid_path.c_str());
        return;
    }
    Config pid_file;
    if (pid_file.read(pid_path) < 0) {
        TW_LOG(Logger::L_NOTICE, kComponent,
               "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n",
               pid_path.c_str());
        return;
    }
    const ustring value = pid_file["pid"];
    if (value.empty())
        return;
    // 0 and negative ids would address process groups or every process of the
    // user, and a 32-bit cut of a longer number an unrelated process.
    pid_t pid = 0;
    if (!ParseClientPid(value.c_str(), &pid)) {
        TW_LOG(
            Logger::L_NOTICE, kComponent,
            "[NOTE] linux/linux-service(%d): pid file '%s' holds no valid process id '%s', no signal sent\n",
            pid_path.c_str(), value.c_str());
        return;
    }
    if (pid == getpid()) {
        TW_LOG(Logger::L_NOTICE, kComponent,
               "[NOTE] linux/linux-service(%d): pid %d in '%s' is the launcher itself, no signal sent\n",
               static_cast<int>(pid), pid_path.c_str());
        return;
    }
    // The user's client is never the system's first process, whatever /proc says of it.
    if (pid == 1) {
        TW_LOG(Logger::L_NOTICE, kComponent,
               "[NOTE] linux/linux-service(%d): pid 1 in '%s' is the init process, no signal sent\n",
               pid_path.c_str());
        return;
    }
    // A pid file left by a crash may name a number reused by another program.
    if (CheckClientProcess(pid, install_dir, per_user_install_path) == CC_OTHER) {
        TW_LOG(Logger::L_NOTICE, kComponent,
               "[NOTE] linux/linux-service(%d): pid %d in '%s' runs no program from '%s', no signal sent\n",
               static_cast<int>(pid), pid_path.c_str(), install_dir.c_str());
        return;
    }
    TerminateClient(pid, install_dir, per_user_install_path);
}

void LinuxService::PostUpgrade()
{
    LaunchPerUserBin();
}

int LinuxService::LaunchPerUserBin()
{
    // Program and argument stay apart: a command string would be split at the
    // blanks and quotes of a home folder such as "/home/Ann Lee".
    const ustring script = per_user_install_path + "/package/start-stop";
    QProcess::execute(QString::fromUtf8(script.c_str()), QStringList{QStringLiteral("start")});
    return 0;
}

void LinuxService::LoadTargetVerInfo()
{
    LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo()
{
    LoadSourceVersion();
}
