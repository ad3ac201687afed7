// The upgrade service: the state and platform-neutral steps of keeping the
// user's private copy of the client in step with the package installation.
#ifndef TIDEWELL_SERVICE_H
#define TIDEWELL_SERVICE_H

#include "ustring.h"

class InstallRecord;

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

    // What earlier runs left: true when an installation was cut short, so the
    // copy must be installed again whatever its INFO says. Leftover backups
    // are removed here unless `upgrade_due` (the upgrade removes them); without
    // an installation record, removed ones call for a new installation when
    // the package is not older than the copy.
    bool ReviewEarlierRuns(int source_build, int target_build, bool upgrade_due);
    // Whether the copy in `dir` is complete enough and not older than the package.
    bool IsCopyCurrent(const ustring &dir) const;

private:
    ustring BackUpApp(InstallRecord &record);
    int RestoreCopy(InstallRecord &record, const ustring &copy);
    int RollBack(InstallRecord &record, const ustring &copy);
    void MoveBack(InstallRecord &record, const ustring &copy);
    int CompleteInstallation(InstallRecord &record);
    // Removes every backup; false (logged once) when one cannot be removed.
    bool RemoveBackups(InstallRecord &record);

protected:
    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
};

// Reads an INFO file's "Version" group into `info`: fields whose keys are
// present are replaced, the others keep their value. Only a regular file is
// read, so a pipe in its place cannot block the caller.
void ReadVersionInfo(const ustring &path, Service::VersionInfo &info);

// A build number read like atoi (leading blanks, a sign, the leading digits),
// but saturating at the int range instead of being undefined; empty is 0.
int BuildNumber(const ustring &text);

#endif
