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
