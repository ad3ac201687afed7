// Upgrades by the installed launcher, end to end: real packages, a sandbox
// home, a running stand-in client. The old copy is either replaced completely
// or back byte for byte, and the client is started in every case.
#include "archive_writer.h"
#include "launcher_runner.h"

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

using namespace tw_test;

namespace {

const char *const kLevels = "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=4\n";

std::string Info(const std::string &build)
{
    return "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
           "\nicon_overlay_version=1\n";
}

class UpgradeTest : public ::testing::Test {
protected:
    UpgradeTest()
        : pkg(tree.path()), home(tree.mkdir("home")), tmp(tree.mkdir("tmp")), marks(tree / "marks"),
          old_marks(tree / "old-marks")
    {
        pkg.WriteLevels(kLevels);
        pkg.WriteInfo("3001");
    }

    // The new release: INFO 3001, the client, a start script that leaves a mark.
    ArchiveWriter Release() const
    {
        ArchiveWriter w(ArchiveFormat::Pax, ArchiveFilter::Gzip);
        w.File("INFO", Info("3001"))
            .Dir("bin")
            .File("bin/tidewell-backup-ui", "#!/bin/sh\nexec sleep 600\n", 0755)
            .Dir("package")
            .File("package/start-stop", MarkingStartScript(marks), 0755);
        return w;
    }

    void Install(const ArchiveWriter &archive)
    {
        const std::string path = tree / "package.qpk";
        ASSERT_EQ(archive.Write(path), "");
        pkg.InstallPackage(path);
    }

    void InstallOldCopy() { InstallUserCopy(home, "3000", old_marks); }

    ProcessResult Run(const std::string &cwd = std::string()) const
    {
        ProcessOptions opts = LauncherEnv(home, tmp);
        opts.cwd = cwd;
        return RunProcess({pkg.launcher()}, opts);
    }

    std::string Log() const { return WithoutLineNumbers(ReadFile(home.log())); }
    std::string Backup(int n) const { return home.app() + "_tmp" + (n ? std::to_string(n) : std::string()); }
    bool NoBackups() const
    {
        for (int n = 0; n <= 9; ++n)
            if (Exists(Backup(n)))
                return false;
        return true;
    }
    bool NewCopy() const { return ReadFile(home.app() + "/INFO") == Info("3001"); }
    int NewStarts() const { return CountLines(ReadFile(marks), "start"); }
    int OldStarts() const { return CountLines(ReadFile(old_marks), "start-stop start"); }

    TempTree tree;
    PackageInstall pkg;
    Home home;
    std::string tmp;
    std::string marks;
    std::string old_marks;
};

TEST_F(UpgradeTest, FirstInstallationExtractsAndStartsTheClient)
{
    Install(Release());
    WriteFile(Backup(0) + "/stale", "left by an earlier run");
    ProcessResult r = Run();
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(NewCopy());
    EXPECT_TRUE(NoBackups());
    EXPECT_EQ(NewStarts(), 1);
    const std::string log = Log();
    EXPECT_NE(log.find("[DEBUG] linux/linux-service(N): source version = 0, target version = 3001\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("[INFO] tidewell-service(N): user installation is ready, removing backup app\n"),
              std::string::npos);
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
}

TEST_F(UpgradeTest, RunningClientIsStoppedAndTheNewBuildStarted)
{
    InstallOldCopy();
    Install(Release());
    const std::string client = home.app() + "/bin/tidewell-backup-ui";
    CopyExecutable(TW_STANDIN_CLIENT, client);
    pid_t old_client = SpawnDetached({client, "--pid-file", home.install() + "/ui.pid", "--on-term", "exit"});
    ASSERT_TRUE(WaitUntil([&] { return Exists(home.install() + "/ui.pid"); }));

    ProcessResult r = Run();
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(WaitGone(old_client, 5));
    EXPECT_TRUE(NewCopy());
    EXPECT_FALSE(Exists(home.app() + "/package/old-only")) << "the new copy must not mix with the old one";
    EXPECT_TRUE(NoBackups());
    EXPECT_EQ(NewStarts(), 1);
    EXPECT_EQ(OldStarts(), 0);
    EXPECT_NE(Log().find("local appdata exist"), std::string::npos);
}

TEST_F(UpgradeTest, UpToDateCopyIsOnlyStarted)
{
    InstallUserCopy(home, "3001", old_marks);
    Install(Release());
    const auto before = Snapshot(home.app());
    ProcessResult r = Run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(Snapshot(home.app()), before);
    EXPECT_EQ(OldStarts(), 1);
    const std::string log = Log();
    for (const char *line : {"[DEBUG] launcher(N): running\n", "[DEBUG] launcher(N): no need to upgrade\n",
                             "[DEBUG] launcher(N): done\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(UpgradeTest, BlockedBackupNamesAreSkippedAndAllCleanedUp)
{
    InstallOldCopy();
    Install(Release());
    WriteFile(Backup(0) + "/blocker", "not empty");
    EXPECT_EQ(Run().exit_code, 0);
    EXPECT_TRUE(NewCopy());
    EXPECT_TRUE(NoBackups());
    EXPECT_EQ(CountLines(Log(), "failed to backup app from"), 1);
}

TEST_F(UpgradeTest, AllTenBackupNamesBlockedLeavesTheOldCopyInUse)
{
    InstallOldCopy();
    Install(Release());
    for (int n = 0; n <= 9; ++n)
        WriteFile(Backup(n) + "/blocker", "not empty");
    const auto before = Snapshot(home.app());
    EXPECT_EQ(Run().exit_code, 0);
    EXPECT_EQ(Snapshot(home.app()), before);
    EXPECT_EQ(OldStarts(), 1);
    EXPECT_EQ(NewStarts(), 0);
    EXPECT_NE(Log().find("at max retries, exiting"), std::string::npos);
}

struct BadPackage {
    const char *name;
    std::function<void(const std::string &archive)> damage;
};

class BadPackageTest : public UpgradeTest, public ::testing::WithParamInterface<BadPackage> {};

TEST_P(BadPackageTest, OldCopyComesBackByteForByte)
{
    InstallOldCopy();
    const std::string path = tree / "package.qpk";
    ASSERT_EQ(Release().Write(path), "");
    GetParam().damage(path);
    pkg.InstallPackage(path);
    const auto before = Snapshot(home.app());

    ProcessResult r = Run();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(Snapshot(home.app()), before);
    EXPECT_TRUE(NoBackups());
    EXPECT_EQ(OldStarts(), 1) << "the old client must still be started";
    EXPECT_NE(Log().find("[ERROR] launcher(N): Failed to upgrade package\n"), std::string::npos) << Log();
}

INSTANTIATE_TEST_SUITE_P(
    Packages, BadPackageTest,
    ::testing::Values(
        BadPackage{"Truncated", [](const std::string &p) { ASSERT_TRUE(TruncateFile(p, FileSize(p) / 2)); }},
        BadPackage{"HeaderCorrupted", [](const std::string &p) { ASSERT_TRUE(FlipByte(p, 20)); }},
        BadPackage{"ZeroLength", [](const std::string &p) { ASSERT_TRUE(TruncateFile(p, 0)); }},
        BadPackage{"NotAnArchive", [](const std::string &p) { WriteFile(p, "this is not an archive\n"); }},
        BadPackage{"NoEntries",
                   [](const std::string &p) { ASSERT_EQ(ArchiveWriter(ArchiveFormat::Pax).Write(p), ""); }}),
    [](const ::testing::TestParamInfo<BadPackage> &info) { return std::string(info.param.name); });

TEST_F(UpgradeTest, DotDotEntryIsRefusedAndRolledBack)
{
    InstallOldCopy();
    ArchiveWriter w = Release();
    w.File("../escaped", "outside");
    Install(w);
    const auto before = Snapshot(home.app());
    EXPECT_EQ(Run().exit_code, 0);
    EXPECT_FALSE(Exists(home.install() + "/escaped"));
    EXPECT_EQ(Snapshot(home.app()), before);
    EXPECT_NE(Log().find("archive_read_extract2 failed"), std::string::npos);
}

TEST_F(UpgradeTest, HostileLinksWriteNothingOutsideTheCopy)
{
    const std::string outside = tree.mkdir("outside");
    ArchiveWriter w = Release();
    w.File("/etc/tidewell-absolute", "below the target") // absolute: lands below the copy
        .Symlink("escape", outside)
        .File("escape/planted", "through the link")
        .Symlink("chain1", "chain2")
        .Symlink("chain2", outside)
        .File("chain1/planted", "through a chain")
        .File("bin/real", "the real file")
        .Hardlink("bin/hard", "bin/real");
    Install(w);
    // A link in the launcher's current folder named like the hard link's first component.
    const std::string cwd = tree.mkdir("cwd");
    ASSERT_EQ(symlink(outside.c_str(), (cwd + "/bin").c_str()), 0);

    EXPECT_EQ(Run(cwd).exit_code, 0);
    EXPECT_TRUE(Snapshot(outside).empty()) << "something was written outside the per-user copy";
    EXPECT_TRUE(IsSymlink(cwd + "/bin")) << "the link in the current folder must survive";
    EXPECT_EQ(ReadFile(home.app() + "/etc/tidewell-absolute"), "below the target");
    // Whatever else happened, the copy is either the new release or rolled back.
    if (NewCopy()) {
        EXPECT_EQ(ReadFile(home.app() + "/bin/hard"), "the real file");
        struct stat a, b;
        ASSERT_EQ(stat((home.app() + "/bin/hard").c_str(), &a), 0);
        ASSERT_EQ(stat((home.app() + "/bin/real").c_str(), &b), 0);
        EXPECT_EQ(a.st_ino, b.st_ino);
    }
    EXPECT_EQ(NewStarts() + OldStarts(), 1);
}

TEST_F(UpgradeTest, HardLinksInsideTheCopyPointToTheRightFiles)
{
    ArchiveWriter w = Release();
    w.File("bin/real", "the real file").Hardlink("bin/hard", "bin/real");
    Install(w);
    const std::string cwd = tree.mkdir("cwd");
    const std::string elsewhere = tree.mkdir("elsewhere");
    ASSERT_EQ(symlink(elsewhere.c_str(), (cwd + "/bin").c_str()), 0);
    EXPECT_EQ(Run(cwd).exit_code, 0);
    ASSERT_TRUE(NewCopy());
    struct stat a, b;
    ASSERT_EQ(stat((home.app() + "/bin/hard").c_str(), &a), 0);
    ASSERT_EQ(stat((home.app() + "/bin/real").c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_TRUE(IsSymlink(cwd + "/bin"));
    EXPECT_TRUE(Snapshot(elsewhere).empty());
}

TEST_F(UpgradeTest, LaterEntryReplacesAnEarlierFileAtItsPlace)
{
    ArchiveWriter w = Release();
    w.File("data/settings", "first").File("data/settings", "second");
    Install(w);
    EXPECT_EQ(Run().exit_code, 0);
    EXPECT_EQ(ReadFile(home.app() + "/data/settings"), "second");
}

TEST_F(UpgradeTest, InstallFolderKeptAsALinkToAnotherDisk)
{
    const std::string elsewhere = tree.mkdir("other-disk/tidewell");
    ASSERT_EQ(symlink(elsewhere.c_str(), home.install().c_str()), 0);
    Install(Release());
    EXPECT_EQ(Run().exit_code, 0);
    EXPECT_TRUE(IsSymlink(home.install()));
    EXPECT_EQ(ReadFile(elsewhere + "/Tidewell.app/INFO"), Info("3001"));
    EXPECT_EQ(NewStarts(), 1);
}

TEST_F(UpgradeTest, AgedAppFolderIsRemovedInEveryRun)
{
    Install(Release());
    for (bool upgrade : {true, false}) {
        WriteFile(home.install() + "/app/bin/old-layout", "aged");
        EXPECT_EQ(Run().exit_code, 0);
        EXPECT_FALSE(Exists(home.install() + "/app")) << (upgrade ? "with" : "without") << " an upgrade";
        EXPECT_TRUE(NewCopy());
    }
    EXPECT_EQ(CountLines(Log(), "removing aged app folder"), 2);
}

} // namespace
