#include "package_info.h"

#include <QDir>

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Varnholt/Tidewell/images"),
      LogFolder(ustring(QDir::homePath().toUtf8().constData()) + "/.Tidewell"),
      LogLevelPath("/opt/Varnholt/Tidewell/log/launcher.debug"),
      PackagePath("/opt/Varnholt/Tidewell/package/tidewell.qpk"), ConfigFolder("/opt/Varnholt/Tidewell/conf")
{
}

PackageInfo &PackageInfo::GetInstance()
{
    static PackageInfo instance;
    return instance;
}
