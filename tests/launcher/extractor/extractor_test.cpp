// The extractor on real archives written by the tests, into real folders.
#include "extractor.h"

#include "adapter.h"
#include "archive_writer.h"
#include "log.h"
#include "process.h"
#include "strtab.h"
#include "temp_tree.h"

#include <QObject>

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace tw_test;

namespace {

// One logger per test process, writing everything of the extractor to a file.
class LoggerEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_dir = new TempTree();
        m_dir->write("levels", "extractor_debug=7\n");
        log_path = *m_dir / "extractor.log";
        ASSERT_EQ(0,
                  Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), (*m_dir / "levels").c_str(), 5));
        StrTable::InitStrTable();
    }
    void TearDown() override { delete m_dir; }

    static std::string log_path;

private:
    TempTree *m_dir = nullptr;
};
std::string LoggerEnvironment::log_path;
::testing::Environment *const logger_env = ::testing::AddGlobalTestEnvironment(new LoggerEnvironment);

// The log text written since construction.
class LogTail {
public:
    LogTail() : m_start(FileSize(LoggerEnvironment::log_path)) {}
    std::string Text() const
    {
        return WithoutLineNumbers(ReadFile(LoggerEnvironment::log_path).substr(static_cast<size_t>(m_start)));
    }
    bool Has(const std::string &text) const { return Text().find(text) != std::string::npos; }
    int Count(const std::string &text) const
    {
        const std::string log = Text();
        int n = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++n;
        return n;
    }

private:
    off_t m_start;
};

// What the adapter sent, in order: "text:<label>" or "progress:<total>,<done>".
class AdapterRecorder {
public:
    AdapterRecorder()
    {
        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        QObject::connect(&ad, &Notify_Adapter::sigUpdateProgress, &m_context, [this](int total, int done) {
            events.push_back("progress:" + std::to_string(total) + "," + std::to_string(done));
        });
        QObject::connect(&ad, &Notify_Adapter::sigUpdateDialogText, &m_context,
                         [this](QString text) { events.push_back("text:" + text.toStdString()); });
    }
    std::vector<std::string> Progress() const
    {
        std::vector<std::string> out;
        for (const std::string &e : events)
            if (e.rfind("progress:", 0) == 0)
                out.push_back(e);
        return out;
    }

    std::vector<std::string> events;

private:
    QObject m_context;
};

const char *const kPreparingText = "text:Tidewell Backup is initializing...";

mode_t ModeOf(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

mode_t CurrentUmask()
{
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

ino_t InodeOf(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class ExtractorTest : public ::testing::Test {
protected:
    void SetUp() override { target = tree.mkdir("target"); }

    int Run(const std::string &archive_path, const std::string &target_path)
    {
        Extractor ex;
        ex.SetSource(archive_path.c_str());
        ex.SetTarget(target_path.c_str());
        return ex.Extract();
    }
    int Run(const ArchiveWriter &w) { return Run(w, target); }
    int Run(const ArchiveWriter &w, const std::string &target_path)
    {
        const std::string path = tree / "package.qpk";
        std::string error = w.Write(path);
        EXPECT_EQ("", error);
        return Run(path, target_path);
    }

    TempTree tree;
    std::string target;
};

// ---------------------------------------------------------------- arguments

TEST_F(ExtractorTest, EmptySourceOrTargetIsRefusedWithoutDialogText)
{
    const std::string archive = tree / "a.qpk";
    ASSERT_EQ("", ArchiveWriter().File("f", "x").Write(archive));
    const std::vector<std::pair<std::string, std::string>> cases = {{"", target}, {archive, ""}, {"", ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE("source '" + c.first + "', target '" + c.second + "'");
        LogTail log;
        AdapterRecorder rec;
        EXPECT_EQ(-1, Run(c.first, c.second));
        EXPECT_TRUE(log.Has("[ERROR] extractor(N): Invalid Argument\n")) << log.Text();
        EXPECT_TRUE(rec.events.empty());

        Extractor ex;
        ex.SetSource(c.first.c_str());
        ex.SetTarget(c.second.c_str());
        LogTail count_log;
        EXPECT_EQ(-1, ex.Count());
        EXPECT_EQ(-1, ex.List());
        EXPECT_EQ(2, count_log.Count("[ERROR] extractor(N): Invalid argument\n")) << count_log.Text();
    }
}

TEST_F(ExtractorTest, MissingArchiveFailsInCountAndExtract)
{
    const std::string missing = tree / "missing.qpk";
    {
        Extractor ex;
        ex.SetSource(missing.c_str());
        ex.SetTarget(target.c_str());
        LogTail log;
        EXPECT_EQ(-1, ex.Count());
        EXPECT_TRUE(log.Has("[ERROR] extractor(N): archive_read_open_filename failed: '")) << log.Text();
    }
    LogTail log;
    AdapterRecorder rec;
    EXPECT_EQ(-1, Run(missing, target));
    EXPECT_TRUE(log.Has("[DEBUG] extractor(N): decompress from '" + missing + "' to '" + target + "'\n"));
    EXPECT_TRUE(log.Has("archive_read_open_filename failed: '"));
    EXPECT_TRUE(log.Has("[ERROR] extractor(N): Failed to calculate total file numbers, ret: -1\n"))
        << log.Text();
    EXPECT_EQ(std::vector<std::string>{kPreparingText}, rec.events);
}

TEST_F(ExtractorTest, ArchiveWithoutEntriesFailsWithCountZero)
{
    struct Case {
        const char *name;
        ArchiveFormat format;
        ArchiveFilter filter;
    };
    for (const Case &c : {Case{"tar", ArchiveFormat::GnuTar, ArchiveFilter::None},
                          Case{"pax.gz", ArchiveFormat::Pax, ArchiveFilter::Gzip}}) {
        SCOPED_TRACE(c.name);
        const std::string archive = tree / (std::string("empty.") + c.name);
        ASSERT_EQ("", ArchiveWriter(c.format, c.filter).Write(archive));
        LogTail log;
        AdapterRecorder rec;
        EXPECT_EQ(-1, Run(archive, target));
        EXPECT_TRUE(log.Has("[ERROR] extractor(N): Failed to calculate total file numbers, ret: 0\n"))
            << log.Text();
        EXPECT_TRUE(rec.Progress().empty());
    }
    const std::string zero = tree.write("zero.qpk", "");
    LogTail log;
    EXPECT_EQ(-1, Run(zero, target));
    EXPECT_TRUE(log.Has("[ERROR] extractor(N): Failed to calculate total file numbers, ret: 0\n"))
        << log.Text();
}

TEST_F(ExtractorTest, MissingTargetFolderIsReported)
{
    ASSERT_EQ("", ArchiveWriter().File("f", "x").Write(tree / "a.qpk"));
    LogTail log;
    EXPECT_EQ(-1, Run(tree / "a.qpk", tree / "no/such/folder"));
    EXPECT_TRUE(
        log.Has("[ERROR] extractor(N): Failed to resolve target folder '" + tree / "no/such/folder" + "': "))
        << log.Text();
    EXPECT_FALSE(Exists(tree / "no"));
}

// ---------------------------------------------------------------- formats and progress

struct FormatCase {
    const char *name;
    ArchiveFormat format;
    ArchiveFilter filter;
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.name;
}

class ExtractorFormatTest : public ExtractorTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ExtractorFormatTest, FolderAndTwoFilesGiveThreeSteps)
{
    ArchiveWriter w(GetParam().format, GetParam().filter);
    w.Dir("bin").File("bin/tidewell-backup-ui", "#!/bin/sh\necho hi\n", 0755).File("bin/INFO", "[Version]\n");
    AdapterRecorder rec;
    EXPECT_EQ(0, Run(w));
    EXPECT_EQ((std::vector<std::string>{kPreparingText, "progress:3,1", "progress:3,2", "progress:3,3"}),
              rec.events);
    EXPECT_TRUE(IsDir(target + "/bin"));
    EXPECT_EQ("#!/bin/sh\necho hi\n", ReadFile(target + "/bin/tidewell-backup-ui"));
    EXPECT_EQ("[Version]\n", ReadFile(target + "/bin/INFO"));
    EXPECT_EQ(S_IFREG | (0755 & ~CurrentUmask()), ModeOf(target + "/bin/tidewell-backup-ui"));

    Extractor ex;
    ex.SetSource((tree / "package.qpk").c_str());
    ex.SetTarget(target.c_str());
    EXPECT_EQ(3, ex.Count());
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, ex.List());
    EXPECT_EQ("bin/\nbin/tidewell-backup-ui\nbin/INFO\n", testing::internal::GetCapturedStdout());
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractorFormatTest,
                         ::testing::Values(FormatCase{"gnutar", ArchiveFormat::GnuTar, ArchiveFilter::None},
                                           FormatCase{"ustar_gzip", ArchiveFormat::Ustar,
                                                      ArchiveFilter::Gzip},
                                           FormatCase{"pax_zstd", ArchiveFormat::Pax, ArchiveFilter::Zstd},
                                           FormatCase{"pax_xz", ArchiveFormat::Pax, ArchiveFilter::Xz},
                                           FormatCase{"zip", ArchiveFormat::Zip, ArchiveFilter::None}),
                         [](const ::testing::TestParamInfo<FormatCase> &info) { return info.param.name; });

TEST(ScaleProgress, KeepsThePercentageInIntRange)
{
    const int64_t max_total = INT_MAX / 100;
    struct Case {
        int64_t total, done;
        int want_total, want_done;
    };
    const Case cases[] = {
        {3, 1, 3, 1},
        {3, 3, 3, 3},
        {0, 0, 1, 0}, // a total of 0 is never sent
        {-5, -1, 1, 0},
        {5, 7, 5, 5}, // never beyond 100 %
        {max_total, max_total, static_cast<int>(max_total), static_cast<int>(max_total)},
        {INT_MAX, INT_MAX, static_cast<int>(max_total), static_cast<int>(max_total)},
        {INT_MAX, INT_MAX / 2, static_cast<int>(max_total), static_cast<int>(max_total / 2)},
        {int64_t(1) << 40, int64_t(1) << 39, static_cast<int>(max_total), static_cast<int>(max_total / 2)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.total) + "/" + std::to_string(c.done));
        ExtractProgress p = ScaleProgress(c.total, c.done);
        EXPECT_EQ(c.want_total, p.total);
        EXPECT_NEAR(c.want_done, p.done, 1);
        EXPECT_LE(int64_t(p.done) * 100, int64_t(INT_MAX));
        EXPECT_GE(p.total, 1);
        EXPECT_LE(p.done, p.total);
    }
}

// ---------------------------------------------------------------- paths

TEST_F(ExtractorTest, DotDotEntryFailsAndWritesNothingOutside)
{
    LogTail log;
    AdapterRecorder rec;
    EXPECT_EQ(-1, Run(ArchiveWriter().File("first", "1").File("../x", "evil").File("last", "3")));
    EXPECT_TRUE(log.Has("[ERROR] extractor(N): archive_read_extract2 failed: '")) << log.Text();
    EXPECT_EQ("1", ReadFile(target + "/first"));
    EXPECT_FALSE(Exists(tree / "x"));
    EXPECT_FALSE(Exists(target + "/last"));
    EXPECT_EQ((std::vector<std::string>{"progress:3,1"}), rec.Progress());
}

TEST_F(ExtractorTest, AbsoluteEntryLandsBelowTarget)
{
    // A path in a folder of its own, so that a fault would show outside the target.
    TempTree outside;
    const std::string abs_path = outside / "abs/x";
    const bool etc_x_existed = Exists("/etc/x");
    EXPECT_EQ(0, Run(ArchiveWriter().File(abs_path, "inside").File("/etc/x", "etc")));
    EXPECT_EQ("inside", ReadFile(target + "/" + abs_path));
    EXPECT_EQ("etc", ReadFile(target + "//etc/x"));
    EXPECT_FALSE(Exists(abs_path));
    if (!etc_x_existed) {
        EXPECT_FALSE(Exists("/etc/x"));
    }
}

TEST_F(ExtractorTest, InvalidUtf8AndLongNamesAreWrittenAsStored)
{
    const std::string bad = "bad\xff\xfe-name";
    std::string deep;
    for (int i = 0; i < 5; ++i)
        deep += std::string(60, static_cast<char>('a' + i)) + "/";
    deep += "leaf";
    for (ArchiveFormat format : {ArchiveFormat::GnuTar, ArchiveFormat::Pax}) {
        SCOPED_TRACE(format == ArchiveFormat::GnuTar ? "gnutar" : "pax");
        RemoveTree(target);
        MakeDirs(target);
        EXPECT_EQ(0, Run(ArchiveWriter(format).File(bad, "b").File(deep, "deep")));
        EXPECT_EQ("b", ReadFile(target + "/" + bad));
        EXPECT_EQ("deep", ReadFile(target + "/" + deep));
    }
}

// ---------------------------------------------------------------- symbolic links

TEST_F(ExtractorTest, PlantedSymlinkIsNeverWrittenThrough)
{
    TempTree home;
    home.write(".bashrc", "safe");
    home.write("sub/f", "safe");
    const std::string rel_home = "../../" + home.path().substr(1);
    struct Case {
        const char *name;
        ArchiveWriter archive;
    };
    const Case cases[] = {
        {"absolute link, file through it",
         ArchiveWriter().Symlink("lib", home.path()).File("lib/.bashrc", "evil")},
        {"relative link, file through it",
         ArchiveWriter().Symlink("lib", rel_home).File("lib/.bashrc", "evil")},
        {"link, folder and file through it",
         ArchiveWriter().Symlink("lib", home.path()).Dir("lib/sub").File("lib/sub/f", "evil")},
        {"link as the file's own name", ArchiveWriter().Symlink("f", home / ".bashrc").File("f", "evil")},
        {"link in a zip",
         ArchiveWriter(ArchiveFormat::Zip).Symlink("lib", home.path()).File("lib/.bashrc", "evil")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(target);
        MakeDirs(target);
        Run(c.archive);
        EXPECT_EQ("safe", ReadFile(home / ".bashrc"));
        EXPECT_EQ("safe", ReadFile(home / "sub/f"));
        EXPECT_FALSE(Exists(home / "sub/sub"));
    }
}

TEST_F(ExtractorTest, SymlinkEntryIsRestoredAsLink)
{
    EXPECT_EQ(
        0, Run(ArchiveWriter().Dir("lib").File("lib/libx.so.1", "so").Symlink("lib/libx.so", "libx.so.1")));
    EXPECT_EQ("libx.so.1", ReadLink(target + "/lib/libx.so"));
    EXPECT_EQ("so", ReadFile(target + "/lib/libx.so"));
}

TEST_F(ExtractorTest, UserSymlinkOnTheWayToTargetIsKept)
{
    TempTree disk;
    const std::string real_root = disk.mkdir("TidewellBackup");
    tree.symlink(real_root, "home/.TidewellBackup");
    const std::string via_link = tree / "home/.TidewellBackup/Tidewell.app";
    MakeDirs(via_link);
    EXPECT_EQ(0, Run(ArchiveWriter().Dir("bin").File("bin/tidewell-backup-ui", "new"), via_link));
    EXPECT_TRUE(IsSymlink(tree / "home/.TidewellBackup"));
    EXPECT_EQ(real_root, ReadLink(tree / "home/.TidewellBackup"));
    EXPECT_EQ("new", ReadFile(real_root + "/Tidewell.app/bin/tidewell-backup-ui"));
}

// ---------------------------------------------------------------- hard links

// The current folder holds a symbolic link named like the first component of
// the hard links' targets; it must survive, and the links must stay inside.
TEST_F(ExtractorTest, HardLinksPointInsideTheCopy)
{
    TempTree cwd;
    cwd.mkdir("elsewhere");
    cwd.symlink("elsewhere", "lib");
    char saved[4096];
    ASSERT_NE(nullptr, getcwd(saved, sizeof saved));
    ASSERT_EQ(0, chdir(cwd.path().c_str()));
    int result = Run(ArchiveWriter()
                         .Dir("lib")
                         .File("lib/x", "X")
                         .Hardlink("y", "lib/x")
                         .Hardlink("lib/z", "/lib/x")
                         .Hardlink("w", "y"));
    ASSERT_EQ(0, chdir(saved));
    EXPECT_EQ(0, result);
    EXPECT_TRUE(IsSymlink(cwd / "lib"));
    EXPECT_FALSE(Exists(cwd / "elsewhere/x"));
    const ino_t ino = InodeOf(target + "/lib/x");
    ASSERT_NE(0u, ino);
    EXPECT_EQ(ino, InodeOf(target + "/y"));
    EXPECT_EQ(ino, InodeOf(target + "/lib/z"));
    EXPECT_EQ(ino, InodeOf(target + "/w"));
    EXPECT_EQ("X", ReadFile(target + "/w"));
}

TEST_F(ExtractorTest, HardLinkWithDotDotIsRefused)
{
    const std::string secret = tree.write("secret", "secret");
    LogTail log;
    EXPECT_EQ(-1, Run(ArchiveWriter().File("a", "a").Hardlink("h", "../secret")));
    EXPECT_TRUE(log.Has("[ERROR] extractor(N): archive_read_extract2 failed: '")) << log.Text();
    EXPECT_FALSE(Exists(target + "/h"));
    struct stat st;
    ASSERT_EQ(0, stat(secret.c_str(), &st));
    EXPECT_EQ(1u, st.st_nlink);
}

TEST_F(ExtractorTest, HardLinkThroughPlantedSymlinkStaysInside)
{
    TempTree home;
    home.write(".bashrc", "safe");
    Run(ArchiveWriter().Symlink("lib", home.path()).Hardlink("h", "lib/.bashrc"));
    struct stat st;
    ASSERT_EQ(0, stat((home / ".bashrc").c_str(), &st));
    EXPECT_EQ(1u, st.st_nlink);
    EXPECT_EQ("safe", ReadFile(home / ".bashrc"));
}

// ---------------------------------------------------------------- working folder

std::string WorkingFolder()
{
    char buf[4096];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

// Restores the test's working folder whatever happens in between.
class InFolder {
public:
    explicit InFolder(const std::string &folder) : m_saved(WorkingFolder())
    {
        EXPECT_EQ(0, chdir(folder.c_str()));
    }
    ~InFolder() { EXPECT_EQ(0, chdir(m_saved.c_str())); }

private:
    std::string m_saved;
};

// The extraction works in the target folder; nothing of that may leak into
// other threads, outlive the call or misplace what the writer finishes late.
TEST_F(ExtractorTest, WorkingFolderChangesOnlyForTheExtractingThreadAndOnlyDuringTheCall)
{
    char *resolved = realpath(target.c_str(), nullptr);
    ASSERT_NE(nullptr, resolved);
    const std::string canonical_target = resolved;
    free(resolved);
    const std::string before = WorkingFolder();
    std::vector<std::string> own, main_thread;
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    QMetaObject::Connection c = QObject::connect(
        &ad, &Notify_Adapter::sigUpdateProgress, &ad,
        [&](int, int) {
            own.push_back(WorkingFolder());
            main_thread.push_back(ReadLink("/proc/self/cwd"));
        },
        Qt::DirectConnection);
    const std::string path = tree / "package.qpk";
    ASSERT_EQ("", ArchiveWriter().Dir("a").File("a/f", "f").File("g", "g").Write(path));
    std::string after;
    int result = -2;
    std::thread worker([&] {
        result = Run(path, target);
        after = WorkingFolder();
    });
    worker.join();
    QObject::disconnect(c);
    EXPECT_EQ(0, result);
    ASSERT_EQ(3u, own.size());
    for (size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(canonical_target, own[i]);
        EXPECT_EQ(before, main_thread[i]);
    }
    EXPECT_EQ(before, after);
    EXPECT_EQ(before, WorkingFolder());
    EXPECT_EQ("f", ReadFile(target + "/a/f"));
}

// A folder without write permission gets its mode when the writer closes, by
// the path it was written under: it must be the target's, not a folder of the
// same name where the caller works. A relative archive path still opens.
TEST_F(ExtractorTest, LateFolderModesLandInTheTargetAndRelativeSourceOpens)
{
    const std::string path = tree / "package.qpk";
    ASSERT_EQ("", ArchiveWriter().Dir("ro", 0555).File("ro/f", "f").Write(path));
    TempTree cwd;
    cwd.mkdir("ro");
    ASSERT_EQ(0, chmod((cwd / "ro").c_str(), 0755));
    const std::string second = tree.mkdir("second");
    int relative_result = -2, result = -2;
    {
        InFolder in(tree.path());
        relative_result = Run("package.qpk", target);
    }
    {
        InFolder in(cwd.path());
        result = Run(path, second);
    }
    EXPECT_EQ(0, relative_result);
    EXPECT_EQ(0, result);
    for (const std::string &t : {target, second}) {
        EXPECT_EQ(S_IFDIR | (0555 & ~CurrentUmask()), ModeOf(t + "/ro"));
        EXPECT_EQ("f", ReadFile(t + "/ro/f"));
        chmod((t + "/ro").c_str(), 0755); // lets the temporary tree go
    }
    EXPECT_EQ(S_IFDIR | 0755, ModeOf(cwd / "ro"));
}

// ---------------------------------------------------------------- existing files, modes, specials

TEST_F(ExtractorTest, ExistingEntriesAreReplaced)
{
    TempTree outside;
    const std::string shared = tree.write("target/bin/app", "old");
    ASSERT_EQ(0, link(shared.c_str(), (tree / "keep").c_str()));
    outside.write("victim", "safe");
    tree.symlink(outside / "victim", "target/conf");
    EXPECT_EQ(0, Run(ArchiveWriter().Dir("bin").File("bin/app", "new").File("conf", "conf")));
    EXPECT_EQ("new", ReadFile(target + "/bin/app"));
    EXPECT_EQ("old", ReadFile(tree / "keep")); // replaced, not truncated in place
    EXPECT_EQ("conf", ReadFile(target + "/conf"));
    EXPECT_FALSE(IsSymlink(target + "/conf"));
    EXPECT_EQ("safe", ReadFile(outside / "victim"));
}

TEST_F(ExtractorTest, SetIdBitsNeverReachTheDisk)
{
    EXPECT_EQ(0, Run(ArchiveWriter()
                         .File("suid", "x", 04755)
                         .File("sgid", "x", 02755)
                         .Dir("sgid-dir", 02775)
                         .Dir("sticky-dir", 01777)
                         .File("sgid-dir/f", "x", 06777)));
    for (const char *name : {"suid", "sgid", "sgid-dir", "sticky-dir", "sgid-dir/f"}) {
        SCOPED_TRACE(name);
        const mode_t mode = ModeOf(target + "/" + name);
        ASSERT_NE(0u, mode);
        EXPECT_EQ(0u, mode & (S_ISUID | S_ISGID));
    }
    EXPECT_EQ(S_IFREG | (0755 & ~CurrentUmask()), ModeOf(target + "/suid"));
}

TEST_F(ExtractorTest, DevicesAndPipesAreSkipped)
{
    LogTail log;
    AdapterRecorder rec;
    EXPECT_EQ(0, Run(ArchiveWriter()
                         .Fifo("pipe")
                         .CharDevice("null", 1, 3)
                         .BlockDevice("disk", 8, 0)
                         .File("after", "after")));
    for (const char *name : {"pipe", "null", "disk"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Exists(target + "/" + name));
        EXPECT_TRUE(log.Has(std::string("[WARNING] extractor(N): skipping special file '") + name + "'\n"))
            << log.Text();
    }
    EXPECT_EQ("after", ReadFile(target + "/after"));
    EXPECT_EQ((std::vector<std::string>{"progress:4,1", "progress:4,2", "progress:4,3", "progress:4,4"}),
              rec.Progress());
}

// ---------------------------------------------------------------- damaged archives

// Damage that the formats can notice. (A gzip stream's checksum is never
// reached: reading stops at the tar end marker, before the gzip trailer.)
TEST_F(ExtractorTest, DamagedArchivesFail)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "line " + std::to_string(i * 7 % 1000) + "\n";
    struct Case {
        const char *name;
        ArchiveFormat format;
        ArchiveFilter filter;
        bool truncate; // else one byte is flipped
        int percent;   // where: a share of the archive's size
    };
    const Case cases[] = {
        {"tar truncated", ArchiveFormat::GnuTar, ArchiveFilter::None, true, 50},
        {"tar header damaged", ArchiveFormat::GnuTar, ArchiveFilter::None, false, 0},
        {"gzip truncated", ArchiveFormat::Pax, ArchiveFilter::Gzip, true, 50},
        {"gzip flipped", ArchiveFormat::Pax, ArchiveFilter::Gzip, false, 50},
        {"zstd truncated", ArchiveFormat::Pax, ArchiveFilter::Zstd, true, 50},
        {"xz flipped", ArchiveFormat::Pax, ArchiveFilter::Xz, false, 50},
        {"xz truncated", ArchiveFormat::Pax, ArchiveFilter::Xz, true, 90},
        {"zip truncated", ArchiveFormat::Zip, ArchiveFilter::None, true, 50},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string archive = tree / "damaged.qpk";
        ASSERT_EQ(
            "",
            ArchiveWriter(c.format, c.filter).File("a", text).File("b", text).File("c", "c").Write(archive));
        const off_t at = FileSize(archive) * c.percent / 100;
        ASSERT_TRUE(c.truncate ? TruncateFile(archive, at) : FlipByte(archive, at));
        RemoveTree(target);
        MakeDirs(target);
        LogTail log;
        EXPECT_EQ(-1, Run(archive, target));
        EXPECT_TRUE(log.Has("[ERROR] extractor(N): ")) << log.Text();
    }
}

} // namespace
