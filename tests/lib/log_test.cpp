#include "log.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sched.h>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "process.h"
#include "temp_tree.h"

namespace {

const long long kMiB = 1048576;
const char kRoleVar[] = "TW_LOG_TEST_ROLE";
const char kDirVar[] = "TW_LOG_TEST_DIR";
const char kLevelsVar[] = "TW_LOG_TEST_LEVELS";

ustring U(const std::string &s)
{
    return ustring(s.c_str());
}
std::string Env(const char *name)
{
    return getenv(name) ? getenv(name) : "";
}
bool InChild()
{
    return getenv(kRoleVar) != nullptr;
}

// The logger's state is static: a scenario that needs it as a new process has it runs the
// calling test again in a fresh copy of this executable, with `role` in its environment.
tw_test::ProcessResult RunFresh(const std::string &role, const std::string &dir,
                                const std::string &levels = std::string(), int timeout_seconds = 120)
{
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    tw_test::ProcessOptions opts;
    opts.timeout_seconds = timeout_seconds;
    opts.env[kRoleVar] = role;
    opts.env[kDirVar] = dir;
    opts.env[kLevelsVar] = levels;
    std::string filter = std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    return tw_test::RunProcess({tw_test::SelfPath(), filter}, opts);
}

std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> OurLines(const std::string &text)
{
    std::vector<std::string> ours;
    for (const std::string &line : LinesOf(text))
        if (line.find("log_test(") != std::string::npos)
            ours.push_back(line);
    return ours;
}

bool StampAt(const std::string &s, size_t i)
{
    static const char shape[] = "Aaa 99 99:99:99 ";
    if (i + sizeof shape - 1 > s.size())
        return false;
    for (size_t k = 0; k + 1 < sizeof shape; ++k) {
        unsigned char c = static_cast<unsigned char>(s[i + k]);
        char want = shape[k];
        bool ok = want == 'A' ? isupper(c) : want == 'a' ? islower(c) : want == '9' ? isdigit(c) : c == want;
        if (!ok)
            return false;
    }
    return true;
}

// Replaces each timestamp by "<TS>" and each caller line number by "N", so whole outputs
// compare as plain text.
std::string Normalized(const std::string &s)
{
    static const std::string caller = "log_test(";
    std::string out;
    for (size_t i = 0; i < s.size();) {
        if (StampAt(s, i)) {
            out += "<TS>";
            i += 16;
            continue;
        }
        if (s.compare(i, caller.size(), caller) == 0) {
            size_t j = i + caller.size();
            while (j < s.size() && isdigit(static_cast<unsigned char>(s[j])))
                ++j;
            if (j > i + caller.size() && j < s.size() && s[j] == ')') {
                out += "log_test(N)";
                i = j + 1;
                continue;
            }
        }
        out += s[i++];
    }
    return out;
}

long long SizeOf(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

const char *const kComponents[] = {"launcher_debug", "service_debug",     "extractor_debug",
                                   "file_op_debug",  "default_component", "other_debug"};

void LogEveryLevel()
{
    static const char *const formats[8] = {"[EMERG] log_test(%d): %s 0\n",   "[ALERT] log_test(%d): %s 1\n",
                                           "[CRIT] log_test(%d): %s 2\n",    "[ERROR] log_test(%d): %s 3\n",
                                           "[WARNING] log_test(%d): %s 4\n", "[NOTE] log_test(%d): %s 5\n",
                                           "[INFO] log_test(%d): %s 6\n",    "[DEBUG] log_test(%d): %s 7\n"};
    for (const char *comp : kComponents)
        for (int level = 0; level < 8; ++level)
            TW_LOG(static_cast<Logger::Level>(level), comp, formats[level], comp);
}

const char *const kTags[8] = {"EMERG", "ALERT", "CRIT", "ERROR", "WARNING", "NOTE", "INFO", "DEBUG"};

// The text LogEveryLevel leaves, normalised, when components not named have threshold 4.
std::string Expected(const std::map<std::string, int> &thresholds)
{
    std::string expected;
    for (const char *comp : kComponents) {
        std::map<std::string, int>::const_iterator it = thresholds.find(comp);
        int threshold = it == thresholds.end() ? 4 : it->second;
        for (int level = 0; level <= threshold && level < 8; ++level)
            expected += std::string("<TS>[") + kTags[level] + "] log_test(N): " + comp + " " +
                        std::to_string(level) + "\n";
    }
    return expected;
}

enum LevelSource { NO_FILE, CONTENT, MISSING, FOLDER };

struct LevelCase {
    const char *name;
    LevelSource source;
    std::string content;
    std::map<std::string, int> thresholds; // components not named stay at 4
};

std::string Padded(const std::string &head, size_t length)
{
    return head + std::string(length - head.size(), 'x');
}

const LevelCase kLevelCases[] = {
    {"NoLevelFile", NO_FILE, "", {}},
    {"ServiceDebug", CONTENT, "service_debug=7\n", {{"service_debug", 7}}},
    {"EachComponent",
     CONTENT,
     "launcher_debug=5\nservice_debug=6\nextractor_debug=7\nfile_op_debug=3\n",
     {{"launcher_debug", 5}, {"service_debug", 6}, {"extractor_debug", 7}, {"file_op_debug", 3}}},
    {"NotANumberIsZero", CONTENT, "service_debug=abc\n", {{"service_debug", 0}}},
    {"MinusOneSilences", CONTENT, "service_debug=-1\n", {{"service_debug", -1}}},
    {"DefaultComponentOnlyItself", CONTENT, "default_component=7\n", {{"default_component", 7}}},
    {"StreamStyleNumbers",
     CONTENT,
     "service_debug=' 6 '\nlauncher_debug=5x\nfile_op_debug=+2\n",
     {{"service_debug", 6}, {"launcher_debug", 5}, {"file_op_debug", 2}}},
    {"HugeNumbersSaturate",
     CONTENT,
     "service_debug=99999999999999999999\nlauncher_debug=-99999999999999999999\n",
     {{"service_debug", 7}, {"launcher_debug", -1}}},
    {"MissingFile", MISSING, "", {}},
    {"FolderAsLevelFile", FOLDER, "", {}},
    {"InvalidLineRejectsFile", CONTENT, "service_debug=7\nnot a setting\n", {}},
    {"OverlongLineRejectsFile", CONTENT, "service_debug=7\n" + Padded("launcher_debug=6", 8192) + "\n", {}},
    {"LongestLineAccepted",
     CONTENT,
     Padded("service_debug=7", 8191) + "\nlauncher_debug=6\n",
     {{"service_debug", 7}, {"launcher_debug", 6}}},
};

TEST(LoggerLevels, PerComponentThresholds)
{
    if (InChild()) {
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(Env(kDirVar) + "/launcher.log"),
                                     U(Env(kLevelsVar)), 50),
                  0);
        LogEveryLevel();
        return;
    }
    for (const LevelCase &c : kLevelCases) {
        SCOPED_TRACE(c.name);
        tw_test::TempTree tree;
        std::string levels;
        if (c.source == CONTENT)
            levels = tree.write("launcher.debug", c.content);
        else if (c.source == MISSING)
            levels = tree / "absent.debug";
        else if (c.source == FOLDER)
            levels = tree.mkdir("launcher.debug");
        tw_test::ProcessResult run = RunFresh(c.name, tree.path(), levels);
        ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
        EXPECT_EQ(Normalized(tw_test::ReadFile(tree / "launcher.log")), Expected(c.thresholds));
    }
}

TEST(LoggerStart, BeforeInitializeWarningsReachStandardErrorWithTimestamp)
{
    if (InChild()) {
        LogEveryLevel();
        return;
    }
    tw_test::ProcessResult run = RunFresh("before", "");
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_EQ(Normalized(run.err), Expected({}));
    EXPECT_TRUE(OurLines(run.out).empty()) << run.out;
}

TEST(LoggerStart, FailedInitializeKeepsWritingWhereItWroteAndKeepsItsLevels)
{
    if (InChild()) {
        std::string dir = Env(kDirVar);
        EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(""), U(Env(kLevelsVar)), 50), -1);
        EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(dir + "/no/such/dir/x.log"), U(""), 50), -1);
        TW_LOG(Logger::L_DEBUG, "service_debug", "[DEBUG] log_test(%d): to stderr still\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(dir + "/good.log"), U(""), 50), 0);
        EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(dir + "/no/such/dir/x.log"), U(""), 50), -1);
        TW_LOG(Logger::L_ERR, "service_debug", "[ERROR] log_test(%d): to the earlier file\n");
        return;
    }
    tw_test::TempTree tree;
    tw_test::ProcessResult run = RunFresh("failed", tree.path(), tree.write("levels", "service_debug=7\n"));
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_EQ(Normalized(run.err), "<TS>[DEBUG] log_test(N): to stderr still\n");
    EXPECT_EQ(Normalized(tw_test::ReadFile(tree / "good.log")),
              "<TS>[ERROR] log_test(N): to the earlier file\n");
}

// What the log path holds instead of a regular file, and how the logger names it.
struct NotAFileCase {
    const char *name;
    std::function<void(const std::string &path)> make;
    const char *kind;
};

const NotAFileCase kNotAFileCases[] = {
    // Opening a FIFO for writing waits for a reader, which may never come.
    {"Fifo", [](const std::string &path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, "a FIFO"},
    {"Folder", [](const std::string &path) { tw_test::MakeDirs(path); }, "a folder"},
    // The file behind a link is what counts: a device would swallow every line.
    {"DeviceBehindLink", [](const std::string &path) { ASSERT_EQ(symlink("/dev/null", path.c_str()), 0); },
     "a character device"},
};

TEST(LoggerStart, LogPathNotARegularFileSendsTheLogToStandardError)
{
    if (InChild()) {
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(Env(kDirVar) + "/launcher.log"), U(""), 50), 0);
        TW_LOG(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): logged all the same\n");
        return;
    }
    for (const NotAFileCase &c : kNotAFileCases) {
        SCOPED_TRACE(c.name);
        tw_test::TempTree tree;
        const std::string log = tree / "launcher.log";
        c.make(log);
        struct stat before;
        ASSERT_EQ(lstat(log.c_str(), &before), 0);
        // A logger that blocks is killed at the time-out and fails here instead of hanging.
        tw_test::ProcessResult run = RunFresh(c.name, tree.path(), "", 20);
        EXPECT_EQ(run.exit_code, 0) << "signal " << run.term_signal << "\n" << run.out << run.err;
        EXPECT_EQ(Normalized(tw_test::WithoutLineNumbers(run.err)),
                  "<TS>[WARNING] log(N): '" + log + "' is " + c.kind +
                      ", not a regular file; logging to standard error\n"
                      "<TS>[ERROR] log_test(N): logged all the same\n");
        struct stat after;
        ASSERT_EQ(lstat(log.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the entry is left as it was";
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
}

struct DestinationCase {
    const char *name;
    Logger::Type type;
    const char *where; // "out", "err" or "file"
    bool stamped;
};

TEST(LoggerDestinations, EachTypeWritesWhereItSays)
{
    const DestinationCase cases[] = {
        {"Stdout", Logger::STDOUT_LOGGER, "out", true},
        {"Stderr", Logger::STDERR_LOGGER, "err", true},
        {"File", Logger::FILE_LOGGER, "file", true},
        {"Android", Logger::ANDROID_LOGGER, "err", false},
        {"Unknown", static_cast<Logger::Type>(9), "err", false},
    };
    if (InChild()) {
        const DestinationCase &c = cases[atoi(Env(kRoleVar).c_str())];
        ASSERT_EQ(Logger::Initialize(c.type, U(Env(kDirVar) + "/launcher.log"), U(""), 50), 0);
        TW_LOG(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): shown\n");
        TW_LOG(Logger::L_NOTICE, "launcher_debug", "[NOTE] log_test(%d): hidden\n");
        return;
    }
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const DestinationCase &c = cases[i];
        SCOPED_TRACE(c.name);
        tw_test::TempTree tree;
        tw_test::ProcessResult run = RunFresh(std::to_string(i), tree.path());
        ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
        std::map<std::string, std::string> got = {
            {"out", run.out}, {"err", run.err}, {"file", tw_test::ReadFile(tree / "launcher.log")}};
        std::string line = std::string(c.stamped ? "<TS>" : "") + "[ERROR] log_test(N): shown";
        for (const auto &place : got) {
            std::vector<std::string> ours = OurLines(place.second);
            if (place.first != c.where) {
                EXPECT_TRUE(ours.empty()) << place.first << ": " << place.second;
                continue;
            }
            ASSERT_EQ(ours.size(), 1u) << place.first << ": " << place.second;
            EXPECT_EQ(Normalized(ours[0]), line);
        }
        // File-like kinds create their file even when they write elsewhere.
        EXPECT_EQ(tw_test::Exists(tree / "launcher.log"),
                  c.type != Logger::STDOUT_LOGGER && c.type != Logger::STDERR_LOGGER);
    }
}

// The child takes /dev/log in a mount namespace of its own; without the right to make
// one the test is skipped.
TEST(LoggerDestinations, SyslogSendsEveryPassingMessageAtErrorPriority)
{
    if (InChild()) {
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tw-log-test", "/dev", "tmpfs", 0, nullptr) != 0) {
            printf("NO-NAMESPACE\n");
            return;
        }
        int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
        sockaddr_un addr = {};
        addr.sun_family = AF_UNIX;
        strcpy(addr.sun_path, "/dev/log");
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0) << strerror(errno);
        ASSERT_EQ(Logger::Initialize(Logger::SYSLOG_LOGGER, U("unused"), U(Env(kLevelsVar)), 50), 0);
        TW_LOG(Logger::L_INFO, "other_debug", "[INFO] log_test(%d): below the threshold\n");
        TW_LOG(Logger::L_DEBUG, "service_debug", "[DEBUG] log_test(%d): to the system log\n");
        char buf[2048];
        ssize_t n = recv(fd, buf, sizeof buf - 1, 0);
        ASSERT_GT(n, 0);
        std::string got(buf, static_cast<size_t>(n));
        EXPECT_EQ(got.substr(0, 4), "<11>") << got; // user facility, LOG_ERR
        EXPECT_NE(got.find("[DEBUG] log_test("), std::string::npos) << got;
        EXPECT_LT(recv(fd, buf, sizeof buf, MSG_DONTWAIT), 0) << "only one message passes";
        return;
    }
    tw_test::TempTree tree;
    tw_test::ProcessResult run = RunFresh("syslog", tree.path(), tree.write("levels", "service_debug=7\n"));
    if (run.out.find("NO-NAMESPACE") != std::string::npos)
        GTEST_SKIP() << "no mount namespace";
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_TRUE(OurLines(run.out).empty());
    EXPECT_TRUE(OurLines(run.err).empty());
}

// Two threads log at once; every line must come out whole and in each thread's order.
void LogFromTwoThreads(int count = 5000, size_t width = 40)
{
    std::atomic<int> ready(0);
    auto body = [&ready, count, width](char name) {
        std::string filler(width, name);
        ++ready;
        while (ready.load() < 2)
            std::this_thread::yield();
        for (int i = 0; i < count; ++i)
            TW_LOG(Logger::L_ERR, "thread_debug", "[ERROR] log_test(%d): %c %d %s\n", name, i,
                   filler.c_str());
    };
    std::thread a(body, 'a');
    std::thread b(body, 'b');
    a.join();
    b.join();
}

void ExpectWholeLines(const std::string &text, int count = 5000, size_t width = 40)
{
    std::map<char, int> next;
    for (const std::string &line : LinesOf(text)) {
        char name = line.empty() ? '?' : line.back();
        std::string whole = "<TS>[ERROR] log_test(N): " + std::string(1, name) + " " +
                            std::to_string(next[name]) + " " + std::string(width, name);
        ASSERT_EQ(Normalized(line), whole);
        ++next[name];
    }
    EXPECT_EQ(next['a'], count);
    EXPECT_EQ(next['b'], count);
}

TEST(LoggerThreads, LinesNeverInterleave)
{
    if (InChild()) {
        LogFromTwoThreads(); // the lock is created by whichever first message wins
        return;
    }
    tw_test::ProcessResult run = RunFresh("threads", "");
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    ExpectWholeLines(run.err);

    tw_test::TempTree tree;
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(tree / "launcher.log"), U(""), 50), 0);
    LogFromTwoThreads();
    Logger::Destroy();
    ExpectWholeLines(tw_test::ReadFile(tree / "launcher.log"));
}

// Rotation swaps the stream while the other thread logs: under ThreadSanitizer a look at
// the stream outside the lock is a reported race; everywhere, no line may be lost or cut.
TEST(LoggerThreads, RotationWhileTwoThreadsLog)
{
    const int count = 48;
    const size_t width = 32768; // two threads write about 3 MiB: three rotations
    tw_test::TempTree tree;
    std::string log = tree / "launcher.log";
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), 50), 0);
    LogFromTwoThreads(count, width);
    Logger::Destroy();
    ASSERT_TRUE(tw_test::Exists(log + "_1")) << "too few rotations to mean anything";
    std::string all;
    for (int slot = 49; slot >= 0; --slot)
        if (tw_test::Exists(log + "_" + std::to_string(slot)))
            all += tw_test::ReadFile(log + "_" + std::to_string(slot));
    ExpectWholeLines(all + tw_test::ReadFile(log), count, width);
}

// Descriptors of this process open on `path`; with `inherited` only those a child would get.
int OpenDescriptorsOf(const std::string &path, bool inherited = false)
{
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return 0;
    int count = 0;
    DIR *dir = opendir("/proc/self/fd");
    while (struct dirent *e = dir ? readdir(dir) : nullptr) {
        char target[PATH_MAX];
        ssize_t n = readlink((std::string("/proc/self/fd/") + e->d_name).c_str(), target, sizeof target - 1);
        if (n <= 0 || std::string(target, static_cast<size_t>(n)) != resolved)
            continue;
        if (!inherited || !(fcntl(atoi(e->d_name), F_GETFD) & FD_CLOEXEC))
            ++count;
    }
    if (dir)
        closedir(dir);
    return count;
}

TEST(LoggerLifecycle, ReinitializeAndDestroyCloseTheirFiles)
{
    tw_test::TempTree tree;
    std::string a = tree / "a.log";
    std::string b = tree / "b.log";
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(a), U(""), 50), 0);
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(b), U(""), 50), 0);
    EXPECT_EQ(OpenDescriptorsOf(a), 0);
    EXPECT_EQ(OpenDescriptorsOf(b), 1);
    EXPECT_EQ(OpenDescriptorsOf(b, true), 0) << "the client started later must not inherit the log";
    ASSERT_EQ(Logger::Initialize(Logger::STDERR_LOGGER, U(""), U(""), 50), 0);
    EXPECT_EQ(OpenDescriptorsOf(b), 0);
    ASSERT_EQ(Logger::Initialize(Logger::ANDROID_LOGGER, U(a), U(""), 50), 0);
    EXPECT_EQ(OpenDescriptorsOf(a), 1);
    Logger::Destroy();
    EXPECT_EQ(OpenDescriptorsOf(a), 0);

    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(a), U(""), 50), 0);
    Logger::Destroy();
    TW_LOG(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): dropped after Destroy\n");
    EXPECT_EQ(tw_test::ReadFile(a), "");
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(a), U(""), 50), 0);
    TW_LOG(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): written again\n");
    Logger::Destroy();
    EXPECT_EQ(OurLines(tw_test::ReadFile(a)).size(), 1u);
}

void ForwardThroughList(Logger::Level level, const char *fmt, ...) TW_PRINTF_LIKE(2, 3);
void ForwardThroughList(Logger::Level level, const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    Logger::LogMsg2(level, ustring("entry_debug"), fmt, args);
    va_end(args);
}

TEST(LoggerEntryPoints, LogMsg2LogMSG_cAndUnterminatedLines)
{
    tw_test::TempTree tree;
    std::string path = tree / "launcher.log";
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(path), U(""), 50), 0);
    ForwardThroughList(Logger::L_WARNING, "[WARNING] log_test(%d): list %s\n", __LINE__, "one");
    ForwardThroughList(Logger::L_NOTICE, "[NOTE] log_test(%d): list hidden\n", __LINE__);
    LogMSG_c(Logger::L_ERR, "c_debug", "[ERROR] log_test(%d): c %s\n", __LINE__, "two");
    LogMSG_c(Logger::L_DEBUG, "c_debug", "[DEBUG] log_test(%d): c hidden\n", __LINE__);
    LogMSG_c(INT_MAX, "c_debug", "[DEBUG] log_test(%d): c hidden too\n", __LINE__);
    LogMSG_c(Logger::L_ERR, nullptr, "[ERROR] log_test(%d): c without component\n", __LINE__);
    LogMSG_c(Logger::L_ERR, "c_debug", nullptr);
    TW_LOG(Logger::L_ERR, "entry_debug", "[ERROR] log_test(%d): first half, ");
    TW_LOG(Logger::L_ERR, "entry_debug", "[ERROR] log_test(%d): second half\n");
    Logger::Destroy();

    EXPECT_EQ(Normalized(tw_test::ReadFile(path)), "<TS>[WARNING] log_test(N): list one\n"
                                                   "<TS>[ERROR] log_test(N): c two\n"
                                                   "<TS>[ERROR] log_test(N): c without component\n"
                                                   "<TS>[ERROR] log_test(N): first half, "
                                                   "<TS>[ERROR] log_test(N): second half\n");
}

// ---- Rotation ----

void Put(const std::string &text)
{
    Logger::LogMsg(Logger::L_ERR, ustring("rotation_debug"), "%s", text.c_str());
}

// One message of more than 1 MiB: written to the current file, which then rotates.
void RotateOnce(const std::string &tag)
{
    Put(tag + std::string(kMiB, '.') + "\n");
}

std::string TagOf(const std::string &path)
{
    return tw_test::ReadFile(path).substr(16, 3);
}

std::set<std::string> Names(const std::string &dir)
{
    std::set<std::string> names;
    DIR *d = opendir(dir.c_str());
    while (struct dirent *e = d ? readdir(d) : nullptr)
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.insert(e->d_name);
    if (d)
        closedir(d);
    return names;
}

TEST(LoggerRotation, OnlyAfterMoreThanOneMiBWrittenSinceStart)
{
    tw_test::TempTree tree;
    std::string log = tree.write("launcher.log", std::string(2 * kMiB, 'o'));
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), 50), 0);
    Put("p\n");
    const long long stamp = SizeOf(log) - 2 * kMiB - 2;
    ASSERT_GT(stamp, 0);
    long long counted = stamp + 2;
    const std::string chunk = std::string(65535, 'x') + "\n";
    while (kMiB - counted > 2 * (stamp + static_cast<long long>(chunk.size()))) {
        Put(chunk);
        counted += stamp + chunk.size();
    }
    Put(std::string(kMiB - counted - stamp - 1, 'y') + "\n");
    EXPECT_EQ(SizeOf(log), 3 * kMiB) << "the old length is appended to, not counted";
    EXPECT_FALSE(tw_test::Exists(log + "_0")) << "exactly 1 MiB does not rotate";

    Put("z\n");
    EXPECT_EQ(SizeOf(log + "_0"), 3 * kMiB + stamp + 2) << "the crossing message goes to the old file";
    EXPECT_EQ(SizeOf(log), 0);
    Put("next\n");
    EXPECT_EQ(SizeOf(log), stamp + 5);
    Logger::Destroy();
}

TEST(LoggerRotation, FiftySlotsKeepZeroToFortyEight)
{
    tw_test::TempTree tree;
    std::string log = tree / "launcher.log";
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), 50), 0);
    for (int i = 0; i < 52; ++i) {
        RotateOnce(std::string(1, static_cast<char>('A' + i / 26)) + static_cast<char>('a' + i % 26) + "-");
        ASSERT_FALSE(tw_test::Exists(log + "_49")) << "after rotation " << i;
    }
    Put("current\n");
    Logger::Destroy();
    for (int slot = 0; slot <= 48; ++slot) {
        int i = 51 - slot;
        std::string tag =
            std::string(1, static_cast<char>('A' + i / 26)) + static_cast<char>('a' + i % 26) + "-";
        EXPECT_EQ(TagOf(log + "_" + std::to_string(slot)), tag) << "slot " << slot;
    }
    EXPECT_EQ(Names(tree.path()).size(), 50u);
    EXPECT_NE(tw_test::ReadFile(log).find("current"), std::string::npos);
}

TEST(LoggerRotation, SlotCountsBelowTwoKeepOneRotatedFile)
{
    for (int slots : {1, 0, -5, INT_MIN}) {
        SCOPED_TRACE(slots);
        tw_test::TempTree tree;
        std::string log = tree / "launcher.log";
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), slots), 0);
        RotateOnce("a--");
        RotateOnce("b--");
        RotateOnce("c--");
        Logger::Destroy();
        EXPECT_EQ(Names(tree.path()), (std::set<std::string>{"launcher.log", "launcher.log_0"}));
        EXPECT_EQ(TagOf(log + "_0"), "c--");
    }
}

// Entries at rotated names that are no regular files belong to somebody else: rotation
// neither moves nor removes them, and logging goes on.
struct ForeignSlotCase {
    const char *name;
    int slot;
    std::function<void(const tw_test::TempTree &tree, const std::string &path)> make;
};

TEST(LoggerRotation, EntriesThatAreNoRegularFilesStayWhereTheyAre)
{
    const ForeignSlotCase cases[] = {
        {"FifoInNewestSlot", 0,
         [](const tw_test::TempTree &, const std::string &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"FifoInOldestSlot", 2,
         [](const tw_test::TempTree &, const std::string &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"EmptyFolderInNewestSlot", 0,
         [](const tw_test::TempTree &, const std::string &p) { tw_test::MakeDirs(p); }},
        {"FolderInMiddleSlot", 1,
         [](const tw_test::TempTree &, const std::string &p) { tw_test::WriteFile(p + "/keep", "x"); }},
        {"LinkInOldestSlot", 2,
         [](const tw_test::TempTree &tree, const std::string &p) {
             ASSERT_EQ(symlink(tree.write("target", "x").c_str(), p.c_str()), 0);
         }},
    };
    for (const ForeignSlotCase &c : cases) {
        SCOPED_TRACE(c.name);
        tw_test::TempTree tree;
        const std::string log = tree / "launcher.log";
        const std::string foreign = log + "_" + std::to_string(c.slot);
        c.make(tree, foreign);
        const std::set<std::string> inside = Names(foreign); // empty for all but a folder
        struct stat was;
        ASSERT_EQ(lstat(foreign.c_str(), &was), 0);

        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), 3), 0);
        // Three rotations move a file through every slot.
        for (const char *tag : {"a--", "b--", "c--"})
            RotateOnce(tag);
        Put("still logging\n");
        Logger::Destroy();

        struct stat is = {};
        EXPECT_EQ(lstat(foreign.c_str(), &is), 0) << "the entry is gone";
        EXPECT_EQ(is.st_ino, was.st_ino) << "the entry was replaced";
        EXPECT_EQ(is.st_mode, was.st_mode);
        EXPECT_EQ(Names(foreign), inside);
        if (tw_test::Exists(tree / "target")) {
            EXPECT_EQ(tw_test::ReadFile(tree / "target"), "x");
        }
        EXPECT_NE(tw_test::ReadFile(log).find("still logging"), std::string::npos);
        for (const std::string &name : Names(tree.path()))
            EXPECT_TRUE(name == "target" || name == "launcher.log" || name.rfind("launcher.log_", 0) == 0)
                << name;
        EXPECT_FALSE(tw_test::Exists(log + "_3"));
    }
}

TEST(LoggerRotation, FailedRotationKeepsLogging)
{
    tw_test::TempTree tree;
    std::string log = tree / "launcher.log";
    // A non-empty folder in slot 0 makes the rename of the current file fail.
    tree.write("launcher.log_0/keep", "x");
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, U(log), U(""), 1), 0);
    RotateOnce("a--");
    Put("after a failed rotation\n");
    EXPECT_TRUE(tw_test::IsDir(log + "_0"));
    EXPECT_TRUE(tw_test::Exists(log + "_0/keep"));
    EXPECT_GT(SizeOf(log), kMiB);
    EXPECT_NE(tw_test::ReadFile(log).find("after a failed rotation"), std::string::npos);

    // A log file removed under the logger comes back at the next rotation.
    ASSERT_EQ(unlink(log.c_str()), 0);
    RotateOnce("b--");
    Put("visible again\n");
    Logger::Destroy();
    EXPECT_NE(tw_test::ReadFile(log).find("visible again"), std::string::npos);
}

} // namespace
