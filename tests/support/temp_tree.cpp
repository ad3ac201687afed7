#include "temp_tree.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tw_test {

namespace {

std::string ParentOf(const std::string &path)
{
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return slash == 0 ? "/" : ".";
    return path.substr(0, slash);
}

} // namespace

TempTree::TempTree(const std::string &base)
{
    std::string root = base;
    if (root.empty()) {
        const char *tmp = getenv("TMPDIR");
        root = tmp && *tmp ? tmp : "/tmp";
    }
    std::string pattern = root + "/tw-test-XXXXXX";
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("mkdtemp failed below " + root + ": " + strerror(errno));
    m_path = pattern;
}

TempTree::~TempTree()
{
    RemoveTree(m_path);
}

std::string TempTree::write(const std::string &rel, const std::string &content, mode_t mode) const
{
    std::string full = *this / rel;
    WriteFile(full, content, mode);
    return full;
}

void WriteFile(const std::string &full, const std::string &content, mode_t mode)
{
    MakeDirs(ParentOf(full));
    int fd = open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    if (fd < 0)
        throw std::runtime_error("cannot write " + full + ": " + strerror(errno));
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) {
            close(fd);
            throw std::runtime_error("short write to " + full);
        }
        done += static_cast<size_t>(n);
    }
    close(fd);
    chmod(full.c_str(), mode);
}

std::string TempTree::mkdir(const std::string &rel, mode_t mode) const
{
    std::string full = *this / rel;
    MakeDirs(full, mode);
    return full;
}

std::string TempTree::symlink(const std::string &target, const std::string &rel) const
{
    std::string full = *this / rel;
    MakeDirs(ParentOf(full));
    if (::symlink(target.c_str(), full.c_str()) != 0)
        throw std::runtime_error("cannot link " + full + ": " + strerror(errno));
    return full;
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool Exists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsDir(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsSymlink(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

void MakeDirs(const std::string &path, mode_t mode)
{
    if (path.empty() || IsDir(path))
        return;
    std::string parent = ParentOf(path);
    if (parent != path)
        MakeDirs(parent, 0755);
    if (::mkdir(path.c_str(), mode) != 0 && errno != EEXIST)
        throw std::runtime_error("cannot create " + path + ": " + strerror(errno));
}

void RemoveTree(const std::string &path)
{
    struct stat st;
    if (path.empty() || lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        chmod(path.c_str(), 0700);
        if (DIR *dir = opendir(path.c_str())) {
            while (struct dirent *e = readdir(dir)) {
                if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0)
                    continue;
                RemoveTree(path + "/" + e->d_name);
            }
            closedir(dir);
        }
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

std::string ReadLink(const std::string &path)
{
    char buf[8192];
    ssize_t n = readlink(path.c_str(), buf, sizeof(buf));
    return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

dev_t DeviceOf(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_dev : static_cast<dev_t>(-1);
}

bool RunInChild(const std::function<int()> &fn, int &result)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        close(fds[0]);
        int value = fn();
        _exit(::write(fds[1], &value, sizeof(value)) == static_cast<ssize_t>(sizeof(value)) ? 0 : 1);
    }
    close(fds[1]);
    int value = 0;
    ssize_t n;
    do {
        n = read(fds[0], &value, sizeof(value));
    } while (n < 0 && errno == EINTR);
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (n != static_cast<ssize_t>(sizeof(value)) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    result = value;
    return true;
}

bool RunUnprivileged(const std::function<int()> &fn, int &result)
{
    return RunInChild(
        [&fn]() {
            const uid_t kNobody = 65534;
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
                                   setresuid(kNobody, kNobody, kNobody) != 0 || geteuid() == 0))
                _exit(1);
            return fn();
        },
        result);
}

namespace {

void SnapshotInto(const std::string &dir, const std::string &rel, std::map<std::string, std::string> &out)
{
    DIR *d = opendir(dir.c_str());
    if (!d)
        return;
    while (struct dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string full = dir + "/" + name;
        const std::string key = rel.empty() ? name : rel + "/" + name;
        struct stat st;
        if (lstat(full.c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            out[key] = "D";
            SnapshotInto(full, key, out);
        } else if (S_ISLNK(st.st_mode)) {
            out[key] = "L:" + ReadLink(full);
        } else {
            out[key] = "F" + std::to_string(st.st_mode & 07777) + ":" + ReadFile(full);
        }
    }
    closedir(d);
}

} // namespace

std::map<std::string, std::string> Snapshot(const std::string &dir)
{
    std::map<std::string, std::string> out;
    SnapshotInto(dir, "", out);
    return out;
}

StderrCapture::StderrCapture() : m_saved_fd(-1), m_done(false)
{
    char name[] = "/tmp/tw-stderr-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0)
        throw std::runtime_error("mkstemp failed");
    m_file = name;
    fflush(stderr);
    m_saved_fd = dup(2);
    dup2(fd, 2);
    close(fd);
}

StderrCapture::~StderrCapture()
{
    Finish();
}

std::string StderrCapture::Finish()
{
    if (m_done)
        return std::string();
    m_done = true;
    fflush(stderr);
    dup2(m_saved_fd, 2);
    close(m_saved_fd);
    std::string text = ReadFile(m_file);
    unlink(m_file.c_str());
    return text;
}

} // namespace tw_test
