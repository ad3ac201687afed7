#include "extractor.h"
#include "posix_io.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "adapter.h"
#include "log.h"
#include "strtab.h"

namespace {

const char *const kComp = "extractor_debug";
const int kBlockSize = 10240;

// Secure symlinks on top of the no-dot-dot check: without it an entry is
// written through a symbolic link that an earlier entry planted (say "lib"
// pointing into the home folder, then "lib/.bashrc").
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                         ARCHIVE_EXTRACT_MAC_METADATA | ARCHIVE_EXTRACT_SECURE_SYMLINKS;

// Keeps done * 100 within int in the dialog.
const int64_t kMaxReportedTotal = INT_MAX / 100;

struct ReaderFree {
    void operator()(struct archive *a) const { archive_read_free(a); }
};
struct WriterFree {
    void operator()(struct archive *a) const { archive_write_free(a); }
};
using Reader = std::unique_ptr<struct archive, ReaderFree>;
using Writer = std::unique_ptr<struct archive, WriterFree>;

const char *ErrorText(struct archive *a)
{
    const char *text = archive_error_string(a);
    return text ? text : "";
}

// A tar reader stops at the end marker, and so before the compressor's own
// check behind the padding: a flipped byte in stored data would pass unseen.
// Reading on to the end of the stream lets the xz and zstd checks run. (The
// gzip reader verifies no checksum at all; packages are zip, whose entries
// carry their own.) An entry past a second end marker is extracted too.
void ReadToStreamEnd(struct archive *reader)
{
    // Without the option (an older libarchive) reading simply stops as before.
    archive_read_set_format_option(reader, "tar", "read_concatenated_archives", "1");
}

// Text of the failure behind archive_read_extract2: libarchive copies the
// writer's error to the reader, and the writer's may be empty by then.
const char *ExtractErrorText(struct archive *reader, struct archive *writer)
{
    const char *text = ErrorText(writer);
    return *text ? text : ErrorText(reader);
}

// A reader of every filter and format that reads on to the stream's end, so
// that the count pass sees exactly the entries the extraction writes; not
// opened yet. Null when it cannot be allocated.
Reader NewReader()
{
    Reader reader(archive_read_new());
    if (reader) {
        // The same registration as the deprecated archive_read_support_compression_all.
        archive_read_support_filter_all(reader.get());
        archive_read_support_format_all(reader.get());
        ReadToStreamEnd(reader.get());
    }
    return reader;
}

// Opens the archive for Count and List, logging a failure their way.
Reader OpenForWalk(const ustring &source)
{
    Reader reader = NewReader();
    if (!reader) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Allocate archive failed\n");
        return nullptr;
    }
    if (archive_read_open_filename(reader.get(), source.c_str(), kBlockSize) != ARCHIVE_OK) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
               ErrorText(reader.get()));
        return nullptr;
    }
    return reader;
}

// Count and List alike: checks the arguments, opens the archive and hands each
// header to `visit`, skipping the data. The first result other than
// ARCHIVE_OK, the end or damage alike, ends the walk silently.
template <typename Visit> bool WalkEntries(const ustring &source, const ustring &target, Visit visit)
{
    if (target.empty() || source.empty()) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid argument\n");
        return false;
    }
    Reader reader = OpenForWalk(source);
    if (!reader)
        return false;
    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        visit(entry);
        archive_read_data_skip(reader.get());
    }
    archive_read_close(reader.get());
    return true;
}

// libarchive checks an absolute path component by component from "/" on and,
// with ARCHIVE_EXTRACT_UNLINK, removes a symbolic link it meets part-way. The
// entries therefore go below the canonical folder, so that a user's own link on
// the way (".TidewellBackup" kept on another disk) is followed, not deleted.
bool CanonicalFolder(const ustring &folder, std::string *out)
{
    *out = RealPath(folder.c_str());
    return !out->empty();
}

// Makes the calling thread work in `folder` for the object's lifetime, so that
// entries can be given relative to it: the symbolic-link check then walks only
// the components below the target instead of every one from "/" (about a
// tenth of an extraction's time). The thread first takes a working folder of its own, so
// no other thread of the launcher ever sees the change. When either step is
// refused, entered() is false and nothing has changed.
class ThreadInFolder {
public:
    explicit ThreadInFolder(const std::string &folder)
    {
        if (!OwnWorkingFolder())
            return;
        m_previous = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m_previous < 0)
            return;
        if (chdir(folder.c_str()) != 0) {
            close(m_previous);
            m_previous = -1;
        }
    }
    ~ThreadInFolder()
    {
        if (m_previous < 0)
            return;
        if (fchdir(m_previous) != 0)
            TW_LOG(Logger::L_WARNING, kComp,
                   "[WARNING] extractor(%d): Failed to return to the working folder: %s\n",
                   std::strerror(errno));
        close(m_previous);
    }
    ThreadInFolder(const ThreadInFolder &) = delete;
    ThreadInFolder &operator=(const ThreadInFolder &) = delete;

    bool entered() const { return m_previous >= 0; }

private:
    static bool OwnWorkingFolder()
    {
        // Once per thread: the thread keeps its own folder from then on.
        thread_local bool own = unshare(CLONE_FS) == 0;
        return own;
    }

    int m_previous = -1;
};

// Devices and named pipes have no place in an application folder, and as root
// a device node would hand the user raw access to a disk.
bool IsSpecialFile(struct archive_entry *entry)
{
    if (archive_entry_hardlink(entry))
        return false;
    switch (archive_entry_filetype(entry)) {
    case AE_IFCHR:
    case AE_IFBLK:
    case AE_IFIFO:
    case AE_IFSOCK:
        return true;
    default:
        return false;
    }
}

// Places the entry below `base`: the target's canonical path, or "." when the
// thread works in the target. A hard-link target is rewritten the same way:
// left as stored it would be resolved against the current folder. `scratch`
// is the caller's, so that its buffer serves every entry without reallocating.
void PlaceBelow(struct archive_entry *entry, const std::string &base, const char *stored,
                std::string &scratch)
{
    // "./" + "/etc/x" stays relative: libarchive folds the doubled slash.
    scratch.assign(base).append(1, '/').append(stored);
    archive_entry_set_pathname(entry, scratch.c_str());
    const char *link = archive_entry_hardlink(entry);
    if (link) {
        scratch.assign(base).append(1, '/').append(link);
        archive_entry_set_hardlink(entry, scratch.c_str());
    }
    // Set-id bits never reach the disk, whatever the writer's defaults.
    archive_entry_set_perm(entry, archive_entry_perm(entry) & 0777);
}

void ReportProgress(int64_t total, int64_t done)
{
    ExtractProgress p = ScaleProgress(total, done);
    Notify_Adapter::GetInstance().UpdateProgress(p.total, p.done);
}

// Writes every entry below `base`, reporting (total, done) after each.
int WriteEntries(struct archive *reader, struct archive *writer, const std::string &base, int total)
{
    int64_t step = 0;
    std::string placed;
    for (;;) {
        struct archive_entry *entry = nullptr;
        int ret = archive_read_next_header(reader, &entry);
        if (ret == ARCHIVE_EOF)
            return 0;
        if (ret != ARCHIVE_OK) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                   ErrorText(reader));
            return -1;
        }
        const char *stored = archive_entry_pathname(entry);
        if (!stored) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_entry_pathname failed\n");
            return -1;
        }
        if (IsSpecialFile(entry)) {
            TW_LOG(Logger::L_WARNING, kComp, "[WARNING] extractor(%d): skipping special file '%s'\n", stored);
            ReportProgress(total, ++step);
            continue;
        }
        PlaceBelow(entry, base, stored, placed);
        if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
                   ExtractErrorText(reader, writer));
            return -1;
        }
        ReportProgress(total, ++step);
        if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                   ErrorText(writer));
            return -1;
        }
    }
}

} // namespace

ExtractProgress ScaleProgress(int64_t total, int64_t done)
{
    if (total < 1)
        total = 1;
    if (done < 0)
        done = 0;
    if (done > total)
        done = total;
    if (total > kMaxReportedTotal) {
        // The ratio is all the dialog shows; double keeps it without overflow.
        done =
            static_cast<int64_t>(static_cast<double>(done) / static_cast<double>(total) * kMaxReportedTotal);
        total = kMaxReportedTotal;
        if (done > total)
            done = total;
    }
    return ExtractProgress{static_cast<int>(total), static_cast<int>(done)};
}

Extractor::Extractor() {}

Extractor::~Extractor() {}

void Extractor::SetSource(const ustring &source)
{
    this->source = source;
}

void Extractor::SetTarget(const ustring &target)
{
    this->target = target;
}

int Extractor::Count()
{
    int64_t count = 0;
    if (!WalkEntries(source, target, [&count](struct archive_entry *) {
            if (count < INT_MAX)
                ++count;
        }))
        return -1;
    return static_cast<int>(count);
}

int Extractor::List()
{
    if (!WalkEntries(source, target, [](struct archive_entry *entry) {
            const char *path = archive_entry_pathname(entry);
            std::printf("%s\n", path ? path : "");
        }))
        return -1;
    std::fflush(stdout);
    return 0;
}

int Extractor::Extract()
{
    if (source.empty() || target.empty()) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n");
        return -1;
    }
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", source.c_str(),
           target.c_str());
    Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(StrTable::ID_INITIALIZING));

    const int total = Count();
    if (total <= 0) {
        TW_LOG(Logger::L_ERR, kComp,
               "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }

    std::string base;
    if (!CanonicalFolder(target, &base)) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Failed to resolve target folder '%s': %s\n",
               target.c_str(), std::strerror(errno));
        return -1;
    }
    // Declared before the writer, entered once the archive is open (its path
    // may be relative): closing the writer applies the folder modes it
    // deferred, by the same relative paths, so it must close in the folder.
    std::optional<ThreadInFolder> in_target;

    Reader reader = NewReader();
    Writer writer(archive_write_disk_new());
    if (!reader || !writer) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Allocate extractor failed\n");
        return -1;
    }
    archive_write_disk_set_options(writer.get(), kDiskOptions);
    if (archive_read_open_filename(reader.get(), source.c_str(), kBlockSize) != ARCHIVE_OK) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
               source.c_str(), ErrorText(reader.get()));
        return -1;
    }
    in_target.emplace(base);
    if (in_target->entered())
        base = ".";
    return WriteEntries(reader.get(), writer.get(), base, total);
}

int Extractor::copy_data(struct archive *ar, struct archive *aw)
{
    if (!ar || !aw) {
        TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n");
        return -1;
    }
    for (;;) {
        const void *buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int ret = archive_read_data_block(ar, &buff, &size, &offset);
        if (ret == ARCHIVE_EOF)
            return 0;
        if (ret != ARCHIVE_OK) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
                   ErrorText(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            TW_LOG(Logger::L_ERR, kComp, "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
                   ErrorText(aw));
            return -1;
        }
    }
}
