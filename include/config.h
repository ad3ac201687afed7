// Reader of plain key=value text files: the client's process-id file and the
// logger's level file. Header-only so that every part can read such a file.
#ifndef TIDEWELL_CONFIG_H
#define TIDEWELL_CONFIG_H

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "posix_io.h"
#include "ustring.h"

class Config {
public:
    typedef std::map<ustring, ustring>::const_iterator const_iterator;

    // The longest line accepted, line feed not counted.
    static constexpr int max_line = 8191;

    Config() {}
    // Reads `path` at once; a file that cannot be read or is rejected leaves the store empty.
    explicit Config(const ustring &path) { read(path); }
    ~Config() {}

    int read(const ustring &path);
    int write(const ustring &path) const;

    ustring &operator[](const ustring &key) { return store[key]; }
    const_iterator begin() const { return store.begin(); }
    const_iterator end() const { return store.end(); }

    int get_int(const ustring &key, int fallback) const;
    bool get_bool(const ustring &key, bool fallback) const;
    void unset(const ustring &key) { store.erase(key); }

private:
    enum { OK = 0, EMPTY = 1, INVALID = 2 };

    static bool is_space(unsigned char c) { return c == ' ' || (c >= 9 && c <= 13); }
    static bool is_key_char(unsigned char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
               c == '_' || c == '.';
    }
    static bool is_value_char(unsigned char c) { return c >= 32 && c != 127; }

    static int parse(char *line, int length, ustring &key, ustring &value);
    static int read_line(FILE *fp, char *buf);
    static bool format_entry(const ustring &key, const ustring &value, std::string &out);
    static bool write_all(int fd, const std::string &text);

    std::map<ustring, ustring> store;
};

// Reads one line, its line feed included, into `buf` (room for max_line + 2 bytes).
// Returns the byte count, 0 at the end of the file, and -1 for a line that is too long or
// a read error: a line cut into pieces would let its tail pass for a line of its own.
inline int Config::read_line(FILE *fp, char *buf)
{
    int len = 0;
    int c;
    while ((c = getc(fp)) != EOF) {
        if (c == '\n') {
            buf[len++] = '\n';
            break;
        }
        if (len == max_line)
            return -1;
        buf[len++] = static_cast<char>(c);
    }
    buf[len] = 0;
    if (c == EOF && ferror(fp))
        return -1;
    return len;
}

inline int Config::read(const ustring &path)
{
    if (path.empty())
        return -1;
    // Only a regular file: a pipe in its place would block the open for good,
    // and a device could be read without end. Anything else that opens is as
    // untrustworthy as a file that cannot be read.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    FILE *fp = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "r") : nullptr;
    if (!fp) {
        ::close(fd);
        store.clear();
        return -1;
    }

    int result = 0;
    char line[max_line + 2];
    ustring key;
    ustring value;
    for (;;) {
        int len = read_line(fp, line);
        if (len == 0)
            break;
        int kind = len < 0 ? INVALID : parse(line, len, key, value);
        if (kind == OK) {
            store[key] = value;
        } else if (kind == INVALID) {
            // A file that is partly wrong is not trusted at all.
            store.clear();
            result = -1;
            break;
        }
    }
    fclose(fp);
    return result;
}

inline int Config::parse(char *line, int length, ustring &key, ustring &value)
{
    // A zero byte would hide the rest of the line: "pid=4\0" "2" must not read as 4.
    if (length < 0 || std::strlen(line) != static_cast<size_t>(length))
        return INVALID;

    unsigned char *p = reinterpret_cast<unsigned char *>(line);
    while (is_space(*p))
        ++p;
    unsigned char *key_begin = p;
    while (is_key_char(*p))
        ++p;
    unsigned char *key_end = p;
    if (*p == '#' || *p == 0)
        return EMPTY;

    while (is_space(*p))
        ++p;
    if (*p != '=')
        return INVALID;
    ++p;
    while (is_space(*p))
        ++p;
    if (*p == 0)
        return INVALID;

    unsigned char *value_begin;
    unsigned char *value_end;
    if (*p == '"' || *p == '\'') {
        unsigned char quote = *p++;
        value_begin = p;
        while (*p != quote && is_value_char(*p))
            ++p;
        if (*p != quote)
            return INVALID;
        value_end = p++;
    } else {
        value_begin = p;
        while (is_value_char(*p) && *p != ' ')
            ++p;
        value_end = p;
    }

    while (is_space(*p))
        ++p;
    if (*p != 0 && *p != '#')
        return INVALID;

    *key_end = 0;
    *value_end = 0;
    key.assign(reinterpret_cast<const char *>(key_begin));
    value.assign(reinterpret_cast<const char *>(value_begin));
    return OK;
}

inline int Config::get_int(const ustring &key, int fallback) const
{
    const_iterator it = store.find(key);
    if (it == store.end())
        return fallback;
    const char *text = it->second.c_str();
    if (*text == 0 || is_space(static_cast<unsigned char>(*text)))
        return fallback;
    char *end = nullptr;
    int saved_errno = errno;
    errno = 0;
    long number = strtol(text, &end, 10);
    bool ok = errno == 0 && *end == 0 && number >= INT_MIN && number <= INT_MAX;
    errno = saved_errno;
    return ok ? static_cast<int>(number) : fallback;
}

inline bool Config::get_bool(const ustring &key, bool fallback) const
{
    static const char *const yes[] = {"1", "true", "yes", "on"};
    static const char *const no[] = {"0", "false", "no", "off"};
    const_iterator it = store.find(key);
    if (it == store.end())
        return fallback;
    for (const char *word : yes)
        if (ustring::compare(it->second, ustring(word), true) == 0)
            return true;
    for (const char *word : no)
        if (ustring::compare(it->second, ustring(word), true) == 0)
            return false;
    return fallback;
}

// Formats one entry so that read() gives it back unchanged; false when no line can.
inline bool Config::format_entry(const ustring &key, const ustring &value, std::string &out)
{
    for (size_t i = 0; i < key.size(); ++i)
        if (!is_key_char(static_cast<unsigned char>(key[i])))
            return false;
    bool has_blank = false;
    bool has_double = false;
    bool has_single = false;
    for (size_t i = 0; i < value.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (!is_value_char(c))
            return false;
        has_blank = has_blank || c == ' ';
        has_double = has_double || c == '"';
        has_single = has_single || c == '\'';
    }

    std::string line(key.c_str());
    line += '=';
    bool quoted = value.empty() || has_blank || value[0] == '"' || value[0] == '\'';
    if (quoted) {
        if (has_double && has_single)
            return false;
        char quote = has_double ? '\'' : '"';
        line += quote;
        line += value.c_str();
        line += quote;
    } else {
        line += value.c_str();
    }
    if (line.size() > static_cast<size_t>(max_line))
        return false;
    out += line;
    out += '\n';
    return true;
}

inline bool Config::write_all(int fd, const std::string &text)
{
    return WriteAll(fd, text.data(), text.size()) == 0;
}

// Writes the whole store, or nothing: an entry that cannot be read back fails the call
// before the file is touched, and the new text replaces the old one only once complete.
inline int Config::write(const ustring &path) const
{
    if (path.empty())
        return -1;
    std::string text;
    for (const_iterator it = store.begin(); it != store.end(); ++it)
        if (!format_entry(it->first, it->second, text))
            return -1;

    std::string tmp = std::string(path.c_str()) + ".XXXXXX";
    int fd = mkstemp(&tmp[0]);
    if (fd < 0)
        return -1;
    struct stat st;
    mode_t mode = stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    bool ok = fchmod(fd, mode) == 0 && write_all(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(tmp.c_str(), path.c_str()) == 0)
        return 0;
    unlink(tmp.c_str());
    return -1;
}

#endif
