#include "file-op.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <poll.h>
#include <regex.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "log.h"
#include "temp_tree.h"

using tw_test::Exists;
using tw_test::IsDir;
using tw_test::IsSymlink;
using tw_test::ReadFile;
using tw_test::ReadLink;
using tw_test::TempTree;

namespace {

// Logs file_op_debug down to L_DEBUG into a file of the tree while it lives.
class LogFile {
public:
    explicit LogFile(const TempTree &tree) : m_path(tree / "file-op.log")
    {
        const std::string levels = tree.write("levels.debug", "file_op_debug=7\n");
        EXPECT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, ustring(m_path), ustring(levels), 2));
    }
    ~LogFile() { Logger::Initialize(Logger::STDERR_LOGGER, ustring(), ustring(), 0); }

    // line: the logged text without timestamp, its source line written as "N".
    ::testing::AssertionResult Has(const std::string &line) const
    {
        // POSIX regex: std::regex trips false warnings of GCC 12 under the sanitizers.
        regex_t stamped;
        if (regcomp(&stamped,
                    "^[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} (\\[[A-Z]+\\] "
                    "file-op)\\(([1-9][0-9]*)\\)(: .*)$",
                    REG_EXTENDED) != 0)
            return ::testing::AssertionFailure() << "bad pattern";
        const std::string text = ReadFile(m_path);
        bool found = false;
        std::string::size_type start = 0, end;
        while (!found && (end = text.find('\n', start)) != std::string::npos) {
            const std::string raw = text.substr(start, end - start);
            regmatch_t m[4];
            if (regexec(&stamped, raw.c_str(), 4, m, 0) == 0) {
                const std::string tag = raw.substr(m[1].rm_so, m[1].rm_eo - m[1].rm_so);
                found = tag + "(N)" + raw.substr(m[3].rm_so) == line;
            }
            start = end + 1;
        }
        regfree(&stamped);
        if (found)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no line \"" << line << "\" in:\n" << text;
    }

private:
    std::string m_path;
};

std::string Pattern(size_t n)
{
    std::string s(n, '\0');
    uint32_t x = 2463534242u;
    for (char &c : s) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    return s;
}

mode_t ModeOf(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// Kind, permission bits, mtime and content (or link text) of every entry below root.
void Snapshot(const std::string &root, const std::string &rel, std::map<std::string, std::string> &out)
{
    const std::string full = rel.empty() ? root : root + "/" + rel;
    struct stat st;
    ASSERT_EQ(0, lstat(full.c_str(), &st)) << full;
    std::string desc = std::to_string(st.st_mode) + " " + std::to_string(st.st_mtime) + " ";
    if (S_ISREG(st.st_mode))
        desc += ReadFile(full);
    if (S_ISLNK(st.st_mode))
        desc += ReadLink(full);
    out[rel] = desc;
    if (!S_ISDIR(st.st_mode))
        return;
    DIR_HANDLE dh;
    ASSERT_EQ(0, FSOpenDir(ustring(full), 0, dh));
    DIR_ENTRY e;
    std::vector<std::string> names;
    while (FSReadDir(dh, e) == 1)
        names.push_back(e.name.c_str());
    FSCloseDir(dh);
    for (const std::string &name : names)
        if (name != "." && name != "..")
            Snapshot(root, rel.empty() ? name : rel + "/" + name, out);
}

std::map<std::string, std::string> Snapshot(const std::string &root)
{
    std::map<std::string, std::string> out;
    Snapshot(root, "", out);
    return out;
}

void MakeSocket(const std::string &path)
{
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(addr.sun_path));
    path.copy(addr.sun_path, path.size());
    ASSERT_EQ(0, bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)));
    close(fd);
}

// A fresh tree whose log file records every file_op_debug line.
class FileOp : public ::testing::Test {
protected:
    TempTree tree;
    LogFile log{tree};
};

} // namespace

TEST(PathText, ParentBaseAndParentFolder)
{
    const struct {
        const char *path, *parent, *base;
    } paths[] = {
        {"/a", "/", "a"}, {"a", "/", "a"}, {"/a/b", "/a", "b"}, {"/a/b/", "/a/b", ""}, {"", "/", ""}};
    for (const auto &p : paths) {
        EXPECT_STREQ(p.parent, FSParentPath(p.path).c_str()) << p.path;
        EXPECT_STREQ(p.base, FSBaseName(p.path).c_str()) << p.path;
    }
    const struct {
        const char *parent, *child;
        bool is;
    } pairs[] = {{"/a/b", "/a/b", true},     {"/a/b", "/a/b/c", true}, {"/a/b", "/a/bc", false},
                 {"/a/b/", "/a/b/c", false}, {"/a/b", "/a", false},    {"/a/b", "/a/c", false}};
    for (const auto &p : pairs)
        EXPECT_EQ(p.is, FSIsParentFolder(p.parent, p.child)) << p.parent << " " << p.child;
    EXPECT_FALSE(FSTimeEqual(1000, 1001));
    EXPECT_TRUE(FSTimeEqual(1000, 1000));
}

TEST(FileInfo, EveryKindIsTheEntryItself)
{
    TempTree tree;
    tree.write("file", "12345");
    tree.mkdir("dir");
    tree.symlink("dir", "link");
    tree.symlink("missing", "dangling");
    ASSERT_EQ(0, mkfifo((tree / "fifo").c_str(), 0600));
    MakeSocket(tree / "sock");
    const struct {
        std::string path;
        FILE_TYPE type;
        uint64_t size;
    } kinds[] = {{tree / "file", FT_FILE, 5},      {tree / "dir", FT_DIR, 0},   {tree / "link", FT_SLINK, 3},
                 {tree / "dangling", FT_SLINK, 7}, {tree / "fifo", FT_FIFO, 0}, {tree / "sock", FT_SOCK, 0},
                 {"/dev/null", FT_DEV, 0}};
    for (const auto &k : kinds) {
        FILE_INFO info;
        ASSERT_EQ(0, FSStat(ustring(k.path), info)) << k.path;
        EXPECT_TRUE(info.isExist);
        EXPECT_EQ(k.type, info.type) << k.path;
        if (k.type != FT_DIR && k.type != FT_DEV) {
            EXPECT_EQ(k.size, info.size) << k.path;
        }
        EXPECT_EQ(ModeOf(k.path), info.mode);
        EXPECT_TRUE(IsFileExist(ustring(k.path))) << k.path;
    }

    FILE_INFO missing;
    ASSERT_EQ(0, GetFileInfo(ustring(tree / "nothing"), missing));
    EXPECT_FALSE(missing.isExist);
    EXPECT_STREQ("nothing", missing.name.c_str());
    EXPECT_FALSE(IsFileExist(ustring(tree / "nothing")));
    EXPECT_FALSE(IsFileExist(ustring()));

    // Equality ignores owner, mode and device.
    FILE_INFO a, b;
    ASSERT_EQ(0, GetFileInfo(ustring(tree / "file"), a));
    b = a;
    b.uid += 1, b.mode = 0, b.dev_id += 1;
    EXPECT_TRUE(a == b);
    b.size += 1;
    EXPECT_TRUE(a != b);
}

// Failure codes on real failures, one operation per row.
TEST_F(FileOp, RealFailuresGiveTheirCodes)
{
    const std::string file = tree.write("file", "data");
    const std::string dir = tree.mkdir("dir");
    const std::string missing = tree / "missing";
    const std::string under_file = file + "/x";
    const std::string too_long = tree / std::string(NAME_MAX + 1, 'n');
    FILE_INFO info;
    const struct {
        const char *what;
        std::function<int()> op;
        int expected;
    } rows[] = {
        {"GetFileInfo under a file", [&] { return GetFileInfo(ustring(under_file), info); }, -1},
        {"FSStat empty", [&] { return FSStat(ustring(), info); }, -1},
        {"FSStat under a file", [&] { return FSStat(ustring(under_file), info); }, -2},
        {"FSMKDir empty", [&] { return FSMKDir(ustring(), false); }, -1},
        {"FSMKDir on a file", [&] { return FSMKDir(ustring(file), false); }, -1},
        {"FSMKDir under a file", [&] { return FSMKDir(ustring(under_file), true); }, -1},
        {"FSMKDir missing parent", [&] { return FSMKDir(ustring(missing + "/sub"), false); }, -2},
        {"FSMKDir name too long", [&] { return FSMKDir(ustring(too_long), false); }, -1},
        {"FSMKDirP under a file", [&] { return FSMKDirP(ustring(under_file + "/y")); }, -1},
        {"FSCopy missing source", [&] { return FSCopy(ustring(missing), ustring(tree / "copy"), false); },
         -1},
        {"FSCopy onto a folder", [&] { return FSCopy(ustring(file), ustring(dir), false); }, -1},
        {"FSCopy onto a full device", [&] { return FSCopy(ustring(file), ustring("/dev/full"), false); }, -2},
        {"FSCopy name too long", [&] { return FSCopy(ustring(file), ustring(too_long), false); }, -1},
        {"FSRename empty", [&] { return FSRename(ustring(), ustring(file)); }, -1},
        {"FSRename missing source", [&] { return FSRename(ustring(missing), ustring(file)); }, -2},
        {"FSRename under a file", [&] { return FSRename(ustring(under_file), ustring(missing)); }, -2},
        {"FSRename into a file", [&] { return FSRename(ustring(dir), ustring(under_file)); }, -3},
        {"FSRename into itself", [&] { return FSRename(ustring(dir), ustring(dir + "/inner")); }, -3},
        {"FSRename name too long", [&] { return FSRename(ustring(file), ustring(too_long)); }, -100},
        {"FSRemove empty", [&] { return FSRemove(ustring()); }, -1},
        {"FSRemove missing", [&] { return FSRemove(ustring(missing)); }, 0},
        {"FSRemove under a file", [&] { return FSRemove(ustring(under_file)); }, -1},
        {"FSRemove name too long", [&] { return FSRemove(ustring(too_long)); }, -1},
        {"FSUTime missing", [&] { return FSUTime(ustring(missing), 1, 2); }, -1},
        {"FSChown missing", [&] { return FSChown(ustring(missing), 0, 0); }, -1},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.expected, row.op()) << row.what;
    EXPECT_EQ("data", ReadFile(file));
    EXPECT_FALSE(Exists(tree / "copy"));
    EXPECT_TRUE(IsDir(dir));

    EXPECT_TRUE(
        log.Has("[ERROR] file-op(N): CopyFile: open(" + missing + "): No such file or directory (2)"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: open(" + dir + "): Is a directory (21)"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: write: No space left on device (28)"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSMKDir: Failed to to file info '" + under_file + "'"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSChown: Failed to chown '" + missing +
                        "' (code: 2, msg: No such file or directory)"));
}

// The permission failures need an unprivileged process: tests run as root.
TEST_F(FileOp, UnreadableAndUnwritableFolders)
{
    chmod(tree.path().c_str(), 0755);
    const std::string box = tree.mkdir("box", 0777);
    const std::string locked = tree.mkdir("box/locked", 0755);
    tree.write("box/locked/keep", "k");
    chmod(locked.c_str(), 0);
    const std::string secret = tree.write("secret", "s", 0600);
    const std::string readonly = tree.mkdir("readonly", 0755);
    tree.write("readonly/file", "f");
    const struct {
        const char *what;
        std::function<int()> op;
        int expected;
    } rows[] = {
        {"FSRemove unreadable folder", [&] { return FSRemove(ustring(locked)); }, -3},
        {"FSRemove tree with unreadable folder", [&] { return FSRemove(ustring(box)); }, -3},
        {"FSRemove in unwritable folder", [&] { return FSRemove(ustring(readonly)); }, -3},
        {"FSOpenDir unreadable",
         [&] {
             DIR_HANDLE dh;
             return FSOpenDir(ustring(locked), 0, dh);
         },
         -1},
        {"FSMKDir in unwritable folder", [&] { return FSMKDir(ustring(readonly + "/new"), false); }, -2},
        {"FSMKDirP in unwritable folder", [&] { return FSMKDirP(ustring(readonly + "/new/sub")); }, -1},
        {"FSCopy unreadable source", [&] { return FSCopy(ustring(secret), ustring(box + "/copy")); }, -1},
        {"FSChown as nobody", [&] { return FSChown(ustring(secret), 65534, 65534); }, -1},
        {"isFileLocked unreadable", [&] { return int(isFileLocked(ustring(secret), R_OK)); }, 1},
        {"hasFilePermission unreadable", [&] { return int(hasFilePermission(ustring(secret), R_OK)); }, 0},
        {"isFileLocked missing", [&] { return int(isFileLocked(ustring(tree / "missing"), R_OK)); }, 0},
    };
    for (const auto &row : rows) {
        int result = 0;
        if (!tw_test::RunUnprivileged(row.op, result))
            GTEST_SKIP() << "cannot run as an unprivileged user";
        EXPECT_EQ(row.expected, result) << row.what;
    }
    chmod(locked.c_str(), 0755);
    EXPECT_TRUE(Exists(locked + "/keep"));
    EXPECT_TRUE(Exists(readonly + "/file"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSRemove: Failed to open directory '" + locked +
                        "'. Permission denied"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSOpenDir: Failed to open directory '" + locked +
                        "'. Permission denied"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: open(" + secret + "): Permission denied (13)"));
}

TEST_F(FileOp, MakeDirOnLinksFilesAndParents)
{
    const std::string dir = tree.mkdir("dir");
    const std::string link = tree.symlink("dir", "link");
    EXPECT_EQ(0, FSMKDir(ustring(dir), false));
    EXPECT_EQ(-1, FSMKDir(ustring(link), true));
    EXPECT_TRUE(
        log.Has("[ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory '" +
                link + "' (3)"));
    EXPECT_EQ(0, FSMKDir(ustring(tree / "p/q/r"), true));
    EXPECT_TRUE(IsDir(tree / "p/q/r"));

    // A relative path with a trailing "/", created from the current folder.
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof(cwd)));
    ASSERT_EQ(0, chdir(tree.path().c_str()));
    const ustring rel("a/b/c/");
    const char *end = nullptr;
    const int made = FSMKDirP(rel, &end);
    ASSERT_EQ(0, chdir(cwd));
    EXPECT_EQ(0, made);
    EXPECT_TRUE(IsDir(tree / "a") && IsDir(tree / "a/b") && IsDir(tree / "a/b/c"));
    EXPECT_EQ(rel.c_str() + 5, end);

    // The last component an existing file: EEXIST, unless forced into a folder.
    const std::string file = tree.write("a/file", "x");
    errno = 0;
    EXPECT_EQ(-1, FSMKDirP(ustring(file)));
    EXPECT_EQ(EEXIST, errno);
    EXPECT_TRUE(log.Has("[INFO] file-op(N): FSMKDirP: path: " + file +
                        " is existing file or symbolic link pointed to file"));
    EXPECT_EQ(0, FSMKDirP(ustring(file), nullptr, true));
    EXPECT_TRUE(IsDir(file));

    // A file in the middle: the walk stops at the end of the component after it.
    const std::string middle = tree.write("m/file", "x");
    const ustring deep(middle + "/sub/more");
    EXPECT_EQ(-1, FSMKDirP(deep, &end));
    EXPECT_EQ(deep.c_str() + middle.size() + 4, end);
    EXPECT_TRUE(
        log.Has("[INFO] file-op(N): FSMKDirP: path: " + middle + " is symbolic link pointed to folder"));
}

TEST_F(FileOp, MakeDirPExplicitModeRestoresTheMask)
{
    const mode_t old = umask(022);
    EXPECT_EQ(0, FSMKDirP(ustring(tree / "open/inner"), nullptr, false, 0777));
    EXPECT_EQ(mode_t(S_IFDIR | 0777), ModeOf(tree / "open/inner"));
    EXPECT_EQ(022u, umask(022));
    tree.write("blocker", "x");
    EXPECT_EQ(-1, FSMKDirP(ustring(tree / "blocker"), nullptr, false, 0700));
    EXPECT_EQ(022u, umask(022));
    EXPECT_EQ(0, FSMKDirP(ustring(tree / "masked")));
    EXPECT_EQ(mode_t(S_IFDIR | 0755), ModeOf(tree / "masked"));
    umask(old);
}

TEST_F(FileOp, MakeDirFromRoot)
{
    const std::string root = tree.path();
    EXPECT_EQ(0, FSMKDirFromRoot(ustring(root), ustring(root)));
    EXPECT_EQ(0, FSMKDirFromRoot(ustring(root + "/y/z"), ustring(root)));
    EXPECT_TRUE(IsDir(root + "/y/z"));
    EXPECT_TRUE(log.Has("[DEBUG] file-op(N): FSMKDirFromRoot: create /y"));
    EXPECT_TRUE(log.Has("[DEBUG] file-op(N): FSMKDirFromRoot: create /y/z"));
    EXPECT_EQ(-1, FSMKDirFromRoot(ustring("/x/y"), ustring("/x/")));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): root '/x/' is not a parent folder of target '/x/y'"));
    EXPECT_EQ(-1, FSMKDirFromRoot(ustring("/x"), ustring("/x/y")));
    EXPECT_TRUE(
        log.Has("[ERROR] file-op(N): Giving a root '/x/y' whose length is larger then target's '/x'."));
    tree.write("file", "x");
    EXPECT_EQ(-1, FSMKDirFromRoot(ustring(root + "/file/below"), ustring(root)));
}

TEST_F(FileOp, CopyBytesLinksAndTheSourceItself)
{
    const std::string data = Pattern(3 * 1024 * 1024 + 17);
    const std::string src = tree.write("src", data, 0700);
    const std::string empty = tree.write("empty", "");
    EXPECT_EQ(0, FSCopy(ustring(empty), ustring(tree / "empty-copy"), false));
    EXPECT_TRUE(Exists(tree / "empty-copy"));
    EXPECT_EQ("", ReadFile(tree / "empty-copy"));

    tree.write("dst", Pattern(5 * 1024 * 1024)); // longer: must be cut to the copy
    EXPECT_EQ(0, FSCopy(ustring(src), ustring(tree / "dst"), false));
    EXPECT_EQ(data, ReadFile(tree / "dst"));
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(mode_t(S_IFREG | (0666 & ~mask)), ModeOf(tree / "dst")) << "bytes only, not the mode";

    // A link is followed: its target's bytes as a plain file.
    tree.symlink("src", "link");
    EXPECT_EQ(0, FSCopy(ustring(tree / "link"), ustring(tree / "from-link"), false));
    EXPECT_FALSE(IsSymlink(tree / "from-link"));
    EXPECT_EQ(data, ReadFile(tree / "from-link"));
    tree.mkdir("dir");
    tree.symlink("dir", "dirlink");
    EXPECT_EQ(-1, FSCopy(ustring(tree / "dirlink"), ustring(tree / "from-dirlink"), false));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: read: Is a directory (21)"));
    EXPECT_EQ("", ReadFile(tree / "from-dirlink"));

    // The source itself, by name or by a hard link, is refused before a byte is lost.
    ASSERT_EQ(0, link(src.c_str(), (tree / "hard").c_str()));
    EXPECT_EQ(-1, FSCopy(ustring(src), ustring(src), false));
    EXPECT_EQ(-1, FSCopy(ustring(src), ustring(tree / "hard"), false));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: '" + src + "' and '" + src + "' are the same file"));
    EXPECT_EQ(data, ReadFile(src));

    EXPECT_EQ(0, FSCopy(ustring(tree / "dst"), ustring(tree / "moved"), true));
    EXPECT_FALSE(Exists(tree / "dst"));
    EXPECT_EQ(data, ReadFile(tree / "moved"));
}

// A file size limit makes the kernel accept only part of a write, then refuse.
TEST_F(FileOp, CopyShortWriteThenFailureLeavesPartialDestination)
{
    const std::string data = Pattern(3 * 1024 * 1024);
    const std::string src = tree.write("src", data);
    const rlim_t limit = 1024 * 1024 + 100;
    int result = 0;
    ASSERT_TRUE(tw_test::RunInChild(
        [&] {
            signal(SIGXFSZ, SIG_IGN);
            const struct rlimit rl = {limit, limit};
            setrlimit(RLIMIT_FSIZE, &rl);
            return FSCopy(ustring(src), ustring(tree / "dst"), true);
        },
        result));
    EXPECT_EQ(-1, result);
    EXPECT_EQ(data.substr(0, limit), ReadFile(tree / "dst"));
    EXPECT_EQ(data, ReadFile(src)) << "the source stays when the copy failed";
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): CopyFile: write: File too large (27)"));
}

namespace {
void Ignore(int) {}
} // namespace

// The reader child interrupts the blocked writer again and again; every byte must arrive.
TEST(Copy, ResumesAfterSignalsInterruptTheWrite)
{
    TempTree tree;
    const std::string data = Pattern(2 * 1024 * 1024);
    const std::string src = tree.write("src", data);
    const std::string fifo = tree / "fifo";
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    struct sigaction sa = {}, old_usr1, old_pipe;
    sa.sa_handler = Ignore; // no SA_RESTART: blocked writes return early
    sigaction(SIGUSR1, &sa, &old_usr1);
    sa.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &sa, &old_pipe);
    const pid_t writer = getpid();
    fflush(nullptr);
    const pid_t reader = fork();
    if (reader == 0) {
        int fd = open(fifo.c_str(), O_RDONLY);
        const int capacity = fcntl(fd, F_GETPIPE_SZ);
        std::string got;
        char buf[4096];
        for (int i = 0; i < 40; ++i) {
            int queued = 0;
            struct pollfd p = {fd, POLLIN, 0};
            while (ioctl(fd, FIONREAD, &queued) == 0 && queued < capacity && poll(&p, 1, 10) >= 0 &&
                   !(p.revents & POLLHUP)) {
            }
            kill(writer, SIGUSR1);
            usleep(1000);
            if (i % 2) { // every other round the writer is interrupted before it could write
                ssize_t n = read(fd, buf, sizeof(buf));
                got.append(buf, n > 0 ? size_t(n) : 0);
            }
        }
        ssize_t n;
        while ((n = read(fd, buf, sizeof(buf))) > 0)
            got.append(buf, size_t(n));
        _exit(got == data ? 0 : 1);
    }
    ASSERT_GT(reader, 0);
    EXPECT_EQ(0, FSCopy(ustring(src), ustring(fifo), false));
    int status = -1;
    while (waitpid(reader, &status, 0) < 0 && errno == EINTR) { // the reader's signals land here too
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader got other bytes";
    sigaction(SIGUSR1, &old_usr1, nullptr);
    sigaction(SIGPIPE, &old_pipe, nullptr);
}

namespace {
// Sectors written to the block device behind path, from its statistics; -1 when unknown.
long long SectorsWritten(const std::string &path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return -1;
    const std::string stat_file = "/sys/dev/block/" + std::to_string(major(st.st_dev)) + ":" +
                                  std::to_string(minor(st.st_dev)) + "/stat";
    std::istringstream in(ReadFile(stat_file));
    long long field[7] = {};
    for (long long &f : field)
        if (!(in >> f))
            return -1;
    return field[6];
}
} // namespace

// Without the flush the copy would sit in the page cache for half a minute; the
// device's own counters must already show it when the call returns.
TEST(Copy, DataIsOnTheDeviceWhenTheCallReturns)
{
    TempTree memory("/dev/shm");
    TempTree disk(TW_BINARY_DIR);
    const long long before = SectorsWritten(disk.path());
    if (before < 0)
        GTEST_SKIP() << "no block device statistics for " << disk.path();
    const std::string data = Pattern(8 * 1024 * 1024);
    const std::string src = memory.write("src", data);
    ASSERT_EQ(0, FSCopy(ustring(src), ustring(disk / "dst"), false));
    EXPECT_GE((SectorsWritten(disk.path()) - before) * 512, static_cast<long long>(data.size()));
    EXPECT_EQ(data, ReadFile(disk / "dst"));
}

TEST(Rename, TreeMovesAcrossFileSystemsComplete)
{
    TempTree memory("/dev/shm");
    TempTree disk(TW_BINARY_DIR);
    if (tw_test::DeviceOf(memory.path()) == tw_test::DeviceOf(disk.path()))
        GTEST_SKIP() << "/dev/shm and the build tree share a file system";
    const std::string app = memory / "app";
    memory.write("app/bin/run", "#!/bin/sh\n", 0755);
    memory.write("app/data/big.bin", Pattern(1024 * 1024 + 3));
    memory.write("app/data/nested/deep/file.txt", "deep");
    memory.mkdir("app/empty");
    memory.mkdir("app/empty-too/inner");
    memory.write("app/private/secret", "s", 0600);
    chmod((app + "/private").c_str(), 0700);
    memory.symlink("data/big.bin", "app/link-file");
    memory.symlink("data", "app/link-dir");
    memory.symlink("/no/such/target", "app/dangling");
    ASSERT_EQ(0, FSUTime(ustring(app + "/data/big.bin"), 1000000000, 1000000000));
    ASSERT_EQ(0, FSUTime(ustring(app + "/link-dir"), 1000000001, 1000000001));
    ASSERT_EQ(0, FSUTime(ustring(app + "/empty"), 1000000002, 1000000002));
    const auto before = Snapshot(app);

    EXPECT_EQ(0, FSRename(ustring(app), ustring(disk / "app")));
    EXPECT_FALSE(Exists(app));
    EXPECT_EQ(before, Snapshot(disk / "app"));
    EXPECT_EQ(16u, before.size());
}

TEST(Rename, KindsTheMoveCannotCarryAreReported)
{
    TempTree memory("/dev/shm");
    TempTree disk(TW_BINARY_DIR);
    if (tw_test::DeviceOf(memory.path()) == tw_test::DeviceOf(disk.path()))
        GTEST_SKIP() << "/dev/shm and the build tree share a file system";
    LogFile log(disk);
    const std::string fifo = memory / "fifo";
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    EXPECT_EQ(-3, FSRename(ustring(fifo), ustring(disk / "fifo")));
    EXPECT_TRUE(Exists(fifo));
    EXPECT_FALSE(Exists(disk / "fifo"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSRename: Cannot move '" + fifo + "' to '" + disk / "fifo" +
                        "' across file systems (type 6)"));

    // A link replaces a file at the target, as rename would; a folder there stops it.
    const std::string link = memory.symlink("target", "link");
    disk.write("link", "taken");
    EXPECT_EQ(0, FSRename(ustring(link), ustring(disk / "link")));
    EXPECT_FALSE(Exists(link));
    EXPECT_EQ("target", ReadLink(disk / "link"));
    const std::string blocked = memory.symlink("target", "blocked");
    disk.write("blocked/inside", "x");
    EXPECT_EQ(-3, FSRename(ustring(blocked), ustring(disk / "blocked")));
    EXPECT_TRUE(IsSymlink(blocked));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSRename: Failed to move symbolic link '" + blocked + "' to '" +
                        disk / "blocked" + "' (code: 21, msg: Is a directory)"));
    DIR_HANDLE dh;
    ASSERT_EQ(0, FSOpenDir(ustring(disk.path()), 0, dh));
    DIR_ENTRY e;
    int entries = 0;
    while (FSReadDir(dh, e) == 1)
        ++entries;
    FSCloseDir(dh);
    EXPECT_EQ(6, entries) << "., .., the log, its levels, link, blocked: no temporary left";
}

TEST(Remove, LinksAreRemovedNeverFollowed)
{
    TempTree tree;
    const std::string outside = tree.write("outside/precious", "keep");
    tree.write("victim/a/file", "x");
    tree.symlink(tree / "outside", "victim/a/link-out");
    tree.symlink(tree / "outside/precious", "victim/link-file");
    tree.mkdir("victim/empty");
    const std::string dirlink = tree.symlink("outside", "dirlink");

    EXPECT_EQ(0, FSRemove(ustring(dirlink)));
    EXPECT_FALSE(Exists(dirlink));
    EXPECT_EQ(0, FSRemove(ustring(tree / "victim")));
    EXPECT_FALSE(Exists(tree / "victim"));
    EXPECT_EQ("keep", ReadFile(outside));
}

// Trailing separators name the entry itself: a link goes, never what it points to.
TEST(Remove, TrailingSeparatorsNeverReachThroughALink)
{
    const struct {
        const char *name;
        bool link;          // the entry is a link to the folder "outside", else a folder of its own
        const char *suffix; // put after the entry's path
    } cases[] = {
        {"LinkOneSlash", true, "/"},
        {"LinkTwoSlashes", true, "//"},
        {"FolderOneSlash", false, "/"},
        {"FolderTwoSlashes", false, "//"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempTree tree;
        tree.write("outside/precious", "keep");
        tree.write("outside/sub/inner", "deep");
        if (c.link)
            tree.symlink(tree / "outside", "entry");
        else
            tree.write("entry/sub/inner", "x");
        const std::string path = tree / "entry";
        const std::map<std::string, std::string> outside = Snapshot(tree / "outside");

        EXPECT_EQ(0, FSRemove(ustring(path + c.suffix)));
        EXPECT_FALSE(Exists(path));
        EXPECT_EQ(outside, Snapshot(tree / "outside"));
    }
}

// The root of the file system is never emptied; checked inside a folder made the
// root of a child process, so that a failure costs only that folder.
TEST(Remove, TheRootIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "chroot needs root";
    for (const char *root : {"/", "//", "///"}) {
        SCOPED_TRACE(root);
        TempTree tree;
        tree.write("kept/file", "x");
        int result = 0;
        ASSERT_TRUE(tw_test::RunInChild(
            [&] {
                if (chroot(tree.path().c_str()) != 0 || chdir("/") != 0)
                    return 100;
                return FSRemove(ustring(root));
            },
            result));
        EXPECT_EQ(-1, result);
        EXPECT_EQ("x", ReadFile(tree / "kept/file"));
    }
}

TEST_F(FileOp, ReadDirReportsTheEntriesThemselves)
{
    const std::string dir = tree.mkdir("d");
    tree.write("d/file", "12345");
    tree.mkdir("d/sub");
    tree.symlink("sub", "d/link-dir");
    tree.symlink("file", "d/link-file");
    ASSERT_EQ(0, mkfifo((dir + "/fifo").c_str(), 0600));
    MakeSocket(dir + "/sock");
    ASSERT_EQ(0, FSUTime(ustring(dir + "/file"), 1200000000, 1234567890));
    const std::map<std::string, FILE_TYPE> expected = {
        {".", FT_DIR},          {"..", FT_DIR},          {"file", FT_FILE}, {"sub", FT_DIR},
        {"link-dir", FT_SLINK}, {"link-file", FT_SLINK}, {"fifo", FT_FIFO}, {"sock", FT_SOCK}};

    for (int flag : {0, 1}) {
        DIR_HANDLE dh;
        ASSERT_EQ(0, FSOpenDir(ustring(dir), flag, dh));
        std::map<std::string, FILE_TYPE> seen;
        DIR_ENTRY e;
        int r;
        while ((r = FSReadDir(dh, e)) == 1) {
            seen[e.name.c_str()] = e.type;
            const std::string name = e.name.c_str();
            if (name == "file") {
                EXPECT_EQ(flag ? 5u : 0u, e.size);
                EXPECT_EQ(flag ? 1234567890u : 0u, e.mtime);
            }
            if (name == "link-file") {
                EXPECT_EQ(flag ? 4u : 0u, e.size) << "the link's own size";
            }
        }
        EXPECT_EQ(0, r);
        EXPECT_EQ(expected, seen);
        FSCloseDir(dh);
        EXPECT_EQ(nullptr, dh.dp);
        EXPECT_TRUE(dh.path.empty());
        EXPECT_EQ(-1, FSReadDir(dh, e)) << "a closed handle is refused";
    }
}

TEST_F(FileOp, TemporaryFilesAndPaths)
{
    ustring path;
    ASSERT_EQ(0, FSMktemp(ustring(tree.path()), path));
    EXPECT_EQ(mode_t(S_IFREG | 0644), ModeOf(path.c_str()));
    EXPECT_STREQ(tree.path().c_str(), FSParentPath(path).c_str());
    ustring untouched("same");
    EXPECT_EQ(-1, FSMktemp(ustring(tree / "missing"), untouched));
    EXPECT_STREQ("same", untouched.c_str());
    EXPECT_TRUE(
        log.Has("[ERROR] file-op(N): mkstemp(" + tree / "missing" + "/XXXXXX): No such file or directory"));
    EXPECT_EQ(-1, FSMktemp(ustring(std::string(5000, 'p')), untouched));

    ASSERT_EQ(0, FSCreateTempPath(ustring(tree.path()), path));
    EXPECT_STREQ(tree.path().c_str(), FSParentPath(path).c_str());
    EXPECT_EQ(8u, FSBaseName(path).length());
    EXPECT_FALSE(Exists(path.c_str()));
}

TEST_F(FileOp, SymbolicLinksCreateReadAndBounds)
{
    const std::string link = tree / "link";
    const std::string text(4095, 't'); // the longest text the system allows
    EXPECT_EQ(0, FSCreateSymbolicLink(ustring(text), ustring(link)));
    ustring got;
    EXPECT_EQ(0, FSReadSymbolicLink(ustring(link), got));
    EXPECT_EQ(text, got.c_str());
    EXPECT_EQ(-1, FSCreateSymbolicLink(ustring("other"), ustring(link)));
    EXPECT_TRUE(
        log.Has("[ERROR] file-op(N): FSCreateSymbolicLink: Failed to create symbolic link 'other' -> '" +
                link + "' (code: 17, msg: File exists)"));

    // A text that does not fit the buffer is refused, not cut.
    ustring cut("unchanged");
    EXPECT_EQ(-1, file_op_detail::ReadSymbolicLinkBounded(ustring(link), cut, 4095));
    EXPECT_STREQ("unchanged", cut.c_str());
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSReadSymbolicLink: Failed to read symbolic link '" + link +
                        "' (code: 36, msg: File name too long)"));
    EXPECT_EQ(0, file_op_detail::ReadSymbolicLinkBounded(ustring(link), cut, 4096));
    const std::string file = tree.write("file", "x");
    EXPECT_EQ(-1, FSReadSymbolicLink(ustring(file), cut));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): FSReadSymbolicLink: Failed to read symbolic link '" + file +
                        "' (code: 22, msg: Invalid argument)"));
}

TEST_F(FileOp, RealPathTimesAndOwnerOfTheEntryItself)
{
    tree.write("dir/file", "x");
    tree.symlink("dir/file", "link");
    ustring path(tree / "dir/../link");
    ASSERT_EQ(0, FSGetRealPath(path));
    char real_root[4096];
    ASSERT_TRUE(realpath(tree.path().c_str(), real_root));
    EXPECT_EQ(std::string(real_root) + "/dir/file", path.c_str());
    EXPECT_TRUE(log.Has("[DEBUG] file-op(N):  get full path [" + std::string(path.c_str()) + "]"));
    ustring missing(tree / "missing");
    EXPECT_EQ(-1, FSGetRealPath(missing));
    EXPECT_EQ(tree / "missing", missing.c_str());

    ASSERT_EQ(0, FSUTime(ustring(tree / "link"), 1000, 2000));
    struct stat link_st, file_st;
    lstat((tree / "link").c_str(), &link_st);
    stat((tree / "link").c_str(), &file_st);
    EXPECT_EQ(2000, link_st.st_mtime);
    EXPECT_NE(2000, file_st.st_mtime);

    if (geteuid() != 0)
        GTEST_SKIP() << "changing owners needs root";
    // A relative path resolves against the current folder.
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof(cwd)));
    ASSERT_EQ(0, chdir(tree.path().c_str()));
    const int changed = FSChown(ustring("link"), 65534, 65534);
    ASSERT_EQ(0, chdir(cwd));
    EXPECT_EQ(0, changed);
    lstat((tree / "link").c_str(), &link_st);
    stat((tree / "link").c_str(), &file_st);
    EXPECT_EQ(65534u, link_st.st_uid);
    EXPECT_EQ(0u, file_st.st_uid) << "the target keeps its owner";
}

TEST_F(FileOp, FileSystemTypeOfLocalFolders)
{
    EXPECT_FALSE(isMountPoint(ustring(tree.path())));
    EXPECT_FALSE(IsMSDOS(ustring(tree.path())));
    EXPECT_FALSE(isMountPoint(ustring(tree / "missing")));
    EXPECT_FALSE(IsMSDOS(ustring(tree / "missing")));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): isMountPoint: Failed to get file system info '" +
                        tree / "missing" + "'. No such file or directory"));
    EXPECT_TRUE(log.Has("[ERROR] file-op(N): IsSupportLargeFile: Failed to get file system info '" +
                        tree / "missing" + "'. No such file or directory"));
}
