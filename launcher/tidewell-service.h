// The upgrade service: the state and platform-neutral steps of keeping the
// user's private copy of the client in step with the package installation.
#ifndef TIDEWELL_SERVICE_H
#define TIDEWELL_SERVICE_H

#include "ustring.h"

class Service {
public:
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    Service();
    virtual ~Service();

    virtual void StopService() = 0;
    virtual void SetTimeout(int timeout);
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;

    void RemoveAgedFolders();

    // Locations of both installations; recomputed at every call.
    static ustring GetUserInstallPath();
    static ustring GetRootTidewellInstallPath();
    static ustring GetRootTidewellResourceInstallPath();
    static ustring GetUserTidewellInstallPath();
    static ustring GetUserTidewellAppInstallPath();
    static ustring GetUserTidewellDataInstallPath();

protected:
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    virtual int PrepareUserEnv();

    int FSCopyPath(const ustring &src, const ustring &dest);

    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
};

// Reads an INFO file's "Version" group into `info`: fields whose keys are
// present are replaced, the others keep their value. Only a regular file is
// read, so a pipe in its place cannot block the caller.
void ReadVersionInfo(const ustring &path, Service::VersionInfo &info);

#endif
