// UTF-8 string with a lazily built UTF-16 cache.
//
// The UTF-8 form (data) is primary; the UTF-16 form (wdata) is a cache that
// is "not built" when wdata_len is 0 while data_len is not. UTF-8 mutators
// only reset the cache; UTF-16 mutators build it, change it and rebuild the
// UTF-8 form from it. Buffers are sized exactly (see realloc_data).
#include "ustring.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

static_assert(sizeof(ustring::uchar16_t) == sizeof(UChar), "uchar16_t must have the size of ICU's UChar");
static_assert(alignof(ustring::uchar16_t) == alignof(UChar),
              "uchar16_t must have the alignment of ICU's UChar");

namespace {

typedef ustring::size_type size_type;
typedef ustring::uchar16_t uchar16_t;

// No single buffer may exceed this many bytes; larger requests cannot be
// satisfied by the allocator and are reported as bad_alloc up front (this
// also keeps every size computation below free of wrap-around).
const size_type kMaxBytes = static_cast<size_type>(PTRDIFF_MAX);

// a + b, or bad_alloc when the sum is no possible buffer size.
size_type checked_add(size_type a, size_type b)
{
    if (a > kMaxBytes || b > kMaxBytes - a)
        throw std::bad_alloc();
    return a + b;
}

// ICU capacities and lengths are int32_t; larger buffers are offered in part.
int32_t icu_capacity(size_type cap)
{
    return cap > static_cast<size_type>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(cap);
}

UChar *as_uchar(uchar16_t *p)
{
    return reinterpret_cast<UChar *>(p);
}
const UChar *as_uchar(const uchar16_t *p)
{
    return reinterpret_cast<const UChar *>(p);
}

// Number of units before the first zero unit, at most max.
size_type u16_len(const uchar16_t *s, size_type max)
{
    size_type n = 0;
    while (n < max && s[n] != 0)
        ++n;
    return n;
}

// Whether p points into the buffer [base, base + cap). Compared as integers:
// relational comparison of unrelated pointers is not defined.
template <typename T> bool points_into(const T *p, const T *base, size_type cap)
{
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    const uintptr_t b = reinterpret_cast<uintptr_t>(base);
    return a >= b && (a - b) / sizeof(T) < cap;
}

void warn(const char *function, int code, int line)
{
    std::fprintf(stderr, "Warning: %s: error code %d at line %d\n", function, code, line);
    std::fflush(stderr);
}

// The set of bytes of a zero-terminated byte text (the zero byte is never in it).
class ByteSet {
public:
    explicit ByteSet(const char *set) : m_empty(*set == 0)
    {
        std::memset(m_has, 0, sizeof(m_has));
        for (const unsigned char *p = reinterpret_cast<const unsigned char *>(set); *p; ++p)
            m_has[*p] = true;
    }
    bool empty() const { return m_empty; }
    bool has(char c) const { return m_has[static_cast<unsigned char>(c)]; }

private:
    bool m_has[256];
    bool m_empty;
};

// ASCII-only case folding: 'A'..'Z' to 'a'..'z', every other byte to itself.
struct FoldTable {
    unsigned char map[256];
    constexpr FoldTable() : map()
    {
        for (int i = 0; i < 256; ++i)
            map[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    }
};
constexpr FoldTable kFold;

const UNormalization2Mode kNormModes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};

// Number of leading bytes of d (length len) that are in the set.
size_type leading_in_set(const char *d, size_type len, const ByteSet &set)
{
    size_type i = 0;
    while (i < len && set.has(d[i]))
        ++i;
    return i;
}

// Length that remains after dropping the trailing bytes of d that are in the set.
size_type kept_before_trailing(const char *d, size_type len, const ByteSet &set)
{
    size_type i = len;
    while (i > 0 && set.has(d[i - 1]))
        --i;
    return i;
}

} // namespace

// ---------------------------------------------------------------------------
// Construction, destruction, buffers

ustring::ustring()
{
    init();
}

// Delegating to the default constructor: once it has run, the destructor
// frees the buffers should the assignment throw.
ustring::ustring(const char *s) : ustring()
{
    assign(s);
}

ustring::ustring(const uchar16_t *s) : ustring()
{
    assign(s);
}

ustring::ustring(const std::string &s) : ustring()
{
    assign(s);
}

ustring::ustring(const ustring &s) : ustring()
{
    assign(s);
}

// Takes the buffers over; `s` is left with the small empty buffers of a new
// string, so it stays usable.
ustring::ustring(ustring &&s) : ustring()
{
    swap(s);
}

ustring::ustring(char c) : ustring()
{
    assign(c, 1);
}

ustring::~ustring()
{
    std::free(data);
    std::free(wdata);
    data = nullptr;
    wdata = nullptr;
}

void ustring::init()
{
    data = nullptr;
    data_len = 0;
    data_cap = 0;
    wdata = nullptr;
    wdata_len = 0;
    wdata_cap = 0;
    realloc_data(4);
    try {
        realloc_wdata(4);
    } catch (...) {
        std::free(data);
        data = nullptr;
        throw;
    }
    clear();
}

// len: bytes needed, terminator included. Keeps the buffer when it is large
// enough and len is at least half of it; otherwise resizes to exactly len.
void ustring::realloc_data(size_type len)
{
    if (len == 0)
        len = 1; // never hand realloc a zero size (it may free the buffer)
    if (data_cap >= len && len >= (data_cap >> 1))
        return;
    if (len > kMaxBytes)
        throw std::bad_alloc();
    char *p = static_cast<char *>(std::realloc(data, len));
    if (!p)
        throw std::bad_alloc(); // the old buffer is still ours and intact
    data = p;
    data_cap = len;
}

// Same rule as realloc_data, len counted in code units.
void ustring::realloc_wdata(size_type len) const
{
    if (len == 0)
        len = 1;
    if (wdata_cap >= len && len >= (wdata_cap >> 1))
        return;
    if (len > kMaxBytes / sizeof(uchar16_t))
        throw std::bad_alloc();
    uchar16_t *p = static_cast<uchar16_t *>(std::realloc(wdata, len * sizeof(uchar16_t)));
    if (!p)
        throw std::bad_alloc();
    wdata = p;
    wdata_cap = len;
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = 0;
}

void ustring::clear_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::clear()
{
    clear_data();
    clear_wdata();
}

// ---------------------------------------------------------------------------
// Conversions

int ustring::convert_from_data() const
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, data, -1, &err);
    err = U_ZERO_ERROR;
    if (length < 0)
        length = 0;
    realloc_wdata(static_cast<size_type>(length) + 1);

    int32_t out = 0;
    u_strFromUTF8(as_uchar(wdata), icu_capacity(wdata_cap), &out, data, -1, &err);
    if (U_SUCCESS(err) && out >= 0 && static_cast<size_type>(out) < wdata_cap) {
        wdata_len = static_cast<size_type>(out);
        wdata[wdata_len] = 0;
        return 0;
    }
    warn("u_strFromUTF8", err, __LINE__);
    clear_wdata();
    return -1;
}

int ustring::convert_from_wdata()
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8(nullptr, 0, &length, as_uchar(wdata), -1, &err);
    err = U_ZERO_ERROR;
    if (length < 0)
        length = 0;
    try {
        realloc_data(static_cast<size_type>(length) + 1);
    } catch (...) {
        // The UTF-8 form is unchanged; the changed UTF-16 form no longer
        // matches it, so drop the cache.
        clear_wdata();
        throw;
    }

    int32_t out = 0;
    u_strToUTF8(data, icu_capacity(data_cap), &out, as_uchar(wdata), -1, &err);
    if (U_SUCCESS(err) && out >= 0 && static_cast<size_type>(out) < data_cap) {
        data_len = static_cast<size_type>(out);
        data[data_len] = 0;
        return 0;
    }
    warn("u_strToUTF8", err, __LINE__);
    clear();
    return -1;
}

const ustring::uchar16_t *ustring::c_str_utf16() const
{
    if (wdata_len == 0)
        convert_from_data();
    return wdata;
}

// ---------------------------------------------------------------------------
// Searches

ustring::size_type ustring::find(const char *s, size_type pos) const
{
    if (pos >= data_len)
        return npos;
    if (*s == 0)
        return pos;
    const char *hit = std::strstr(data + pos, s);
    return hit ? static_cast<size_type>(hit - data) : npos;
}

ustring::size_type ustring::find_first_of(const char *set, size_type pos) const
{
    if (pos >= data_len)
        return npos;
    const ByteSet bytes(set);
    if (bytes.empty())
        return npos;
    for (size_type i = pos; data[i] != 0; ++i)
        if (bytes.has(data[i]))
            return i;
    return npos;
}

ustring::size_type ustring::find_first_not_of(const char *set, size_type pos) const
{
    if (pos >= data_len)
        return npos;
    const ByteSet bytes(set);
    if (bytes.empty())
        return pos;
    for (size_type i = pos; data[i] != 0; ++i)
        if (!bytes.has(data[i]))
            return i;
    return npos;
}

ustring::size_type ustring::rfind(const char *s, size_type pos) const
{
    if (data_len == 0)
        return npos;
    const size_type start = pos < data_len ? pos : data_len - 1;
    // Only the first data_len + 1 bytes of the needle can matter.
    const size_type n = strnlen(s, data_len + 1);
    if (n == 0)
        return start;
    if (n > data_len)
        return npos;
    // A match at i needs the bytes [i, i + n) inside the string: never
    // compare beyond the terminator.
    size_type i = std::min(start, data_len - n);
    for (;;) {
        if (std::memcmp(data + i, s, n) == 0)
            return i;
        if (i == 0)
            return npos;
        --i;
    }
}

ustring::size_type ustring::find_last_of(const char *set, size_type pos) const
{
    if (data_len == 0)
        return npos;
    const ByteSet bytes(set);
    if (bytes.empty())
        return npos;
    size_type i = pos < data_len ? pos : data_len - 1;
    for (;;) {
        if (bytes.has(data[i]))
            return i;
        if (i == 0)
            return npos;
        --i;
    }
}

ustring::size_type ustring::find_last_not_of(const char *set, size_type pos) const
{
    if (data_len == 0)
        return npos;
    size_type i = pos < data_len ? pos : data_len - 1;
    const ByteSet bytes(set);
    if (bytes.empty())
        return i;
    for (;;) {
        if (!bytes.has(data[i]))
            return i;
        if (i == 0)
            return npos;
        --i;
    }
}

// The other overloads: a byte is the one-byte text holding it (a zero byte is
// the empty text); ustring and std::string give their bytes up to a zero byte.
#define TW_USTRING_SEARCH_OVERLOADS(name)                                                                    \
    ustring::size_type ustring::name(char c, size_type pos) const                                            \
    {                                                                                                        \
        const char text[2] = {c, 0};                                                                         \
        return name(text, pos);                                                                              \
    }                                                                                                        \
    ustring::size_type ustring::name(const ustring &s, size_type pos) const                                  \
    {                                                                                                        \
        return name(s.c_str(), pos);                                                                         \
    }                                                                                                        \
    ustring::size_type ustring::name(const std::string &s, size_type pos) const                              \
    {                                                                                                        \
        return name(s.c_str(), pos);                                                                         \
    }

TW_USTRING_SEARCH_OVERLOADS(find)
TW_USTRING_SEARCH_OVERLOADS(find_first_of)
TW_USTRING_SEARCH_OVERLOADS(find_first_not_of)
TW_USTRING_SEARCH_OVERLOADS(rfind)
TW_USTRING_SEARCH_OVERLOADS(find_last_of)
TW_USTRING_SEARCH_OVERLOADS(find_last_not_of)

#undef TW_USTRING_SEARCH_OVERLOADS

// ---------------------------------------------------------------------------
// Appending and assigning UTF-8

ustring &ustring::append(const char *s)
{
    return append(s, npos);
}

ustring &ustring::append(const char *s, size_type len)
{
    if (s == data) {
        // Appending the string to itself: size first, then copy from the
        // start of the (possibly moved) buffer. Source [0, n) and target
        // [data_len, data_len + n) do not overlap because n <= data_len.
        size_type n = std::min(len, data_len);
        realloc_data(checked_add(checked_add(data_len, n), 1));
        n = strnlen(data, n);
        std::memcpy(data + data_len, data, n);
        data_len += n;
        data[data_len] = 0;
        clear_wdata();
        return *this;
    }
    if (points_into(s, data, data_cap)) {
        // A text inside our own buffer: the reallocation below may move or
        // cut it, so copy it out first (never reading beyond the buffer).
        const size_type off = static_cast<size_type>(s - data);
        const std::string copy(s, strnlen(s, std::min(len, data_cap - off)));
        return append(copy.c_str(), copy.size());
    }
    const size_type count = strnlen(s, len);
    realloc_data(checked_add(checked_add(data_len, count), 1));
    std::memcpy(data + data_len, s, count);
    data_len += count;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring &ustring::append(const std::string &x, size_type pos, size_type len)
{
    if (pos > x.size())
        throw std::out_of_range("basic_string::substr");
    return append(x.data() + pos, std::min(len, x.size() - pos));
}

ustring &ustring::append(const ustring &x, size_type pos, size_type len)
{
    // x.substr(pos, len) appended as a byte text; the self-reference rules of
    // append(const char *, size_type) cover x being this string.
    if (pos > x.data_len)
        throw std::out_of_range("substr");
    return append(x.data + pos, std::min(len, x.data_len - pos));
}

ustring &ustring::append(char c, size_type n)
{
    realloc_data(checked_add(checked_add(data_len, n), 1));
    std::memset(data + data_len, static_cast<unsigned char>(c), n);
    data_len += n;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring &ustring::assign(const char *s)
{
    return assign(s, npos);
}

ustring &ustring::assign(const char *s, size_type len)
{
    if (s == data) {
        if (len < data_len) {
            data_len = len;
            data[data_len] = 0;
            clear_wdata();
        }
        return *this;
    }
    if (points_into(s, data, data_cap)) {
        // e.g. s = s.c_str() + 1: copy out before the buffer is reused.
        const size_type off = static_cast<size_type>(s - data);
        const std::string copy(s, strnlen(s, std::min(len, data_cap - off)));
        return assign(copy.c_str(), copy.size());
    }
    // clear() + append(s, len), sized before anything changes so that a
    // failed allocation leaves the string as it was.
    const size_type count = strnlen(s, len);
    realloc_data(checked_add(count, 1));
    std::memcpy(data, s, count);
    data_len = count;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring &ustring::assign(const std::string &x, size_type pos, size_type len)
{
    if (pos > x.size())
        throw std::out_of_range("basic_string::substr");
    return assign(x.data() + pos, std::min(len, x.size() - pos));
}

ustring &ustring::assign(const ustring &x, size_type pos, size_type len)
{
    if (&x == this) {
        const ustring part = substr(pos, len);
        return assign(part.data, part.data_len);
    }
    if (pos > x.data_len)
        throw std::out_of_range("substr");
    return assign(x.data + pos, std::min(len, x.data_len - pos));
}

ustring &ustring::assign(char c, size_type n)
{
    realloc_data(checked_add(n, 1));
    std::memset(data, static_cast<unsigned char>(c), n);
    data_len = n;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

// ---------------------------------------------------------------------------
// Appending and assigning UTF-16

ustring &ustring::append(const uchar16_t *s)
{
    return append(s, npos);
}

ustring &ustring::append(const uchar16_t *s, size_type len)
{
    const bool self = (s == wdata);
    std::vector<uchar16_t> copy;
    if (!self && points_into(s, wdata, wdata_cap)) {
        // A text inside the UTF-16 buffer, which is rebuilt or moved below.
        const size_type off = static_cast<size_type>(s - wdata);
        const size_type n = u16_len(s, std::min(len, wdata_cap - off));
        copy.assign(s, s + n);
        copy.push_back(0);
        s = copy.data();
        len = n;
    }
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();

    size_type count;
    if (self) {
        count = std::min(len, wdata_len);
        realloc_wdata(checked_add(checked_add(wdata_len, count), 1));
        count = u16_len(wdata, count);
        std::memcpy(wdata + wdata_len, wdata, count * sizeof(uchar16_t));
    } else {
        count = u16_len(s, len);
        realloc_wdata(checked_add(checked_add(wdata_len, count), 1));
        std::memcpy(wdata + wdata_len, s, count * sizeof(uchar16_t));
    }
    wdata_len += count;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring &ustring::append(uchar16_t c, size_type n)
{
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    realloc_wdata(checked_add(checked_add(wdata_len, n), 1));
    std::fill(wdata + wdata_len, wdata + wdata_len + n, c);
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring &ustring::assign(const uchar16_t *s)
{
    return assign(s, npos);
}

ustring &ustring::assign(const uchar16_t *s, size_type len)
{
    if (s == wdata) {
        if (len < wdata_len) {
            wdata_len = len;
            wdata[wdata_len] = 0;
            convert_from_wdata();
        }
        return *this;
    }
    std::vector<uchar16_t> copy;
    if (points_into(s, wdata, wdata_cap)) {
        const size_type off = static_cast<size_type>(s - wdata);
        const size_type n = u16_len(s, std::min(len, wdata_cap - off));
        copy.assign(s, s + n);
        copy.push_back(0);
        s = copy.data();
        len = n;
    }
    // clear() + append(s, len); the UTF-8 form is only replaced by the final
    // rebuild, so a failed allocation leaves the old text.
    const size_type count = u16_len(s, len);
    realloc_wdata(checked_add(count, 1));
    std::memcpy(wdata, s, count * sizeof(uchar16_t));
    wdata_len = count;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring &ustring::assign(uchar16_t c, size_type n)
{
    realloc_wdata(checked_add(n, 1));
    std::fill(wdata, wdata + n, c);
    wdata_len = n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// ---------------------------------------------------------------------------
// Operators += and =

ustring &ustring::operator+=(const char *s)
{
    return append(s);
}
ustring &ustring::operator+=(const std::string &x)
{
    return append(x, 0, npos);
}
ustring &ustring::operator+=(const ustring &x)
{
    return append(x, 0, npos);
}
ustring &ustring::operator+=(char c)
{
    return append(c, 1);
}
ustring &ustring::operator+=(const uchar16_t *s)
{
    return append(s);
}
ustring &ustring::operator+=(uchar16_t c)
{
    return append(c, 1);
}

ustring &ustring::operator=(const char *s)
{
    return assign(s);
}
ustring &ustring::operator=(const std::string &x)
{
    return assign(x, 0, npos);
}
ustring &ustring::operator=(const ustring &x)
{
    return assign(x, 0, npos);
}
// The old buffers go to `x`, which stays a valid string until it is destroyed.
ustring &ustring::operator=(ustring &&x) noexcept
{
    swap(x);
    return *this;
}
ustring &ustring::operator=(char c)
{
    return assign(c, 1);
}
ustring &ustring::operator=(const uchar16_t *s)
{
    return assign(s);
}
ustring &ustring::operator=(uchar16_t c)
{
    return assign(c, 1);
}

// ---------------------------------------------------------------------------
// Other operations

ustring ustring::substr(size_type start, size_type len) const
{
    if (start > data_len)
        throw std::out_of_range("substr");
    if (len > data_len)
        len = data_len;
    ustring result;
    result.append(data + start, len); // stops at the terminator
    return result;
}

void ustring::swap(ustring &other)
{
    std::swap(data, other.data);
    std::swap(data_len, other.data_len);
    std::swap(data_cap, other.data_cap);
    std::swap(wdata, other.wdata);
    std::swap(wdata_len, other.wdata_len);
    std::swap(wdata_cap, other.wdata_cap);
}

void ustring::replace(char c1, char c2)
{
    for (size_type i = 0; i < data_len; ++i)
        if (data[i] == c1)
            data[i] = c2;
    clear_wdata();
}

// The set is taken before the string changes, so list may be the string itself.
ustring &ustring::ltrim(const char *list)
{
    const ByteSet set(list);
    const size_type skip = leading_in_set(data, data_len, set);
    if (skip == 0)
        return *this;
    const size_type rest = data_len - skip;
    std::memmove(data, data + skip, rest);
    data_len = rest;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring &ustring::ltrim(const ustring &list)
{
    return ltrim(list.c_str());
}

ustring &ustring::rtrim(const char *list)
{
    const ByteSet set(list);
    const size_type keep = kept_before_trailing(data, data_len, set);
    if (keep == data_len)
        return *this;
    data_len = keep;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring &ustring::rtrim(const ustring &list)
{
    return rtrim(list.c_str());
}

ustring &ustring::trim(const char *list)
{
    if (points_into(list, data, data_cap)) {
        // ltrim would change the set under rtrim's feet.
        const std::string set(list);
        return ltrim(set.c_str()).rtrim(set.c_str());
    }
    return ltrim(list).rtrim(list);
}

ustring &ustring::trim(const ustring &list)
{
    return trim(list.c_str());
}

int ustring::compare(const ustring &a, const ustring &b, bool caseless)
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(a.data);
    const unsigned char *q = reinterpret_cast<const unsigned char *>(b.data);
    for (;; ++p, ++q) {
        int x = *p;
        int y = *q;
        if (caseless) {
            x = kFold.map[x];
            y = kFold.map[y];
        }
        if (x != y)
            return x - y;
        if (x == 0)
            return 0;
    }
}

int ustring::compare(const ustring &str) const
{
    return compare(*this, str, false);
}

int ustring::compare(const ustring &str, size_type n) const
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *q = reinterpret_cast<const unsigned char *>(str.data);
    for (size_type i = 0; i < n; ++i) {
        const int x = p[i];
        const int y = q[i];
        if (x != y)
            return x - y;
        if (x == 0)
            return 0;
    }
    return 0;
}

ustring ustring::normalize(const ustring &x, normalization_form n)
{
    ustring result;
    if (x.empty())
        return result;

    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2 *normalizer = nullptr;
    if (n == NFC || n == NFD)
        normalizer = unorm2_getInstance(nullptr, "nfc", kNormModes[n], &err);
    else
        err = U_ILLEGAL_ARGUMENT_ERROR; // no such form: never index past the table
    if (U_FAILURE(err) || normalizer == nullptr) {
        warn("unorm2_getInstance", err, __LINE__);
        return result;
    }

    // One conversion of the source (a failing one warns once).
    const UChar *src = as_uchar(x.c_str_utf16());
    int32_t length = unorm2_normalize(normalizer, src, -1, nullptr, 0, &err);
    if (length < 0)
        length = 0;
    result.realloc_wdata(static_cast<size_type>(length) + 1);
    err = U_ZERO_ERROR;

    const int32_t out =
        unorm2_normalize(normalizer, src, -1, as_uchar(result.wdata), icu_capacity(result.wdata_cap), &err);
    if (U_SUCCESS(err) && out >= 0 && static_cast<size_type>(out) < result.wdata_cap) {
        result.wdata_len = static_cast<size_type>(out);
        result.wdata[result.wdata_len] = 0;
        result.convert_from_wdata();
    } else {
        warn("unorm2_normalize", err, __LINE__);
        result.clear();
    }
    return result;
}

ustring ustring::normalize(normalization_form n) const
{
    return normalize(*this, n);
}

bool ustring::is_valid(const ustring &x)
{
    if (x.empty())
        return true;
    UErrorCode err = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, x.data, -1, &err);
    return err != U_INVALID_CHAR_FOUND;
}

// ---------------------------------------------------------------------------
// Free functions

bool operator<(const ustring &a, const ustring &b)
{
    return ustring::compare(a, b, false) < 0;
}
bool operator>(const ustring &a, const ustring &b)
{
    return ustring::compare(a, b, false) > 0;
}
// Formed from > and < with the operands exchanged; equal strings give true.
bool operator<=(const ustring &a, const ustring &b)
{
    return !(b < a);
}
bool operator>=(const ustring &a, const ustring &b)
{
    return !(b > a);
}
bool operator==(const ustring &a, const ustring &b)
{
    return ustring::compare(a, b, false) == 0;
}
bool operator!=(const ustring &a, const ustring &b)
{
    return ustring::compare(a, b, false) != 0;
}

ustring operator+(const ustring &a, const ustring &b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring &a, const char *b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring &a, char b)
{
    ustring r(a);
    r.append(b, 1);
    return r;
}

ustring operator+(const ustring &a, const ustring::uchar16_t *b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring &a, ustring::uchar16_t b)
{
    ustring r(a);
    r.append(b, 1);
    return r;
}

void swap(ustring &a, ustring &b)
{
    a.swap(b);
}

std::ostream &operator<<(std::ostream &os, const ustring &s)
{
    return os << s.c_str();
}

std::istream &operator>>(std::istream &is, ustring &s)
{
    std::string token;
    is >> token;
    s = token;
    return is;
}
