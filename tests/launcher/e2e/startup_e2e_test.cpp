// Start-up of the installed launcher: the plug-in path line, the user's log,
// the single-instance rule and its private rendezvous folder, and the ways a
// session may start it (a link, a bare name, no display, an unread output).
#include "launcher_runner.h"
#include "start_conditions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <functional>
#include <map>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

using namespace tw_test;

namespace {

std::vector<std::string> ListFolder(const std::string &path)
{
    std::vector<std::string> names;
    if (DIR *dir = opendir(path.c_str())) {
        while (struct dirent *e = readdir(dir)) {
            std::string name = e->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

bool HasLockFile(const std::string &folder)
{
    for (const std::string &name : ListFolder(folder))
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".lock") == 0)
            return true;
    return false;
}

std::string LastLine(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text.substr(text.rfind('\n') + 1); // npos + 1 is 0: a single line
}

const char *const kDebugLevels = "launcher_debug=7\nservice_debug=4\nextractor_debug=4\nfile_op_debug=4\n";

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : pkg(tree.path()), home(tree.mkdir("home")), tmp(tree.mkdir("tmp")), marks(tree / "marks")
    {
        pkg.WriteInfo("3000");
    }

    ProcessOptions Env() const { return LauncherEnv(home, tmp); }
    ProcessResult Run(const ProcessOptions &opts) const { return RunProcess({pkg.launcher()}, opts); }
    int Marks() const { return CountLines(ReadFile(marks), "start"); }

    // A client package in the package installation, for a first installation.
    void InstallClientPackage(const std::string &start_script) const
    {
        pkg.InstallPackage(WriteClientPackage(tree / "client.qpk", "3000", start_script));
    }
    bool CopyInstalled(const Home &h) const
    {
        return ReadFile(h.app() + "/INFO") == ReadFile(pkg.path("INFO"));
    }

    TempTree tree;
    PackageInstall pkg;
    Home home;
    std::string tmp;
    std::string marks;
};

TEST_F(StartupTest, PrintsPluginPathOnceCreatesLogAndStartsClient)
{
    InstallUserCopy(home, "3000", marks);
    ProcessResult r = Run(Env());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "lib path = '" + pkg.root() + "/lib/plugins'\n");
    EXPECT_TRUE(Exists(home.log()));
    EXPECT_EQ(Marks(), 1);
}

TEST_F(StartupTest, PluginPathFollowsTheInvocationTextually)
{
    InstallUserCopy(home, "3000", marks);
    // Relative path: the folder is relative to the current directory.
    ProcessOptions opts = Env();
    opts.cwd = pkg.path("bin");
    ProcessResult rel = RunProcess({"./tidewell-launcher"}, opts);
    EXPECT_EQ(rel.exit_code, 0) << rel.err;
    EXPECT_EQ(rel.out, "lib path = '../lib/plugins'\n");

    // A bare name found on PATH: lib/plugins below the current directory's parent.
    ProcessOptions bare = Env();
    bare.cwd = pkg.path("bin");
    bare.env["PATH"] = pkg.path("bin") + ":/usr/bin:/bin";
    ProcessResult r = RunProcess({"tidewell-launcher"}, bare);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "lib path = '../lib/plugins'\n");
    EXPECT_EQ(Marks(), 2);
}

TEST_F(StartupTest, SecondLauncherOfTheSameUserLogsOneLineAndLeaves)
{
    const std::string release = tree / "release";
    InstallUserCopy(home, "3000", marks, release);
    pkg.WriteLevels(kDebugLevels);
    pid_t first = SpawnProcess({pkg.launcher()}, Env());
    ASSERT_TRUE(WaitUntil([&] { return Marks() == 1; })) << "first launcher never ran its start script";

    ProcessResult second = Run(Env());
    EXPECT_EQ(second.exit_code, 0);
    EXPECT_EQ(second.out, "lib path = '" + pkg.root() + "/lib/plugins'\n");
    EXPECT_TRUE(std::regex_search(
        ReadFile(home.log()), std::regex(R"(\[DEBUG\] main\(\d+\): app has already launched, return\n)")));

    // At the default levels the refused start leaves no trace at all.
    pkg.WriteLevels("launcher_debug=4\n");
    const std::string before = ReadFile(home.log());
    EXPECT_EQ(Run(Env()).exit_code, 0);
    EXPECT_EQ(ReadFile(home.log()), before);

    WriteFile(release, "");
    EXPECT_EQ(WaitProcess(first), 0);
    EXPECT_EQ(Marks(), 1);
}

TEST_F(StartupTest, InstanceOfAKilledLauncherIsTakenOver)
{
    const std::string release = tree / "release";
    InstallUserCopy(home, "3000", marks, release);
    pid_t first = SpawnProcess({pkg.launcher()}, Env());
    ASSERT_TRUE(WaitUntil([&] { return Marks() == 1; }));
    kill(first, SIGKILL);
    WaitProcess(first);
    WriteFile(release, "");

    ProcessResult next = Run(Env());
    EXPECT_EQ(next.exit_code, 0) << next.err;
    EXPECT_EQ(Marks(), 2) << "a lock left by a killed launcher must not be obeyed";
}

TEST_F(StartupTest, LaunchersStartedTogetherLetExactlyOneProceed)
{
    const std::string release = tree / "release";
    InstallUserCopy(home, "3000", marks, release);
    pkg.WriteLevels(kDebugLevels);
    std::vector<pid_t> pids;
    for (int i = 0; i < 4; ++i)
        pids.push_back(SpawnProcess({pkg.launcher()}, Env()));
    ASSERT_TRUE(WaitUntil([&] { return CountLines(ReadFile(home.log()), "app has already launched") == 3; }));
    WriteFile(release, "");
    for (pid_t pid : pids)
        EXPECT_EQ(WaitProcess(pid), 0);
    EXPECT_EQ(Marks(), 1);
}

TEST_F(StartupTest, RendezvousLiesInAFolderOnlyTheUserCanWrite)
{
    const std::string release = tree / "release";
    InstallUserCopy(home, "3000", marks, release);
    pid_t first = SpawnProcess({pkg.launcher()}, Env());
    ASSERT_TRUE(WaitUntil([&] { return Marks() == 1; }));
    // In the per-user folder, whatever the session's runtime and temporary folders.
    const std::string folder = home.install() + "/.run";
    struct stat st;
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, getuid());
    EXPECT_EQ(st.st_mode & 077, 0u);
    EXPECT_TRUE(HasLockFile(folder));
    WriteFile(release, "");
    EXPECT_EQ(WaitProcess(first), 0);
}

TEST_F(StartupTest, FoldersThatOthersOwnOrCanWriteAreRefused)
{
    if (getuid() != 0)
        GTEST_SKIP() << "planting a folder owned by another user needs root";
    const std::string release = tree / "release";
    InstallUserCopy(home, "3000", marks, release);
    // Another user planted the temporary-folder candidate, and the runtime
    // folder named by the environment is world-writable.
    const std::string planted = tmp + "/tidewell-runtime-" + std::to_string(getuid());
    MakeDirs(planted, 0777);
    chmod(planted.c_str(), 0777);
    ASSERT_EQ(chown(planted.c_str(), 65534, 65534), 0);
    const std::string open_runtime = tree.mkdir("xdg");
    chmod(open_runtime.c_str(), 0777);

    ProcessOptions opts = Env();
    opts.env["XDG_RUNTIME_DIR"] = open_runtime;
    pid_t first = SpawnProcess({pkg.launcher()}, opts);
    ASSERT_TRUE(WaitUntil([&] { return Marks() == 1; }));
    EXPECT_TRUE(ListFolder(planted).empty());
    EXPECT_TRUE(ListFolder(open_runtime).empty());
    EXPECT_TRUE(HasLockFile(home.install() + "/.run"));

    // The planted folder cannot block the user: a second launcher still meets the first.
    pkg.WriteLevels(kDebugLevels);
    EXPECT_EQ(Run(opts).exit_code, 0);
    EXPECT_EQ(CountLines(ReadFile(home.log()), "app has already launched"), 1);
    WriteFile(release, "");
    EXPECT_EQ(WaitProcess(first), 0);
    EXPECT_EQ(Marks(), 1);
}

TEST_F(StartupTest, HomeWithBlanksAndNonAsciiPassesThrough)
{
    Home odd(tree.mkdir("home dir/Ann Lee \xc3\xbc"));
    InstallUserCopy(odd, "3000", marks);
    ProcessResult r = RunProcess({pkg.launcher()}, LauncherEnv(odd, tmp));
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Exists(odd.log()));
    EXPECT_EQ(Marks(), 1);
}

TEST_F(StartupTest, LogFolderThatCannotBeCreatedFallsBackToStandardError)
{
    WriteFile(home.install(), "not a folder");
    ProcessResult r = Run(Env());
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "lib path = '" + pkg.root() + "/lib/plugins'\n");
    // The failed upgrade is still reported, with a timestamp, on standard error.
    EXPECT_TRUE(std::regex_search(r.err, std::regex(R"([A-Z][a-z]{2} \d\d \d\d:\d\d:\d\d \[ERROR\] )")))
        << r.err;
}

TEST_F(StartupTest, LanguageFollowsTheLocaleAndFallsBackToEnglish)
{
    InstallUserCopy(home, "3000", marks);
    struct Case {
        const char *locale, *code;
    } cases[] = {{"de_AT.UTF-8", "deu"},
                 {"zh_HK.UTF-8", "cht"},
                 {"pt_PT.UTF-8", "ptg"},
                 {"fi_FI.UTF-8", "enu"},
                 {"C", "enu"}};
    for (const Case &c : cases) {
        ProcessOptions opts = Env();
        opts.env["LANG"] = c.locale;
        opts.env["LC_ALL"] = c.locale;
        ProcessResult r = Run(opts);
        EXPECT_EQ(r.exit_code, 0) << c.locale;
        // The choice is reported on Qt's debug channel.
        EXPECT_NE(r.err.find(std::string("qPrintable(qstrDef)=[") + c.code), std::string::npos)
            << c.locale << r.err;
    }
}

TEST_F(StartupTest, ClientIsInstalledAndStartedThroughALinkOrABareName)
{
    InstallClientPackage(MarkingStartScript(marks));
    const std::string links = tree.mkdir("usr/bin");
    tree.symlink(pkg.launcher(), "usr/bin/tidewell-launcher");
    const std::string elsewhere = tree.mkdir("elsewhere");
    struct Case {
        const char *what;
        std::string program, path, printed; // printed: the textual rule, unchanged
    } cases[] = {
        {"bare name on PATH", "tidewell-launcher", pkg.path("bin"), "../lib/plugins"},
        {"link by its path", links + "/tidewell-launcher", "", tree / "usr/lib/plugins"},
        {"link by its bare name", "tidewell-launcher", links, "../lib/plugins"},
    };
    int runs = 0;
    for (const Case &c : cases) {
        Home h(tree.mkdir(std::string("home-") + std::to_string(runs)));
        ProcessOptions opts = LauncherEnv(h, tmp);
        opts.cwd = elsewhere;
        if (!c.path.empty())
            opts.env["PATH"] = c.path + ":/usr/bin:/bin";
        ProcessResult r = RunProcess({c.program}, opts);
        EXPECT_EQ(r.exit_code, 0) << c.what << "\n" << r.err;
        EXPECT_EQ(r.out, "lib path = '" + c.printed + "'\n") << c.what;
        EXPECT_TRUE(CopyInstalled(h)) << c.what;
        EXPECT_EQ(Marks(), ++runs) << c.what;
        // The offscreen platform was asked for: no word about a display.
        EXPECT_EQ(CountLines(ReadFile(h.log()), "[WARNING]"), 0) << c.what << "\n" << ReadFile(h.log());
    }
}

TEST_F(StartupTest, WithoutADisplayTheClientIsStillInstalledAndStarted)
{
    // The start script notes the platform it is handed: the session's, never the launcher's fallback.
    InstallClientPackage("#!/bin/sh\necho \"start ${QT_QPA_PLATFORM-unset}\" >> '" + marks + "'\n");
    const std::string runtime = tree.mkdir("runtime", 0700); // no compositor's socket in it
    struct Case {
        const char *what;
        std::map<std::string, std::string> set;
        const char *script_sees;
    } cases[] = {
        {"no display named", {}, "unset"},
        {"a display with no server", {{"DISPLAY", DisplayWithNoServer()}}, "unset"},
        {"wayland with no compositor",
         {{"QT_QPA_PLATFORM", "wayland"},
          {"WAYLAND_DISPLAY", "tw-no-compositor"},
          {"XDG_RUNTIME_DIR", runtime}},
         "wayland"},
    };
    int runs = 0;
    for (const Case &c : cases) {
        Home h(tree.mkdir(std::string("home-") + std::to_string(runs)));
        ProcessOptions opts = LauncherEnv(h, tmp);
        opts.env.erase("QT_QPA_PLATFORM");
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            opts.unset.push_back(name);
        for (const auto &kv : c.set)
            opts.env[kv.first] = kv.second;
        ProcessResult r = RunProcess({pkg.launcher()}, opts);
        EXPECT_EQ(r.exit_code, 0) << c.what << "\n" << r.err;
        EXPECT_TRUE(CopyInstalled(h)) << c.what;
        EXPECT_EQ(Marks(), ++runs) << c.what;
        EXPECT_EQ(LastLine(ReadFile(marks)), std::string("start ") + c.script_sees) << c.what;
        const std::string log = ReadFile(h.log());
        EXPECT_EQ(CountLines(log, "[WARNING]"), 1) << c.what << "\n" << log;
        EXPECT_TRUE(std::regex_search(log, std::regex(R"(\[WARNING\] main\(\d+\): no display available)")))
            << c.what << "\n"
            << log;
    }
}

TEST_F(StartupTest, OutputNobodyReadsNeitherStopsTheRunNorReachesTheStartScript)
{
    const std::string signals = tree / "start-script-signals";
    // Read by the shell itself: a forked grep could catch dash mid-fork, with every signal blocked.
    const std::string script = "#!/bin/sh\nwhile read -r key value; do\n"
                               "  case $key in SigIgn:|SigBlk:) echo \"$key $value\" >> '" +
                               signals + "';; esac\ndone < /proc/$$/status\necho start >> '" + marks + "'\n";
    InstallClientPackage(script);
    ProcessOptions opts = Env();
    opts.closed_stdout = true;
    ProcessResult r = RunProcess({pkg.launcher()}, opts);
    EXPECT_EQ(r.exit_code, 0) << "signal " << r.term_signal << "\n" << r.err;
    EXPECT_TRUE(CopyInstalled(home));
    EXPECT_EQ(Marks(), 1);
    // The start script gets SIGPIPE neither ignored nor blocked.
    const std::string status = ReadFile(signals);
    const std::regex mask_line(R"((SigIgn|SigBlk):\s*([0-9a-f]+))");
    int masks = 0;
    for (std::sregex_iterator m(status.begin(), status.end(), mask_line), end; m != end; ++m, ++masks)
        EXPECT_EQ(std::stoull((*m)[2].str(), nullptr, 16) & (1ull << (SIGPIPE - 1)), 0u) << (*m)[1].str();
    EXPECT_EQ(masks, 2) << status;
}

} // namespace
