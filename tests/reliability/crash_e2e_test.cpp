// An upgrade killed with SIGKILL at exact points, then the launcher started
// again normally: the user must end with the package's build, complete and
// byte for byte, the client started, and no backup folder left.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <sys/wait.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

struct KillPoint {
    const char *name;
    const char *stop_at;
    int kills; // killed runs before the normal one
    // What must hold at the moment of the kill: proves the probe stopped where meant.
    std::function<void(const Sandbox &, const Tree &old_copy)> at_stop;
};

void PrintTo(const KillPoint &p, std::ostream *os)
{
    *os << p.name;
}

const KillPoint kKillPoints[] = {
    {"AfterBackupRename", "backup-rename", 1,
     [](const Sandbox &s, const Tree &old_copy) {
         EXPECT_FALSE(Exists(s.App()));
         EXPECT_TRUE(SameTree(old_copy, TreeOf(s.Backup(0))));
     }},
    {"MidExtraction", "create:150", 1,
     [](const Sandbox &s, const Tree &old_copy) {
         EXPECT_TRUE(IsDir(s.App() + "/bulk"));
         EXPECT_TRUE(SameTree(old_copy, TreeOf(s.Backup(0))));
     }},
    // The next run moves the half-written copy aside to "_tmp1" and is killed
    // again half-way; only the third run is left alone.
    {"MidExtractionTwice", "create:150", 2,
     [](const Sandbox &s, const Tree &old_copy) {
         EXPECT_TRUE(IsDir(s.App() + "/bulk"));
         EXPECT_TRUE(SameTree(old_copy, TreeOf(s.Backup(0))));
     }},
    {"BeforeBackupRemoval", "syncfs", 1,
     [](const Sandbox &s, const Tree &old_copy) {
         EXPECT_TRUE(Exists(s.App() + "/bulk/part-299"));
         EXPECT_TRUE(SameTree(old_copy, TreeOf(s.Backup(0))));
     }},
    {"MidBackupRemoval", "remove:10", 1,
     [](const Sandbox &s, const Tree &old_copy) {
         const Tree left = TreeOf(s.Backup(0));
         EXPECT_FALSE(left.empty());
         EXPECT_LT(left.size(), old_copy.size());
     }},
};

class KillPointTest : public ::testing::TestWithParam<KillPoint> {
protected:
    Sandbox s;
};

TEST_P(KillPointTest, NextRunCompletesTheUpgrade)
{
    const KillPoint &point = GetParam();
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 300, 16 * 1024, 1).File("bin/large", RandomBytes(3 * 1024 * 1024, 99));
    s.InstallPackage(package);
    s.InstallOldCopy("2000");
    const Tree old_copy = TreeOf(s.App());
    const Tree outside = s.Outside();

    for (int run = 0; run < point.kills; ++run) {
        SCOPED_TRACE("killed run " + std::to_string(run + 1));
        const std::string mark = s.tmp + "/stopped-" + std::to_string(run);
        pid_t pid = SpawnProcess({s.pkg.launcher()}, s.ProbeEnv(point.stop_at, mark));
        ASSERT_TRUE(WaitUntil([&] { return Exists(mark); }, 240)) << "the probe never stopped the launcher";
        if (run == 0)
            point.at_stop(s, old_copy);
        ASSERT_EQ(0, kill(pid, SIGKILL));
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    EXPECT_TRUE(s.Starts().empty()) << "a killed run must not have reached the start";

    ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
    EXPECT_TRUE(SameTree(outside, s.Outside()));

    // And the run after that sees a finished copy: no upgrade, the client started.
    ProcessResult again = s.Run();
    EXPECT_EQ(0, again.exit_code) << again.err;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
    EXPECT_EQ((std::vector<std::string>{"new", "new"}), s.Starts());
}

INSTANTIATE_TEST_SUITE_P(KillPoints, KillPointTest, ::testing::ValuesIn(kKillPoints),
                         [](const ::testing::TestParamInfo<KillPoint> &info) { return info.param.name; });

} // namespace
