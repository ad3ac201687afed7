#include "archive_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tw_test {

namespace {

struct ArchiveFree {
    void operator()(struct archive *a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(struct archive_entry *e) const { archive_entry_free(e); }
};
using ArchivePtr = std::unique_ptr<struct archive, ArchiveFree>;
using EntryPtr = std::unique_ptr<struct archive_entry, EntryFree>;

std::string Failure(struct archive *a, const std::string &what)
{
    const char *text = archive_error_string(a);
    return what + ": " + (text ? text : "unknown error");
}

int SetFormat(struct archive *a, ArchiveFormat format)
{
    switch (format) {
    case ArchiveFormat::GnuTar:
        return archive_write_set_format_gnutar(a);
    case ArchiveFormat::Ustar:
        return archive_write_set_format_ustar(a);
    case ArchiveFormat::Pax:
        return archive_write_set_format_pax_restricted(a);
    case ArchiveFormat::Zip:
        return archive_write_set_format_zip(a);
    }
    return ARCHIVE_FATAL;
}

int SetFilter(struct archive *a, ArchiveFilter filter)
{
    switch (filter) {
    case ArchiveFilter::None:
        return archive_write_add_filter_none(a);
    case ArchiveFilter::Gzip:
        return archive_write_add_filter_gzip(a);
    case ArchiveFilter::Zstd:
        return archive_write_add_filter_zstd(a);
    case ArchiveFilter::Xz:
        return archive_write_add_filter_xz(a);
    }
    return ARCHIVE_FATAL;
}

void FillEntry(struct archive_entry *e, const ArchiveItem &item)
{
    archive_entry_set_pathname(e, item.path.c_str());
    archive_entry_set_perm(e, item.perm);
    archive_entry_set_mtime(e, 1700000000, 0);
    archive_entry_set_uid(e, getuid());
    archive_entry_set_gid(e, getgid());
    switch (item.kind) {
    case ArchiveItem::File:
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_size(e, static_cast<la_int64_t>(item.content.size()));
        break;
    case ArchiveItem::Dir:
        archive_entry_set_filetype(e, AE_IFDIR);
        archive_entry_set_size(e, 0);
        break;
    case ArchiveItem::Symlink:
        archive_entry_set_filetype(e, AE_IFLNK);
        archive_entry_set_symlink(e, item.link.c_str());
        archive_entry_set_size(e, 0);
        break;
    case ArchiveItem::Hardlink:
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_hardlink(e, item.link.c_str());
        archive_entry_set_size(e, 0);
        break;
    case ArchiveItem::Fifo:
        archive_entry_set_filetype(e, AE_IFIFO);
        archive_entry_set_size(e, 0);
        break;
    case ArchiveItem::CharDevice:
    case ArchiveItem::BlockDevice:
        archive_entry_set_filetype(e, item.kind == ArchiveItem::CharDevice ? AE_IFCHR : AE_IFBLK);
        archive_entry_set_rdev(e, makedev(item.dev_major, item.dev_minor));
        archive_entry_set_size(e, 0);
        break;
    }
}

} // namespace

ArchiveWriter::ArchiveWriter(ArchiveFormat format, ArchiveFilter filter) : m_format(format), m_filter(filter)
{
}

ArchiveWriter &ArchiveWriter::Add(const ArchiveItem &entry)
{
    m_entries.push_back(entry);
    return *this;
}

ArchiveWriter &ArchiveWriter::File(const std::string &path, const std::string &content, mode_t perm)
{
    ArchiveItem e;
    e.kind = ArchiveItem::File;
    e.path = path;
    e.content = content;
    e.perm = perm;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::Dir(const std::string &path, mode_t perm)
{
    ArchiveItem e;
    e.kind = ArchiveItem::Dir;
    e.path = path;
    e.perm = perm;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::Symlink(const std::string &path, const std::string &target)
{
    ArchiveItem e;
    e.kind = ArchiveItem::Symlink;
    e.path = path;
    e.link = target;
    e.perm = 0777;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::Hardlink(const std::string &path, const std::string &target)
{
    ArchiveItem e;
    e.kind = ArchiveItem::Hardlink;
    e.path = path;
    e.link = target;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::Fifo(const std::string &path)
{
    ArchiveItem e;
    e.kind = ArchiveItem::Fifo;
    e.path = path;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::CharDevice(const std::string &path, unsigned major, unsigned minor)
{
    ArchiveItem e;
    e.kind = ArchiveItem::CharDevice;
    e.path = path;
    e.dev_major = major;
    e.dev_minor = minor;
    return Add(e);
}

ArchiveWriter &ArchiveWriter::BlockDevice(const std::string &path, unsigned major, unsigned minor)
{
    ArchiveItem e;
    e.kind = ArchiveItem::BlockDevice;
    e.path = path;
    e.dev_major = major;
    e.dev_minor = minor;
    return Add(e);
}

std::string ArchiveWriter::Write(const std::string &archive_path) const
{
    ArchivePtr a(archive_write_new());
    if (!a)
        return "archive_write_new failed";
    if (SetFormat(a.get(), m_format) != ARCHIVE_OK)
        return Failure(a.get(), "format");
    if (SetFilter(a.get(), m_filter) != ARCHIVE_OK)
        return Failure(a.get(), "filter");
    if (archive_write_open_filename(a.get(), archive_path.c_str()) != ARCHIVE_OK)
        return Failure(a.get(), "open " + archive_path);

    for (const ArchiveItem &item : m_entries) {
        EntryPtr e(archive_entry_new());
        if (!e)
            return "archive_entry_new failed";
        FillEntry(e.get(), item);
        // A warning (say, a name that does not convert) still writes the header.
        if (archive_write_header(a.get(), e.get()) < ARCHIVE_WARN)
            return Failure(a.get(), "header of '" + item.path + "'");
        if (item.kind == ArchiveItem::File && !item.content.empty()) {
            la_ssize_t n = archive_write_data(a.get(), item.content.data(), item.content.size());
            if (n < 0 || static_cast<size_t>(n) != item.content.size())
                return Failure(a.get(), "data of '" + item.path + "'");
        }
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return Failure(a.get(), "close");
    return std::string();
}

bool TruncateFile(const std::string &path, off_t size)
{
    return truncate(path.c_str(), size) == 0;
}

bool FlipByte(const std::string &path, off_t offset, uint8_t mask)
{
    int fd = open(path.c_str(), O_RDWR);
    if (fd < 0)
        return false;
    unsigned char byte = 0;
    bool ok = pread(fd, &byte, 1, offset) == 1;
    byte ^= mask;
    ok = ok && pwrite(fd, &byte, 1, offset) == 1;
    close(fd);
    return ok;
}

off_t FileSize(const std::string &path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return -1;
    return st.st_size;
}

} // namespace tw_test
