// A first installation and an upgrade halted before every single change the
// launcher makes inside ".TidewellBackup" (N = 1, 2, ... until a run gets
// through), SIGKILLed there, then run again normally with the same package, a
// damaged one and a valid one of a lower build. Whatever the point, the next
// run must end with a complete copy (or none, when there never was a complete
// one to bring back), never a downgrade, no backup left, and the client of the
// copy in place started once.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tw_test;
using namespace tw_rel;

namespace {

// Far above the points of these small packages: a run that never gets
// through would otherwise loop for good.
const int kMaxPoints = 1000;

enum Copy { kNone, kOld, kNew, kLower, kPartial };
const char *const kCopyNames[] = {"no copy", "the old copy", "the new copy", "the lower copy",
                                  "a partial copy"};
const char *const kCopyWords[] = {"", "old", "new", "lower", ""};

enum PackageFile { kSame, kDamaged, kLowerBuild };

enum Outcome { kHalted, kThrough, kStuck };

struct Variant {
    const char *name;
    PackageFile package;
    const char *build; // of the package installation's INFO
    // What "Tidewell.app" may be after the run, without and with an old copy.
    std::vector<Copy> first_install;
    std::vector<Copy> upgrade;
};

const Variant kVariants[] = {
    {"same package", kSame, "3000", {kNew}, {kNew}},
    // Extraction fails: a complete copy is brought back, if there is one.
    {"damaged package", kDamaged, "3000", {kNew, kNone}, {kOld, kNew}},
    // Never a downgrade of a complete copy.
    {"lower build", kLowerBuild, "1000", {kNew, kLower}, {kOld, kNew}},
};

struct Scenario {
    const char *name;
    bool old_copy;
};

ClientPackage SmallPackage(const std::string &build, const std::string &word, const std::string &marks)
{
    ClientPackage package(build, word, marks);
    package.Dir("share")
        .File("share/readme", "Tidewell Backup " + build + "\n")
        .File("share/data", RandomBytes(3000, 5))
        .Add(ArchiveItem{ArchiveItem::Symlink, "bin/tidewell", "", "tidewell-backup-ui", 0777, 0, 0});
    return package;
}

std::vector<std::string> Lines(const std::string &text, const std::string &prefix)
{
    std::vector<std::string> out;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(start, prefix.size(), prefix) == 0)
            out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::string Replace(std::string text, const std::string &from, const std::string &to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class InterruptedInstall {
public:
    explicit InterruptedInstall(const Scenario &scenario)
        : m_scenario(scenario), m_new(SmallPackage("3000", "new", m_s.marks)),
          m_lower(SmallPackage("1000", "lower", m_s.marks))
    {
        m_new.Write(m_packages[kSame]);
        m_new.Write(m_packages[kDamaged]);
        EXPECT_TRUE(TruncateFile(m_packages[kDamaged], FileSize(m_packages[kDamaged]) / 2));
        m_lower.Write(m_packages[kLowerBuild]);
        m_copies[kNew] = m_new.Expected();
        m_copies[kLower] = m_lower.Expected();
        if (m_scenario.old_copy) {
            m_s.InstallOldCopy("2000", 2);
            m_copies[kOld] = TreeOf(m_s.App());
        }
    }

    // Halts the launcher at every point in turn, until a run gets through.
    void Sweep()
    {
        // The variants that failed from each killed state (one bit each): a
        // point that leaves the state of an earlier one (a removal of what is
        // not there) is counted with that one's result, not run again.
        std::map<Tree, unsigned> results;
        int failing = 0;
        int failing_variant[3] = {};
        for (int n = 1; n < kMaxPoints; ++n) {
            SCOPED_TRACE(std::string(m_scenario.name) + ", halted before change " + std::to_string(n));
            Reset(kSame, "3000");
            if (m_scenario.old_copy)
                m_s.InstallOldCopy("2000", 2);
            const Tree before = TreeOfExcept(m_s.home.install(), {"log"});
            std::string halted_at;
            const Outcome outcome = HaltedRun(n, halted_at);
            if (outcome == kStuck)
                return;
            if (outcome == kThrough) {
                // Past the last change: the run went through on its own.
                EXPECT_EQ(n - 1, static_cast<int>(Changes().size())) << "changes counted by the probe";
                EXPECT_TRUE(SameTree(m_copies[kNew], TreeOf(m_s.App())));
                EXPECT_EQ(std::vector<std::string>{"new"}, m_s.Starts());
                Report(n - 1, static_cast<int>(results.size()), failing, failing_variant);
                return;
            }
            SCOPED_TRACE("(" + halted_at + ")");
            const Tree killed = TreeOfExcept(m_s.home.install(), {"log"});
            if (n == 1) {
                EXPECT_TRUE(SameTree(before, killed)) << "the probe let a change through";
            }

            auto known = results.find(killed);
            if (known == results.end())
                known = results.emplace(killed, TryVariants()).first;
            for (int v = 0; v < 3; ++v)
                failing_variant[v] += (known->second >> v) & 1;
            failing += known->second != 0;
        }
        ADD_FAILURE() << "no run got through after " << kMaxPoints << " halting points";
    }

private:
    // Runs each variant from the killed state; the variants that failed.
    unsigned TryVariants()
    {
        RemoveTree(m_killed);
        EXPECT_EQ(0, RunProcess({"cp", "-a", m_s.home.install(), m_killed}).exit_code);
        unsigned failed = 0;
        for (int v = 0; v < 3; ++v) {
            const Variant &variant = kVariants[v];
            SCOPED_TRACE(variant.name);
            Reset(variant.package, variant.build);
            const bool restored = RunProcess({"cp", "-a", m_killed, m_s.home.install()}).exit_code == 0;
            const std::string failure = restored ? NextRun(variant) : "the killed state could not be copied";
            if (!failure.empty()) {
                ADD_FAILURE() << failure;
                failed |= 1u << v;
            }
        }
        return failed;
    }

    // No ".TidewellBackup", no marks, and the package installation with the
    // given package and INFO build.
    void Reset(PackageFile package, const std::string &build)
    {
        RemoveTree(m_s.home.install());
        unlink(m_s.marks.c_str());
        m_s.pkg.WriteInfo(build);
        m_s.pkg.InstallPackage(m_packages[package]);
    }

    // Runs the launcher halted before its n-th change and kills it there;
    // when halted, `at` tells the change it was halted before.
    Outcome HaltedRun(int n, std::string &at)
    {
        const std::string mark = m_s.tmp + "/halted", out = m_s.tmp + "/halted-run.out";
        unlink(mark.c_str());
        unlink(m_probe_log.c_str());
        ProcessOptions opts = m_s.ProbeEnv("change:" + std::to_string(n), mark);
        opts.env["TW_PROBE_WITHIN"] = m_s.home.install();
        opts.env["TW_PROBE_EXCEPT"] = m_s.home.install() + "/log";
        opts.env["TW_PROBE_LOG"] = m_probe_log;
        // Under the sanitizers: a killed run never checks for leaks, so it need
        // not pay for full stacks on every allocation (a third of its time).
        opts.env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=1:detect_leaks=0";
        // Through a shell that becomes the launcher, to keep its output out of the test's.
        const pid_t pid =
            SpawnProcess({"/bin/sh", "-c", "exec \"$0\" >\"$1\" 2>&1", m_s.pkg.launcher(), out}, opts);
        int status = 0;
        bool exited = false;
        const bool done = WaitUntil(
            [&] {
                exited = waitpid(pid, &status, WNOHANG) == pid;
                return exited || Exists(mark);
            },
            240);
        if (!exited) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        if (!done) {
            ADD_FAILURE() << "the launcher neither halted nor ended\n" << ReadFile(out);
            return kStuck;
        }
        if (exited) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << "\n"
                                                                       << ReadFile(out);
            return kThrough;
        }
        const std::vector<std::string> changes = Changes();
        EXPECT_EQ(n, static_cast<int>(changes.size())) << "changes counted by the probe";
        // "change N CALL PATH..." without "change N ", paths relative to ".TidewellBackup".
        const std::string last = changes.empty() ? "change ? ?" : changes.back();
        at = Replace(last.substr(last.find(' ', 7) + 1), m_s.home.install() + "/", "");
        return kHalted;
    }

    std::vector<std::string> Changes() const { return Lines(ReadFile(m_probe_log), "change "); }

    // The launcher run normally on the killed state; empty when all is well,
    // else the first thing that is wrong.
    std::string NextRun(const Variant &variant)
    {
        const size_t started_before = m_s.Starts().size();
        const ProcessResult r = m_s.Run();
        if (r.exit_code != 0)
            return "exit status " + std::to_string(r.exit_code) + "\n" + r.err;

        const Copy copy = CopyInPlace();
        if (copy == kPartial)
            return "\"Tidewell.app\" is no complete copy; against the new one:\n" +
                   Diff(m_copies[kNew], TreeOf(m_s.App()));
        const std::vector<Copy> &allowed = m_scenario.old_copy ? variant.upgrade : variant.first_install;
        if (std::find(allowed.begin(), allowed.end(), copy) == allowed.end())
            return std::string("\"Tidewell.app\" is ") + kCopyNames[copy];

        const std::vector<std::string> backups = m_s.Backups();
        if (!backups.empty())
            return "backup left: " + Replace(backups.front(), m_s.home.install() + "/", "");

        std::vector<std::string> started = m_s.Starts();
        started.erase(started.begin(), started.begin() + static_cast<long>(started_before));
        const std::vector<std::string> expected =
            copy == kNone ? std::vector<std::string>{} : std::vector<std::string>{kCopyWords[copy]};
        if (started != expected) {
            std::string words;
            for (const std::string &w : started)
                words += " \"" + w + "\"";
            return std::string("started") + (words.empty() ? " nothing" : words) + " with " +
                   kCopyNames[copy] + " in place";
        }
        return "";
    }

    Copy CopyInPlace() const
    {
        if (!Exists(m_s.App()))
            return kNone;
        const Tree now = TreeOf(m_s.App());
        for (Copy c : {kOld, kNew, kLower})
            if (m_copies.count(c) && m_copies.at(c) == now)
                return c;
        return kPartial;
    }

    void Report(int points, int states, int failing, const int failing_variant[3]) const
    {
        std::cout << m_scenario.name << ": " << points << " halting points, " << states
                  << " distinct killed states\n";
        ::testing::Test::RecordProperty("halting_points", points);
        ::testing::Test::RecordProperty("killed_states", states);
        std::string detail;
        for (int v = 0; v < 3; ++v)
            detail +=
                std::string(v ? ", " : "") + kVariants[v].name + " " + std::to_string(failing_variant[v]);
        EXPECT_EQ(0, failing) << failing << " of " << points << " halting points fail (" << detail << ")";
    }

    const Scenario m_scenario;
    Sandbox m_s;
    const ClientPackage m_new;
    const ClientPackage m_lower;
    const std::string m_packages[3] = {m_s.tree / "same.qpk", m_s.tree / "damaged.qpk",
                                       m_s.tree / "lower.qpk"};
    const std::string m_killed = m_s.tree / "killed";
    const std::string m_probe_log = m_s.tmp + "/probe.log";
    std::map<Copy, Tree> m_copies;
};

TEST(InterruptedInstallTest, FirstInstallation)
{
    InterruptedInstall({"first installation", false}).Sweep();
}

TEST(InterruptedInstallTest, Upgrade)
{
    InterruptedInstall({"upgrade", true}).Sweep();
}

} // namespace
