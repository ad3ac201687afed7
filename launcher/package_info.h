// The fixed locations of a standard package installation. The launcher derives
// its paths from its own location instead; this record documents the defaults.
#ifndef TIDEWELL_PACKAGE_INFO_H
#define TIDEWELL_PACKAGE_INFO_H

#include "ustring.h"

class PackageInfo {
public:
    static PackageInfo &GetInstance();

    ustring GetImageFolder() const { return ImageFolder; }
    ustring GetLogFolder() const { return LogFolder; }
    ustring GetLogLevelPath() const { return LogLevelPath; }
    ustring GetPackagePath() const { return PackagePath; }
    ustring GetConfigFolder() const { return ConfigFolder; }

private:
    PackageInfo();
    PackageInfo(const PackageInfo &) = delete;
    PackageInfo &operator=(const PackageInfo &) = delete;

    ustring ImageFolder;
    ustring LogFolder;
    ustring LogLevelPath;
    ustring PackagePath;
    ustring ConfigFolder;
};

#endif
