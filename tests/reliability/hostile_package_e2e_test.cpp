// Damaged and hostile packages, run through the whole upgrade of the
// installed launcher. None may write outside the per-user copy; each either
// extracts correctly or rolls back to the old copy, and the client is started.
#include "sandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tw_test;
using namespace tw_rel;

namespace {

enum class Outcome { Installed, RolledBack };

// ---------------------------------------------------------------- damaged files

// Turns a good package into the file the launcher finds.
using Damage = std::function<void(const std::string &package)>;

struct DamagedCase {
    const char *name;
    ArchiveFormat format;
    ArchiveFilter filter;
    Damage damage;
};

void PrintTo(const DamagedCase &c, std::ostream *os)
{
    *os << c.name;
}

Damage TruncateTo(int percent)
{
    return [percent](const std::string &p) { ASSERT_TRUE(TruncateFile(p, FileSize(p) * percent / 100)); };
}

Damage FlipAt(int percent)
{
    return [percent](const std::string &p) { ASSERT_TRUE(FlipByte(p, FileSize(p) * percent / 100, 0x10)); };
}

Damage Append(const std::string &tail)
{
    return [tail](const std::string &p) {
        const int fd = open(p.c_str(), O_WRONLY | O_APPEND);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(static_cast<ssize_t>(tail.size()), write(fd, tail.data(), tail.size()));
        close(fd);
    };
}

Damage Replace(const std::string &content)
{
    return [content](const std::string &p) { WriteFile(p, content); };
}

ClientPackage PackageWithData(const Sandbox &s)
{
    ClientPackage package("3000", "new", s.marks);
    // Incompressible data: a damaged byte lands in stored data, which only a
    // checksum can tell from good data.
    package.File("data/blob", RandomBytes(400 * 1024, 11)).File("data/text", std::string(200000, 't'));
    return package;
}

const DamagedCase kDamagedCases[] = {
    {"ZeroLength", ArchiveFormat::Zip, ArchiveFilter::None, Replace("")},
    {"NotAnArchive", ArchiveFormat::Zip, ArchiveFilter::None, Replace("this is no archive at all\n")},
    {"RandomBytes", ArchiveFormat::Zip, ArchiveFilter::None, Replace(RandomBytes(100000, 1))},
    {"ZipTruncated", ArchiveFormat::Zip, ArchiveFilter::None, TruncateTo(50)},
    {"ZipFlippedData", ArchiveFormat::Zip, ArchiveFilter::None, FlipAt(40)},
    {"TarTruncated", ArchiveFormat::GnuTar, ArchiveFilter::None, TruncateTo(50)},
    {"TarHeaderFlipped", ArchiveFormat::GnuTar, ArchiveFilter::None, FlipAt(0)},
    // Whatever follows the end marker is read as well: junk there is damage.
    {"TarWithTrailingJunk", ArchiveFormat::GnuTar, ArchiveFilter::None, Append(RandomBytes(4096, 2))},
    {"TarGzTruncated", ArchiveFormat::Pax, ArchiveFilter::Gzip, TruncateTo(60)},
    {"TarGzTrailerCut", ArchiveFormat::Pax, ArchiveFilter::Gzip, TruncateTo(99)},
    {"TarXzTruncated", ArchiveFormat::Pax, ArchiveFilter::Xz, TruncateTo(80)},
    {"TarXzFlippedData", ArchiveFormat::Pax, ArchiveFilter::Xz, FlipAt(50)},
    {"TarZstdTruncated", ArchiveFormat::Pax, ArchiveFilter::Zstd, TruncateTo(70)},
};

class DamagedPackageTest : public ::testing::TestWithParam<DamagedCase> {
protected:
    Sandbox s;
};

TEST_P(DamagedPackageTest, RollsBackAndStartsTheOldCopy)
{
    const DamagedCase &c = GetParam();
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    s.InstallPackage(PackageWithData(s), c.format, c.filter);
    c.damage(s.pkg.path("package/tidewell.qpk"));
    const Tree old_copy = TreeOf(s.App());
    const Tree outside = s.Outside();

    ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
    EXPECT_TRUE(SameTree(outside, s.Outside()));
    EXPECT_NE(std::string::npos, s.Log().find("[ERROR] launcher(N): Failed to upgrade package\n")) << s.Log();
}

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedPackageTest, ::testing::ValuesIn(kDamagedCases),
                         [](const ::testing::TestParamInfo<DamagedCase> &info) { return info.param.name; });

// A checksum that sits behind the tar end marker: the packer's record padding
// (here a long run of zero blocks, as `tar -b` or an appended tail leaves) lies
// between the last entry and the compressor's check. One flipped byte in
// stored data is then only seen if the reader goes on to the end of the stream.
struct PackerCase {
    const char *name;
    std::vector<std::string> compress; // packs the file named after these arguments
    const char *suffix;
};

void PrintTo(const PackerCase &c, std::ostream *os)
{
    *os << c.name;
}

const PackerCase kPackerCases[] = {
    {"Xz", {"xz", "-z", "-k", "-f"}, ".xz"},
    {"ZstdWithChecksum", {"zstd", "-q", "-f", "-C"}, ".zst"},
};

class FlippedBehindEndMarkerTest : public ::testing::TestWithParam<PackerCase> {
protected:
    Sandbox s;
};

TEST_P(FlippedBehindEndMarkerTest, IsDetectedAndRolledBack)
{
    const PackerCase &c = GetParam();
    s.InstallOldCopy("2000");
    const std::string tar = s.tree / "package.tar";
    PackageWithData(s).Write(tar, ArchiveFormat::GnuTar, ArchiveFilter::None);
    Append(std::string(1024 * 1024, '\0'))(tar);
    std::vector<std::string> argv = c.compress;
    argv.push_back(tar);
    ProcessResult packed = RunProcess(argv);
    if (packed.exit_code == 127)
        GTEST_SKIP() << argv[0] << " is not installed";
    ASSERT_EQ(0, packed.exit_code) << packed.err;
    const std::string qpk = s.pkg.path("package/tidewell.qpk");
    CopyExecutable(tar + c.suffix, qpk);

    // The undamaged package installs: the padding itself is no fault. (Its
    // start script writes to this sandbox's marks file.)
    {
        Sandbox good;
        good.InstallOldCopy("2000");
        CopyExecutable(tar + c.suffix, good.pkg.path("package/tidewell.qpk"));
        EXPECT_EQ(0, good.Run().exit_code);
        EXPECT_EQ(std::vector<std::string>{}, good.Backups());
        EXPECT_EQ(RandomBytes(400 * 1024, 11), ReadFile(good.App() + "/data/blob"));
        EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());
        ASSERT_EQ(0, unlink(s.marks.c_str()));
    }

    ASSERT_TRUE(FlipByte(qpk, FileSize(qpk) / 2, 0x10));
    const Tree old_copy = TreeOf(s.App());
    ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App())));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
}

INSTANTIATE_TEST_SUITE_P(Packers, FlippedBehindEndMarkerTest, ::testing::ValuesIn(kPackerCases),
                         [](const ::testing::TestParamInfo<PackerCase> &info) { return info.param.name; });

// ---------------------------------------------------------------- hostile entries

struct HostileCase {
    const char *name;
    ArchiveFormat format;
    // Adds the hostile entries to a good package.
    std::function<void(const Sandbox &, ClientPackage &)> add;
    Outcome outcome;
    // For an installed package: turns the stored entries into what a safe
    // extraction leaves on disk.
    std::function<void(const Sandbox &, Tree &)> adjust;
};

void PrintTo(const HostileCase &c, std::ostream *os)
{
    *os << c.name;
}

ArchiveItem Item(ArchiveItem::Kind kind, const std::string &path, const std::string &link = "")
{
    ArchiveItem item;
    item.kind = kind;
    item.path = path;
    item.link = link;
    item.perm = kind == ArchiveItem::Symlink ? 0777 : 0644;
    return item;
}

ArchiveItem Device(ArchiveItem::Kind kind, const std::string &path, unsigned major, unsigned minor)
{
    ArchiveItem item = Item(kind, path);
    item.dev_major = major;
    item.dev_minor = minor;
    return item;
}

// The folders that a stored path creates below the copy.
void AddFolders(Tree &tree, const std::string &path)
{
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        tree[path.substr(0, at)] = "D";
}

// A link that an entry is written through becomes a real folder in its place.
std::function<void(const Sandbox &, Tree &)> LinkBecomesFolder(const std::string &link)
{
    return [link](const Sandbox &, Tree &tree) { tree[link] = "D"; };
}

std::string LongPath(size_t length)
{
    std::string path;
    while (path.size() + 201 < length)
        path += std::string(200, 'p') + "/";
    return path + std::string(length - path.size(), 'f');
}

const HostileCase kHostileCases[] = {
    {"DotDotEntry", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) { p.File("../escaped", "x"); }, Outcome::RolledBack, nullptr},
    {"DotDotInside", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) { p.File("bin/../../../outside/escaped", "x"); },
     Outcome::RolledBack, nullptr},
    {"AbsolutePath", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) { p.File(s.outside + "/planted", "x"); }, Outcome::Installed,
     [](const Sandbox &s, Tree &tree) {
         const std::string stored = s.outside + "/planted";
         const std::string value = tree[stored];
         tree.erase(stored);
         tree[stored.substr(1)] = value;
         AddFolders(tree, stored.substr(1));
     }},
    {"SymlinkEscapeThenWriteThrough", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Symlink, "esc", s.outside)).File("esc/planted", "x");
     },
     Outcome::Installed, LinkBecomesFolder("esc")},
    {"RelativeSymlinkEscape", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Symlink, "up", "../../../outside")).File("up/planted", "x");
     },
     Outcome::Installed, LinkBecomesFolder("up")},
    {"SymlinkChain", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Symlink, "l3", s.outside))
             .Add(Item(ArchiveItem::Symlink, "l2", "l3"))
             .Add(Item(ArchiveItem::Symlink, "l1", "l2"))
             .File("l1/planted", "x");
     },
     Outcome::Installed, LinkBecomesFolder("l1")},
    {"SymlinkToOutsideFileOverwritten", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Symlink, "bin/evil", s.outside + "/secret")).File("bin/evil", "mine");
     },
     Outcome::Installed, [](const Sandbox &, Tree &tree) { tree["bin/evil"] = FileEntry(0644, "mine"); }},
    {"HardlinkToAbsoluteTarget", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Hardlink, "hl", s.outside + "/secret"));
     },
     Outcome::RolledBack, nullptr},
    {"HardlinkWithDotDot", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Hardlink, "hl", "../../../outside/secret"));
     },
     Outcome::RolledBack, nullptr},
    {"HardlinkThroughSymlink", ArchiveFormat::GnuTar,
     [](const Sandbox &s, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Symlink, "s", s.outside)).Add(Item(ArchiveItem::Hardlink, "h", "s/secret"));
     },
     Outcome::RolledBack, nullptr},
    {"HardlinkInside", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) {
         p.Add(Item(ArchiveItem::Hardlink, "bin/alias", "bin/tidewell-backup-ui"));
     },
     Outcome::Installed, nullptr},
    {"DevicesAndPipes", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) {
         p.Add(Device(ArchiveItem::CharDevice, "dev-null", 1, 3))
             .Add(Device(ArchiveItem::BlockDevice, "disk", 8, 0))
             .Add(Item(ArchiveItem::Fifo, "pipe"));
     },
     Outcome::Installed, nullptr},
    {"SetIdBits", ArchiveFormat::Pax,
     [](const Sandbox &, ClientPackage &p) {
         p.File("bin/suid", "#!/bin/sh\n", 04755).File("bin/sgid", "#!/bin/sh\n", 02755);
         ArchiveItem shared = Item(ArchiveItem::Dir, "shared");
         shared.perm = 03777;
         p.Add(shared);
     },
     Outcome::Installed, nullptr},
    {"Name255Bytes", ArchiveFormat::Pax,
     [](const Sandbox &, ClientPackage &p) { p.File("data/" + std::string(255, 'n'), "x"); },
     Outcome::Installed, [](const Sandbox &, Tree &tree) { tree["data"] = "D"; }},
    {"Name256Bytes", ArchiveFormat::Pax,
     [](const Sandbox &, ClientPackage &p) { p.File("data/" + std::string(256, 'n'), "x"); },
     Outcome::RolledBack, nullptr},
    {"Path4000Bytes", ArchiveFormat::Pax,
     [](const Sandbox &, ClientPackage &p) { p.File(LongPath(4000), "x"); }, Outcome::Installed,
     [](const Sandbox &, Tree &tree) { AddFolders(tree, LongPath(4000)); }},
    {"NamesNotUtf8", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) {
         p.File("caf\xe9", "latin-1").File("\xff\xfe", "junk").Dir("bad-\xc3(").File("bad-\xc3(/x", "x");
     },
     Outcome::Installed, nullptr},
    {"SameEntryTwice", ArchiveFormat::GnuTar,
     [](const Sandbox &, ClientPackage &p) { p.File("twice", "first").File("twice", "second"); },
     Outcome::Installed, [](const Sandbox &, Tree &tree) { tree["twice"] = FileEntry(0644, "second"); }},
};

class HostileEntryTest : public ::testing::TestWithParam<HostileCase> {
protected:
    Sandbox s;
};

TEST_P(HostileEntryTest, StaysInsideTheCopyAndInstallsOrRollsBack)
{
    const HostileCase &c = GetParam();
    s.VerboseLevels();
    s.InstallOldCopy("2000");
    ClientPackage package("3000", "new", s.marks);
    c.add(s, package);
    s.InstallPackage(package, c.format, ArchiveFilter::None);
    const Tree old_copy = TreeOf(s.App());
    const Tree outside = s.Outside();

    ProcessResult r = s.Run();
    EXPECT_EQ(0, r.exit_code) << r.err;
    EXPECT_TRUE(SameTree(outside, s.Outside()));
    EXPECT_EQ(std::vector<std::string>{}, s.Backups());
    if (c.outcome == Outcome::RolledBack) {
        EXPECT_TRUE(SameTree(old_copy, TreeOf(s.App())));
        EXPECT_EQ(std::vector<std::string>{"old"}, s.Starts());
        EXPECT_NE(std::string::npos, s.Log().find("Failed to upgrade package")) << s.Log();
    } else {
        Tree expected = package.Expected();
        if (c.adjust)
            c.adjust(s, expected);
        EXPECT_TRUE(SameTree(expected, TreeOf(s.App()))) << s.Log();
        EXPECT_EQ(std::vector<std::string>{"new"}, s.Starts());

        // The next upgrade moves this copy aside and removes it, links and
        // deep paths included, without following anything outside.
        s.pkg.WriteInfo("3001");
        ProcessResult again = s.Run();
        EXPECT_EQ(0, again.exit_code) << again.err;
        EXPECT_TRUE(SameTree(expected, TreeOf(s.App())));
        EXPECT_EQ(std::vector<std::string>{}, s.Backups()) << s.Log();
        EXPECT_EQ((std::vector<std::string>{"new", "new"}), s.Starts());
        Tree outside_now = outside;
        outside_now["package-root/INFO"] = TreeOf(s.pkg.root())["INFO"]; // the one file changed here
        EXPECT_TRUE(SameTree(outside_now, s.Outside()));
    }
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileEntryTest, ::testing::ValuesIn(kHostileCases),
                         [](const ::testing::TestParamInfo<HostileCase> &info) { return info.param.name; });

} // namespace
