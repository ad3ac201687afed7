// Shared ground of the reliability suites: a package installation, a HOME and
// an "outside" folder in one temporary tree, runs of the installed launcher
// against them, and exact snapshots of folder trees to compare byte for byte.
#ifndef TIDEWELL_TESTS_RELIABILITY_SANDBOX_H
#define TIDEWELL_TESTS_RELIABILITY_SANDBOX_H

#include "archive_writer.h"
#include "launcher_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tw_rel {

// Relative path -> "D" (a folder; "Ds" when it carries set-id or sticky bits),
// "L:<text>" (a symbolic link), "F<mode>/<links>:<content>" (a file),
// "?<mode>" (anything else). Walked with openat, so paths beyond PATH_MAX work.
using Tree = std::map<std::string, std::string>;

Tree TreeOf(const std::string &dir);
// The same, leaving out every entry whose relative path starts with one of `skip`.
Tree TreeOfExcept(const std::string &dir, const std::vector<std::string> &skip);
// The first few differences, for failure messages.
std::string Diff(const Tree &expected, const Tree &actual);
// For EXPECT_TRUE: trees hold whole files, far too much for gtest to print.
::testing::AssertionResult SameTree(const Tree &expected, const Tree &actual);

// Bytes from a fixed seed: the same content every run, not compressible.
std::string RandomBytes(size_t size, unsigned seed);
mode_t CurrentUmask();
// The tree value of a file written with `perm` under the current umask.
std::string FileEntry(mode_t perm, const std::string &content, int links = 1);

// A client package: INFO with the build, the client executable and a start
// script that appends `word` to the marks file, plus whatever a test adds.
class ClientPackage {
public:
    ClientPackage(const std::string &build, const std::string &word, const std::string &marks);

    ClientPackage &Add(const tw_test::ArchiveItem &item);
    ClientPackage &File(const std::string &path, const std::string &content, mode_t perm = 0644);
    ClientPackage &Dir(const std::string &path);
    // Many files of random bytes below `folder`.
    ClientPackage &Bulk(const std::string &folder, int files, size_t size, unsigned seed);

    // The tree a faithful extraction leaves (devices and pipes are not kept).
    Tree Expected() const;
    tw_test::ArchiveWriter Writer(tw_test::ArchiveFormat format, tw_test::ArchiveFilter filter) const;
    // Writes the package; fails the test when the writer does.
    void Write(const std::string &path, tw_test::ArchiveFormat format = tw_test::ArchiveFormat::Zip,
               tw_test::ArchiveFilter filter = tw_test::ArchiveFilter::None) const;

    const std::vector<tw_test::ArchiveItem> &items() const { return m_items; }

private:
    std::vector<tw_test::ArchiveItem> m_items;
};

// One test's world: package installation, HOME, TMPDIR, an outside folder
// that nothing may touch, and the marks file the start scripts write to.
class Sandbox {
public:
    Sandbox();

    tw_test::TempTree tree;
    tw_test::PackageInstall pkg;
    tw_test::Home home;
    std::string tmp;
    std::string marks;
    std::string outside;

    tw_test::ProcessOptions Env() const;
    // The same, with the stop probe preloaded to halt at `stop_at`.
    tw_test::ProcessOptions ProbeEnv(const std::string &stop_at, const std::string &mark) const;
    tw_test::ProcessResult Run() const { return Run(Env()); }
    tw_test::ProcessResult Run(const tw_test::ProcessOptions &opts) const;

    // An old per-user copy with build `build` whose start script writes "old",
    // with `data_files` files of random bytes in "data".
    void InstallOldCopy(const std::string &build = "2000", int data_files = 20) const;
    void InstallPackage(const ClientPackage &package,
                        tw_test::ArchiveFormat format = tw_test::ArchiveFormat::Zip,
                        tw_test::ArchiveFilter filter = tw_test::ArchiveFilter::None) const;
    // The levels that make the service and extractor lines visible.
    void VerboseLevels() const;

    std::string App() const { return home.app(); }
    std::string Backup(int n) const { return App() + "_tmp" + (n ? std::to_string(n) : ""); }
    std::vector<std::string> Backups() const; // the backup names that exist
    std::vector<std::string> Starts() const;  // the words the start scripts wrote, in order
    std::string Log() const;                  // the launcher's log, line numbers shown as N
    // Everything in the tree but the per-user copy (and its backups and the
    // guard file beside it), the log, the single-instance folder ".run",
    // TMPDIR and the marks file.
    Tree Outside() const;
    // What Outside() leaves out, relative to the tree, for snapshots that leave out more.
    static std::vector<std::string> OutsideSkips();
};

} // namespace tw_rel

#endif
