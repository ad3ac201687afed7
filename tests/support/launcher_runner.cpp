#include "launcher_runner.h"

#include "archive_writer.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tw_test {

std::string StagedRoot()
{
    const char *stage = getenv("TW_STAGE_DIR");
#ifdef TW_STAGE_DIR_DEFAULT
    if (!stage || !*stage)
        stage = TW_STAGE_DIR_DEFAULT;
#endif
    if (!stage || !*stage)
        throw std::runtime_error("TW_STAGE_DIR is not set");
    return stage;
}

PackageInstall::PackageInstall(const std::string &parent) : m_root(parent + "/package-root")
{
    const std::string stage = StagedRoot();
    MakeDirs(m_root + "/bin");
    MakeDirs(m_root + "/log");
    MakeDirs(m_root + "/lib");
    MakeDirs(m_root + "/package");
    CopyExecutable(stage + "/bin/tidewell-launcher", launcher());
    if (symlink((stage + "/lib/plugins").c_str(), (m_root + "/lib/plugins").c_str()) != 0)
        throw std::runtime_error("cannot link plug-ins into " + m_root);
    if (IsDir(stage + "/images") && symlink((stage + "/images").c_str(), (m_root + "/images").c_str()) != 0)
        throw std::runtime_error("cannot link images into " + m_root);
    WriteLevels(ReadFile(stage + "/log/launcher.debug"));
}

void PackageInstall::WriteLevels(const std::string &content) const
{
    WriteFile(path("log/launcher.debug"), content);
}

void PackageInstall::WriteInfo(const std::string &build) const
{
    WriteFile(path("INFO"), "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                                "\nicon_overlay_version=1\n");
}

void PackageInstall::InstallPackage(const std::string &archive) const
{
    CopyExecutable(archive, path("package/tidewell.qpk"));
    chmod(path("package/tidewell.qpk").c_str(), 0644);
}

ProcessOptions LauncherEnv(const Home &home, const std::string &tmpdir)
{
    ProcessOptions opts;
    opts.env["HOME"] = home.path;
    opts.env["TMPDIR"] = tmpdir;
    opts.env["QT_QPA_PLATFORM"] = "offscreen";
    opts.env["LANG"] = "C.UTF-8";
    opts.env["LC_ALL"] = "C.UTF-8";
    opts.unset = {"QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH", "XDG_RUNTIME_DIR", "LANGUAGE"};
    opts.timeout_seconds = 120;
    return opts;
}

void InstallUserCopy(const Home &home, const std::string &build, const std::string &mark_file,
                     const std::string &release_file)
{
    WriteFile(home.app() + "/INFO", "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                                        "\nicon_overlay_version=1\n");
    WriteFile(home.app() + "/bin/tidewell-backup-ui", "#!/bin/sh\nexit 0\n", 0755);
    std::string script = "#!/bin/sh\necho \"$0 $*\" >> '" + mark_file + "'\n";
    if (!release_file.empty())
        script +=
            "i=0\nwhile [ ! -e '" + release_file + "' ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n";
    WriteFile(home.app() + "/package/start-stop", script, 0755);
}

std::string WriteClientPackage(const std::string &archive, const std::string &build,
                               const std::string &start_script)
{
    ArchiveWriter writer(ArchiveFormat::Pax, ArchiveFilter::Gzip);
    writer
        .File("INFO", "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                          "\nicon_overlay_version=1\n")
        .Dir("bin")
        .File("bin/tidewell-backup-ui", "#!/bin/sh\nexec sleep 600\n", 0755)
        .Dir("package")
        .File("package/start-stop", start_script, 0755);
    const std::string error = writer.Write(archive);
    if (!error.empty())
        throw std::runtime_error("cannot write " + archive + ": " + error);
    return archive;
}

std::string MarkingStartScript(const std::string &mark_file, const std::string &seconds)
{
    return "#!/bin/sh\necho start >> '" + mark_file + "'\nsleep " + seconds + "\necho done >> '" + mark_file +
           "'\n";
}

int CountLines(const std::string &text, const std::string &needle)
{
    int count = 0;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (text.substr(start, end - start).find(needle) != std::string::npos)
            ++count;
        start = end + 1;
    }
    return count;
}

} // namespace tw_test
