// Runs one step of LinuxService the way the launcher does, for tests that lay
// out a package root around a copy of this program and point HOME elsewhere.
//
//   linux_service_driver COMMAND LOG_FILE [LEVEL_FILE]
//
// decide      PreUpgrade, then IsNeedUpgrade; prints "upgrade=0" or "upgrade=1"
// stop        StopService; prints "stopped"
// stop-self   writes this process's own id into ui.pid, then StopService; prints "alive"
// handle      HandlePackageUpgrade; prints "result=N"
// post        PostUpgrade; prints "started"
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "linux-service.h"
#include "log.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s decide|stop|stop-self|handle|post LOG_FILE [LEVEL_FILE]\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    Logger::Initialize(Logger::FILE_LOGGER, argv[2], argc > 3 ? argv[3] : "", 50);

    LinuxService service;
    const char *command = argv[1];
    if (strcmp(command, "decide") == 0) {
        service.PreUpgrade();
        printf("upgrade=%d\n", service.IsNeedUpgrade() ? 1 : 0);
    } else if (strcmp(command, "stop") == 0) {
        service.StopService();
        printf("stopped\n");
    } else if (strcmp(command, "stop-self") == 0) {
        const ustring pid_path = Service::GetUserTidewellInstallPath() + "/ui.pid";
        FILE *fp = fopen(pid_path.c_str(), "w");
        if (!fp)
            return 3;
        fprintf(fp, "pid=%d\n", static_cast<int>(getpid()));
        fclose(fp);
        service.StopService();
        printf("alive\n");
    } else if (strcmp(command, "handle") == 0) {
        printf("result=%d\n", service.HandlePackageUpgrade());
    } else if (strcmp(command, "post") == 0) {
        service.PostUpgrade();
        printf("started\n");
    } else {
        fprintf(stderr, "unknown command '%s'\n", command);
        return 2;
    }
    return 0;
}
