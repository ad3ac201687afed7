// What the next run makes of the states an earlier run, or an earlier
// launcher, left behind: an installation cut short is finished or undone,
// never taken for a complete copy; leftover backups are cleared without a
// reinstallation, a downgrade or a stop of the running client.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

// Runs the launcher until the probe halts it at `stop_at`, then kills it.
void RunKilledAt(const Sandbox &s, const std::string &stop_at)
{
    const std::string mark = s.tmp + "/stopped";
    unlink(mark.c_str());
    const pid_t pid = SpawnProcess({s.pkg.launcher()}, s.ProbeEnv(stop_at, mark));
    ASSERT_TRUE(WaitUntil([&] { return Exists(mark); }, 240)) << "the probe never stopped the launcher";
    ASSERT_EQ(0, kill(pid, SIGKILL));
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
}

ClientPackage LargePackage(const Sandbox &s)
{
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 60, 4096, 3);
    return package;
}

void Truncate(const std::string &path)
{
    const std::string bytes = ReadFile(path);
    WriteFile(path, bytes.substr(0, bytes.size() / 2));
}

// The executable and INFO come first in the package, so a copy cut off in
// its bulk looks installed by both.
TEST(Recovery, FirstInstallationCutShortIsInstalledAgain)
{
    Sandbox s;
    const ClientPackage package = LargePackage(s);
    s.InstallPackage(package);
    RunKilledAt(s, "create:30");
    ASSERT_TRUE(Exists(s.App() + "/bin/tidewell-backup-ui"));

    const ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App()))) << s.Log();
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
}

// A failed first installation leaves nothing to start, and the next run tries again.
TEST(Recovery, FailedFirstInstallationIsTriedAgain)
{
    Sandbox s;
    const ClientPackage package = LargePackage(s);
    s.InstallPackage(package);
    Truncate(s.pkg.path("package/tidewell.qpk"));
    EXPECT_EQ(0, s.Run().exit_code);
    EXPECT_FALSE(Exists(s.App()));
    EXPECT_EQ(std::vector<std::string>{}, s.Starts());

    s.InstallPackage(package);
    EXPECT_EQ(0, s.Run().exit_code);
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App()))) << s.Log();
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
}

TEST(Recovery, OldCopyComesBackWhenThePackageBreaksAfterACrash)
{
    Sandbox s;
    s.InstallPackage(LargePackage(s));
    s.InstallOldCopy("2000");
    const Tree old_copy = TreeOf(s.App());
    RunKilledAt(s, "backup-rename");

    Truncate(s.pkg.path("package/tidewell.qpk"));
    const ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App()))) << s.Log();
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
}

// A package older than the copy an installation was replacing brings the
// copy back instead of installing: an interrupted upgrade is no reason to downgrade.
TEST(Recovery, InterruptedUpgradeIsNoDowngrade)
{
    Sandbox s;
    s.InstallPackage(LargePackage(s));
    s.InstallOldCopy("2000");
    const Tree old_copy = TreeOf(s.App());
    RunKilledAt(s, "create:30");

    s.InstallPackage(ClientPackage("1000", "older", s.marks));
    s.pkg.WriteInfo("1000");
    EXPECT_EQ(0, s.Run().exit_code);
    EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App()))) << s.Log();
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
}

TEST(Recovery, StrayBackupBesideANewerCopyIsNoDowngrade)
{
    Sandbox s;
    s.InstallPackage(ClientPackage("3000", "new", s.marks));
    s.InstallOldCopy("3001");
    WriteFile(s.Backup(3) + "/INFO", "stray\n");
    const Tree copy = TreeOf(s.App());

    EXPECT_EQ(0, s.Run().exit_code);
    EXPECT_TRUE(SameTree(copy, TreeOf(s.App()))) << s.Log();
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
}

// A backup holding another user's folder cannot be removed by this user:
// each run says so once and leaves the running client and its copy alone.
TEST(Recovery, UnremovableBackupChangesNothingElse)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a folder of another user needs root to make";
    Sandbox s;
    s.InstallPackage(ClientPackage("3000", "new", s.marks));
    s.InstallOldCopy("3000");
    CopyExecutable("/bin/sleep", s.App() + "/bin/tidewell-backup-ui");
    WriteFile(s.marks, "");
    RunProcess({"chown", "-R", "65534:65534", s.home.path, s.tmp, s.marks});
    chmod(s.tree.path().c_str(), 0755);
    WriteFile(s.Backup(0) + "/root-owned/file", "not the user's\n"); // as root, after the hand-over
    ASSERT_EQ(0, chown(s.Backup(0).c_str(), 65534, 65534));
    const std::vector<std::string> as_user{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};

    std::vector<std::string> client = as_user;
    client.insert(client.end(), {s.App() + "/bin/tidewell-backup-ui", "120"});
    const pid_t client_pid = SpawnDetached(client);
    ASSERT_GT(client_pid, 0); // never kill(-1) below
    WriteFile(s.home.install() + "/ui.pid", "pid=" + std::to_string(client_pid) + "\n");
    const Tree copy = TreeOf(s.App());

    std::vector<std::string> launcher = as_user;
    launcher.push_back(s.pkg.launcher());
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        EXPECT_EQ(0, RunProcess(launcher, s.Env()).exit_code);
        EXPECT_EQ(run, CountLines(s.Log(), "[ERROR] tidewell-service(N): failed to remove backup '"))
            << s.Log();
        EXPECT_EQ(run, CountLines(s.Log(), "[ERROR]")) << s.Log();
        EXPECT_TRUE(ProcessAlive(client_pid)) << "the running client was stopped";
        EXPECT_TRUE(SameTree(copy, TreeOf(s.App())));
    }
    EXPECT_EQ((std::vector<std::string>{"old", "old"}), s.Starts());
    kill(client_pid, SIGKILL);
}

} // namespace
