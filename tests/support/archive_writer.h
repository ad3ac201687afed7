// Builds real archives for tests with libarchive: any entry kind, raw stored
// paths (including hostile ones), several formats and compressions. Also
// damages files on purpose (truncation, flipped bytes).
#ifndef TIDEWELL_TESTS_ARCHIVE_WRITER_H
#define TIDEWELL_TESTS_ARCHIVE_WRITER_H

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tw_test {

enum class ArchiveFormat { GnuTar, Ustar, Pax, Zip };
enum class ArchiveFilter { None, Gzip, Zstd, Xz };

struct ArchiveItem {
    enum Kind { File, Dir, Symlink, Hardlink, Fifo, CharDevice, BlockDevice };
    Kind kind = File;
    std::string path;    // stored exactly as given, no clean-up
    std::string content; // File only
    std::string link;    // Symlink text, or the stored path a Hardlink refers to
    mode_t perm = 0644;  // permission bits, set-id bits included
    unsigned dev_major = 0;
    unsigned dev_minor = 0;
};

class ArchiveWriter {
public:
    explicit ArchiveWriter(ArchiveFormat format = ArchiveFormat::Pax,
                           ArchiveFilter filter = ArchiveFilter::None);

    ArchiveWriter &File(const std::string &path, const std::string &content, mode_t perm = 0644);
    ArchiveWriter &Dir(const std::string &path, mode_t perm = 0755);
    ArchiveWriter &Symlink(const std::string &path, const std::string &target);
    ArchiveWriter &Hardlink(const std::string &path, const std::string &target);
    ArchiveWriter &Fifo(const std::string &path);
    ArchiveWriter &CharDevice(const std::string &path, unsigned major, unsigned minor);
    ArchiveWriter &BlockDevice(const std::string &path, unsigned major, unsigned minor);
    ArchiveWriter &Add(const ArchiveItem &entry);

    size_t size() const { return m_entries.size(); }

    // Writes the archive; returns an empty string on success, else the reason.
    std::string Write(const std::string &archive_path) const;

private:
    ArchiveFormat m_format;
    ArchiveFilter m_filter;
    std::vector<ArchiveItem> m_entries;
};

// Cuts a file down to `size` bytes; false when that fails.
bool TruncateFile(const std::string &path, off_t size);
// XORs the byte at `offset` with `mask`; false when the byte is not there.
bool FlipByte(const std::string &path, off_t offset, uint8_t mask = 0xff);
// Size of a file in bytes, -1 when it cannot be examined.
off_t FileSize(const std::string &path);

} // namespace tw_test

#endif
