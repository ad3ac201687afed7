#include "sandbox.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tw_test;

namespace tw_rel {

namespace {

const char *const kOldMarker = "old";

std::string InfoText(const std::string &build)
{
    return "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
           "\nicon_overlay_version=1\n";
}

std::string StartScript(const std::string &word, const std::string &marks)
{
    return "#!/bin/sh\necho " + word + " >> '" + marks + "'\n";
}

std::string ReadAt(int dir_fd, const char *name)
{
    std::string out;
    int fd = openat(dir_fd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return "<unreadable>";
    char buf[65536];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        out.append(buf, static_cast<size_t>(n));
    close(fd);
    return out;
}

std::string LinkAt(int dir_fd, const char *name)
{
    std::string buf(8192, '\0');
    ssize_t n = readlinkat(dir_fd, name, &buf[0], buf.size());
    return n < 0 ? std::string("<unreadable>") : buf.substr(0, static_cast<size_t>(n));
}

bool Skipped(const std::string &rel, const std::vector<std::string> &skip)
{
    for (const std::string &s : skip)
        if (rel.compare(0, s.size(), s) == 0)
            return true;
    return false;
}

void Walk(int dir_fd, const std::string &rel, const std::vector<std::string> &skip, Tree &out)
{
    DIR *dir = fdopendir(dir_fd);
    if (!dir) {
        close(dir_fd);
        return;
    }
    std::vector<std::string> names;
    while (struct dirent *e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const std::string &name : names) {
        const std::string key = rel.empty() ? name : rel + "/" + name;
        if (Skipped(key, skip))
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            out[key] = (st.st_mode & 07000) ? "Ds" : "D";
            int fd = openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd >= 0)
                Walk(fd, key, skip, out);
            else
                out[key] += "<unreadable>";
        } else if (S_ISLNK(st.st_mode)) {
            out[key] = "L:" + LinkAt(dirfd(dir), name.c_str());
        } else if (S_ISREG(st.st_mode)) {
            std::ostringstream os;
            os << "F" << std::oct << (st.st_mode & 07777) << std::dec << "/" << st.st_nlink << ":";
            out[key] = os.str() + ReadAt(dirfd(dir), name.c_str());
        } else {
            std::ostringstream os;
            os << "?" << std::oct << st.st_mode;
            out[key] = os.str();
        }
    }
    closedir(dir);
}

std::string Shorten(const std::string &text)
{
    std::string out;
    for (char c : text.substr(0, 60))
        out += (c >= 32 && c < 127) ? c : '.';
    return text.size() > 60 ? out + "...(" + std::to_string(text.size()) + " bytes)" : out;
}

} // namespace

Tree TreeOfExcept(const std::string &dir, const std::vector<std::string> &skip)
{
    Tree out;
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        Walk(fd, "", skip, out);
    return out;
}

Tree TreeOf(const std::string &dir)
{
    return TreeOfExcept(dir, {});
}

std::string Diff(const Tree &expected, const Tree &actual)
{
    std::string out;
    int shown = 0;
    for (const auto &e : expected) {
        auto it = actual.find(e.first);
        if (it == actual.end())
            out += "  missing: " + Shorten(e.first) + "\n";
        else if (it->second != e.second)
            out += "  differs: " + Shorten(e.first) + " want " + Shorten(e.second) + " got " +
                   Shorten(it->second) + "\n";
        else
            continue;
        if (++shown == 8)
            return out + "  ...\n";
    }
    for (const auto &a : actual) {
        if (expected.count(a.first))
            continue;
        out += "  unexpected: " + Shorten(a.first) + " = " + Shorten(a.second) + "\n";
        if (++shown == 8)
            return out + "  ...\n";
    }
    return out;
}

::testing::AssertionResult SameTree(const Tree &expected, const Tree &actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "trees differ:\n" << Diff(expected, actual);
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string out(size, '\0');
    for (char &c : out)
        c = static_cast<char>(gen() & 0xff);
    return out;
}

mode_t CurrentUmask()
{
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

std::string FileEntry(mode_t perm, const std::string &content, int links)
{
    std::ostringstream mode;
    mode << "F" << std::oct << (perm & 0777 & ~CurrentUmask()) << std::dec << "/" << links << ":";
    return mode.str() + content;
}

ClientPackage::ClientPackage(const std::string &build, const std::string &word, const std::string &marks)
{
    Add(ArchiveItem{ArchiveItem::File, "INFO", InfoText(build), "", 0644, 0, 0});
    Dir("bin");
    File("bin/tidewell-backup-ui", "#!/bin/sh\nexit 0\n", 0755);
    Dir("package");
    File("package/start-stop", StartScript(word, marks), 0755);
}

ClientPackage &ClientPackage::Add(const ArchiveItem &item)
{
    m_items.push_back(item);
    return *this;
}

ClientPackage &ClientPackage::File(const std::string &path, const std::string &content, mode_t perm)
{
    return Add(ArchiveItem{ArchiveItem::File, path, content, "", perm, 0, 0});
}

ClientPackage &ClientPackage::Dir(const std::string &path)
{
    return Add(ArchiveItem{ArchiveItem::Dir, path, "", "", 0755, 0, 0});
}

ClientPackage &ClientPackage::Bulk(const std::string &folder, int files, size_t size, unsigned seed)
{
    Dir(folder);
    for (int i = 0; i < files; ++i)
        File(folder + "/part-" + std::to_string(i), RandomBytes(size + static_cast<size_t>(i), seed + i));
    return *this;
}

Tree ClientPackage::Expected() const
{
    std::map<std::string, int> links;
    for (const ArchiveItem &item : m_items)
        if (item.kind == ArchiveItem::Hardlink)
            links[item.link] += 1;
    std::map<std::string, const ArchiveItem *> files; // the last entry of a path wins
    for (const ArchiveItem &item : m_items)
        if (item.kind == ArchiveItem::File)
            files[item.path] = &item;
    Tree out;
    for (const ArchiveItem &item : m_items) {
        switch (item.kind) {
        case ArchiveItem::File:
        case ArchiveItem::Hardlink: {
            const std::string &origin = item.kind == ArchiveItem::File ? item.path : item.link;
            const ArchiveItem *source = files.count(origin) ? files[origin] : &item;
            out[item.path] = FileEntry(source->perm, source->content, 1 + links[origin]);
            break;
        }
        case ArchiveItem::Dir:
            out[item.path] = "D";
            break;
        case ArchiveItem::Symlink:
            out[item.path] = "L:" + item.link;
            break;
        default:
            break; // devices and pipes are skipped
        }
    }
    return out;
}

ArchiveWriter ClientPackage::Writer(ArchiveFormat format, ArchiveFilter filter) const
{
    ArchiveWriter w(format, filter);
    for (const ArchiveItem &item : m_items)
        w.Add(item);
    return w;
}

void ClientPackage::Write(const std::string &path, ArchiveFormat format, ArchiveFilter filter) const
{
    ASSERT_EQ("", Writer(format, filter).Write(path));
}

Sandbox::Sandbox()
    : pkg(tree.path()), home(tree.mkdir("home")), tmp(tree.mkdir("tmp")), marks(tree / "marks"),
      outside(tree.mkdir("outside"))
{
    WriteFile(outside + "/secret", "nobody may change this\n");
    WriteFile(outside + "/nested/deeper", "nor this\n");
    pkg.WriteInfo("3000");
}

ProcessOptions Sandbox::Env() const
{
    ProcessOptions opts = LauncherEnv(home, tmp);
    opts.timeout_seconds = 300;
    return opts;
}

ProcessOptions Sandbox::ProbeEnv(const std::string &stop_at, const std::string &mark) const
{
    ProcessOptions opts = Env();
    AddPreload(opts, TW_FS_PROBE);
    opts.env["TW_STOP_AT"] = stop_at;
    opts.env["TW_STOP_MARK"] = mark;
    return opts;
}

ProcessResult Sandbox::Run(const ProcessOptions &opts) const
{
    return RunProcess({pkg.launcher()}, opts);
}

void Sandbox::InstallOldCopy(const std::string &build, int data_files) const
{
    WriteFile(App() + "/INFO", InfoText(build));
    WriteFile(App() + "/bin/tidewell-backup-ui", "#!/bin/sh\nexit 0\n", 0755);
    WriteFile(App() + "/package/start-stop", StartScript(kOldMarker, marks), 0755);
    for (int i = 0; i < data_files; ++i)
        WriteFile(App() + "/data/old-" + std::to_string(i), RandomBytes(3000 + i, 7000 + i));
}

void Sandbox::InstallPackage(const ClientPackage &package, ArchiveFormat format, ArchiveFilter filter) const
{
    MakeDirs(pkg.path("package"));
    package.Write(pkg.path("package/tidewell.qpk"), format, filter);
}

void Sandbox::VerboseLevels() const
{
    pkg.WriteLevels("launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=4\n");
}

std::vector<std::string> Sandbox::Backups() const
{
    std::vector<std::string> out;
    for (int n = 0; n <= 9; ++n)
        if (Exists(Backup(n)))
            out.push_back(Backup(n));
    return out;
}

std::vector<std::string> Sandbox::Starts() const
{
    std::vector<std::string> out;
    std::istringstream in(ReadFile(marks));
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

std::string Sandbox::Log() const
{
    return WithoutLineNumbers(ReadFile(home.log()));
}

std::vector<std::string> Sandbox::OutsideSkips()
{
    return {"home/.TidewellBackup/Tidewell.app", "home/.TidewellBackup/log", "home/.TidewellBackup/.run", "tmp",
            "marks"};
}

Tree Sandbox::Outside() const
{
    return TreeOfExcept(tree.path(), OutsideSkips());
}

} // namespace tw_rel
