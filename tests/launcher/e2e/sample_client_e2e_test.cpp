// The sample client package that integrators copy, run by the installed
// launcher: one client per copy however often the launcher runs, none left
// running from an upgraded copy's deleted files, and a "ui.pid" that only its
// own client removes and that a stale number in it cannot abuse.
#include "launcher_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tw_test;

namespace {

std::vector<std::string> Names(const std::string &folder)
{
    std::vector<std::string> names;
    if (DIR *dir = opendir(folder.c_str())) {
        while (struct dirent *e = readdir(dir))
            if (e->d_name[0] != '.')
                names.push_back(e->d_name);
        closedir(dir);
    }
    return names;
}

std::string ExeOf(pid_t pid)
{
    return ReadLink("/proc/" + std::to_string(pid) + "/exe");
}

int BuildOf(const std::string &info)
{
    const std::string key = "build_version=";
    const auto at = info.find(key);
    return at == std::string::npos ? 0 : atoi(info.c_str() + at + key.size());
}

std::string PidLine(pid_t pid)
{
    return "pid=" + std::to_string(pid) + "\n";
}

template <class Case> std::string Named(const ::testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

class SampleClientTest : public ::testing::Test {
protected:
    SampleClientTest() : pkg(tree.path()), home(tree.mkdir("home")), tmp(tree.mkdir("tmp"))
    {
        char real[PATH_MAX];
        // /proc shows resolved paths.
        if (realpath(home.path.c_str(), real))
            install = std::string(real) + "/.TidewellBackup";
        const std::string stage = StagedRoot();
        WriteFile(pkg.path("INFO"), ReadFile(stage + "/INFO"));
        pkg.InstallPackage(stage + "/package/tidewell.qpk");
    }

    // Whatever failed, no client outlives its test, nor does the unrelated process.
    ~SampleClientTest() override
    {
        for (pid_t pid : Clients())
            kill(pid, SIGKILL);
        EXPECT_TRUE(WaitUntil([&] { return Clients().empty(); }, 10)) << "a client survived SIGKILL";
        if (unrelated > 0) {
            kill(unrelated, SIGKILL);
            waitpid(unrelated, nullptr, 0);
        }
    }

    ProcessOptions Env() const { return LauncherEnv(home, tmp); }
    void Launch() const
    {
        const ProcessResult r = RunProcess({pkg.launcher()}, Env());
        EXPECT_EQ(r.exit_code, 0) << r.err;
    }
    ProcessResult Script(const std::string &command) const
    {
        return RunProcess({home.app() + "/package/start-stop", command}, Env());
    }
    // The package's build raised by one and repacked, as the demo does.
    void RaiseBuild() const
    {
        const ProcessResult r = RunProcess(
            {TW_CMAKE_COMMAND, "-DCLIENT=" TW_SAMPLE_CLIENT, "-DSCRIPT=" TW_SOURCE_DIR "/demo/start-stop",
             "-DBUILD=" + std::to_string(BuildOf(ReadFile(pkg.path("INFO"))) + 1), "-DOUT_DIR=" + pkg.root(),
             "-P", TW_SOURCE_DIR "/demo/pack.cmake"});
        ASSERT_EQ(r.exit_code, 0) << r.err;
    }

    std::string ClientPath() const { return install + "/Tidewell.app/bin/tidewell-backup-ui"; }
    std::string PidFile() const { return home.install() + "/ui.pid"; }
    // Every process whose program lies in the installation folder, deleted files included.
    std::vector<pid_t> Clients() const
    {
        std::vector<pid_t> pids;
        for (const std::string &name : Names("/proc")) {
            const pid_t pid = static_cast<pid_t>(atoi(name.c_str()));
            if (pid > 0 && !install.empty() && ExeOf(pid).rfind(install + "/", 0) == 0)
                pids.push_back(pid);
        }
        return pids;
    }
    // The one client, once ui.pid names it: the only program running from the
    // installation folder, and from the copy's current files; -1 otherwise.
    pid_t OnlyClient() const
    {
        std::vector<pid_t> pids;
        WaitUntil([&] { return (pids = Clients()).size() == 1 && ReadFile(PidFile()) == PidLine(pids[0]); },
                  10);
        EXPECT_EQ(pids.size(), 1u) << "programs running from " << install;
        if (pids.size() != 1)
            return -1;
        EXPECT_EQ(ExeOf(pids[0]), ClientPath()) << "not running from the copy's current files";
        EXPECT_EQ(ReadFile(PidFile()), PidLine(pids[0]));
        return pids[0];
    }
    bool AllEnded() const
    {
        return WaitUntil([&] { return Clients().empty(); });
    }

    TempTree tree;
    PackageInstall pkg;
    Home home;
    std::string tmp;
    std::string install;
    pid_t unrelated = -1;
};

struct Runs {
    const char *name;
    int runs;     // launcher runs on the same package
    bool upgrade; // then one more run after the package's build was raised
};

class RunsTest : public SampleClientTest, public ::testing::WithParamInterface<Runs> {};

TEST_P(RunsTest, ExactlyOneClientRunsFromTheCurrentCopy)
{
    for (int i = 0; i < GetParam().runs; ++i)
        Launch();
    if (GetParam().upgrade) {
        RaiseBuild();
        Launch();
    }
    EXPECT_EQ(BuildOf(ReadFile(home.app() + "/INFO")), BuildOf(ReadFile(pkg.path("INFO"))));
    EXPECT_GT(OnlyClient(), 0);
}

INSTANTIATE_TEST_SUITE_P(Launcher, RunsTest,
                         ::testing::Values(Runs{"ThreeRuns", 3, false}, Runs{"UpgradeAfterTwoRuns", 2, true}),
                         Named<Runs>);

struct Ending {
    const char *name;
    bool overwritten; // another instance recorded itself after this client
    bool by_script;   // ended by "start-stop stop" instead of a SIGTERM from here
};

class EndingTest : public SampleClientTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, ClientRemovesOnlyItsOwnPidFile)
{
    Launch();
    const pid_t client = OnlyClient();
    ASSERT_GT(client, 0);
    const std::string other = PidLine(getpid());
    if (GetParam().overwritten)
        WriteFile(PidFile(), other);
    if (GetParam().by_script)
        EXPECT_EQ(Script("stop").exit_code, 0);
    else
        kill(client, SIGTERM);
    ASSERT_TRUE(AllEnded());
    if (GetParam().overwritten)
        EXPECT_EQ(ReadFile(PidFile()), other);
    else
        EXPECT_FALSE(Exists(PidFile()));
    // The pid file is written beside itself and renamed: no temporary file is left.
    std::vector<std::string> left = Names(home.install());
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = {"Tidewell.app", "Tidewell.app.lock", "log"};
    if (GetParam().overwritten)
        expected.push_back("ui.pid");
    EXPECT_EQ(left, expected);
}

INSTANTIATE_TEST_SUITE_P(Client, EndingTest,
                         ::testing::Values(Ending{"AnotherInstanceWroteSince", true, false},
                                           Ending{"AloneEndedBySignal", false, false},
                                           Ending{"AloneStoppedByTheScript", false, true}),
                         Named<Ending>);

struct Stale {
    const char *name;
    const char *command; // of the start script, with ui.pid naming an unrelated live process
    bool starts;         // a client runs afterwards
};

class StaleTest : public SampleClientTest, public ::testing::WithParamInterface<Stale> {};

TEST_P(StaleTest, UnrelatedProcessIsNeverSignalled)
{
    Launch();
    const pid_t first = OnlyClient();
    ASSERT_GT(first, 0);
    kill(first, SIGTERM);
    ASSERT_TRUE(AllEnded());
    unrelated = SpawnProcess({"sleep", "600"});
    WriteFile(PidFile(), PidLine(unrelated));

    EXPECT_EQ(Script(GetParam().command).exit_code, 0);
    if (GetParam().starts) {
        EXPECT_GT(OnlyClient(), 0);
    } else {
        EXPECT_TRUE(Clients().empty());
        EXPECT_EQ(ReadFile(PidFile()), PidLine(unrelated));
    }
    // A signal sent by the script takes a moment to end it.
    const bool ended = WaitUntil([&] { return waitpid(unrelated, nullptr, WNOHANG) == unrelated; }, 1);
    EXPECT_FALSE(ended) << "the process named by a stale ui.pid was signalled";
    if (ended)
        unrelated = -1;
}

INSTANTIATE_TEST_SUITE_P(StartScript, StaleTest,
                         ::testing::Values(Stale{"StartStartsTheClient", "start", true},
                                           Stale{"StopStopsNothing", "stop", false}),
                         Named<Stale>);

} // namespace
