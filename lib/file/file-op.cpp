#include "file-op.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <vector>

#include "log.h"
#include "posix_io.h"
#include "tmp_name_gen.h"

namespace {

const char kComp[] = "file_op_debug";

// An [ERROR] line for a failed call: "<what>: <error text> (<errno>)", with
// the caller's line as every log line has it.
#define TW_LOG_FAILED_CALL(err, what, ...)                                                                   \
    TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): " what ": %s (%d)\n", ##__VA_ARGS__, strerror(err),   \
           (err))

const size_t kCopyBufferSize = 33554432; // 32 MiB
const size_t kTempPatternSize = 4096;
const size_t kLinkBufferSize = 4096;

const uint32_t kNfsMagic = 0x6969;
const uint32_t kCifsMagic = 0xFF534D42;
const uint32_t kMsdosMagic = 0x4D44;

FILE_TYPE TypeFromMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FT_FILE;
    if (S_ISDIR(mode))
        return FT_DIR;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FT_DEV;
    if (S_ISLNK(mode))
        return FT_SLINK;
    if (S_ISFIFO(mode))
        return FT_FIFO;
    if (S_ISSOCK(mode))
        return FT_SOCK;
    return FT_ERR;
}

FILE_TYPE TypeFromDirent(unsigned char d_type)
{
    switch (d_type) {
    case DT_REG:
        return FT_FILE;
    case DT_DIR:
        return FT_DIR;
    case DT_LNK:
        return FT_SLINK;
    case DT_CHR:
    case DT_BLK:
        return FT_DEV;
    case DT_FIFO:
        return FT_FIFO;
    case DT_SOCK:
        return FT_SOCK;
    default:
        return FT_ERR;
    }
}

bool IsDotOrDotDot(const char *name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

bool IsNoSpace(int err)
{
    return err == ENOSPC || err == EDQUOT;
}

// An explicit mode must be applied exactly; the old mask comes back on every way out.
class UmaskGuard {
public:
    explicit UmaskGuard(bool clear) : m_clear(clear), m_saved(clear ? umask(0) : 0) {}
    ~UmaskGuard()
    {
        if (m_clear)
            umask(m_saved);
    }
    UmaskGuard(const UmaskGuard &) = delete;
    UmaskGuard &operator=(const UmaskGuard &) = delete;

private:
    bool m_clear;
    mode_t m_saved;
};

ssize_t ReadRetrying(int fd, char *buf, size_t len)
{
    ssize_t n;
    do {
        n = read(fd, buf, len);
    } while (n < 0 && errno == EINTR);
    return n;
}

// -1 or -2 (no space) for a failed copy; 0 when all bytes arrived.
int CopyBytes(int in, int out)
{
    char *buf = static_cast<char *>(malloc(kCopyBufferSize));
    if (!buf) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "FSCopy: malloc(%d)", static_cast<int>(kCopyBufferSize));
        return -1;
    }
    int ret = 0;
    for (;;) {
        ssize_t n = ReadRetrying(in, buf, kCopyBufferSize);
        if (n == 0)
            break;
        if (n < 0) {
            int err = errno;
            TW_LOG_FAILED_CALL(err, "CopyFile: read");
            ret = -1;
            break;
        }
        int err = WriteAll(out, buf, static_cast<size_t>(n));
        if (err != 0) {
            TW_LOG_FAILED_CALL(err, "CopyFile: write");
            ret = IsNoSpace(err) ? -2 : -1;
            break;
        }
    }
    free(buf);
    return ret;
}

// Opened without truncation so that a destination which is the source itself
// (the same path, or a hard link) is refused before a byte is lost.
int PrepareDestination(int in, int out, const ustring &src, const ustring &dst)
{
    struct stat in_st, out_st;
    if (fstat(in, &in_st) != 0 || fstat(out, &out_st) != 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: fstat");
        return -1;
    }
    if (in_st.st_dev == out_st.st_dev && in_st.st_ino == out_st.st_ino) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n",
               src.c_str(), dst.c_str());
        return -1;
    }
    if (S_ISREG(out_st.st_mode) && ftruncate(out, 0) != 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: truncate(%s)", dst.c_str());
        return -1;
    }
    return 0;
}

// A copy is only complete once its bytes are on the device. Pipes and character
// devices cannot be synchronised (EINVAL), which is no failure of the copy.
int SyncAndClose(int out, bool report)
{
    int ret = 0;
    if (fsync(out) != 0 && errno != EINVAL && errno != EROFS && report) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: fsync");
        ret = IsNoSpace(err) ? -2 : -1;
    }
    // Linux releases the descriptor even when close reports EINTR: never retried.
    if (close(out) != 0 && errno != EINTR && report && ret == 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: close");
        ret = IsNoSpace(err) ? -2 : -1;
    }
    return ret;
}

// keep: permission bits and times for the copy to take over (a move); without it
// the copy gets the creation mode under the process's mask.
int CopyFile(const ustring &src, const ustring &dst, bool del_origin, const struct stat *keep)
{
    int in = open(src.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: open(%s)", src.c_str());
        return -1;
    }
    // A moved file stays private until its own mode is set.
    int out = open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, keep ? S_IRUSR | S_IWUSR : 0666);
    if (out < 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: open(%s)", dst.c_str());
        close(in);
        return -1;
    }
    int ret = PrepareDestination(in, out, src, dst);
    if (ret == 0)
        ret = CopyBytes(in, out);
    close(in);
    if (ret == 0 && keep) {
        // Best effort, like a move by rename would have kept them.
        fchmod(out, keep->st_mode & 07777);
        const struct timespec times[2] = {keep->st_atim, keep->st_mtim};
        futimens(out, times);
    }
    int sync_ret = SyncAndClose(out, ret == 0);
    if (ret == 0)
        ret = sync_ret;
    // The source goes only after its copy is safely on the device.
    if (ret == 0 && del_origin && unlink(src.c_str()) != 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "CopyFile: unlink(%s)", src.c_str());
        ret = -1;
    }
    return ret;
}

// Names first, work after: the listing must not change while it is read.
bool ListNames(const ustring &dir, std::vector<ustring> &names)
{
    DIR_HANDLE dh;
    if (FSOpenDir(dir, 0, dh) != 0)
        return false;
    DIR_ENTRY entry;
    // A failed read ends the listing; whatever is left makes the final rmdir fail.
    while (FSReadDir(dh, entry) == 1) {
        if (!IsDotOrDotDot(entry.name.c_str()))
            names.push_back(entry.name);
    }
    FSCloseDir(dh);
    return true;
}

int MoveDirectory(const ustring &from, const ustring &to, const struct stat &st, bool do_case_check)
{
    if (FSMKDir(to, true) != 0)
        return -3;
    chmod(to.c_str(), S_IRWXU); // private until the contents are in
    std::vector<ustring> names;
    if (!ListNames(from, names))
        return -3;
    for (const ustring &name : names) {
        if (FSRename(from + "/" + name, to + "/" + name, do_case_check) != 0)
            return -3;
    }
    chmod(to.c_str(), st.st_mode & 07777);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    utimensat(AT_FDCWD, to.c_str(), times, 0);
    return rmdir(from.c_str()) == 0 ? 0 : -3;
}

int MoveSymbolicLink(const ustring &from, const ustring &to, const struct stat &st)
{
    // Made beside the target and renamed over it, so that an existing entry at
    // the target is replaced as by rename itself.
    const ustring tmp = to + ".tw-" + TmpNameGen::getInstance().getTmpName();
    std::string text;
    int err = 0;
    if (!ReadLinkText(from.c_str(), &text) || symlink(text.c_str(), tmp.c_str()) != 0) {
        err = errno;
    } else {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        utimensat(AT_FDCWD, tmp.c_str(), times, AT_SYMLINK_NOFOLLOW);
        if (rename(tmp.c_str(), to.c_str()) != 0) {
            err = errno;
            unlink(tmp.c_str());
        } else if (unlink(from.c_str()) != 0) {
            err = errno;
        }
    }
    if (err == 0)
        return 0;
    TW_LOG(Logger::L_ERR, kComp,
           "[ERROR] file-op(%d): FSRename: Failed to move symbolic link '%s' to '%s' (code: %d, msg: %s)\n",
           from.c_str(), to.c_str(), err, strerror(err));
    return -3;
}

int MoveAcrossDevices(const ustring &from, const ustring &to, bool do_case_check)
{
    struct stat st;
    if (lstat(from.c_str(), &st) != 0)
        return -3;
    const FILE_TYPE type = TypeFromMode(st.st_mode);
    switch (type) {
    case FT_FILE:
        return CopyFile(from, to, true, &st) == 0 ? 0 : -3;
    case FT_DIR:
        return MoveDirectory(from, to, st, do_case_check);
    case FT_SLINK:
        return MoveSymbolicLink(from, to, st);
    default:
        // Reporting success here would leave the entry behind unnoticed.
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): FSRename: Cannot move '%s' to '%s' across file systems (type %d)\n",
               from.c_str(), to.c_str(), static_cast<int>(type));
        return -3;
    }
}

int RemoveEntryAt(int parent_fd, const char *name, const ustring &full);

// A folder of one's own without read, search or write permission for its
// owner cannot be emptied; being removed anyway, it is opened up first (and
// stays so if the removal fails later). Folders of others are left as they
// are. AT_SYMLINK_NOFOLLOW: a link put in the folder's place is not followed.
// False when it cannot be opened up; callers go on, and the emptying that then
// fails is what gets reported.
bool OpenUpOwnFolder(int parent_fd, const char *name, const struct stat &st)
{
    if (st.st_uid != geteuid() || (st.st_mode & S_IRWXU) == S_IRWXU)
        return true;
    return fchmodat(parent_fd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) == 0;
}

// Removes everything inside the open folder dir_fd (which it takes over). Every
// step is relative to an open folder, so no symbolic link is followed, not even
// one that replaces a folder while the walk runs.
int RemoveContents(int dir_fd, const ustring &path)
{
    DIR *dir = fdopendir(dir_fd);
    if (!dir) {
        int err = errno;
        close(dir_fd);
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSRemove: Failed to open directory '%s'. %s\n",
               path.c_str(), strerror(err));
        return -3;
    }
    std::vector<std::string> names;
    // A failed read ends the listing; whatever is left makes the final rmdir fail.
    while (struct dirent *e = readdir(dir)) {
        if (!IsDotOrDotDot(e->d_name))
            names.push_back(e->d_name);
    }
    int ret = 0;
    for (const std::string &name : names) {
        if (RemoveEntryAt(dirfd(dir), name.c_str(), path + "/" + name.c_str()) != 0) {
            ret = -3;
            break;
        }
    }
    closedir(dir);
    return ret;
}

int RemoveEntryAt(int parent_fd, const char *name, const ustring &full)
{
    struct stat st;
    if (fstatat(parent_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : -1;
    if (!S_ISDIR(st.st_mode))
        return unlinkat(parent_fd, name, 0) == 0 ? 0 : -3;
    OpenUpOwnFolder(parent_fd, name, st);
    int fd = openat(parent_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSRemove: Failed to open directory '%s'. %s\n",
               full.c_str(), strerror(err));
        return -3;
    }
    if (RemoveContents(fd, full) != 0)
        return -3;
    return unlinkat(parent_fd, name, AT_REMOVEDIR) == 0 ? 0 : -3;
}

// One step of FSMKDirP on the cut path p; 0 to go on, -1 to stop.
int MakeDirectory(const char *p, mode_t mode)
{
    if (mkdir(p, mode) == 0)
        return 0;
    // Created by somebody else meanwhile is as good as created.
    struct stat st;
    if (errno == EEXIST && stat(p, &st) == 0 && S_ISDIR(st.st_mode))
        return 0;
    return -1;
}

int MakeComponent(const char *p, bool last, bool force, mode_t mode)
{
    struct stat st;
    if (stat(p, &st) != 0)
        return MakeDirectory(p, mode);
    if (S_ISDIR(st.st_mode))
        return 0;
    if (force) {
        if (unlink(p) != 0)
            return -1;
        return MakeDirectory(p, mode);
    }
    if (last) {
        TW_LOG(Logger::L_INFO, kComp,
               "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic link pointed to file\n",
               p);
        errno = EEXIST; // after logging, which may change it
        return -1;
    }
    TW_LOG(Logger::L_INFO, kComp,
           "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to folder\n", p);
    return 0;
}

} // namespace

_FILE_INFO_tag::_FILE_INFO_tag()
    : type(FT_ERR), mtime(0), size(0), isExist(false), uid(0), gid(0), mode(0), dev_id(0)
{
}

bool _FILE_INFO_tag::operator==(const _FILE_INFO_tag &other) const
{
    return isExist == other.isExist && size == other.size && mtime == other.mtime && type == other.type &&
           path == other.path && name == other.name;
}

bool _FILE_INFO_tag::operator!=(const _FILE_INFO_tag &other) const
{
    return !(*this == other);
}

int GetFileInfo(const ustring &path, FILE_INFO &info)
{
    const ustring p(path); // path may be a member of info itself
    struct stat st;
    if (lstat(p.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return -1;
        info.isExist = false;
        info.mtime = 0;
        info.name = FSBaseName(p);
        info.path = p;
        info.size = 0;
        info.type = FT_ERR;
        info.uid = info.gid = info.mode = 0;
        info.dev_id = 0;
        return 0;
    }
    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(p);
    info.path = p;
    info.size = static_cast<uint64_t>(st.st_size);
    info.dev_id = static_cast<uint64_t>(st.st_dev);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    const FILE_TYPE type = TypeFromMode(st.st_mode);
    if (type == FT_ERR)
        return -1;
    info.type = type;
    return 0;
}

int FSStat(const ustring &path, FILE_INFO &info, bool /*do_case_check*/)
{
    if (path.empty())
        return -1;
    return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring &path, bool /*do_case_check*/)
{
    FILE_INFO info;
    return !path.empty() && GetFileInfo(path, info) == 0 && info.isExist;
}

int FSMKDir(const ustring &path, bool isCreateParent)
{
    if (path.empty())
        return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n",
               path.c_str());
        return -1;
    }
    if (info.isExist) {
        if (info.type == FT_DIR)
            return 0;
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not directory '%s' "
               "(%d)\n",
               path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    int r =
        isCreateParent ? FSMKDirP(path, nullptr, false, static_cast<mode_t>(-1)) : mkdir(path.c_str(), 0777);
    return r == 0 ? 0 : -2;
}

int FSMKDirP(const ustring &path, const char **endptr, bool blForceCreate, mode_t mode)
{
    if (path.empty())
        return -1;
    char *buf = strdup(path.c_str());
    if (!buf)
        return -1;
    const bool exact = mode != static_cast<mode_t>(-1);
    UmaskGuard mask(exact);
    const mode_t create_mode = exact ? mode : 0777;
    const size_t len = strlen(buf);

    size_t pos = buf[0] == '/' ? 1 : 0;
    int ret = 0;
    for (;; ++pos) {
        if (buf[pos] != '/' && buf[pos] != '\0')
            continue;
        const bool last = buf[pos] == '\0' || pos + 1 == len; // a trailing "/" is allowed
        const char saved = buf[pos];
        buf[pos] = '\0';
        ret = MakeComponent(buf, last, blForceCreate, create_mode);
        buf[pos] = saved;
        if (ret != 0 || last)
            break;
    }
    if (endptr)
        *endptr = path.c_str() + pos;
    const int saved_errno = errno; // callers look at EEXIST
    free(buf);
    errno = saved_errno;
    return ret;
}

int FSMKDirFromRoot(const ustring &path, const ustring &from)
{
    if (path.length() < from.length()) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then target's '%s'.\n",
               from.c_str(), path.c_str());
        return -1;
    }
    if (!FSIsParentFolder(from, path)) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
               from.c_str(), path.c_str());
        return -1;
    }
    const ustring rel = path.substr(from.length());
    ustring done;
    // Each step ends at a "/" beyond the previous end, so the walk always advances.
    while (done != rel) {
        const ustring::size_type next = rel.find_first_of('/', done.length() + 1);
        done = next == ustring::npos ? rel : rel.substr(0, next);
        TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n", done.c_str());
        if (FSMKDir(from + done, false) < 0)
            return -1;
    }
    return 0;
}

int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin)
{
    return CopyFile(src, dst, isDelOrigin, nullptr);
}

int FSSyncDir(const ustring &path)
{
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || fsync(fd) != 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "FSSyncDir(%s)", path.c_str());
        if (fd >= 0)
            close(fd);
        return -1;
    }
    close(fd);
    return 0;
}

int FSReplaceFile(const ustring &path, const std::string &content, mode_t mode)
{
    // One fixed temporary name: a crash leaves at most this one file behind,
    // and the next write takes it over.
    const ustring tmp = path + ".new";
    unlink(tmp.c_str());
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        int err = errno;
        TW_LOG_FAILED_CALL(err, "FSReplaceFile: open(%s)", tmp.c_str());
        return IsNoSpace(err) ? -2 : -1;
    }
    int err = WriteAll(fd, content.data(), content.size());
    if (err == 0 && fsync(fd) != 0)
        err = errno;
    if (close(fd) != 0 && err == 0 && errno != EINTR)
        err = errno;
    if (err == 0 && rename(tmp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        TW_LOG_FAILED_CALL(err, "FSReplaceFile(%s)", path.c_str());
        unlink(tmp.c_str());
        return IsNoSpace(err) ? -2 : -1;
    }
    return FSSyncDir(FSParentPath(path));
}

int FSRename(const ustring &from, const ustring &to, bool do_case_check)
{
    if (from.empty() || to.empty())
        return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist)
        return -2;
    if (rename(from.c_str(), to.c_str()) == 0)
        return 0;
    if (errno == ENAMETOOLONG)
        return -100;
    if (errno != EXDEV)
        return -3;
    return MoveAcrossDevices(from, to, do_case_check);
}

namespace {

// The entry itself, trailing separators dropped: with them lstat() and open() would follow
// a final link into the folder it points to. "/" (however many) stays "/".
ustring WithoutTrailingSeparators(const ustring &path)
{
    const char *text = path.c_str();
    size_t end = path.size();
    while (end > 1 && text[end - 1] == '/')
        --end;
    return end == path.size() ? path : path.substr(0, end);
}

} // namespace

int FSRemove(const ustring &given, bool /*allowundo*/)
{
    const ustring path = WithoutTrailingSeparators(given);
    // Emptying the whole file system is never what a caller means.
    if (path == ustring("/")) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSRemove: Refusing to remove '/'\n");
        return -1;
    }
    FILE_INFO info;
    if (path.empty() || GetFileInfo(path, info) != 0)
        return -1;
    if (!info.isExist)
        return 0;
    if (info.type != FT_DIR)
        return unlink(path.c_str()) == 0 ? 0 : -3;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        OpenUpOwnFolder(AT_FDCWD, path.c_str(), st);
    // O_NOFOLLOW: a link put in the folder's place since it was examined is not entered.
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSRemove: Failed to open directory '%s'. %s\n",
               path.c_str(), strerror(err));
        return -3;
    }
    if (RemoveContents(fd, path) != 0)
        return -3;
    return rmdir(path.c_str()) == 0 ? 0 : -3;
}

int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh)
{
    DIR *dp = opendir(path.c_str());
    if (!dp) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
               path.c_str(), strerror(err));
        return -1;
    }
    dh.dp = dp;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry)
{
    // readdir on a stream of one's own is thread-safe in glibc; readdir_r is deprecated.
    errno = 0;
    struct dirent *e = dh.dp ? readdir(dh.dp) : nullptr;
    if (!dh.dp)
        errno = EBADF;
    if (!e) {
        if (errno == 0)
            return 0;
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
               dh.path.c_str(), strerror(err));
        return -1;
    }
    entry.mtime = 0;
    entry.size = 0;
    if (dh.flag & FS_READDIR_WITH_INFO) {
        const ustring full = dh.path + "/" + e->d_name;
        FILE_INFO info;
        if (FSStat(full, info, false) != 0) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n",
                   full.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    }
    entry.name = e->d_name;
    entry.type = TypeFromDirent(e->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE &dh)
{
    if (dh.dp)
        closedir(dh.dp);
    dh.dp = nullptr;
    dh.path.clear();
}

ustring FSParentPath(const ustring &path)
{
    const ustring::size_type slash = path.rfind("/", ustring::npos);
    if (slash == ustring::npos || slash == 0)
        return ustring("/");
    return path.substr(0, slash);
}

ustring FSBaseName(const ustring &path)
{
    const ustring::size_type slash = path.rfind("/", ustring::npos);
    if (slash == ustring::npos)
        return path;
    return path.substr(slash + 1);
}

bool FSIsParentFolder(const ustring &parent, const ustring &child)
{
    const ustring::size_type n = parent.length();
    if (child.length() < n)
        return false;
    if (child[n] != '\0' && child[n] != '/')
        return false;
    return child.compare(parent, n) == 0;
}

int FSMktemp(const ustring &prefix, ustring &path)
{
    char pattern[kTempPatternSize];
    const int n = snprintf(pattern, sizeof(pattern), "%s/XXXXXX", prefix.c_str());
    if (n < 0 || static_cast<size_t>(n) >= sizeof(pattern)) {
        // A cut pattern would create a file under a wrong name.
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", pattern,
               strerror(ENAMETOOLONG));
        return -1;
    }
    const std::string wanted(pattern); // a failed mkstemp leaves a tried name behind
    int fd = mkostemp(pattern, O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", wanted.c_str(), strerror(err));
        return -1;
    }
    fchmod(fd, 0644);
    close(fd);
    path = pattern;
    return 0;
}

int FSCreateTempPath(const ustring &prefix, ustring &path)
{
    const ustring name = TmpNameGen::getInstance().getTmpName();
    if (name.empty())
        return -1;
    path = prefix + "/" + name;
    return 0;
}

int FSUTime(const ustring &path, time_t atime, time_t mtime)
{
    struct timespec times[2];
    times[0].tv_sec = atime;
    times[0].tv_nsec = 0;
    times[1].tv_sec = mtime;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : -1;
}

bool FSTimeEqual(time_t a, time_t b)
{
    return a == b;
}

bool isFileLocked(const ustring &path, int flag)
{
    return access(path.c_str(), flag) != 0 && (errno == EPERM || errno == EACCES);
}

bool hasFilePermission(const ustring &path, int flag)
{
    return !isFileLocked(path, flag);
}

bool isMountPoint(const ustring &path)
{
    struct statfs sfs;
    if (statfs(path.c_str(), &sfs) != 0) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n", path.c_str(),
               strerror(err));
        return false;
    }
    const uint32_t type = static_cast<uint32_t>(sfs.f_type);
    return type == kNfsMagic || type == kCifsMagic;
}

bool IsMSDOS(const ustring &path)
{
    struct statfs sfs;
    if (statfs(path.c_str(), &sfs) != 0) {
        int err = errno;
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info '%s'. %s\n",
               path.c_str(), strerror(err));
        return false;
    }
    if (static_cast<uint32_t>(sfs.f_type) != kMsdosMagic)
        return false;
    TW_LOG(Logger::L_WARNING, kComp, "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n",
           path.c_str());
    return true;
}

int FSGetRealPath(ustring &path)
{
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d):  org path [%s]\n", path.c_str());
    const std::string resolved = RealPath(path.c_str());
    if (resolved.empty())
        return -1;
    path = resolved;
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d):  get full path [%s]\n", path.c_str());
    return 0;
}

int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path)
{
    if (symlink(target_path.c_str(), link_path.c_str()) == 0)
        return 0;
    int err = errno;
    TW_LOG(Logger::L_ERR, kComp,
           "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: "
           "%d, msg: "
           "%s)\n",
           target_path.c_str(), link_path.c_str(), err, strerror(err));
    return -1;
}

int file_op_detail::ReadSymbolicLinkBounded(const ustring &link_path, ustring &target_path, size_t capacity)
{
    std::string buf(capacity, '\0');
    ssize_t n = capacity > 0 ? readlink(link_path.c_str(), &buf[0], capacity) : -1;
    int err = capacity > 0 ? errno : ENAMETOOLONG;
    // A text that fills the buffer may have been cut: refused rather than returned wrong.
    if (n >= 0 && static_cast<size_t>(n) >= capacity) {
        n = -1;
        err = ENAMETOOLONG;
    }
    if (n < 0) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: "
               "%s)\n",
               link_path.c_str(), err, strerror(err));
        return -1;
    }
    target_path.assign(buf.data(), static_cast<size_t>(n));
    return 0;
}

int FSReadSymbolicLink(const ustring &link_path, ustring &target_path)
{
    return file_op_detail::ReadSymbolicLinkBounded(link_path, target_path, kLinkBufferSize);
}

int FSChown(const ustring &path, uid_t owner, gid_t group)
{
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) == 0)
        return 0;
    int err = errno;
    TW_LOG(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
           path.c_str(), err, strerror(err));
    return -1;
}
