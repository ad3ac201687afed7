// Ten launchers of one user started at the same moment while an upgrade is
// due: exactly one upgrades, the other nine exit with 0 while it still runs,
// and the copy ends complete.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

TEST(ConcurrentLaunchers, ExactlyOneUpgradesAndTheOthersLeaveAtOnce)
{
    Sandbox s;
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    // The new start script holds its launcher until released, so the nine
    // others provably end while the upgrading one is still there.
    const std::string release = s.tree / "release";
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 100, 4096, 21);
    package.File("package/start-stop",
                 "#!/bin/sh\necho new >> '" + s.marks + "'\ni=0\nwhile [ ! -e '" + release +
                     "' ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done\n",
                 0755);
    s.InstallPackage(package);

    // All ten wait for one go file, then exec the launcher together.
    const std::string go = s.tree / "go";
    std::vector<pid_t> pids;
    for (int i = 0; i < 10; ++i)
        pids.push_back(
            SpawnProcess({"/bin/sh", "-c", "while [ ! -e \"$1\" ]; do sleep 0.01; done; exec \"$2\"", "sh",
                          go, s.pkg.launcher()},
                         s.Env()));
    WriteFile(go, "");

    // Nine end while the tenth is held in its start script.
    std::vector<pid_t> running = pids;
    int ended_ok = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (auto it = running.begin(); it != running.end();) {
                int status = 0;
                if (waitpid(*it, &status, WNOHANG) == *it) {
                    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                    ++ended_ok;
                    it = running.erase(it);
                } else {
                    ++it;
                }
            }
            return running.size() == 1;
        },
        240))
        << running.size() << " launchers still running";
    EXPECT_EQ(9, ended_ok);

    WriteFile(release, "");
    EXPECT_EQ(0, WaitProcess(running.front(), 240));
    const std::string log = s.Log();
    EXPECT_EQ(9, CountLines(log, "[DEBUG] main(N): app has already launched, return")) << log;
    EXPECT_EQ(1, CountLines(log, "[INFO] tidewell-service(N): extract package: ")) << log;
    EXPECT_EQ(0, CountLines(log, "[ERROR]")) << log;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
}

} // namespace
