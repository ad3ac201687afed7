// Temporary folders and small file helpers for tests; removed on destruction.
#ifndef TIDEWELL_TESTS_TEMP_TREE_H
#define TIDEWELL_TESTS_TEMP_TREE_H

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
bool Exists(const std::string &path);   // lstat: a dangling link exists
bool IsDir(const std::string &path);    // lstat: a link to a folder is no folder
bool IsSymlink(const std::string &path);
void MakeDirs(const std::string &path, mode_t mode = 0755);
// Removes a tree, making folders writable first (tests revoke permissions).
void RemoveTree(const std::string &path);

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
