// Writes that fail half-way through the extraction: a file-size limit, and a
// small file system that runs full. The old copy must come back byte for byte
// and be started, and the launcher must exit with 0.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <unistd.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

// The package's largest file is far beyond every limit below; everything else
// the launcher writes (log, lock files) stays far below.
ClientPackage LargePackage(const Sandbox &s)
{
    ClientPackage package("3000", "new", s.marks);
    package.Bulk("bulk", 40, 8 * 1024, 3).File("bin/large", RandomBytes(4 * 1024 * 1024, 5));
    return package;
}

void ExpectRolledBack(const Sandbox &s, const ProcessResult &r, const Tree &old_copy)
{
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ(0, r.term_signal);
    EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
}

struct LimitCase {
    const char *name;
    const char *limit; // RLIMIT_FSIZE in bytes
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.name;
}

class FileSizeLimitTest : public ::testing::TestWithParam<LimitCase> {
protected:
    Sandbox s;
};

// SIGXFSZ is ignored (the disposition survives exec), so a write beyond the
// limit fails with EFBIG instead of ending the process.
TEST_P(FileSizeLimitTest, ExtractionFailsAndTheOldCopyIsBack)
{
    s.VerboseLevels();
    s.InstallPackage(LargePackage(s));
    s.InstallOldCopy("2000");
    const Tree old_copy = TreeOf(s.App());
    const Tree outside = s.Outside();

    ProcessResult r = RunProcess({"/bin/sh", "-c", "trap '' XFSZ; exec prlimit --fsize=\"$1\" -- \"$2\"",
                                  "sh", GetParam().limit, s.pkg.launcher()},
                                 s.Env());
    ExpectRolledBack(s, r, old_copy);
    EXPECT_TRUE(SameTree(outside, s.Outside()));
    const std::string log = s.Log();
    EXPECT_NE(std::string::npos, log.find("[ERROR] extractor(N): archive_read_extract2 failed: '")) << log;
    EXPECT_EQ(std::string::npos, log.find("archive_read_extract2 failed: ''")) << "no reason given: " << log;
    EXPECT_NE(
        std::string::npos,
        log.find("[ERROR] tidewell-service(N): Failed to extract package, rollback to old installation\n"))
        << log;
}

const LimitCase kLimits[] = {
    {"Limit1MiB", "1048576"},
    {"Limit64KiB", "65536"},
};

INSTANTIATE_TEST_SUITE_P(Limits, FileSizeLimitTest, ::testing::ValuesIn(kLimits),
                         [](const ::testing::TestParamInfo<LimitCase> &info) { return info.param.name; });

// A 2 MiB tmpfs over ".TidewellBackup", in a private mount namespace: the
// whole run happens inside it, and the result is copied out for the checks.
TEST(FullFileSystemTest, ExtractionFailsAndTheOldCopyIsBack)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    Sandbox s;
    s.VerboseLevels();
    s.InstallPackage(LargePackage(s));
    s.InstallOldCopy("2000");
    const Tree old_copy = TreeOf(s.App());
    const std::string seed = s.tree / "seed";
    const std::string result = s.tree / "result";
    ASSERT_EQ(0, rename(s.home.install().c_str(), seed.c_str()));
    MakeDirs(s.home.install());
    MakeDirs(result);
    // The log lies outside the small file system, so that no line is lost to it.
    const std::string logs = s.tree.mkdir("logs");
    ASSERT_EQ(0, symlink(logs.c_str(), (seed + "/log").c_str()));

    const char *script = "set -e\n"
                         "mount -t tmpfs -o size=2m tidewell-test \"$1\" 2>/dev/null || exit 77\n"
                         "cp -a \"$2/.\" \"$1/\"\n"
                         "set +e\n"
                         "\"$4\"\n"
                         "echo \"launcher=$?\" > \"$3/status\"\n"
                         "df -k \"$1\" > \"$3/df\"\n"
                         "cp -a \"$1/.\" \"$3/\"\n";
    ProcessResult r = RunProcess({"unshare", "-m", "--propagation", "private", "/bin/sh", "-c", script, "sh",
                                  s.home.install(), seed, result, s.pkg.launcher()},
                                 s.Env());
    if (r.exit_code == 77 || (r.exit_code != 0 && !Exists(result + "/status")))
        GTEST_SKIP() << "no private mount namespace with a tmpfs here: " << r.err;
    ASSERT_EQ(0, r.exit_code) << r.err;
    EXPECT_EQ("launcher=0\n", ReadFile(result + "/status")) << r.err;
    EXPECT_TRUE(SameTree(old_copy, TreeOf(result + "/Tidewell.app")));
    for (int n = 0; n <= 9; ++n)
        EXPECT_FALSE(Exists(result + "/Tidewell.app_tmp" + (n ? std::to_string(n) : "")));
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
    const std::string log = WithoutLineNumbers(ReadFile(logs + "/launcher.log"));
    EXPECT_NE(std::string::npos,
              log.find("[ERROR] extractor(N): archive_read_extract2 failed: 'Write failed'\n"))
        << log;
    EXPECT_NE(
        std::string::npos,
        log.find("[ERROR] tidewell-service(N): Failed to extract package, rollback to old installation\n"))
        << log << ReadFile(result + "/df");
}

} // namespace
