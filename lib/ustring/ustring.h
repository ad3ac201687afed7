// UTF-8 string with a lazily built UTF-16 cache. Lengths and positions count
// UTF-8 bytes (or UTF-16 units on the UTF-16 side), never code points.
#ifndef TIDEWELL_USTRING_H
#define TIDEWELL_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

class ustring {
public:
    typedef uint16_t uchar16_t;
    typedef size_t size_type;
    // constexpr: implicitly inline in C++17, so odr-uses (const references,
    // EXPECT_EQ) need no out-of-line definition.
    static constexpr size_type npos = static_cast<size_type>(-1);

    enum normalization_form { NFC = 0, NFD = 1 };

    ustring();
    ustring(const char *s);
    ustring(const uchar16_t *s);
    ustring(const std::string &s);
    ustring(const ustring &s);
    ustring(ustring &&s);
    explicit ustring(char c);
    ~ustring();

    const char *c_str() const { return data; }
    const char *c_str_utf8() const { return data; }
    const uchar16_t *c_str_utf16() const;

    size_type length() const { return data_len; }
    size_type size() const { return data_len; }
    bool empty() const { return data_len == 0; }

    // The writable form empties the UTF-16 cache (constant time): a write
    // through the reference must not leave a stale UTF-16 form behind.
    char &operator[](size_type pos)
    {
        clear_wdata();
        return data[pos];
    }
    const char &operator[](size_type pos) const { return data[pos]; }

    // Searches; the const char* overloads do the work.
    size_type find(const char *s, size_type pos = 0) const;
    size_type find(char c, size_type pos = 0) const;
    size_type find(const ustring &s, size_type pos = 0) const;
    size_type find(const std::string &s, size_type pos = 0) const;

    size_type find_first_of(const char *set, size_type pos = 0) const;
    size_type find_first_of(char c, size_type pos = 0) const;
    size_type find_first_of(const ustring &set, size_type pos = 0) const;
    size_type find_first_of(const std::string &set, size_type pos = 0) const;

    size_type find_first_not_of(const char *set, size_type pos = 0) const;
    size_type find_first_not_of(char c, size_type pos = 0) const;
    size_type find_first_not_of(const ustring &set, size_type pos = 0) const;
    size_type find_first_not_of(const std::string &set, size_type pos = 0) const;

    size_type rfind(const char *s, size_type pos = npos) const;
    size_type rfind(char c, size_type pos = npos) const;
    size_type rfind(const ustring &s, size_type pos = npos) const;
    size_type rfind(const std::string &s, size_type pos = npos) const;

    size_type find_last_of(const char *set, size_type pos = npos) const;
    size_type find_last_of(char c, size_type pos = npos) const;
    size_type find_last_of(const ustring &set, size_type pos = npos) const;
    size_type find_last_of(const std::string &set, size_type pos = npos) const;

    size_type find_last_not_of(const char *set, size_type pos = npos) const;
    size_type find_last_not_of(char c, size_type pos = npos) const;
    size_type find_last_not_of(const ustring &set, size_type pos = npos) const;
    size_type find_last_not_of(const std::string &set, size_type pos = npos) const;

    // UTF-8 sources.
    ustring &append(const char *s);
    ustring &append(const char *s, size_type len);
    ustring &append(const std::string &x, size_type pos = 0, size_type len = npos);
    ustring &append(const ustring &x, size_type pos = 0, size_type len = npos);
    ustring &append(char c, size_type n = 1);
    // UTF-16 sources.
    ustring &append(const uchar16_t *s);
    ustring &append(const uchar16_t *s, size_type len);
    ustring &append(uchar16_t c, size_type n = 1);

    ustring &assign(const char *s);
    ustring &assign(const char *s, size_type len);
    ustring &assign(const std::string &x, size_type pos = 0, size_type len = npos);
    ustring &assign(const ustring &x, size_type pos = 0, size_type len = npos);
    ustring &assign(char c, size_type n = 1);
    ustring &assign(const uchar16_t *s);
    ustring &assign(const uchar16_t *s, size_type len);
    ustring &assign(uchar16_t c, size_type n = 1);

    ustring &operator+=(const char *s);
    ustring &operator+=(const std::string &x);
    ustring &operator+=(const ustring &x);
    ustring &operator+=(char c);
    ustring &operator+=(const uchar16_t *s);
    ustring &operator+=(uchar16_t c);

    ustring &operator=(const char *s);
    ustring &operator=(const std::string &x);
    ustring &operator=(const ustring &x);
    ustring &operator=(ustring &&x) noexcept;
    ustring &operator=(char c);
    ustring &operator=(const uchar16_t *s);
    ustring &operator=(uchar16_t c);

    void clear();

    ustring substr(size_type start = 0, size_type len = npos) const;
    void swap(ustring &other);
    void replace(char c1, char c2);

    ustring &ltrim(const char *list);
    ustring &ltrim(const ustring &list);
    ustring &rtrim(const char *list);
    ustring &rtrim(const ustring &list);
    ustring &trim(const char *list);
    ustring &trim(const ustring &list);

    static int compare(const ustring &a, const ustring &b, bool caseless);
    int compare(const ustring &str) const;
    int compare(const ustring &str, size_type n) const;

    static ustring normalize(const ustring &x, normalization_form n);
    ustring normalize(normalization_form n) const;

    static bool is_valid(const ustring &x);

private:
    void init();
    void realloc_data(size_type len);
    void realloc_wdata(size_type len) const;
    void clear_data();
    void clear_wdata() const;
    int convert_from_data() const;
    int convert_from_wdata();

    char *data;
    size_type data_len;
    size_type data_cap;
    // The UTF-16 form is a cache: const operations may build it.
    mutable uchar16_t *wdata;
    mutable size_type wdata_len;
    mutable size_type wdata_cap;
};

bool operator<(const ustring &a, const ustring &b);
bool operator>(const ustring &a, const ustring &b);
bool operator<=(const ustring &a, const ustring &b);
bool operator>=(const ustring &a, const ustring &b);
bool operator==(const ustring &a, const ustring &b);
bool operator!=(const ustring &a, const ustring &b);

ustring operator+(const ustring &a, const ustring &b);
ustring operator+(const ustring &a, const char *b);
ustring operator+(const ustring &a, char b);
ustring operator+(const ustring &a, const ustring::uchar16_t *b);
ustring operator+(const ustring &a, ustring::uchar16_t b);

void swap(ustring &a, ustring &b);

std::ostream &operator<<(std::ostream &os, const ustring &s);
std::istream &operator>>(std::istream &is, ustring &s);

#endif
