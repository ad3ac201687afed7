// Runs one Service step for real: the package root is the parent of this
// program's folder and the per-user installation lies in $HOME, exactly as for
// the launcher. The tests copy it into a temporary package root.
//
//   service_driver prepare | extract | versions | remove-aged | copy SRC DST
//
// Prints "result=N" (or the version records) and logs everything to
// $HOME/log.txt.
#include "tidewell-service.h"

#include "log.h"
#include "strtab.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The platform steps are not under test here; the base class steps are.
class DriverService : public Service {
public:
    DriverService() { per_user_install_path = GetUserTidewellAppInstallPath(); }

    void StopService() override {}
    int HandlePackageUpgrade() override { return PrepareUserEnv(); }
    void PostUpgrade() override {}
    void PreUpgrade() override {}
    bool IsNeedUpgrade() override { return false; }

    using Service::ExtractPackage;
    using Service::FSCopyPath;
    using Service::LoadSourceVersion;
    using Service::LoadTargetVersion;
    using Service::PrepareUserEnv;

    const VersionInfo &Source() const { return source_version; }
    const VersionInfo &Target() const { return target_version; }
};

void PrintVersion(const char *name, const Service::VersionInfo &v)
{
    std::printf("%s=(%s|%s|%s|%s)\n", name, v.major_version.c_str(), v.minor_version.c_str(),
                v.build_version.c_str(), v.icon_overlay_version.c_str());
}

void InitLogger()
{
    const char *home = std::getenv("HOME");
    const std::string base = home ? home : ".";
    const std::string levels = base + "/levels";
    if (FILE *f = std::fopen(levels.c_str(), "w")) {
        std::fputs("service_debug=7\nextractor_debug=7\nfile_op_debug=7\n", f);
        std::fclose(f);
    }
    Logger::Initialize(Logger::FILE_LOGGER, (base + "/log.txt").c_str(), levels.c_str(), 5);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    InitLogger();
    StrTable::InitStrTable();

    const std::string command = argc > 1 ? argv[1] : "";
    DriverService service;
    int result = 0;
    if (command == "prepare") {
        result = service.PrepareUserEnv();
    } else if (command == "extract") {
        result = service.ExtractPackage();
    } else if (command == "versions") {
        service.LoadTargetVersion();
        service.LoadSourceVersion();
        PrintVersion("target", service.Target());
        PrintVersion("source", service.Source());
        return 0;
    } else if (command == "remove-aged") {
        service.RemoveAgedFolders();
    } else if (command == "copy" && argc == 4) {
        result = service.FSCopyPath(argv[2], argv[3]);
    } else {
        std::fprintf(stderr, "usage: %s prepare|extract|versions|remove-aged|copy SRC DST\n", argv[0]);
        return 2;
    }
    std::printf("result=%d\n", result);
    return 0;
}
