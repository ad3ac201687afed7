// The base steps of the upgrade service, run for real: the driver is copied
// into a temporary package root ROOT/bin, HOME points at a temporary folder,
// packages are real archives, and the per-user copy is a real folder tree.
#include "archive_writer.h"
#include "process.h"
#include "temp_tree.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tw_test;

namespace {

int Count(const std::string &text, const std::string &needle)
{
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++n;
    return n;
}

// One whole log line of the service, after the timestamp.
std::string Line(const std::string &tag, const std::string &text)
{
    return "[" + tag + "] tidewell-service(N): " + text + "\n";
}

class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = tree.mkdir("pkg");
        home = tree.mkdir("home");
        CopyExecutable(TW_SERVICE_DRIVER, root + "/bin/service_driver");
    }

    std::string Install() const { return home + "/.TidewellBackup"; }
    std::string App() const { return Install() + "/Tidewell.app"; }
    std::string Backup(int n) const { return App() + "_tmp" + (n ? std::to_string(n) : ""); }
    std::string Package() const { return root + "/package/tidewell.qpk"; }
    std::string Log() const { return WithoutLineNumbers(ReadFile(home + "/log.txt")); }

    ProcessResult Drive(const std::vector<std::string> &args,
                        const ProcessOptions &extra = ProcessOptions()) const
    {
        std::vector<std::string> argv = {root + "/bin/service_driver"};
        argv.insert(argv.end(), args.begin(), args.end());
        ProcessOptions opts = extra;
        opts.env["HOME"] = home;
        opts.timeout_seconds = 60;
        return RunProcess(argv, opts);
    }
    // Runs a step that prints "result=N" and returns N (-99 when it printed none).
    int Step(const std::vector<std::string> &args, const ProcessOptions &extra = ProcessOptions()) const
    {
        ProcessResult r = Drive(args, extra);
        EXPECT_EQ(0, r.exit_code) << r.err;
        const size_t at = r.out.rfind("result=");
        return at == std::string::npos ? -99 : std::atoi(r.out.c_str() + at + 7);
    }

    void WritePackage(const ArchiveWriter &w) const
    {
        MakeDirs(root + "/package");
        ASSERT_EQ("", w.Write(Package()));
    }
    static ArchiveWriter NewRelease()
    {
        return ArchiveWriter(ArchiveFormat::Pax, ArchiveFilter::Gzip)
            .Dir("bin")
            .File("bin/tidewell-backup-ui", "new client", 0755)
            .Dir("package")
            .File("package/start-stop", "#!/bin/sh\n", 0755)
            .File("INFO", "[Version]\nbuild_version=3001\n");
    }
    // What a good extraction of NewRelease leaves.
    static std::map<std::string, std::string> NewReleaseTree()
    {
        const mode_t mask = umask(0);
        umask(mask);
        auto file = [mask](mode_t mode, const std::string &bytes) {
            return "F" + std::to_string(mode & ~mask) + ":" + bytes;
        };
        return {{"bin", "D"},
                {"bin/tidewell-backup-ui", file(0755, "new client")},
                {"package", "D"},
                {"package/start-stop", file(0755, "#!/bin/sh\n")},
                {"INFO", file(0644, "[Version]\nbuild_version=3001\n")}};
    }
    // An old copy with a file of its own, a folder and a link.
    void WriteOldCopy(const std::string &app) const
    {
        WriteFile(app + "/bin/tidewell-backup-ui", "old client", 0755);
        WriteFile(app + "/INFO", "[Version]\nbuild_version=3000\n");
        WriteFile(app + "/old-marker-file", "only in the old copy");
        MakeDirs(app + "/data/empty");
        ASSERT_EQ(0, symlink("bin/tidewell-backup-ui", (app + "/client").c_str()));
    }

    TempTree tree;
    std::string root;
    std::string home;
};

// ---------------------------------------------------------------- PrepareUserEnv

TEST_F(ServiceTest, FirstInstallationRemovesLeftoverBackup)
{
    WritePackage(NewRelease());
    WriteFile(Backup(0) + "/stale/file", "from an earlier run");
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_EQ(NewReleaseTree(), Snapshot(App()));
    EXPECT_FALSE(Exists(Backup(0)));
    const std::string log = Log();
    EXPECT_EQ(0, Count(log, "failed to backup"));
    EXPECT_EQ(1, Count(log, Line("INFO", "extract package: '" + Package() + "' -> '" + App() + "'"))) << log;
    EXPECT_EQ(1, Count(log, Line("INFO", "user installation is ready, removing backup app"))) << log;
    EXPECT_EQ(1, Count(log, "[DEBUG] extractor(N): decompress from '")) << log;
}

// A backup that an interrupted upgrade left under a later name would make every
// following run take the copy for unfinished, so success clears all ten names.
TEST_F(ServiceTest, SuccessRemovesEveryBackupName)
{
    WriteOldCopy(App());
    WriteFile(Backup(5) + "/stale/file", "from an interrupted run");
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_EQ(NewReleaseTree(), Snapshot(App()));
    for (int n = 0; n <= 9; ++n)
        EXPECT_FALSE(Exists(Backup(n))) << n;
}

TEST_F(ServiceTest, FirstInstallationFailureHasNothingToRollBack)
{
    WritePackage(ArchiveWriter().File("a", "a").File("../escape", "x"));
    EXPECT_EQ(-1, Step({"prepare"}));
    EXPECT_FALSE(Exists(Install() + "/escape"));
    EXPECT_FALSE(Exists(App())); // a partial copy is never left to be started
    EXPECT_EQ(1,
              Count(Log(), Line("ERROR", "Failed to extract package, and no old installation to rollback")))
        << Log();
}

TEST_F(ServiceTest, UpgradeReplacesOldCopyAndRemovesBackup)
{
    WriteOldCopy(App());
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_EQ(NewReleaseTree(), Snapshot(App()));
    for (int n = 0; n <= 9; ++n)
        EXPECT_FALSE(Exists(Backup(n))) << n;
    EXPECT_EQ(0, Count(Log(), "[ERROR]")) << Log();
}

TEST_F(ServiceTest, BlockedFirstBackupNameUsesTheNext)
{
    WriteOldCopy(App());
    WriteFile(Backup(0) + "/leftover", "non-empty");
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_EQ(NewReleaseTree(), Snapshot(App()));
    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_FALSE(Exists(Backup(1)));
    const std::string log = Log();
    EXPECT_EQ(1,
              Count(log, Line("ERROR", "failed to backup app from '" + App() + "' -> '" + Backup(0) + "'")))
        << log;
    EXPECT_EQ(0, Count(log, "at max retries"));
}

TEST_F(ServiceTest, AllTenBackupNamesBlockedLeavesOldCopyInPlace)
{
    WriteOldCopy(App());
    for (int n = 0; n <= 9; ++n)
        WriteFile(Backup(n) + "/leftover", std::to_string(n));
    WritePackage(NewRelease());
    const auto before = Snapshot(Install());
    EXPECT_EQ(-1, Step({"prepare"}));
    EXPECT_EQ(before, Snapshot(Install()));
    const std::string log = Log();
    for (int n = 0; n <= 9; ++n) {
        EXPECT_EQ(
            1, Count(log, Line("ERROR", "failed to backup app from '" + App() + "' -> '" + Backup(n) + "'")))
            << n << "\n"
            << log;
    }
    EXPECT_EQ(1, Count(log, Line("ERROR", "failed to backup app from '" + App() + "' -> '" + Backup(9) +
                                              "' at max retries, exiting")))
        << log;
    EXPECT_EQ(0, Count(log, "extract package"));
}

struct BadPackage {
    const char *name;
    enum { Truncated, Corrupt, Empty, Missing, DotDot } kind;
};

void PrintTo(const BadPackage &p, std::ostream *os)
{
    *os << p.name;
}

class ServiceRollbackTest : public ServiceTest, public ::testing::WithParamInterface<BadPackage> {
protected:
    void WriteBadPackage() const
    {
        std::string big;
        uint32_t x = 7;
        for (int i = 0; i < 300000; ++i) {
            x = x * 1103515245u + 12345u;
            big += static_cast<char>(x >> 24);
        }
        ArchiveWriter w = NewRelease().File("bin/libbig.so", big).File("share/last", "last");
        switch (GetParam().kind) {
        case BadPackage::Truncated:
            WritePackage(w);
            ASSERT_TRUE(TruncateFile(Package(), FileSize(Package()) / 2));
            break;
        case BadPackage::Corrupt: {
            // xz checks its blocks, so a flipped byte is always noticed.
            ArchiveWriter xz(ArchiveFormat::Pax, ArchiveFilter::Xz);
            xz.File("bin/tidewell-backup-ui", "new client")
                .File("bin/libbig.so", big)
                .File("share/last", "last");
            WritePackage(xz);
            ASSERT_TRUE(FlipByte(Package(), FileSize(Package()) / 2));
            break;
        }
        case BadPackage::Empty:
            WritePackage(ArchiveWriter(ArchiveFormat::Pax, ArchiveFilter::Gzip));
            break;
        case BadPackage::Missing:
            break;
        case BadPackage::DotDot:
            WritePackage(NewRelease().File("../../outside", "x"));
            break;
        }
    }
};

TEST_P(ServiceRollbackTest, FailedExtractionRestoresOldCopyByteForByte)
{
    WriteOldCopy(App());
    WriteBadPackage();
    const auto before = Snapshot(App());
    EXPECT_EQ(-1, Step({"prepare"}));
    EXPECT_EQ(before, Snapshot(App()));
    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_FALSE(Exists(home + "/outside"));
    EXPECT_EQ(1, Count(Log(), Line("ERROR", "Failed to extract package, rollback to old installation")))
        << Log();
}

TEST_P(ServiceRollbackTest, RollbackAfterBlockedNameLeavesTheBlocker)
{
    WriteOldCopy(App());
    WriteFile(Backup(0) + "/leftover", "blocker");
    WriteBadPackage();
    const auto before = Snapshot(App());
    EXPECT_EQ(-1, Step({"prepare"}));
    EXPECT_EQ(before, Snapshot(App()));
    EXPECT_FALSE(Exists(Backup(1)));
    EXPECT_EQ("blocker", ReadFile(Backup(0) + "/leftover"));
}

INSTANTIATE_TEST_SUITE_P(Packages, ServiceRollbackTest,
                         ::testing::Values(BadPackage{"truncated", BadPackage::Truncated},
                                           BadPackage{"corrupt", BadPackage::Corrupt},
                                           BadPackage{"empty", BadPackage::Empty},
                                           BadPackage{"missing", BadPackage::Missing},
                                           BadPackage{"dotdot", BadPackage::DotDot}),
                         [](const ::testing::TestParamInfo<BadPackage> &info) { return info.param.name; });

TEST_F(ServiceTest, InstallFolderKeptAsLinkToAnotherDisk)
{
    TempTree disk;
    const std::string real_install = disk.mkdir("TidewellBackup");
    ASSERT_EQ(0, symlink(real_install.c_str(), Install().c_str()));
    WriteOldCopy(real_install + "/Tidewell.app");
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_EQ(real_install, ReadLink(Install()));
    EXPECT_EQ(NewReleaseTree(), Snapshot(real_install + "/Tidewell.app"));
    EXPECT_FALSE(Exists(real_install + "/Tidewell.app_tmp"));
}

TEST_F(ServiceTest, TargetFolderThatCannotBeCreatedFails)
{
    WriteFile(Install(), "a file where the folder belongs");
    WritePackage(NewRelease());
    EXPECT_EQ(-1, Step({"extract"}));
    EXPECT_EQ(1, Count(Log(), Line("ERROR", "failed to create folder: '" + App() + "'"))) << Log();
    // Not even the installation record has a place: nothing is tried.
    EXPECT_EQ(-1, Step({"prepare"}));
    EXPECT_EQ(0,
              Count(Log(), Line("ERROR", "Failed to extract package, and no old installation to rollback")));
}

// ---------------------------------------------------------------- durability

class ServiceProbeTest : public ServiceTest {
protected:
    ProcessOptions Probe(bool fail_syncfs) const
    {
        ProcessOptions opts;
        AddPreload(opts, TW_FS_PROBE);
        opts.env["TW_PROBE_LOG"] = probe_log;
        if (fail_syncfs)
            opts.env["TW_PROBE_FAIL_SYNCFS"] = "1";
        return opts;
    }
    std::vector<std::string> Events() const
    {
        std::vector<std::string> lines;
        std::string text = ReadFile(probe_log), line;
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        return lines;
    }

    std::string probe_log = tree / "probe.log";
};

TEST_F(ServiceProbeTest, NewCopyIsFlushedOnceBeforeBackupIsRemoved)
{
    WriteOldCopy(App());
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}, Probe(false)));
    EXPECT_FALSE(Exists(Backup(0)));
    const std::vector<std::string> events = Events();
    int syncs = 0;
    size_t sync_at = events.size(), marker_at = events.size();
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].rfind("syncfs ", 0) == 0) {
            ++syncs;
            sync_at = i;
            EXPECT_EQ("syncfs " + App(), events[i]);
        }
        if (events[i].find("old-marker-file") != std::string::npos && marker_at == events.size())
            marker_at = i;
    }
    EXPECT_EQ(1, syncs);
    ASSERT_LT(marker_at, events.size()) << "the old copy's file was never removed";
    EXPECT_LT(sync_at, marker_at);
}

TEST_F(ServiceProbeTest, FailedFlushKeepsTheBackup)
{
    WriteOldCopy(App());
    const auto old_copy = Snapshot(App());
    WritePackage(NewRelease());
    EXPECT_EQ(0, Step({"prepare"}, Probe(true)));
    EXPECT_EQ(NewReleaseTree(), Snapshot(App()));
    EXPECT_EQ(old_copy, Snapshot(Backup(0)));
    const std::string flush_line = "[ERROR] tidewell-service(N): failed to flush '" + App() + "' to disk: ";
    const std::string log = Log();
    const size_t at = log.find(flush_line);
    ASSERT_NE(std::string::npos, at) << log;
    EXPECT_EQ(log.find(", keeping backup\n", at), log.find('\n', at) - 16) << log;

    // The next upgrade finds the kept backup in its way and clears it up.
    EXPECT_EQ(0, Step({"prepare"}));
    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_FALSE(Exists(Backup(1)));
}

// ---------------------------------------------------------------- RemoveAgedFolders

TEST_F(ServiceTest, RemoveAgedFoldersRemovesTheOldLayout)
{
    WriteFile(Install() + "/app/bin/old", "old");
    WriteOldCopy(App());
    const auto current = Snapshot(App());
    EXPECT_EQ(0, Step({"remove-aged"}));
    EXPECT_FALSE(Exists(Install() + "/app"));
    EXPECT_EQ(current, Snapshot(App()));
    EXPECT_EQ(1, Count(Log(), Line("INFO", "removing aged app folder " + Install() + "/app"))) << Log();
}

TEST_F(ServiceTest, RemoveAgedFoldersWithoutAppOnlyLogs)
{
    MakeDirs(Install());
    const auto before = Snapshot(Install());
    EXPECT_EQ(0, Step({"remove-aged"}));
    EXPECT_EQ(before, Snapshot(Install()));
    EXPECT_EQ(1, Count(Log(), Line("INFO", "removing aged app folder " + Install() + "/app"))) << Log();
}

TEST_F(ServiceTest, RemoveAgedFoldersRemovesOnlyALink)
{
    TempTree elsewhere;
    elsewhere.write("keep", "keep");
    MakeDirs(Install());
    ASSERT_EQ(0, symlink(elsewhere.path().c_str(), (Install() + "/app").c_str()));
    EXPECT_EQ(0, Step({"remove-aged"}));
    EXPECT_FALSE(Exists(Install() + "/app"));
    EXPECT_EQ("keep", ReadFile(elsewhere / "keep"));
}

// ---------------------------------------------------------------- FSCopyPath

TEST_F(ServiceTest, CopyPathOfASingleFile)
{
    const std::string src = tree.write("src.bin", std::string("bytes\0with nul", 14));
    EXPECT_EQ(0, Step({"copy", src, tree / "dst.bin"}));
    EXPECT_EQ(std::string("bytes\0with nul", 14), ReadFile(tree / "dst.bin"));
    EXPECT_EQ(1, Count(Log(), Line("DEBUG", "copy from '" + src + "' to '" + tree / "dst.bin" + "'")));
}

TEST_F(ServiceTest, CopyPathOfATree)
{
    tree.write("src/a", "a");
    tree.write("src/sub/b", "b");
    tree.write("src/sub/deeper/c", "");
    tree.mkdir("src/empty");
    EXPECT_EQ(0, Step({"copy", tree / "src", tree / "out/dst"}));
    std::map<std::string, std::string> want = Snapshot(tree / "src");
    std::map<std::string, std::string> got = Snapshot(tree / "out/dst");
    // Only bytes are copied; compare kinds and contents.
    auto strip_modes = [](std::map<std::string, std::string> m) {
        for (auto &kv : m)
            if (kv.second[0] == 'F')
                kv.second = "F" + kv.second.substr(kv.second.find(':'));
        return m;
    };
    EXPECT_EQ(strip_modes(want), strip_modes(got));
}

TEST_F(ServiceTest, CopyPathOfAMissingSourceFails)
{
    const std::string missing = tree / "missing";
    EXPECT_EQ(-1, Step({"copy", missing, tree / "dst"}));
    EXPECT_FALSE(Exists(tree / "dst"));
    EXPECT_EQ(1, Count(Log(), Line("ERROR", "FSCopyPath: source path '" + missing + "' does not exist")))
        << Log();
}

TEST_F(ServiceTest, CopyPathFailsWhenDestinationFolderCannotBeMade)
{
    tree.write("src/a", "a");
    tree.write("blocker", "file");
    EXPECT_EQ(-1, Step({"copy", tree / "src", tree / "blocker/dst"}));
    EXPECT_EQ(1, Count(Log(), Line("ERROR", "FSCopyPath: failed to create dest folder '" +
                                                tree / "blocker/dst" + "'")))
        << Log();
}

TEST_F(ServiceTest, CopyPathFailureDeepInTheTreeFailsEveryLevel)
{
    tree.write("src/sub/ok", "ok");
    tree.symlink(tree / "nowhere", "src/sub/dangling");
    EXPECT_EQ(-1, Step({"copy", tree / "src", tree / "dst"}));
    const std::string log = Log();
    EXPECT_EQ(1, Count(log, Line("ERROR", "FSCopyPath: failed to copy from '" + tree / "src/sub/dangling" +
                                              "' to '" + tree / "dst/sub/dangling" + "'")))
        << log;
    EXPECT_EQ(1, Count(log, Line("ERROR", "FSCopyPath: failed to copy from '" + tree / "src/sub" + "' to '" +
                                              tree / "dst/sub" + "'")))
        << log;
}

// Reading a named pipe would block the copy for ever.
TEST_F(ServiceTest, CopyPathSkipsPipes)
{
    tree.write("src/a", "a");
    ASSERT_EQ(0, mkfifo((tree / "src/pipe").c_str(), 0644));
    EXPECT_EQ(0, Step({"copy", tree / "src", tree / "dst"}));
    EXPECT_EQ("a", ReadFile(tree / "dst/a"));
    EXPECT_FALSE(Exists(tree / "dst/pipe"));
    EXPECT_EQ(1,
              Count(Log(), Line("WARNING", "FSCopyPath: skipping special file '" + tree / "src/pipe" + "'")))
        << Log();

    EXPECT_EQ(-1, Step({"copy", tree / "src/pipe", tree / "pipe-copy"}));
    EXPECT_FALSE(Exists(tree / "pipe-copy"));
}

// ---------------------------------------------------------------- versions

struct VersionCase {
    const char *name;
    const char *package_info; // nullptr: no file
    const char *user_info;    // nullptr: no file
    const char *target_out;
    const char *source_out;
    const char *target_log;
    const char *source_log; // nullptr: "source does not exist"
};

void PrintTo(const VersionCase &c, std::ostream *os)
{
    *os << c.name;
}

class ServiceVersionTest : public ServiceTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ServiceVersionTest, LoadsTheVersionGroupOnly)
{
    const VersionCase &c = GetParam();
    if (c.package_info)
        WriteFile(root + "/INFO", c.package_info);
    if (c.user_info)
        WriteFile(App() + "/INFO", c.user_info);
    ProcessResult r = Drive({"versions"});
    ASSERT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ(std::string("target=") + c.target_out + "\nsource=" + c.source_out + "\n", r.out);
    const std::string log = Log();
    EXPECT_EQ(1, Count(log, Line("INFO", std::string("target_version = ") + c.target_log))) << log;
    if (c.source_log)
        EXPECT_EQ(1, Count(log, Line("INFO", std::string("source_version = ") + c.source_log))) << log;
    else
        EXPECT_EQ(1, Count(log, Line("INFO", "source does not exist"))) << log;
    EXPECT_EQ(0, Count(log, "target does not exist"));
}

const char *const kFullInfo =
    "[Version]\nmajor_version=7\nminor_version=2\nbuild_version=3000\nicon_overlay_version=11\nextra=x\n";

INSTANTIATE_TEST_SUITE_P(
    Infos, ServiceVersionTest,
    ::testing::Values(VersionCase{"both_full", kFullInfo,
                                  "[Version]\nmajor_version=7\nminor_version=1\nbuild_version=2999\n"
                                  "icon_overlay_version=10\n",
                                  "(7|2|3000|11)", "(7|1|2999|10)", "(7, 2, 3000, 11)", "(7, 1, 2999, 10)"},
                      VersionCase{"keys_outside_the_group",
                                  "build_version=3000\nmajor_version=7\n[Other]\nbuild_version=3001\n",
                                  "[General]\nbuild_version=1\n[version]\nbuild_version=2\n", "(|||)",
                                  "(|||)", "(, , , )", "(, , , )"},
                      VersionCase{"only_build_version", "[Version]\nbuild_version=3000\n",
                                  "[Version]\nbuild_version=2999\n", "(||3000|)", "(||2999|)", "(, , 3000, )",
                                  "(, , 2999, )"},
                      VersionCase{"no_user_info", kFullInfo, nullptr, "(7|2|3000|11)", "(|||)",
                                  "(7, 2, 3000, 11)", nullptr},
                      VersionCase{"no_package_info", nullptr, kFullInfo, "(|||)", "(7|2|3000|11)", "(, , , )",
                                  "(7, 2, 3000, 11)"}),
    [](const ::testing::TestParamInfo<VersionCase> &info) { return info.param.name; });

} // namespace
