// The pid parser and the /proc test that guard every signal to the client.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "client_process.h"
#include "service_test_support.h"

using namespace tw_test;

TEST(ParseClientPid, AcceptsOnlyWholeDecimalNumbersInThePidRange)
{
    const struct {
        const char *text;
        bool ok;
        pid_t pid;
    } cases[] = {
        {"1", true, 1},
        {"42", true, 42},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"4294967297", false, 0}, // atol into 32 bits: 1
        {"99999999999999999999999", false, 0},
        {"0", false, 0},
        {"000", false, 0},
        {"-1", false, 0},
        {"-42", false, 0},
        {"+42", false, 0},
        {" 42", false, 0},
        {"42 ", false, 0},
        {"42abc", false, 0},
        {"abc", false, 0},
        {"0x2a", false, 0},
        {"", false, 0},
        {"\xd9\xa4\xd9\xa2", false, 0}, // Arabic-Indic digits
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        pid_t pid = -7;
        EXPECT_EQ(c.ok, ParseClientPid(c.text, &pid));
        EXPECT_EQ(c.ok ? c.pid : -7, pid);
    }
    pid_t pid = -7;
    EXPECT_FALSE(ParseClientPid(nullptr, &pid));
}

namespace {

class CheckClientProcessTest : public ::testing::Test {
protected:
    TempTree tree;

    std::string Install() const { return tree / "home/.TidewellBackup"; }

    // A stand-in started from `exe` with extra leading arguments; returns once it runs.
    std::unique_ptr<Child> Start(const std::string &exe, const std::vector<std::string> &extra = {})
    {
        CopyExecutable(TW_STANDIN_CLIENT, exe);
        const std::string ready = tree / ("ready" + std::to_string(++m_started));
        std::vector<std::string> argv{exe};
        argv.insert(argv.end(), extra.begin(), extra.end());
        argv.insert(argv.end(), {"--pid-file", ready, "--lifetime", "30"});
        std::unique_ptr<Child> child(new Child(argv));
        EXPECT_TRUE(WaitForFile(ready));
        return child;
    }

private:
    int m_started = 0;
};

} // namespace

TEST_F(CheckClientProcessTest, ExecutableInsideTheFolderIsTheClient)
{
    auto child = Start(Install() + "/Tidewell.app/bin/tidewell-backup-ui");
    EXPECT_EQ(CC_CLIENT, CheckClientProcess(child->pid(), Install().c_str()));
    EXPECT_EQ(CC_CLIENT, CheckClientProcess(child->pid(), (Install() + "/").c_str()));
}

TEST_F(CheckClientProcessTest, ExecutableElsewhereIsAnother)
{
    auto sibling = Start(tree / "home/.TidewellBackupOld/tidewell-backup-ui");
    EXPECT_EQ(CC_OTHER, CheckClientProcess(sibling->pid(), Install().c_str()));
    EXPECT_EQ(CC_OTHER, CheckClientProcess(getpid(), Install().c_str()));
}

TEST_F(CheckClientProcessTest, InterpreterRunningAScriptInsideIsTheClient)
{
    auto child = Start(tree / "usr/bin/fake-python", {"-u", Install() + "/Tidewell.app/bin/ui.py"});
    EXPECT_EQ(CC_CLIENT, CheckClientProcess(child->pid(), Install().c_str()));
}

TEST_F(CheckClientProcessTest, ArgumentsThatOnlyLookInsideDoNotCount)
{
    MakeDirs(Install());
    auto relative = Start(tree / "usr/bin/fake-python", {".TidewellBackup/Tidewell.app/bin/ui.py"});
    auto folder_itself = Start(tree / "usr/bin/fake-sh", {Install()});
    auto prefix_only = Start(tree / "usr/bin/fake-perl", {Install() + "2/bin/ui.pl"});
    EXPECT_EQ(CC_OTHER, CheckClientProcess(relative->pid(), Install().c_str()));
    EXPECT_EQ(CC_OTHER, CheckClientProcess(folder_itself->pid(), Install().c_str()));
    EXPECT_EQ(CC_OTHER, CheckClientProcess(prefix_only->pid(), Install().c_str()));
}

TEST_F(CheckClientProcessTest, FolderNamedThroughALinkIsCompared)
{
    const std::string real = tree / "real/.TidewellBackup";
    tree.symlink(tree / "real", "linked");
    auto child = Start(real + "/Tidewell.app/bin/tidewell-backup-ui");
    EXPECT_EQ(CC_CLIENT, CheckClientProcess(child->pid(), (tree / "linked/.TidewellBackup").c_str()));
}

TEST_F(CheckClientProcessTest, GoneOrZombieProcessCannotBeTold)
{
    auto child = Start(Install() + "/Tidewell.app/bin/tidewell-backup-ui");
    const pid_t pid = child->pid();
    // Ended but not yet reaped: /proc keeps the entry without exe and arguments.
    pid_t zombie = fork();
    ASSERT_GE(zombie, 0);
    if (zombie == 0)
        _exit(0);
    siginfo_t info;
    ASSERT_EQ(0, waitid(P_PID, static_cast<id_t>(zombie), &info, WEXITED | WNOWAIT));
    EXPECT_EQ(CC_UNKNOWN, CheckClientProcess(zombie, Install().c_str()));
    waitpid(zombie, nullptr, 0);
    EXPECT_EQ(CC_UNKNOWN, CheckClientProcess(zombie, Install().c_str()));
    child->KillAndJoin();
    EXPECT_EQ(CC_UNKNOWN, CheckClientProcess(pid, Install().c_str()));
}

// A script started from its own copy shows the shell as its executable and
// itself only as a relative argument.
TEST_F(CheckClientProcessTest, RelativeArgumentsCountWhenTheyNameAPathInsideTheCopy)
{
    const std::string app = Install() + "/Tidewell.app";
    WriteScriptClient(app + "/bin/tidewell-backup-ui");
    CopyExecutable(TW_STANDIN_CLIENT, tree / "usr/bin/fake-less");
    tree.write("home/.TidewellBackup/log/launcher.log", "");
    // A program from elsewhere that ignores the arguments after its own.
    auto tool = [&](std::vector<std::string> args) {
        args.insert(args.begin(),
                    {tree / "usr/bin/fake-less", "--pid-file", tree / "ready", "--lifetime", "30"});
        return args;
    };
    const struct {
        const char *name;
        std::vector<std::string> argv;
        std::string cwd;
        ClientCheck expected;
    } cases[] = {
        {"script by its path", {"./bin/tidewell-backup-ui"}, app, CC_CLIENT},
        {"script through sh", {"sh", "bin/tidewell-backup-ui"}, app, CC_CLIENT},
        {"script from its folder", {"sh", "tidewell-backup-ui"}, app + "/bin", CC_CLIENT},
        {"script from the home folder",
         {"sh", ".TidewellBackup/Tidewell.app/bin/tidewell-backup-ui"},
         tree / "home",
         CC_CLIENT},
        {"bare words", {"sleep", "30"}, app, CC_OTHER},
        {"names missing in the copy", tool({"bin/missing", "tidewell-backup-ui", "bash"}), app, CC_OTHER},
        {"names leaving the copy", tool({"../log/launcher.log", "bin/../../log/launcher.log"}), app,
         CC_OTHER},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ProcessOptions opts;
        opts.cwd = c.cwd;
        Child child(c.argv, opts);
        ASSERT_TRUE(WaitForExec(child.pid()));
        EXPECT_EQ(c.expected, CheckClientProcess(child.pid(), Install().c_str(), app.c_str()));
    }
}
