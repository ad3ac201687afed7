// Temporary folders and small file helpers for tests; removed on destruction.
#ifndef TIDEWELL_TESTS_TEMP_TREE_H
#define TIDEWELL_TESTS_TEMP_TREE_H

#include <functional>
#include <map>
#include <string>
#include <sys/types.h>

namespace tw_test {

class TempTree {
public:
    // Creates a fresh folder below $TMPDIR (or /tmp), or below `base` when given.
    explicit TempTree(const std::string &base = std::string());
    ~TempTree();
    TempTree(const TempTree &) = delete;
    TempTree &operator=(const TempTree &) = delete;

    const std::string &path() const { return m_path; }
    // Absolute path of `rel` inside the tree.
    std::string operator/(const std::string &rel) const { return m_path + "/" + rel; }

    // Writes a file (creating parent folders); returns its absolute path.
    std::string write(const std::string &rel, const std::string &content, mode_t mode = 0644) const;
    std::string mkdir(const std::string &rel, mode_t mode = 0755) const;
    std::string symlink(const std::string &target, const std::string &rel) const;

private:
    std::string m_path;
};

std::string ReadFile(const std::string &path);
// Writes a file at an absolute path, creating parent folders.
void WriteFile(const std::string &path, const std::string &content, mode_t mode = 0644);
bool Exists(const std::string &path); // lstat: a dangling link exists
bool IsDir(const std::string &path);  // lstat: a link to a folder is no folder
bool IsSymlink(const std::string &path);
void MakeDirs(const std::string &path, mode_t mode = 0755);
// Removes a tree, making folders writable first (tests revoke permissions).
void RemoveTree(const std::string &path);

std::string ReadLink(const std::string &path); // empty when it is no link
dev_t DeviceOf(const std::string &path);       // (dev_t)-1 when it cannot be examined

// Runs fn in a forked child; true with fn's result in `result`, false when the
// child died or could not report.
bool RunInChild(const std::function<int()> &fn, int &result);
// Like RunInChild, but a child started as root first drops to the
// unprivileged uid/gid 65534 (no supplementary groups); false also when that fails.
bool RunUnprivileged(const std::function<int()> &fn, int &result);

// Everything below `dir`, by relative path: "D" for a folder, "L:<text>" for a
// link, "F<mode>:<bytes>" for a file, so two trees compare byte for byte.
std::map<std::string, std::string> Snapshot(const std::string &dir);

// Reads everything written to stderr while the object lives.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    std::string Finish();

private:
    int m_saved_fd;
    std::string m_file;
    bool m_done;
};

} // namespace tw_test

#endif
