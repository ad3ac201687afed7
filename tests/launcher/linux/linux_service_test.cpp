// LinuxService run for real: INFO files, a per-user tree, the driver started
// from a package root, stand-in clients as real processes receiving signals.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "linux-service.h"
#include "service_test_support.h"

using namespace tw_test;

namespace {

std::string VersionInfo(const std::string &build, const std::string &icon = "1")
{
    return "[Version]\nmajor_version=2\nminor_version=4\nbuild_version=" + build +
           "\nicon_overlay_version=" + icon + "\n";
}

std::unique_ptr<Child> StartStandin(const std::string &exe, const std::string &pid_file,
                                    const std::string &on_term, const std::vector<std::string> &extra = {})
{
    std::vector<std::string> argv{exe};
    argv.insert(argv.end(), extra.begin(), extra.end());
    argv.insert(argv.end(), {"--pid-file", pid_file, "--on-term", on_term, "--lifetime", "30"});
    std::unique_ptr<Child> child(new Child(argv));
    EXPECT_TRUE(WaitForFile(pid_file)) << pid_file;
    return child;
}

bool EndedBy(int status, int sig)
{
    return WIFSIGNALED(status) && WTERMSIG(status) == sig;
}

bool ExitedCleanly(int status)
{
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every message of the service source, whatever its level.
int ServiceLines(const std::string &log, const std::string &tag)
{
    return CountLines(log, tag, "*");
}

} // namespace

// ---- Construction -------------------------------------------------------

namespace {

struct Peek : LinuxService {
    int Timeout() const { return timeout; }
    std::string Path() const { return per_user_install_path.c_str(); }
    std::string Build() const { return source_version.build_version.c_str(); }
};

} // namespace

TEST(LinuxServiceConstruction, SetsTimeoutAndPerUserPathFromHome)
{
    TempTree tree;
    setenv("HOME", tree.path().c_str(), 1);
    Peek service;
    EXPECT_EQ(10000, service.Timeout());
    EXPECT_EQ(tree.path() + "/.TidewellBackup/Tidewell.app", service.Path());
    EXPECT_EQ("", service.Build());
}

TEST(LinuxServiceConstruction, GetInstaceGivesOneInstanceToConcurrentFirstCalls)
{
    std::vector<std::thread> threads;
    std::vector<LinuxService *> seen(8, nullptr);
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = &LinuxService::GetInstace(); });
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(1u, std::set<LinuxService *>(seen.begin(), seen.end()).size());
    EXPECT_EQ(seen[0], &LinuxService::GetInstace());
}

// ---- The upgrade decision ----------------------------------------------

namespace {

struct DecisionCase {
    const char *name;
    const char *package_info; // nullptr: no package INFO
    const char *user_info;    // nullptr: no per-user INFO
    bool client_installed;
    const char *leftover; // a name beside Tidewell.app, or nullptr
    bool upgrade;
    const char *numbers; // "source, target" as the debug line shows them
};

std::ostream &operator<<(std::ostream &os, const DecisionCase &c)
{
    return os << c.name;
}

const std::string kV3000 = VersionInfo("3000");
const std::string kV3001 = VersionInfo("3001");

const DecisionCase kDecisionCases[] = {
    {"NoUserCopyNoPackageInfo", nullptr, nullptr, false, nullptr, true, "0, 0"},
    {"NoClientExecutableOverNewerUserBuild", kV3000.c_str(), kV3001.c_str(), false, nullptr, true,
     "3001, 3000"},
    {"EqualBuilds", kV3000.c_str(), kV3000.c_str(), true, nullptr, false, "3000, 3000"},
    {"NewerPackage", kV3001.c_str(), kV3000.c_str(), true, nullptr, true, "3000, 3001"},
    {"NoDowngrade", kV3000.c_str(), kV3001.c_str(), true, nullptr, false, "3001, 3000"},
    {"DigitsThenLetters", "[Version]\nbuild_version=3002abc\n", kV3000.c_str(), true, nullptr, true,
     "3000, 3002"},
    {"NoLeadingDigits", "[Version]\nbuild_version=abc\n", kV3000.c_str(), true, nullptr, false, "3000, 0"},
    {"PackageKeysOutsideVersion", "[General]\nbuild_version=3001\n[Other]\nbuild_version=3001\n",
     kV3000.c_str(), true, nullptr, false, "3000, 0"},
    {"UserKeysOutsideVersion", kV3000.c_str(), "build_version=3000\n[Versions]\nbuild_version=3000\n", true,
     nullptr, true, "0, 3000"},
    {"UserInfoMissing", "[Version]\nbuild_version=1\n", nullptr, true, nullptr, true, "0, 1"},
    {"UserInfoMissingPackageZero", "[Version]\nbuild_version=0\n", nullptr, true, nullptr, false, "0, 0"},
    {"LeadingBlanksAndSign", "[Version]\nbuild_version=\"  +3001\"\n", kV3000.c_str(), true, nullptr, true,
     "3000, 3001"},
    {"NegativePackage", "[Version]\nbuild_version=-5\n", nullptr, true, nullptr, false, "0, -5"},
    {"HugePackageSaturates", "[Version]\nbuild_version=99999999999\n", kV3000.c_str(), true, nullptr, true,
     "3000, 2147483647"},
    {"HugeBothEqual", "[Version]\nbuild_version=99999999999\n", "[Version]\nbuild_version=2147483647\n", true,
     nullptr, false, "2147483647, 2147483647"},
    {"HugeNegativeSaturates", "[Version]\nbuild_version=-99999999999\n", nullptr, true, nullptr, false,
     "0, -2147483648"},
    {"LeftoverBackup", kV3000.c_str(), kV3000.c_str(), true, "Tidewell.app_tmp", true, "3000, 3000"},
    {"LeftoverNinthBackup", kV3000.c_str(), kV3000.c_str(), true, "Tidewell.app_tmp9", true, "3000, 3000"},
    {"TenthNameIsNoBackup", kV3000.c_str(), kV3000.c_str(), true, "Tidewell.app_tmp10", false, "3000, 3000"},
    {"ZeroSuffixIsNoBackup", kV3000.c_str(), kV3000.c_str(), true, "Tidewell.app_tmp0", false, "3000, 3000"},
};

class DecisionTest : public ::testing::TestWithParam<DecisionCase> {};

} // namespace

TEST_P(DecisionTest, Decides)
{
    const DecisionCase &c = GetParam();
    ServiceSandbox box;
    if (c.package_info)
        box.WritePackageInfo(c.package_info);
    if (c.user_info)
        box.WriteUserInfo(c.user_info);
    if (c.client_installed)
        box.InstallClient();
    if (c.leftover)
        MakeDirs(box.InstallDir() + "/" + c.leftover + "/bin");

    ProcessResult r = box.Run("decide");
    ASSERT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ(c.upgrade ? "upgrade=1\n" : "upgrade=0\n", r.out);
    const std::string log = box.Log();
    std::string numbers = c.numbers;
    const std::string source = numbers.substr(0, numbers.find(','));
    const std::string target = numbers.substr(numbers.find(' ') + 1);
    EXPECT_EQ(1, CountLines(log, "DEBUG", "source version = " + source + ", target version = " + target))
        << log;
    const bool leftover_counts = c.leftover && c.upgrade;
    EXPECT_EQ(leftover_counts ? 1 : 0, ServiceLines(log, "NOTE")) << log;
    if (leftover_counts) {
        const std::string backup = box.InstallDir() + "/" + c.leftover;
        EXPECT_EQ(1,
                  CountLines(log, "NOTE",
                             "backup '" + backup + "' is left from an unfinished upgrade, upgrading again"))
            << log;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DecisionTest, ::testing::ValuesIn(kDecisionCases),
                         [](const ::testing::TestParamInfo<DecisionCase> &info) { return info.param.name; });

TEST(PreUpgrade, LogsBuildAndIconOverlayOfBothVersions)
{
    ServiceSandbox box;
    box.WritePackageInfo(VersionInfo("3001", "8"));
    box.WriteUserInfo(VersionInfo("3000", "7"));
    box.InstallClient();
    ASSERT_EQ(0, box.Run("decide").exit_code);
    const std::string log = box.Log();
    EXPECT_EQ(1, CountLines(log, "DEBUG", "Source version: ('3000', '7')")) << log;
    EXPECT_EQ(1, CountLines(log, "DEBUG", "Target version: ('3001', '8')")) << log;
}

TEST(PreUpgrade, SectionWithOnlyBuildVersionLeavesTheOtherFieldsEmpty)
{
    ServiceSandbox box;
    box.WritePackageInfo("[Version]\nbuild_version=3001\n");
    ASSERT_EQ(0, box.Run("decide").exit_code);
    const std::string log = box.Log();
    EXPECT_EQ(1, CountLines(log, "DEBUG", "Target version: ('3001', '')")) << log;
    EXPECT_EQ(1, CountLines(log, "DEBUG", "Source version: ('', '')")) << log;
}

// A launcher killed mid-upgrade leaves the new INFO and executable, and the
// old copy in the backup: the next run must finish the job.
TEST(Decision, CopyCutOffMidUpgradeIsRepaired)
{
    ServiceSandbox box;
    box.WritePackageInfo(kV3001);
    box.WriteUserInfo(kV3001);
    box.InstallClient();
    box.Tree().write("home/.TidewellBackup/Tidewell.app_tmp/INFO", kV3000);
    EXPECT_EQ("upgrade=1\n", box.Run("decide").out);
}

// ---- Stopping the client -----------------------------------------------

namespace {

class StopTest : public ::testing::Test {
protected:
    ServiceSandbox box;

    void RunStop(const ProcessOptions &opts = ProcessOptions())
    {
        ProcessResult r = box.Run("stop", opts);
        ASSERT_EQ(0, r.exit_code) << r.err;
        ASSERT_EQ("stopped\n", r.out);
    }

    std::string PidLine(pid_t pid) const { return "pid=" + std::to_string(pid) + "\n"; }
    std::string ReadyFile() const { return box.Tree() / "ready.pid"; }
};

} // namespace

TEST_F(StopTest, AbsentPidFileSendsNothing)
{
    RunStop();
    EXPECT_EQ(1, CountLines(box.Log(), "DEBUG",
                            "pid file '" + box.PidFile() + "' does not exist, no need to terminate"))
        << box.Log();
}

TEST_F(StopTest, BareNumberIsRejectedByTheReader)
{
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), ReadyFile(), "die");
    box.Tree().write("home/.TidewellBackup/ui.pid", std::to_string(client->pid()) + "\n");
    RunStop();
    EXPECT_EQ(1,
              CountLines(box.Log(), "NOTE", "Failed to read pid file '" + box.PidFile() + "', not exist ?"))
        << box.Log();
    EXPECT_TRUE(EndedBy(client->KillAndJoin(), SIGKILL)) << "the client received SIGTERM";
}

TEST_F(StopTest, FileWithoutPidKeySendsNothing)
{
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), ReadyFile(), "die");
    box.Tree().write("home/.TidewellBackup/ui.pid", "name=" + std::to_string(client->pid()) + "\n");
    RunStop();
    EXPECT_EQ(0, ServiceLines(box.Log(), "*")) << box.Log();
    EXPECT_TRUE(EndedBy(client->KillAndJoin(), SIGKILL)) << "the client received SIGTERM";
}

TEST_F(StopTest, ExitedProcessEndsTheStep)
{
    box.InstallClient();
    pid_t gone;
    {
        auto client = StartStandin(box.ClientPath(), box.PidFile(), "exit");
        gone = client->pid();
        client->KillAndJoin();
    }
    box.Tree().write("home/.TidewellBackup/ui.pid", PidLine(gone));
    RunStop();
    EXPECT_EQ(0, ServiceLines(box.Log(), "*")) << box.Log();
}

TEST_F(StopTest, ClientEndingOnSigtermIsStopped)
{
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), box.PidFile(), "exit");
    RunStop();
    EXPECT_TRUE(ExitedCleanly(client->Join())) << "not ended by SIGTERM";
    EXPECT_FALSE(Exists(box.PidFile()));
    EXPECT_EQ(0, ServiceLines(box.Log(), "*")) << box.Log();
}

TEST_F(StopTest, ClientIgnoringSigtermIsKilled)
{
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), box.PidFile(), "ignore");
    RunStop();
    EXPECT_TRUE(EndedBy(client->Join(), SIGKILL));
}

TEST_F(StopTest, ClientStartedThroughAnInterpreterIsStopped)
{
    const std::string interpreter = box.Tree() / "usr/bin/fake-python";
    CopyExecutable(TW_STANDIN_CLIENT, interpreter);
    box.Tree().write("home/.TidewellBackup/Tidewell.app/bin/ui-main.py", "# client\n");
    auto client = StartStandin(interpreter, box.PidFile(), "exit", {box.AppDir() + "/bin/ui-main.py"});
    RunStop();
    EXPECT_TRUE(ExitedCleanly(client->Join())) << "not ended by SIGTERM";
}

// /proc shows the resolved executable; HOME may name the folder through a link.
TEST_F(StopTest, ClientFoundThroughTheCanonicalFolder)
{
    const std::string real_home = box.Tree().mkdir("real home");
    box.Tree().symlink(real_home, "linked home");
    box.SetHome(box.Tree() / "linked home");
    const std::string real_client = real_home + "/.TidewellBackup/Tidewell.app/bin/tidewell-backup-ui";
    CopyExecutable(TW_STANDIN_CLIENT, real_client);
    // Started and writing through the real folder, so no argument names the linked one.
    auto client = StartStandin(real_client, real_home + "/.TidewellBackup/ui.pid", "exit");
    RunStop();
    EXPECT_TRUE(ExitedCleanly(client->Join())) << "not ended by SIGTERM";
}

TEST_F(StopTest, UnrelatedProcessOfTheUserSurvives)
{
    Child sleeper({"sleep", "60"});
    box.Tree().write("home/.TidewellBackup/ui.pid", PidLine(sleeper.pid()));
    RunStop();
    EXPECT_EQ(1, CountLines(box.Log(), "NOTE",
                            "pid " + std::to_string(sleeper.pid()) + " in '" + box.PidFile() +
                                "' runs no program from '" + box.InstallDir() + "', no signal sent"))
        << box.Log();
    EXPECT_TRUE(EndedBy(sleeper.KillAndJoin(), SIGKILL)) << "the unrelated process received a signal";
}

TEST_F(StopTest, ClientCopyOutsideTheInstallationSurvives)
{
    const std::string elsewhere = box.Tree() / "elsewhere/.TidewellBackup2/tidewell-backup-ui";
    CopyExecutable(TW_STANDIN_CLIENT, elsewhere);
    // Its pid file argument must not lie in the installation folder either.
    auto other = StartStandin(elsewhere, ReadyFile(), "die");
    box.Tree().write("home/.TidewellBackup/ui.pid", PidLine(other->pid()));
    RunStop();
    EXPECT_EQ(1, ServiceLines(box.Log(), "NOTE")) << box.Log();
    EXPECT_TRUE(EndedBy(other->KillAndJoin(), SIGKILL)) << "the other program received a signal";
}

TEST_F(StopTest, LauncherNeverSignalsItself)
{
    ProcessResult r = box.Run("stop-self");
    EXPECT_EQ(0, r.exit_code);
    EXPECT_EQ("alive\n", r.out);
    EXPECT_EQ(1, CountLines(box.Log(), "NOTE",
                            "pid * in '" + box.PidFile() + "' is the launcher itself, no signal sent"))
        << box.Log();
}

// Each value would reach the running client, or worse, through atol.
TEST_F(StopTest, InvalidPidValuesSendNothing)
{
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), ReadyFile(), "die");
    const std::string pid = std::to_string(client->pid());
    const std::string values[] = {
        "abc",
        "0",
        "-" + pid,
        pid + "abc",
        "+" + pid,
        "\"" + pid + " \"",
        std::to_string(4294967296LL + client->pid()), // cut to 32 bits: the client's id
        "4294967297",                                 // cut to 32 bits: init
    };
    for (const std::string &value : values) {
        SCOPED_TRACE(value);
        box.Tree().write("home/.TidewellBackup/ui.pid", "pid=" + value + "\n");
        RunStop();
    }
    const std::string log = box.Log();
    for (const std::string &value : values) {
        std::string shown = value[0] == '"' ? value.substr(1, value.size() - 2) : value;
        EXPECT_EQ(1, CountLines(log, "NOTE",
                                "pid file '" + box.PidFile() + "' holds no valid process id '" + shown +
                                    "', no signal sent"))
            << value << "\n"
            << log;
    }
    EXPECT_EQ(8, ServiceLines(log, "NOTE"));
    EXPECT_TRUE(EndedBy(client->KillAndJoin(), SIGKILL)) << "the client received SIGTERM";
}

// A client that is a script started from its own copy names itself only by a
// relative path; a program that merely works in the copy names nothing there.
TEST_F(StopTest, ClientStartedByARelativePathIsStoppedAndNothingElse)
{
    WriteScriptClient(box.ClientPath());
    const struct {
        const char *name;
        std::vector<std::string> argv;
        bool client;
    } cases[] = {
        {"script by its path", {"./bin/tidewell-backup-ui", box.PidFile()}, true},
        {"script through sh", {"sh", "bin/tidewell-backup-ui", box.PidFile()}, true},
        {"bare words", {"sleep", "30"}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        unlink(box.PidFile().c_str());
        ProcessOptions opts;
        opts.cwd = box.AppDir();
        Child process(c.argv, opts);
        if (c.client) {
            ASSERT_TRUE(WaitForFile(box.PidFile()));
        } else {
            ASSERT_TRUE(WaitForExec(process.pid()));
            box.Tree().write("home/.TidewellBackup/ui.pid", PidLine(process.pid()));
        }
        RunStop();
        if (c.client)
            EXPECT_TRUE(ExitedCleanly(process.Join())) << "not ended by SIGTERM";
        else
            EXPECT_TRUE(EndedBy(process.KillAndJoin(), SIGKILL)) << "the process received a signal";
    }
}

// Ended but not reaped by its parent (here the test): nothing is left to wait for.
TEST_F(StopTest, ZombieClientGetsSigtermOnly)
{
    box.InstallClient();
    const pid_t client = SpawnProcess({box.ClientPath(), "--pid-file", box.PidFile(), "--lifetime", "30"});
    ASSERT_TRUE(WaitForFile(box.PidFile()));
    kill(client, SIGKILL);
    siginfo_t info;
    ASSERT_EQ(0, waitid(P_PID, static_cast<id_t>(client), &info, WEXITED | WNOWAIT));
    SignalLog signals(box.Tree() / "signals.log");
    RunStop(signals.Options());
    waitpid(client, nullptr, 0);
    EXPECT_EQ(std::vector<int>{SIGTERM}, signals.SentTo(client));
}

// ---- The upgrade step's stop part --------------------------------------

TEST(HandlePackageUpgrade, StopsTheRunningClientFirst)
{
    ServiceSandbox box;
    box.WriteUserInfo(kV3000);
    box.InstallClient();
    auto client = StartStandin(box.ClientPath(), box.PidFile(), "exit");
    ProcessResult r = box.Run("handle");
    ASSERT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ("result=-1\n", r.out) << "the package has no archive";
    EXPECT_TRUE(ExitedCleanly(client->Join())) << "not ended by SIGTERM";
    EXPECT_EQ(1, CountLines(box.Log(), "DEBUG", "local appdata exist")) << box.Log();
}

TEST(HandlePackageUpgrade, WithoutClientExecutableStopsNothing)
{
    ServiceSandbox box;
    const std::string old_client = box.InstallDir() + "/old/tidewell-backup-ui";
    CopyExecutable(TW_STANDIN_CLIENT, old_client);
    auto client = StartStandin(old_client, box.PidFile(), "die");
    ProcessResult r = box.Run("handle");
    ASSERT_EQ(0, r.exit_code) << r.err;
    const std::string log = box.Log();
    EXPECT_EQ(0, CountLines(log, "DEBUG", "local appdata exist")) << log;
    EXPECT_EQ(0, CountLines(log, "*", "pid *")) << log;
    EXPECT_TRUE(EndedBy(client->KillAndJoin(), SIGKILL)) << "the client received SIGTERM";
}

// ---- Starting the client -----------------------------------------------

namespace {

// Records how it was called; the marker appears only as its last act.
const char kRecordingScript[] =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/started\"\n"
    "{ printf '%s\\n' \"$0\" \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; }"
    " > \"$out.tmp\"\n"
    "sleep 0.2\n"
    "mv \"$out.tmp\" \"$out\"\n";

} // namespace

TEST(PostUpgrade, RunsStartScriptWithStartFromPathWithBlanksAndQuote)
{
    ServiceSandbox box("Ann O'Lee \"home\"");
    box.Tree().write("Ann O'Lee \"home\"/.TidewellBackup/Tidewell.app/package/start-stop", kRecordingScript,
                     0755);
    ProcessResult r = box.Run("post");
    ASSERT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ("started\n", r.out);
    const std::string marker = box.AppDir() + "/package/started";
    ASSERT_TRUE(Exists(marker)) << "returned before the script finished, or the script never ran";
    EXPECT_EQ(box.AppDir() + "/package/start-stop\n1\n[start]\n", ReadFile(marker));
    EXPECT_EQ(0, ServiceLines(box.Log(), "*")) << box.Log();
}

TEST(PostUpgrade, MissingOrFailingScriptChangesNothingElse)
{
    const struct {
        const char *name;
        const char *script; // nullptr: none
        mode_t mode;
    } cases[] = {
        {"missing", nullptr, 0755},
        {"failing", "#!/bin/sh\nexit 7\n", 0755},
        {"not executable", "#!/bin/sh\nexit 0\n", 0644},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ServiceSandbox box;
        if (c.script)
            box.Tree().write("home/.TidewellBackup/Tidewell.app/package/start-stop", c.script, c.mode);
        ProcessResult r = box.Run("post");
        EXPECT_EQ(0, r.exit_code) << r.err;
        EXPECT_EQ("started\n", r.out);
        EXPECT_EQ(0, ServiceLines(box.Log(), "*")) << box.Log();
    }
}

// ---- Levels and component ----------------------------------------------

TEST(ServiceLog, MessagesFollowTheServiceComponentLevel)
{
    const struct {
        const char *levels;
        int debug_lines;
        int note_lines;
    } cases[] = {
        {"service_debug=7\n", 3, 1},
        {"service_debug=5\n", 0, 1},
        {"service_debug=4\n", 0, 0},
        {"launcher_debug=7\nextractor_debug=7\n", 0, 0},
        {"", 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.levels);
        ServiceSandbox box;
        box.WriteLevels(c.levels);
        box.WritePackageInfo(kV3000);
        box.WriteUserInfo(kV3000);
        box.InstallClient();
        MakeDirs(box.InstallDir() + "/Tidewell.app_tmp");
        ASSERT_EQ("upgrade=1\n", box.Run("decide").out);
        const std::string log = box.Log();
        EXPECT_EQ(c.debug_lines, ServiceLines(log, "DEBUG")) << log;
        EXPECT_EQ(c.note_lines, ServiceLines(log, "NOTE")) << log;
    }
}
