// The Linux platform steps of the upgrade service: the decision, stopping the
// running client through its pid file, and starting it through its start script.
#ifndef TIDEWELL_LINUX_SERVICE_H
#define TIDEWELL_LINUX_SERVICE_H

#include "tidewell-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    static LinuxService &GetInstace();

    void StopService() override;
    void PostUpgrade() override;
    void PreUpgrade() override;
    int HandlePackageUpgrade() override;
    bool IsNeedUpgrade() override;

private:
    bool PerUserBinPathExist();
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();
};

#endif
