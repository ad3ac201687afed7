// Launchers of one user started at the same moment while an upgrade is due:
// ten of one installation (exactly one upgrades, the other nine exit with 0
// while it still runs), two whose environments name different runtime and
// temporary folders (still one instance), two of different package
// installations (one installs, the other waits and finds the copy current),
// and a holder of the copy's guard that dies (the waiting one goes on).
#include "sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
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

const char *const kVerbose = "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=4\n";
const char *const kRefused = "[DEBUG] main(N): app has already launched, return";
const char *const kExtract = "[INFO] tidewell-service(N): extract package: ";
const char *const kWaited = "[NOTE] copy_guard(N): another launcher is installing the copy, waiting";

// Launchers that wait for one go file, then exec together. Whatever a test
// leaves running is killed at its end.
class Launchers {
public:
    explicit Launchers(const std::string &go) : m_go(go) {}
    ~Launchers()
    {
        for (size_t i = 0; i < m_pids.size(); ++i) {
            // Only a positive id names one process: never signal a group or everyone.
            if (m_status.count(i) || m_pids[i] <= 0)
                continue;
            kill(m_pids[i], SIGKILL);
            waitpid(m_pids[i], nullptr, 0);
        }
    }

    size_t Add(const std::string &launcher, const ProcessOptions &opts)
    {
        m_pids.push_back(
            SpawnProcess({"/bin/sh", "-c", "while [ ! -e \"$1\" ]; do sleep 0.01; done; exec \"$2\"", "sh",
                          m_go, launcher},
                         opts));
        return m_pids.size() - 1;
    }
    void Go() const { WriteFile(m_go, ""); }

    // The exit status of launcher `i` once it ended, else -2; reaps it.
    int Ended(size_t i)
    {
        if (m_status.count(i))
            return m_status[i];
        int status = 0;
        if (waitpid(m_pids[i], &status, WNOHANG) != m_pids[i])
            return -2;
        m_status[i] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return m_status[i];
    }
    int Wait(size_t i, int seconds)
    {
        if (!WaitUntil([&] { return Ended(i) != -2; }, seconds))
            return -2;
        return Ended(i);
    }

private:
    std::string m_go;
    std::vector<pid_t> m_pids;
    std::map<size_t, int> m_status;
};

// A package that writes "new" to the marks when started and holds its start
// script until `release` exists: a launcher stays in its start script as long
// as a test wants.
ClientPackage HeldPackage(const Sandbox &s, const std::string &release)
{
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 100, 4096, 21);
    package.File("package/start-stop",
                 "#!/bin/sh\necho new >> '" + s.marks + "'\ni=0\nwhile [ ! -e '" + release +
                     "' ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done\n",
                 0755);
    return package;
}

// A desktop session, a cron job and an su shell name different runtime and
// temporary folders, or none; the single-instance answer must not follow them.
TEST(ConcurrentLaunchers, DifferentRuntimeAndTemporaryFoldersStillMakeOneInstance)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Sandbox s;
        s.VerboseLevels();
        s.InstallOldCopy("2000");
        const std::string release = s.tree / "release";
        const ClientPackage package = HeldPackage(s, release);
        s.InstallPackage(package);

        ProcessOptions session = s.Env();
        session.env["XDG_RUNTIME_DIR"] = s.tree.mkdir("run-session", 0700);
        session.env["TMPDIR"] = s.tree.mkdir("tmp-session");
        ProcessOptions other = s.Env();
        other.env["TMPDIR"] = s.tree.mkdir("tmp-other");
        if (round == 1)
            other.env["XDG_RUNTIME_DIR"] = s.tree.mkdir("run-other", 0700);
        if (round == 2)
            session.env.erase("XDG_RUNTIME_DIR");

        Launchers launchers(s.tree / "go");
        launchers.Add(s.pkg.launcher(), session);
        launchers.Add(s.pkg.launcher(), other);
        launchers.Go();

        // One leaves at once while the other is held in its start script.
        size_t left = 0;
        ASSERT_TRUE(WaitUntil(
            [&] {
                for (size_t i = 0; i < 2; ++i)
                    if (launchers.Ended(i) != -2) {
                        left = i;
                        return true;
                    }
                return false;
            },
            90))
            << "neither launcher left while the other ran:\n"
            << s.Log();
        EXPECT_EQ(0, launchers.Ended(left));
        EXPECT_EQ(-2, launchers.Ended(1 - left)) << "both ran to their end";
        WriteFile(release, "");
        EXPECT_EQ(0, launchers.Wait(1 - left, 240));

        const std::string log = s.Log();
        EXPECT_EQ(1, CountLines(log, kRefused)) << log;
        EXPECT_EQ(1, CountLines(log, kExtract)) << log;
        EXPECT_EQ(0, CountLines(log, "[ERROR]")) << log;
        EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
        EXPECT_EQ(std::vector<std::string>{}, s.Backups());
        EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
    }
}

// A second package installation for the same home, with the same package.
struct SecondInstall {
    SecondInstall(const Sandbox &s, const ClientPackage &package) : pkg(s.tree.mkdir("second"))
    {
        pkg.WriteInfo("3000");
        pkg.WriteLevels(kVerbose);
        package.Write(pkg.path("package/tidewell.qpk"));
    }
    PackageInstall pkg;
};

// The old copy's client runs and ignores SIGTERM: the launcher that upgrades
// holds the guard through the whole stop (five seconds before SIGKILL) and
// the extraction, so a launcher started with it surely finds it held.
void RunStubbornOldClient(const Sandbox &s)
{
    const std::string client = s.App() + "/bin/tidewell-backup-ui";
    WriteFile(client, "#!/bin/sh\ntrap '' TERM\ni=0\nwhile [ $i -lt 120 ]; do sleep 1; i=$((i+1)); done\n",
              0755);
    const pid_t pid = SpawnDetached({"/bin/sh", client});
    ASSERT_GT(pid, 0);
    WriteFile(s.home.install() + "/ui.pid", "pid=" + std::to_string(pid) + "\n");
}

TEST(ConcurrentLaunchers, TwoPackageInstallationsInstallOnceAndBothStartTheClient)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Sandbox s;
        s.VerboseLevels();
        s.InstallOldCopy("2000");
        ClientPackage package("3000", "new", s.marks);
        package.Bulk("bulk", 300, 16 * 1024, 5);
        s.InstallPackage(package);
        SecondInstall second(s, package);
        RunStubbornOldClient(s);

        Launchers launchers(s.tree / "go");
        launchers.Add(s.pkg.launcher(), s.Env());
        launchers.Add(second.pkg.launcher(), s.Env());
        launchers.Go();
        EXPECT_EQ(0, launchers.Wait(0, 240));
        EXPECT_EQ(0, launchers.Wait(1, 240));

        const std::string log = s.Log();
        EXPECT_EQ(1, CountLines(log, kWaited)) << "the launchers did not overlap:\n" << log;
        EXPECT_EQ(1, CountLines(log, kExtract)) << log;
        EXPECT_EQ(1, CountLines(log, "[DEBUG] launcher(N): no need to upgrade")) << log;
        EXPECT_EQ(0, CountLines(log, "[ERROR]")) << log;
        EXPECT_EQ(0, CountLines(log, "[WARNING]")) << log;
        EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
        EXPECT_EQ(std::vector<std::string>{}, s.Backups());
        EXPECT_EQ((std::vector<std::string>{"new", "new"}), s.Starts());
    }
}

// The holder of the guard is halted half-way through its extraction, then
// killed: the launcher of the other installation waits while it lives and
// goes on at once when it dies, installing the copy the dead one left unfinished.
TEST(ConcurrentLaunchers, AGuardHolderThatDiesNeverBlocksTheNextLauncher)
{
    Sandbox s;
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 300, 4096, 9);
    s.InstallPackage(package);
    SecondInstall second(s, package);

    const std::string mark = s.tmp + "/stopped";
    const pid_t holder = SpawnProcess({s.pkg.launcher()}, s.ProbeEnv("create:50", mark));
    ASSERT_GT(holder, 0);
    ASSERT_TRUE(WaitUntil([&] { return Exists(mark); }, 240)) << "the probe never stopped the launcher";

    const pid_t next = SpawnProcess({second.pkg.launcher()}, s.Env());
    ASSERT_GT(next, 0);
    const bool waiting = WaitUntil([&] { return CountLines(s.Log(), kWaited) == 1; }, 60);
    sleep(1);
    int status = 0;
    const bool ended_early = waitpid(next, &status, WNOHANG) == next;
    EXPECT_TRUE(waiting) << "the second launcher did not wait for the first:\n" << s.Log();
    EXPECT_FALSE(ended_early) << "the second launcher ran while the first held the copy";
    EXPECT_EQ(1, CountLines(s.Log(), kExtract)) << s.Log();

    ASSERT_EQ(0, kill(holder, SIGKILL));
    ASSERT_EQ(holder, waitpid(holder, &status, 0));
    if (!ended_early) {
        EXPECT_EQ(0, WaitProcess(next, 240));
    }

    const std::string log = s.Log();
    EXPECT_EQ(1, CountLines(log, "was not finished, installing again")) << log;
    EXPECT_EQ(2, CountLines(log, kExtract)) << log;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());

    // Nor do the locks the dead launcher held: its own installation runs through.
    const ProcessResult again = s.Run();
    EXPECT_EQ(0, again.exit_code) << again.err;
    EXPECT_EQ(2, CountLines(s.Log(), kExtract)) << s.Log();
    EXPECT_EQ(1, CountLines(s.Log(), kWaited)) << s.Log();
    EXPECT_EQ((std::vector<std::string>{"new", "new"}), s.Starts());
}

// A guard that cannot be locked (here a pipe in the file's place) costs one
// warning; the upgrade and the start of the client happen all the same.
TEST(ConcurrentLaunchers, AGuardThatCannotBeTakenIsReportedAndTheRunGoesOn)
{
    Sandbox s;
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    ClientPackage package("3000", "new", s.marks);
    s.InstallPackage(package);
    const std::string guard = s.home.install() + "/Tidewell.app.lock";
    ASSERT_EQ(0, mkfifo(guard.c_str(), 0600));

    const ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    const std::string log = s.Log();
    EXPECT_EQ(1, CountLines(log, "[WARNING] copy_guard(N): cannot guard '" + guard + "': no regular file"))
        << log;
    EXPECT_EQ(1, CountLines(log, "[WARNING]")) << log;
    EXPECT_EQ(1, CountLines(log, kExtract)) << log;
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
}

} // namespace
