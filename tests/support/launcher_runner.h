// A package installation laid out for one test, and runs of the real launcher
// from it with HOME in a temporary folder.
#ifndef TIDEWELL_TESTS_LAUNCHER_RUNNER_H
#define TIDEWELL_TESTS_LAUNCHER_RUNNER_H

#include "process.h"
#include "temp_tree.h"

#include <string>

namespace tw_test {

// The tree that `cmake --install` laid out for the test suite.
std::string StagedRoot();

class PackageInstall {
public:
    // A fresh installation below `parent`: the launcher binary copied (Qt finds
    // its own folder through /proc, so a link would point back to the stage),
    // the plug-ins linked, and the level file, INFO and package left to the test.
    explicit PackageInstall(const std::string &parent);

    const std::string &root() const { return m_root; }
    std::string launcher() const { return m_root + "/bin/tidewell-launcher"; }
    std::string path(const std::string &rel) const { return m_root + "/" + rel; }

    void WriteLevels(const std::string &content) const;
    void WriteInfo(const std::string &build) const;
    void InstallPackage(const std::string &archive) const;

private:
    std::string m_root;
};

// A sandbox home folder with the per-user installation paths spelled out.
struct Home {
    explicit Home(const std::string &path) : path(path) {}
    std::string path;
    std::string install() const { return path + "/.TidewellBackup"; }
    std::string app() const { return install() + "/Tidewell.app"; }
    std::string log() const { return install() + "/log/launcher.log"; }
};

// Environment for a launcher run: the offscreen platform unless a display is
// wanted, HOME and TMPDIR inside the sandbox, English unless the test says otherwise.
ProcessOptions LauncherEnv(const Home &home, const std::string &tmpdir);

// Installs a per-user copy with the given build whose start script appends a
// line to `mark_file` each time it runs (and waits for `release_file`, if given).
void InstallUserCopy(const Home &home, const std::string &build, const std::string &mark_file,
                     const std::string &release_file = std::string());

// Writes a client package: INFO with `build`, a client executable (a script that
// sleeps until ended) and the given start script. Returns the archive path.
std::string WriteClientPackage(const std::string &archive, const std::string &build,
                               const std::string &start_script);

// A start script that appends "start" to `mark_file`, then sleeps `seconds`
// (fractions allowed) and appends "done".
std::string MarkingStartScript(const std::string &mark_file, const std::string &seconds = "0");

// Lines of `text` that contain `needle`.
int CountLines(const std::string &text, const std::string &needle);

} // namespace tw_test

#endif
