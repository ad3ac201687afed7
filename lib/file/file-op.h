// File operations over the POSIX file system, paths as ustring. Int results are
// 0 on success and a negative code on failure; diagnostics go to the logger under
// the component "file_op_debug".
#ifndef TIDEWELL_FILE_OP_H
#define TIDEWELL_FILE_OP_H

#include <cstddef>
#include <cstdint>
#include <dirent.h>
#include <string>
#include <sys/types.h>
#include <time.h>

#include "ustring.h"

typedef enum _FILE_TYPE_tag : int32_t {
    FT_ERR = 0,
    FT_FILE = 1,
    FT_DIR = 2,
    FT_SLINK = 3,
    FT_HLINK = 4, // never produced
    FT_DEV = 5,
    FT_FIFO = 6,
    FT_SOCK = 7,
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
    ustring path;
    ustring name;
    FILE_TYPE type;
    uint32_t mtime; // seconds since the epoch, cut to 32 bits
    uint64_t size;
    bool isExist;
    uint32_t uid;
    uint32_t gid;
    uint32_t mode; // kind and permission bits
    uint64_t dev_id;

    _FILE_INFO_tag();
    // uid, gid, mode and dev_id take no part.
    bool operator==(const _FILE_INFO_tag &other) const;
    bool operator!=(const _FILE_INFO_tag &other) const;
} FILE_INFO;

// Bit 0 of DIR_HANDLE::flag: FSReadDir also fills mtime and size of each entry.
enum { FS_READDIR_WITH_INFO = 1 };

struct DIR_HANDLE {
    ustring path;
    int flag;
    DIR *dp; // owned while open; closed by FSCloseDir

    DIR_HANDLE() : flag(0), dp(nullptr) {}
};

struct DIR_ENTRY {
    ustring name;
    FILE_TYPE type;
    uint32_t mtime;
    uint64_t size;

    DIR_ENTRY() : type(FT_ERR), mtime(0), size(0) {}
};

// Examines the entry itself (a final symbolic link is not followed). A missing
// entry is a success with isExist false.
int GetFileInfo(const ustring &path, FILE_INFO &info);
int FSStat(const ustring &path, FILE_INFO &info, bool do_case_check = false);
bool IsFileExist(const ustring &path, bool do_case_check = false);

int FSMKDir(const ustring &path, bool isCreateParent);
// mode (mode_t)-1 creates with 0777 under the process's mask; any other mode is
// used exactly, clearing the process-wide mask for the length of the call.
// *endptr, when given, points into path's own text where the walk stopped.
int FSMKDirP(const ustring &path, const char **endptr = nullptr, bool blForceCreate = false,
             mode_t mode = static_cast<mode_t>(-1));
int FSMKDirFromRoot(const ustring &path, const ustring &from);

// Copies the bytes of one file and flushes them to the device. -2: no space or quota.
int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin = false);
// Replaces `path` with a file of exactly `content`, durably: written under a
// temporary name beside it, flushed, renamed over it, and the folder flushed,
// so that a crash leaves either the old file or the new one, whole, on disk.
// -2: no space or quota.
int FSReplaceFile(const ustring &path, const std::string &content, mode_t mode = 0644);
// Flushes a folder's entries (creations, renames, removals) to the device.
int FSSyncDir(const ustring &path);
// A move that copies across file systems. -100: a name too long.
int FSRename(const ustring &from, const ustring &to, bool do_case_check = false);
// Recursive removal; symbolic links are removed, never followed.
int FSRemove(const ustring &path, bool allowundo = false);

int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh);
// 1: entry filled; 0: end of the directory; -1: failure. "." and ".." included.
int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry);
void FSCloseDir(DIR_HANDLE &dh);

ustring FSParentPath(const ustring &path);
ustring FSBaseName(const ustring &path);
bool FSIsParentFolder(const ustring &parent, const ustring &child);

int FSMktemp(const ustring &prefix, ustring &path);
int FSCreateTempPath(const ustring &prefix, ustring &path);

int FSUTime(const ustring &path, time_t atime, time_t mtime);
bool FSTimeEqual(time_t a, time_t b);

// flag takes the access() mode bits.
bool isFileLocked(const ustring &path, int flag);
bool hasFilePermission(const ustring &path, int flag);
bool isMountPoint(const ustring &path);
bool IsMSDOS(const ustring &path);

int FSGetRealPath(ustring &path);
int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path);
int FSReadSymbolicLink(const ustring &link_path, ustring &target_path);
int FSChown(const ustring &path, uid_t owner, gid_t group);

namespace file_op_detail {
// FSReadSymbolicLink with a buffer of `capacity` bytes: a link text that does not
// fit with its terminator is refused, never returned cut.
int ReadSymbolicLinkBounded(const ustring &link_path, ustring &target_path, size_t capacity);
} // namespace file_op_detail

#endif
