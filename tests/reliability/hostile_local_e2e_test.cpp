// Hostile local files around the installed launcher: junk and huge INFO files,
// odd "ui.pid" files, a broken level file, the per-user folders replaced by
// files or links, and folders the user cannot read or write. The launcher
// never crashes, never signals a process that is not the client, never
// follows a link out of the per-user tree when it removes folders, and exits 0.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

const char *const kUiPid = "home/.TidewellBackup/ui.pid";

// A stand-in process, detached like a client that its start script put in the
// background, so that it does not linger as our zombie once signalled. With
// "exit" it removes its pid file on SIGTERM; with "die" SIGTERM ends it.
class Standin {
public:
    Standin(const std::string &exe, const std::string &pid_file, const std::string &on_term,
            const std::vector<std::string> &extra = {})
        : m_pid_file(pid_file)
    {
        CopyExecutable(TW_STANDIN_CLIENT, exe);
        std::vector<std::string> argv{exe, "--pid-file", pid_file, "--on-term", on_term, "--lifetime", "120"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        m_pid = SpawnDetached(argv);
        m_ready = m_pid > 0 && WaitUntil([&] { return Exists(pid_file); }, 60);
    }
    ~Standin()
    {
        if (m_pid > 0 && ProcessAlive(m_pid))
            kill(m_pid, SIGKILL);
    }
    pid_t pid() const { return m_pid; }
    bool ready() const { return m_ready; }
    bool Alive() const { return ProcessAlive(m_pid); }
    // Ended through its SIGTERM handler, which removes the pid file.
    bool StoppedBySigterm() const { return WaitGone(m_pid, 30) && !Exists(m_pid_file); }

private:
    std::string m_pid_file;
    pid_t m_pid = -1;
    bool m_ready = false;
};

// What a run must end with.
enum class Result {
    Upgraded,   // the new copy, complete, is started
    OldStarted, // the old copy is untouched and started
    NoCopy,     // there is no copy to start; nothing may change
};

struct Local {
    Sandbox s;
    ClientPackage package{"3000", "new", s.marks};
    std::vector<std::string> extra_skip; // also not part of the outside snapshot
    // Changes the outside snapshot taken before the run may rightly show after it.
    std::function<void(Tree &)> outside_changes;
    std::string copy_path; // where the copy lies (through a link, say); App() by default
    std::vector<std::string> run_prefix;
};

struct LocalCase {
    const char *name;
    std::function<void(Local &)> setup;
    Result result;
    // Further checks after the run (processes, log lines).
    std::function<void(Local &, const ProcessResult &)> check;
};

void PrintTo(const LocalCase &c, std::ostream *os)
{
    *os << c.name;
}

std::string InfoWithBuild(const std::string &build)
{
    return "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
           "\nicon_overlay_version=1\n";
}

std::shared_ptr<Standin> g_standin; // the stand-in of the running case

void StartStandin(Local &l, const std::string &exe, const std::string &on_term,
                  const std::vector<std::string> &extra = {})
{
    const std::string pid_file = l.s.tmp + "/standin.pid";
    g_standin = std::make_shared<Standin>(exe, pid_file, on_term, extra);
    ASSERT_TRUE(g_standin->ready());
    WriteFile(l.s.tree / kUiPid, "pid=" + std::to_string(g_standin->pid()) + "\n");
}

void MakePipe(const std::string &path)
{
    unlink(path.c_str());
    ASSERT_EQ(0, mkfifo(path.c_str(), 0644)) << path;
}

void ExpectNoDebugLines(Local &l, const ProcessResult &)
{
    EXPECT_EQ(0, CountLines(l.s.Log(), "[DEBUG]")) << l.s.Log();
}

// A folder elsewhere, with the old copy's shape, that nothing may touch.
std::string Elsewhere(Local &l)
{
    const std::string dir = l.s.tree / "elsewhere";
    WriteFile(dir + "/INFO", InfoWithBuild("2000"));
    WriteFile(dir + "/bin/tidewell-backup-ui", "#!/bin/sh\nexit 0\n", 0755);
    WriteFile(dir + "/package/start-stop", "#!/bin/sh\necho elsewhere >> '" + l.s.marks + "'\n", 0755);
    WriteFile(dir + "/precious", "keep me\n");
    return dir;
}

const LocalCase kLocalCases[] = {
    // ------------------------------------------------------------ INFO files
    {"UserInfoOfBinaryJunk", [](Local &l) { WriteFile(l.s.App() + "/INFO", RandomBytes(4096, 31)); },
     Result::Upgraded, nullptr},
    {"UserInfoOf10MB",
     [](Local &l) {
         WriteFile(l.s.App() + "/INFO", InfoWithBuild("3000") + "pad=" + std::string(10 << 20, 'x') + "\n");
     },
     Result::OldStarted, nullptr},
    {"PackageInfoOfBinaryJunk", [](Local &l) { WriteFile(l.s.pkg.path("INFO"), RandomBytes(4096, 32)); },
     Result::OldStarted, nullptr},
    {"PackageInfoOf10MB",
     [](Local &l) {
         WriteFile(l.s.pkg.path("INFO"), InfoWithBuild("3000") + "pad=" + std::string(10 << 20, '\x01') +
                                             "\n" + RandomBytes(4096, 3));
     },
     Result::Upgraded, nullptr},
    // ------------------------------------------------------------ ui.pid
    {"UiPidOf10MB",
     [](Local &l) { WriteFile(l.s.tree / kUiPid, "pid=" + std::string(10 << 20, '7') + "\n"); },
     Result::Upgraded, nullptr},
    {"UiPidOfBinaryJunk", [](Local &l) { WriteFile(l.s.tree / kUiPid, RandomBytes(65536, 33)); },
     Result::Upgraded, nullptr},
    {"UiPidIsAFolder",
     [](Local &l) {
         MakeDirs(l.s.tree / kUiPid);
         WriteFile(l.s.tree / kUiPid + "/pid", "pid=1\n");
     },
     Result::Upgraded, nullptr},
    // A pipe would block a reader for good, a device feed one without end.
    {"UiPidIsAPipe", [](Local &l) { MakePipe(l.s.tree / kUiPid); }, Result::Upgraded, nullptr},
    {"UiPidLinksToADevice", [](Local &l) { ASSERT_EQ(0, symlink("/dev/zero", (l.s.tree / kUiPid).c_str())); },
     Result::Upgraded, nullptr},
    {"UserInfoIsAPipe", [](Local &l) { MakePipe(l.s.App() + "/INFO"); }, Result::Upgraded, nullptr},
    {"PackageInfoIsAPipe", [](Local &l) { MakePipe(l.s.pkg.path("INFO")); }, Result::OldStarted, nullptr},
    {"LevelFileIsAPipe", [](Local &l) { MakePipe(l.s.pkg.path("log/launcher.debug")); }, Result::Upgraded,
     ExpectNoDebugLines},
    {"UiPidNamesAnUnrelatedProcess", [](Local &l) { StartStandin(l, l.s.tree / "unrelated/viewer", "die"); },
     Result::Upgraded,
     [](Local &, const ProcessResult &) {
         EXPECT_TRUE(g_standin->Alive()) << "an unrelated process was signalled";
     }},
    // A viewer of the launcher's own log (think `tail -f`) is not the client,
    // though an argument of it lies in the per-user folder.
    {"UiPidNamesAViewerOfTheLog",
     [](Local &l) { StartStandin(l, l.s.tree / "unrelated/tail", "die", {l.s.home.log()}); },
     Result::Upgraded,
     [](Local &, const ProcessResult &) {
         EXPECT_TRUE(g_standin->Alive()) << "the log viewer was signalled";
     }},
    {"UiPidNamesTheRunningClient",
     [](Local &l) { StartStandin(l, l.s.App() + "/bin/tidewell-backup-ui", "exit"); }, Result::Upgraded,
     [](Local &, const ProcessResult &) { EXPECT_TRUE(g_standin->StoppedBySigterm()); }},
    {"UiPidNamesTheLauncherItself",
     [](Local &l) {
         // The shell writes its own id, then becomes the launcher.
         l.run_prefix = {"/bin/sh", "-c", "echo pid=$$ > \"$1\"; exec \"$2\"", "sh", l.s.tree / kUiPid};
         l.extra_skip = {kUiPid};
     },
     Result::Upgraded,
     [](Local &l, const ProcessResult &r) {
         EXPECT_EQ(0, r.term_signal);
         EXPECT_EQ(1, CountLines(l.s.Log(), "is the launcher itself, no signal sent")) << l.s.Log();
     }},
    // ------------------------------------------------------------ level file
    {"LevelFileWithALineOf8192Bytes",
     [](Local &l) {
         l.s.pkg.WriteLevels("launcher_debug=7\nservice_debug=7\nk=" + std::string(8190, 'v') + "\n");
     },
     Result::Upgraded, ExpectNoDebugLines},
    {"LevelFileWithInvalidLines",
     [](Local &l) { l.s.pkg.WriteLevels("launcher_debug=7\nthis is no level line\nservice_debug=7\n"); },
     Result::Upgraded, ExpectNoDebugLines},
    {"LevelFileOfBinaryJunk", [](Local &l) { l.s.pkg.WriteLevels(RandomBytes(8192, 34)); }, Result::Upgraded,
     ExpectNoDebugLines},
    {"LevelFileWithTheLongestLine",
     [](Local &l) { l.s.pkg.WriteLevels("launcher_debug=7\nk=" + std::string(8189, 'v') + "\n"); },
     Result::Upgraded,
     [](Local &l, const ProcessResult &) {
         EXPECT_EQ(1, CountLines(l.s.Log(), "[DEBUG] launcher(N): done"));
     }},
    // ------------------------------------------------------------ per-user folders
    {"InstallFolderIsAFile",
     [](Local &l) {
         RemoveTree(l.s.home.install());
         WriteFile(l.s.home.install(), "not a folder\n");
     },
     Result::NoCopy, nullptr},
    {"InstallFolderIsALinkElsewhere",
     [](Local &l) {
         const std::string real = l.s.tree / "other-disk/TidewellBackup";
         MakeDirs(l.s.tree / "other-disk");
         ASSERT_EQ(0, rename(l.s.home.install().c_str(), real.c_str()));
         ASSERT_EQ(0, symlink(real.c_str(), l.s.home.install().c_str()));
         l.extra_skip = {"other-disk/TidewellBackup/Tidewell.app", "other-disk/TidewellBackup/log",
                         "other-disk/TidewellBackup/.run"};
         l.copy_path = real + "/Tidewell.app";
     },
     Result::Upgraded, nullptr},
    {"AppFolderIsAFile",
     [](Local &l) {
         RemoveTree(l.s.App());
         WriteFile(l.s.App(), "not a folder\n");
     },
     Result::Upgraded, nullptr},
    {"AppFolderIsALinkElsewhere",
     [](Local &l) {
         const std::string elsewhere = Elsewhere(l);
         RemoveTree(l.s.App());
         ASSERT_EQ(0, symlink(elsewhere.c_str(), l.s.App().c_str()));
     },
     Result::Upgraded, nullptr},
    {"LeftoverBackupIsALinkElsewhere",
     [](Local &l) {
         const std::string elsewhere = Elsewhere(l);
         ASSERT_EQ(0, symlink(elsewhere.c_str(), l.s.Backup(0).c_str()));
     },
     Result::Upgraded, nullptr},
    {"AgedAppFolderIsALinkElsewhere",
     [](Local &l) {
         const std::string elsewhere = Elsewhere(l);
         ASSERT_EQ(0, symlink(elsewhere.c_str(), (l.s.home.install() + "/app").c_str()));
         l.outside_changes = [](Tree &t) { t.erase("home/.TidewellBackup/app"); };
     },
     Result::Upgraded, nullptr},
    {"LinksInsideTheOldCopy",
     [](Local &l) {
         const std::string elsewhere = Elsewhere(l);
         ASSERT_EQ(0, symlink(elsewhere.c_str(), (l.s.App() + "/data/folder-link").c_str()));
         ASSERT_EQ(0, symlink((elsewhere + "/precious").c_str(), (l.s.App() + "/data/file-link").c_str()));
     },
     Result::Upgraded, nullptr},
};

class HostileLocalTest : public ::testing::TestWithParam<LocalCase> {
protected:
    void TearDown() override { g_standin.reset(); }
};

TEST_P(HostileLocalTest, RunsToTheEndAndTouchesNothingElse)
{
    const LocalCase &c = GetParam();
    Local l;
    l.s.VerboseLevels();
    l.s.InstallOldCopy("2000");
    l.s.InstallPackage(l.package);
    c.setup(l);
    if (::testing::Test::HasFatalFailure())
        return;
    const std::string copy = l.copy_path.empty() ? l.s.App() : l.copy_path;
    const Tree old_copy = TreeOf(copy);
    std::vector<std::string> skip = Sandbox::OutsideSkips();
    skip.insert(skip.end(), l.extra_skip.begin(), l.extra_skip.end());
    Tree outside = TreeOfExcept(l.s.tree.path(), skip);
    if (l.outside_changes)
        l.outside_changes(outside);

    std::vector<std::string> argv = l.run_prefix;
    argv.push_back(l.s.pkg.launcher());
    ProcessResult r = RunProcess(argv, l.s.Env());
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ(0, r.term_signal);
    EXPECT_TRUE(SameTree(outside, TreeOfExcept(l.s.tree.path(), skip)));
    switch (c.result) {
    case Result::Upgraded:
        EXPECT_TRUE(SameTree(l.package.Expected(), TreeOf(copy))) << l.s.Log();
        EXPECT_EQ(std::vector<std::string>{"new"}, l.s.Starts());
        break;
    case Result::OldStarted:
        EXPECT_TRUE(SameTree(old_copy, TreeOf(copy)));
        EXPECT_EQ(std::vector<std::string>{"old"}, l.s.Starts());
        break;
    case Result::NoCopy:
        EXPECT_EQ(std::vector<std::string>{}, l.s.Starts());
        break;
    }
    for (int n = 0; n <= 9; ++n)
        EXPECT_FALSE(Exists(copy + "_tmp" + (n ? std::to_string(n) : "")));
    if (c.check)
        c.check(l, r);
}

INSTANTIATE_TEST_SUITE_P(Local, HostileLocalTest, ::testing::ValuesIn(kLocalCases),
                         [](const ::testing::TestParamInfo<LocalCase> &info) { return info.param.name; });

// "ui.pid" naming process 1: run in a private PID namespace whose process 1
// is a shell that records every signal it receives (the real process 1 of the
// machine must never be the test's target).
TEST(UiPidNamesProcessOne, NoSignalReachesIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a private PID namespace needs root";
    Sandbox s;
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    s.InstallPackage(ClientPackage("3000", "new", s.marks));
    const std::string signals = s.tmp + "/signals";
    const char *script =
        "for sig in TERM KILL HUP INT USR1 USR2 QUIT; do trap \"echo $sig >> '$3'\" $sig; done\n"
        "echo pid=$$ > \"$1\"\n"
        "\"$2\" &\n"
        "child=$!\n"
        "while :; do wait $child; rc=$?; kill -0 $child 2>/dev/null || break; done\n"
        "echo launcher=$rc >> \"$3\"\n";
    ProcessResult r = RunProcess({"unshare", "--pid", "--fork", "--mount-proc", "/bin/sh", "-c", script, "sh",
                                  s.tree / kUiPid, s.pkg.launcher(), signals},
                                 s.Env());
    if (r.exit_code != 0 && !Exists(signals))
        GTEST_SKIP() << "no private PID namespace here: " << r.err;
    EXPECT_EQ("pid=1\n", ReadFile(s.tree / kUiPid));
    EXPECT_EQ("launcher=0\n", ReadFile(signals)) << "process 1 was signalled";
    EXPECT_TRUE(SameTree(ClientPackage("3000", "new", s.marks).Expected(), TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
    EXPECT_EQ(1, CountLines(s.Log(), "pid 1 in '")) << s.Log();
}

// ---------------------------------------------------------------- permissions

const uid_t kNobody = 65534;

// Folders the user cannot read or write are only such for an unprivileged
// user: these runs drop to uid and gid 65534, with the sandbox handed over.
struct PermissionCase {
    const char *name;
    std::function<void(Sandbox &)> revoke; // run after the hand-over
    Result result;
    std::function<void(Sandbox &)> check;
    const char *removed; // a path that rightly leaves the outside snapshot, or nullptr
};

void PrintTo(const PermissionCase &c, std::ostream *os)
{
    *os << c.name;
}

void ChownTree(const std::string &path)
{
    RunProcess({"chown", "-R", "-h", "65534:65534", path});
}

const PermissionCase kPermissionCases[] = {
    // Not even the installation record can be written: nothing is touched,
    // the old copy stays and is started.
    {"InstallFolderNotWritable", [](Sandbox &s) { chmod(s.home.install().c_str(), 0555); },
     Result::OldStarted,
     [](Sandbox &s) {
         const std::string log = s.Log();
         EXPECT_EQ(1, CountLines(log, "[ERROR] install_record(N): failed to write installation record"))
             << log;
         EXPECT_EQ(0, CountLines(log, "failed to backup app from")) << log;
     },
     nullptr},
    {"InstallFolderUnreadable", [](Sandbox &s) { chmod(s.home.install().c_str(), 0); }, Result::NoCopy,
     nullptr, nullptr},
    // The old copy's folders, however locked by their owner, go with the backup:
    // a backup left behind would make every later run upgrade again.
    {"AppFolderUnreadable", [](Sandbox &s) { chmod(s.App().c_str(), 0); }, Result::Upgraded, nullptr,
     nullptr},
    {"AppSubfolderUnreadable", [](Sandbox &s) { chmod((s.App() + "/data").c_str(), 0); }, Result::Upgraded,
     nullptr, nullptr},
    {"AppSubfolderReadOnly", [](Sandbox &s) { chmod((s.App() + "/data").c_str(), 0555); }, Result::Upgraded,
     nullptr, nullptr},
    {"LogFolderNotWritable", [](Sandbox &s) { chmod((s.home.install() + "/log").c_str(), 0555); },
     Result::Upgraded, nullptr, nullptr},
    {"AgedAppFolderReadOnly",
     [](Sandbox &s) {
         WriteFile(s.home.install() + "/app/stuck/file", "x");
         ChownTree(s.home.install() + "/app");
         chmod((s.home.install() + "/app/stuck").c_str(), 0555);
     },
     Result::Upgraded, [](Sandbox &s) { EXPECT_FALSE(Exists(s.home.install() + "/app")); },
     "home/.TidewellBackup/app"},
    // A folder of another user inside cannot be removed: the run goes on.
    {"AgedAppFolderHoldsAnotherUsersFolder",
     [](Sandbox &s) {
         WriteFile(s.home.install() + "/app/stuck/file", "x");
         ASSERT_EQ(0, chown((s.home.install() + "/app").c_str(), kNobody, kNobody));
     },
     Result::Upgraded, [](Sandbox &s) { EXPECT_TRUE(Exists(s.home.install() + "/app/stuck/file")); },
     nullptr},
};

class PermissionTest : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(PermissionTest, RunsToTheEndAsAnUnprivilegedUser)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand the sandbox to an unprivileged user";
    if (RunProcess({"setpriv", "--version"}).exit_code != 0)
        GTEST_SKIP() << "setpriv is not available";
    const PermissionCase &c = GetParam();
    Sandbox s;
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    const ClientPackage package("3000", "new", s.marks);
    s.InstallPackage(package);
    MakeDirs(s.home.install() + "/log");
    WriteFile(s.marks, "");
    chmod(s.tree.path().c_str(), 0755);
    ChownTree(s.home.path);
    ChownTree(s.tmp);
    ChownTree(s.marks);
    c.revoke(s);
    const Tree old_copy = TreeOf(s.App());
    Tree outside = s.Outside();
    if (c.removed)
        for (auto it = outside.begin(); it != outside.end();)
            it = it->first.rfind(c.removed, 0) == 0 ? outside.erase(it) : std::next(it);

    ProcessResult r = RunProcess(
        {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", s.pkg.launcher()}, s.Env());
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ(0, r.term_signal);
    // Seen as root again: the folders are readable for the checks.
    chmod(s.home.install().c_str(), 0755);
    EXPECT_TRUE(SameTree(outside, s.Outside()));
    switch (c.result) {
    case Result::Upgraded:
        EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App()))) << s.Log();
        EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
        break;
    case Result::OldStarted:
        EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App())));
        EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
        break;
    case Result::NoCopy:
        EXPECT_EQ(std::vector<std::string>{}, s.Starts());
        break;
    }
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    if (c.check)
        c.check(s);
}

INSTANTIATE_TEST_SUITE_P(Permissions, PermissionTest, ::testing::ValuesIn(kPermissionCases),
                         [](const ::testing::TestParamInfo<PermissionCase> &info) {
                             return info.param.name;
                         });

} // namespace
