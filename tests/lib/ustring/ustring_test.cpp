// Tests of ustring: invariants, sizing, self-reference, searches,
// conversions with their warning lines, normalisation, trimming, comparison.
#include "ustring.h"

#include "temp_tree.h"

#include <gtest/gtest.h>

#include <utility>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace {

typedef ustring::uchar16_t U16;
const ustring::size_type npos = ustring::npos;

// The six members in their specified order. ustring is standard-layout, so
// its object representation can be read into this mirror.
struct Layout {
    char *data;
    size_t data_len;
    size_t data_cap;
    U16 *wdata;
    size_t wdata_len;
    size_t wdata_cap;
};
static_assert(std::is_standard_layout<ustring>::value, "ustring must be standard-layout");
static_assert(sizeof(Layout) == sizeof(ustring), "ustring must hold exactly the six members");

Layout peek(const ustring &s)
{
    Layout l;
    std::memcpy(&l, static_cast<const void *>(&s), sizeof l);
    return l;
}

bool cache_built(const ustring &s)
{
    const Layout l = peek(s);
    return l.wdata_len > 0 || l.data_len == 0;
}

std::vector<U16> units(const U16 *p)
{
    std::vector<U16> v;
    while (*p)
        v.push_back(*p++);
    return v;
}

std::vector<U16> units(std::initializer_list<U16> l)
{
    return std::vector<U16>(l);
}

// Checks the invariants that hold after every operation.
void expect_sound(const ustring &s)
{
    const Layout l = peek(s);
    ASSERT_NE(l.data, nullptr);
    ASSERT_NE(l.wdata, nullptr);
    EXPECT_LT(l.data_len, l.data_cap);
    EXPECT_EQ(l.data[l.data_len], '\0');
    EXPECT_LT(l.wdata_len, l.wdata_cap);
    EXPECT_EQ(l.wdata[l.wdata_len], 0);
    EXPECT_EQ(s.length(), std::strlen(s.c_str()));
}

// Whether `line` (without its newline) has the form
// "Warning: <function>: error code <n> at line <m>"; sets `function`.
bool parse_warning(const std::string &line, std::string &function)
{
    const std::string head = "Warning: ";
    const std::string code = ": error code ";
    const std::string at = " at line ";
    if (line.compare(0, head.size(), head) != 0)
        return false;
    const size_t c = line.find(code, head.size());
    if (c == std::string::npos)
        return false;
    function = line.substr(head.size(), c - head.size());
    size_t p = c + code.size();
    if (p < line.size() && line[p] == '-')
        ++p;
    const size_t digits = p;
    while (p < line.size() && std::isdigit(static_cast<unsigned char>(line[p])))
        ++p;
    if (p == digits || line.compare(p, at.size(), at) != 0)
        return false;
    p += at.size();
    const size_t line_digits = p;
    while (p < line.size() && std::isdigit(static_cast<unsigned char>(line[p])))
        ++p;
    return p > line_digits && p == line.size();
}

// Counts the warning lines of one kind; fails on any other stderr text.
size_t count_warnings(const std::string &text, const std::string &function)
{
    size_t n = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "unterminated stderr line: " << text.substr(start);
            break;
        }
        std::string name;
        const std::string line = text.substr(start, end - start);
        if (!parse_warning(line, name))
            ADD_FAILURE() << "unexpected stderr line: " << line;
        else if (name == function)
            ++n;
        start = end + 1;
    }
    return n;
}

const char kE_acute[] = "\xC3\xA9";      // U+00E9
const char kE_combining[] = "e\xCC\x81"; // U+0065 U+0301

} // namespace

// ---------------------------------------------------------------------------
// Construction and layout

TEST(UstringConstruct, NewStringOwnsFourBytesAndFourUnits)
{
    ustring s;
    const Layout l = peek(s);
    EXPECT_EQ(l.data_len, 0u);
    EXPECT_EQ(l.data_cap, 4u);
    EXPECT_EQ(l.wdata_len, 0u);
    EXPECT_EQ(l.wdata_cap, 4u);
    EXPECT_EQ(l.data[0], '\0');
    EXPECT_EQ(l.wdata[0], 0);
    EXPECT_EQ(s.length(), 0u);
    EXPECT_EQ(s.size(), 0u);
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.c_str_utf8(), s.c_str());
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    expect_sound(s);
}

TEST(UstringConstruct, EachSourceType)
{
    const U16 w[] = {0x41, 0xE9, 0x20AC, 0};
    EXPECT_STREQ(ustring("abc").c_str(), "abc");
    EXPECT_STREQ(ustring(w).c_str(), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(ustring(w).length(), 6u); // bytes, not code points
    EXPECT_STREQ(ustring(std::string("xyz")).c_str(), "xyz");
    EXPECT_STREQ(ustring(std::string("ab\0cd", 5)).c_str(), "ab"); // up to the first zero byte
    EXPECT_EQ(ustring(std::string("ab\0cd", 5)).length(), 2u);
    EXPECT_STREQ(ustring('q').c_str(), "q");
    EXPECT_EQ(ustring('q').length(), 1u);

    const ustring original(w);
    const ustring copy(original);
    EXPECT_EQ(copy, original);
    expect_sound(copy);
}

TEST(UstringConstruct, CopiesTakeOnlyTheUtf8Bytes)
{
    ustring a("h\xC3\xA9llo");
    ASSERT_EQ(units(a.c_str_utf16()), units({'h', 0xE9, 'l', 'l', 'o'}));
    ASSERT_EQ(peek(a).wdata_len, 5u);

    ustring copy(a);
    EXPECT_EQ(peek(copy).wdata_len, 0u);
    ustring assigned;
    assigned = a;
    EXPECT_EQ(peek(assigned).wdata_len, 0u);
    ustring appended;
    appended.append(a);
    EXPECT_EQ(peek(appended).wdata_len, 0u);
    EXPECT_EQ(units(copy.c_str_utf16()), units(a.c_str_utf16()));
}

// A move hands the buffers over instead of copying them, and leaves a string
// that can still be read and assigned.
TEST(UstringConstruct, MovesTakeTheBuffers)
{
    ustring a("a text long enough to need a buffer of its own");
    const char *buffer = a.c_str();
    ustring moved(std::move(a));
    EXPECT_EQ(buffer, moved.c_str());
    EXPECT_STREQ("", a.c_str()); // NOLINT(bugprone-use-after-move): moved-from strings stay usable
    a = "again";
    EXPECT_STREQ("again", a.c_str());

    ustring target("old");
    target = std::move(moved);
    EXPECT_EQ(buffer, target.c_str());
    EXPECT_STREQ("a text long enough to need a buffer of its own", target.c_str());
}

// ---------------------------------------------------------------------------
// Buffer sizing

TEST(UstringSizing, GrowsToTheExactNeedAndShrinksBelowHalf)
{
    struct Step {
        const char *assign;
        size_t cap;
    };
    // Capacity after each assignment, starting from a new string (4 bytes).
    const Step steps[] = {
        {"ab", 4},                       // need 3: fits, 3 >= 2
        {"abcd", 5},                     // need 5: grows exactly
        {"abcdefghi", 10}, {"abcd", 10}, // need 5 >= 10 >> 1: kept
        {"abc", 4},                      // need 4 < 5: shrinks exactly
    };
    ustring s;
    for (const Step &step : steps) {
        s = step.assign;
        EXPECT_EQ(peek(s).data_cap, step.cap) << "after assigning '" << step.assign << "'";
        EXPECT_STREQ(s.c_str(), step.assign);
    }
    s = ""; // need 1 < 4 >> 1: shrinks to 1
    EXPECT_EQ(peek(s).data_cap, 1u);
    expect_sound(s);
}

TEST(UstringSizing, EveryLengtheningAppendReallocatesExactly)
{
    ustring s("abc");
    for (size_t i = 0; i < 20; ++i) {
        s += 'x';
        EXPECT_EQ(peek(s).data_cap, s.length() + 1);
    }
    s.append('y', 10);
    EXPECT_EQ(peek(s).data_cap, s.length() + 1);
}

TEST(UstringSizing, Utf16SideCountsUnits)
{
    ustring s("abcdefgh");
    s.c_str_utf16();
    EXPECT_EQ(peek(s).wdata_cap, 9u);
    EXPECT_EQ(peek(s).wdata_len, 8u);
    // An empty string converts on every call; its UTF-16 need is 1 < 4 >> 1.
    ustring e;
    e.c_str_utf16();
    EXPECT_EQ(peek(e).wdata_cap, 1u);
    e.c_str_utf16();
    EXPECT_EQ(peek(e).wdata_cap, 1u);
}

TEST(UstringSizing, OverflowingSizesThrowBadAllocAndKeepTheString)
{
    ustring s("abc");
    s.c_str_utf16();
    const Layout before = peek(s);
    EXPECT_THROW(s.append('x', npos), std::bad_alloc);     // data_len + n + 1 wraps
    EXPECT_THROW(s.append('x', npos - 3), std::bad_alloc); // sums to exactly npos + 1
    EXPECT_THROW(s.append('x', npos / 2), std::bad_alloc); // no possible buffer
    EXPECT_THROW(s.assign('x', npos), std::bad_alloc);     // n + 1 wraps
    EXPECT_THROW(s.append(static_cast<U16>('x'), npos), std::bad_alloc);
    EXPECT_THROW(s.append(static_cast<U16>('x'), npos / 2), std::bad_alloc);
    EXPECT_THROW(s.append(static_cast<U16>('x'), npos / 4), std::bad_alloc); // 2 x units wraps
    EXPECT_THROW(s.assign(static_cast<U16>('x'), npos / 4), std::bad_alloc);
    const Layout after = peek(s);
    EXPECT_EQ(after.data, before.data);
    EXPECT_EQ(after.data_cap, before.data_cap);
    EXPECT_STREQ(s.c_str(), "abc");
    EXPECT_EQ(units(s.c_str_utf16()), units({'a', 'b', 'c'}));
    expect_sound(s);
}

// ---------------------------------------------------------------------------
// Cache invariants

TEST(UstringCache, Utf8MutatorsEmptyTheCacheWithoutConverting)
{
    struct Case {
        const char *name;
        void (*op)(ustring &);
        const char *expect;
    };
    const Case cases[] = {
        {"append", [](ustring &s) { s.append("d"); }, "a/bc/d"},
        {"append n", [](ustring &s) { s.append("dx", 1); }, "a/bc/d"},
        {"append char", [](ustring &s) { s.append('d', 1); }, "a/bc/d"},
        {"+= std::string", [](ustring &s) { s += std::string("d"); }, "a/bc/d"},
        {"assign", [](ustring &s) { s = "q"; }, "q"},
        {"assign char", [](ustring &s) { s = 'q'; }, "q"},
        {"clear", [](ustring &s) { s.clear(); }, ""},
        {"ltrim", [](ustring &s) { s.ltrim("a"); }, "/bc/"},
        {"rtrim", [](ustring &s) { s.rtrim("/"); }, "a/bc"},
        {"trim", [](ustring &s) { s.trim("a/"); }, "bc"},
        {"replace", [](ustring &s) { s.replace('/', '_'); }, "a_bc_"},
        {"cut by assign(data, len)", [](ustring &s) { s.assign(s.c_str(), 2); }, "a/"},
        {"operator[]", [](ustring &s) { s[0] = 'z'; }, "z/bc/"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("a/bc/");
        ASSERT_EQ(units(s.c_str_utf16()).size(), 5u);
        c.op(s);
        EXPECT_STREQ(s.c_str(), c.expect);
        const Layout l = peek(s);
        EXPECT_EQ(l.wdata_len, 0u);
        EXPECT_EQ(l.wdata[0], 0);
        // The rebuilt cache matches the new bytes.
        const ustring fresh(c.expect);
        EXPECT_EQ(units(s.c_str_utf16()), units(fresh.c_str_utf16()));
        expect_sound(s);
    }
}

TEST(UstringCache, ReplaceAfterUtf16YieldsMatchingUtf16)
{
    ustring s("a/b/c");
    EXPECT_EQ(units(s.c_str_utf16()), units({'a', '/', 'b', '/', 'c'}));
    s.replace('/', '_');
    EXPECT_STREQ(s.c_str(), "a_b_c");
    EXPECT_EQ(units(s.c_str_utf16()), units({'a', '_', 'b', '_', 'c'}));
}

TEST(UstringCache, SwapExchangesAllSixMembers)
{
    ustring a("first");
    ustring b("second\xC3\xA9");
    a.c_str_utf16();
    const Layout la = peek(a);
    const Layout lb = peek(b);
    a.swap(b);
    EXPECT_EQ(std::memcmp(&la, static_cast<const void *>(&b), sizeof la), 0);
    EXPECT_EQ(std::memcmp(&lb, static_cast<const void *>(&a), sizeof lb), 0);
    swap(a, b);
    EXPECT_STREQ(a.c_str(), "first");
    EXPECT_TRUE(cache_built(a));
    EXPECT_FALSE(cache_built(b));
}

// ---------------------------------------------------------------------------
// Appending and assigning

TEST(UstringAppend, ByteSources)
{
    struct Case {
        const char *name;
        void (*op)(ustring &);
        const char *expect;
    };
    const Case cases[] = {
        {"text", [](ustring &s) { s.append("de"); }, "abcde"},
        {"text with limit", [](ustring &s) { s.append("defg", 2); }, "abcde"},
        {"limit beyond zero byte", [](ustring &s) { s.append("d\0ef", 4); }, "abcd"},
        {"limit 0", [](ustring &s) { s.append("de", 0); }, "abc"},
        {"std::string part", [](ustring &s) { s.append(std::string("xdey"), 1, 2); }, "abcde"},
        {"std::string at its end", [](ustring &s) { s.append(std::string("xy"), 2); }, "abc"},
        {"std::string with zero", [](ustring &s) { s.append(std::string("d\0e", 3)); }, "abcd"},
        {"ustring part", [](ustring &s) { s.append(ustring("xdey"), 1, 2); }, "abcde"},
        {"ustring len npos", [](ustring &s) { s.append(ustring("xde"), 1); }, "abcde"},
        {"byte n times", [](ustring &s) { s.append('d', 3); }, "abcddd"},
        {"byte 0 times", [](ustring &s) { s.append('d', 0); }, "abc"},
        {"+= text", [](ustring &s) { s += "de"; }, "abcde"},
        {"+= ustring", [](ustring &s) { s += ustring("de"); }, "abcde"},
        {"+= byte", [](ustring &s) { s += 'd'; }, "abcd"},
        {"assign text", [](ustring &s) { s.assign("xy"); }, "xy"},
        {"assign limit", [](ustring &s) { s.assign("xyz", 2); }, "xy"},
        {"assign std::string part", [](ustring &s) { s.assign(std::string("0xy"), 1); }, "xy"},
        {"assign ustring part", [](ustring &s) { s.assign(ustring("0xy9"), 1, 2); }, "xy"},
        {"assign byte", [](ustring &s) { s.assign('x', 2); }, "xx"},
        {"= std::string", [](ustring &s) { s = std::string("xy"); }, "xy"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("abc");
        c.op(s);
        EXPECT_STREQ(s.c_str(), c.expect);
        EXPECT_EQ(s.length(), std::strlen(c.expect));
        expect_sound(s);
    }
}

TEST(UstringAppend, OutOfRangeStarts)
{
    ustring s("abc");
    try {
        s.append(std::string("xy"), 3);
        FAIL() << "no exception";
    } catch (const std::out_of_range &e) {
        EXPECT_STREQ(e.what(), "basic_string::substr");
    }
    try {
        s.append(ustring("xy"), 3);
        FAIL() << "no exception";
    } catch (const std::out_of_range &e) {
        EXPECT_STREQ(e.what(), "substr");
    }
    EXPECT_THROW(s.assign(std::string("xy"), 3), std::out_of_range);
    EXPECT_THROW(s.assign(ustring("xy"), 3), std::out_of_range);
    EXPECT_THROW(s.assign(s, 4), std::out_of_range);
    EXPECT_THROW(s.append(s, 4), std::out_of_range);
    EXPECT_STREQ(s.c_str(), "abc"); // a failing call changes nothing
}

TEST(UstringAppend, Utf16Sources)
{
    const U16 de[] = {'d', 0xE9, 0};
    const U16 with_zero[] = {'d', 0, 'e', 0};
    struct Case {
        const char *name;
        void (*op)(ustring &, const U16 *, const U16 *);
        const char *expect;
    };
    const Case cases[] = {
        {"text", [](ustring &s, const U16 *t, const U16 *) { s.append(t); }, "abcd\xC3\xA9"},
        {"text with limit", [](ustring &s, const U16 *t, const U16 *) { s.append(t, 1); }, "abcd"},
        {"limit beyond zero", [](ustring &s, const U16 *, const U16 *z) { s.append(z, 3); }, "abcd"},
        {"unit n times", [](ustring &s, const U16 *, const U16 *) { s.append(U16(0xE9), 2); },
         "abc\xC3\xA9\xC3\xA9"},
        {"+= text", [](ustring &s, const U16 *t, const U16 *) { s += t; }, "abcd\xC3\xA9"},
        {"+= unit", [](ustring &s, const U16 *, const U16 *) { s += U16('d'); }, "abcd"},
        {"assign text", [](ustring &s, const U16 *t, const U16 *) { s.assign(t); }, "d\xC3\xA9"},
        {"assign limit", [](ustring &s, const U16 *t, const U16 *) { s.assign(t, 1); }, "d"},
        {"= text", [](ustring &s, const U16 *t, const U16 *) { s = t; }, "d\xC3\xA9"},
        {"= unit", [](ustring &s, const U16 *, const U16 *) { s = U16(0x20AC); }, "\xE2\x82\xAC"},
        {"assign unit n", [](ustring &s, const U16 *, const U16 *) { s.assign(U16('z'), 3); }, "zzz"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("abc");
        c.op(s, de, with_zero);
        EXPECT_STREQ(s.c_str(), c.expect);
        // After a UTF-16 mutation the cache is built and matches the bytes.
        EXPECT_TRUE(cache_built(s));
        const ustring fresh(c.expect);
        EXPECT_EQ(units(peek(s).wdata), units(fresh.c_str_utf16()));
        expect_sound(s);
    }
}

TEST(UstringAppend, Utf16AppendBuildsTheCacheFirst)
{
    ustring s(kE_acute);
    ASSERT_EQ(peek(s).wdata_len, 0u);
    const U16 x[] = {'x', 0};
    s.append(x);
    EXPECT_STREQ(s.c_str(), "\xC3\xA9x");
    EXPECT_EQ(units(s.c_str_utf16()), units({0xE9, 'x'}));
}

TEST(UstringAppend, LoneSurrogateEmptiesTheStringWithOneWarning)
{
    ustring s("abc");
    tw_test::StderrCapture capture;
    s.append(U16(0xD800));
    const std::string err = capture.Finish();
    EXPECT_EQ(s.length(), 0u);
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(count_warnings(err, "u_strToUTF8"), 1u);
    EXPECT_EQ(err.rfind("Warning: u_strToUTF8: error code 10 at line ", 0), 0u)
        << err; // U_INVALID_CHAR_FOUND
    expect_sound(s);
}

TEST(UstringAppend, Utf16OntoInvalidUtf8KeepsOnlyTheAppendedText)
{
    ustring s("ab\xFF");
    const U16 x[] = {'x', 'y', 0};
    tw_test::StderrCapture capture;
    s.append(x);
    const std::string err = capture.Finish();
    EXPECT_STREQ(s.c_str(), "xy");
    EXPECT_EQ(count_warnings(err, "u_strFromUTF8"), 1u);
    EXPECT_EQ(err.rfind("Warning: u_strFromUTF8: error code 10 at line ", 0), 0u) << err;
}

// ---------------------------------------------------------------------------
// Self-reference: the source lies inside the string's own buffers

TEST(UstringSelf, AppendingAStringToItselfDoublesIt)
{
    struct Case {
        const char *name;
        void (*op)(ustring &);
        const char *expect;
    };
    const Case cases[] = {
        {"append(ustring)", [](ustring &s) { s.append(s); }, "abcabc"},
        {"+= ustring", [](ustring &s) { s += s; }, "abcabc"},
        {"append(c_str())", [](ustring &s) { s.append(s.c_str()); }, "abcabc"},
        {"+= c_str()", [](ustring &s) { s += s.c_str(); }, "abcabc"},
        {"append(c_str(), 2)", [](ustring &s) { s.append(s.c_str(), 2); }, "abcab"},
        {"append(c_str(), npos)", [](ustring &s) { s.append(s.c_str(), npos); }, "abcabc"},
        {"append(s, 1)", [](ustring &s) { s.append(s, 1); }, "abcbc"},
        {"append(s, 1, 1)", [](ustring &s) { s.append(s, 1, 1); }, "abcb"},
        {"append(s, 3)", [](ustring &s) { s.append(s, 3); }, "abc"},
        {"append(c_str() + 1)", [](ustring &s) { s.append(s.c_str() + 1); }, "abcbc"},
        {"append(c_str() + 2, 5)", [](ustring &s) { s.append(s.c_str() + 2, 5); }, "abcc"},
        {"operator+", [](ustring &s) { s = s + s; }, "abcabc"},
        {"operator+ c_str()", [](ustring &s) { s = s + s.c_str(); }, "abcabc"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("abc");
        c.op(s);
        EXPECT_STREQ(s.c_str(), c.expect);
        expect_sound(s);
    }
}

TEST(UstringSelf, RepeatedSelfAppendAcrossMovingBuffers)
{
    // Large enough that realloc moves the block; ASan flags any read of the
    // old buffer.
    ustring s("0123456789");
    std::string model("0123456789");
    for (int i = 0; i < 14; ++i) {
        if (i % 3 == 0) {
            s.append(s.c_str() + 1);
            model.append(model.substr(1));
        } else {
            s.append(s);
            model.append(model);
        }
        ASSERT_EQ(s.length(), model.size());
    }
    EXPECT_EQ(std::string(s.c_str()), model);
    expect_sound(s);
}

TEST(UstringSelf, AssigningAStringToItselfLeavesItUnchanged)
{
    struct Case {
        const char *name;
        void (*op)(ustring &);
    };
    const Case cases[] = {
        {"= ustring",
         [](ustring &s) {
             ustring &alias = s;
             s = alias;
         }},
        {"assign(ustring)", [](ustring &s) { s.assign(s); }},
        {"assign(s, 0, npos)", [](ustring &s) { s.assign(s, 0, npos); }},
        {"= c_str()", [](ustring &s) { s = s.c_str(); }},
        {"assign(c_str())", [](ustring &s) { s.assign(s.c_str()); }},
        {"assign(c_str(), length())", [](ustring &s) { s.assign(s.c_str(), s.length()); }},
        {"assign(c_str(), npos)", [](ustring &s) { s.assign(s.c_str(), npos); }},
        {"= c_str_utf16()", [](ustring &s) { s = s.c_str_utf16(); }},
        {"assign(c_str_utf16(), 99)", [](ustring &s) { s.assign(s.c_str_utf16(), 99); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("a\xC3\xA9z");
        c.op(s);
        EXPECT_STREQ(s.c_str(), "a\xC3\xA9z");
        EXPECT_EQ(units(s.c_str_utf16()), units({'a', 0xE9, 'z'}));
        expect_sound(s);
    }
}

TEST(UstringSelf, SelfAssignOfOwnBuffersKeepsTheCache)
{
    ustring s("abc");
    const U16 *w = s.c_str_utf16();
    s.assign(s.c_str());
    EXPECT_EQ(peek(s).wdata_len, 3u); // a no-op: nothing to rebuild
    s.assign(w);
    EXPECT_EQ(peek(s).wdata_len, 3u);
    EXPECT_EQ(peek(s).wdata, w);
}

TEST(UstringSelf, PartsAndCutsOfItself)
{
    struct Case {
        const char *name;
        void (*op)(ustring &);
        const char *expect;
    };
    const Case cases[] = {
        {"assign(c_str(), 2) cuts", [](ustring &s) { s.assign(s.c_str(), 2); }, "ab"},
        {"assign(c_str(), 0) cuts", [](ustring &s) { s.assign(s.c_str(), 0); }, ""},
        {"assign(s, 1, 2)", [](ustring &s) { s.assign(s, 1, 2); }, "bc"},
        {"assign(s, 4)", [](ustring &s) { s.assign(s, 4); }, ""},
        {"= c_str() + 1", [](ustring &s) { s = s.c_str() + 1; }, "bcd"},
        {"assign(c_str() + 2, 1)", [](ustring &s) { s.assign(s.c_str() + 2, 1); }, "c"},
        {"assign(c_str() + 4)", [](ustring &s) { s.assign(s.c_str() + 4); }, ""},
        {"= substr", [](ustring &s) { s = s.substr(1, 2); }, "bc"},
        {"assign(c_str_utf16(), 2) cuts", [](ustring &s) { s.assign(s.c_str_utf16(), 2); }, "ab"},
        {"= c_str_utf16() + 1", [](ustring &s) { s = s.c_str_utf16() + 1; }, "bcd"},
        {"assign(c_str_utf16() + 1, 2)", [](ustring &s) { s.assign(s.c_str_utf16() + 1, 2); }, "bc"},
        {"append(c_str_utf16())", [](ustring &s) { s.append(s.c_str_utf16()); }, "abcdabcd"},
        {"append(c_str_utf16(), 1)", [](ustring &s) { s.append(s.c_str_utf16(), 1); }, "abcda"},
        {"+= c_str_utf16() + 2", [](ustring &s) { s += s.c_str_utf16() + 2; }, "abcdcd"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ustring s("abcd");
        c.op(s);
        EXPECT_STREQ(s.c_str(), c.expect);
        const ustring fresh(c.expect);
        EXPECT_EQ(units(s.c_str_utf16()), units(fresh.c_str_utf16()));
        expect_sound(s);
    }
}

TEST(UstringSelf, InteriorSourcesSurviveShrinkingBuffers)
{
    // A long string cut to a short tail: the reallocation shrinks the buffer
    // (the need falls below half), which must not lose or free the source.
    const std::string text(200, 'x');
    ustring s((text + "tail").c_str());
    s = s.c_str() + 200;
    EXPECT_STREQ(s.c_str(), "tail");
    EXPECT_EQ(peek(s).data_cap, 5u);

    ustring w((text + "tail").c_str());
    const U16 *units16 = w.c_str_utf16();
    w = units16 + 200;
    EXPECT_STREQ(w.c_str(), "tail");
    EXPECT_EQ(peek(w).wdata_cap, 5u);
}

TEST(UstringSelf, TrimWithItselfAsTheSet)
{
    ustring s("abba");
    s.trim(s);
    EXPECT_STREQ(s.c_str(), "");
    ustring t("xyx");
    t.rtrim(t.c_str() + 1); // set {y, x}
    EXPECT_STREQ(t.c_str(), "");
    ustring u("a-b-");
    u.trim(u.c_str() + 3); // set {-}
    EXPECT_STREQ(u.c_str(), "a-b");
}

// ---------------------------------------------------------------------------
// Searches

TEST(UstringSearch, ForwardAndBackward)
{
    const ustring s("a/bc/d\xC3\xA9/"); // 9 bytes; 0xC3 0xA9 at 6 and 7, last '/' at 8
    struct Case {
        const char *name;
        size_t got;
        size_t want;
    };
    const Case cases[] = {
        {"find", s.find("/"), 1},
        {"find from pos", s.find("/", 2), 4},
        {"find at pos", s.find("bc", 2), 2},
        {"find miss", s.find("zz"), npos},
        {"find past end of text", s.find("/x"), npos},
        {"find empty at 0", s.find(""), 0},
        {"find empty at 5", s.find("", 5), 5},
        {"find empty at length", s.find("", 9), npos},
        {"find pos at length", s.find("/", 9), npos},
        {"find pos npos", s.find("/", npos), npos},
        {"find char", s.find('d'), 5},
        {"find char zero is empty text", s.find('\0', 3), 3},
        {"find ustring", s.find(ustring("c/")), 3},
        {"find std::string", s.find(std::string("c/")), 3},
        {"find std::string with zero", s.find(std::string("c/\0x", 4)), 3},
        {"find multi-byte", s.find(kE_acute), 6},

        {"first_of", s.find_first_of("dc"), 3},
        {"first_of from pos", s.find_first_of('/', 2), 4},
        {"first_of empty set", s.find_first_of(""), npos},
        {"first_of zero char", s.find_first_of('\0'), npos},
        {"first_of miss", s.find_first_of("xyz"), npos},
        {"first_of pos at length", s.find_first_of("/", 9), npos},
        {"first_of multi-byte bytes", s.find_first_of("\xA9"), 7},
        {"first_of ustring", s.find_first_of(ustring("db")), 2},
        {"first_of std::string", s.find_first_of(std::string("db")), 2},

        {"first_not_of", s.find_first_not_of("a/"), 2},
        {"first_not_of empty set", s.find_first_not_of("", 4), 4},
        {"first_not_of all", ustring("aaa").find_first_not_of('a'), npos},
        {"first_not_of pos at length", s.find_first_not_of("", 9), npos},
        {"first_not_of ustring", s.find_first_not_of(ustring("/a"), 1), 2},
        {"first_not_of std::string", s.find_first_not_of(std::string("a")), 1},

        {"rfind", s.rfind("/"), 8},
        {"rfind from pos", s.rfind("/", 7), 4},
        {"rfind at pos", s.rfind("/", 4), 4},
        {"rfind reads past pos", s.rfind("bc", 2), 2},
        {"rfind before match start", s.rfind("bc", 1), npos},
        {"rfind at 0", s.rfind("a/", 0), 0},
        {"rfind miss", s.rfind("zz"), npos},
        {"rfind empty", s.rfind(""), 8},
        {"rfind empty at pos", s.rfind("", 3), 3},
        {"rfind empty beyond", s.rfind("", 100), 8},
        {"rfind on empty string", ustring().rfind(""), npos},
        {"rfind needle longer than string", ustring("ab").rfind("abc"), npos},
        {"rfind needle runs past end", s.rfind("/zzz"), npos},
        {"rfind whole", s.rfind(s), 0},
        {"rfind char", s.rfind('c'), 3},
        {"rfind ustring", s.rfind(ustring("/d")), 4},
        {"rfind std::string", s.rfind(std::string("/")), 8},

        {"last_of", s.find_last_of("bc"), 3},
        {"last_of from pos", s.find_last_of('/', 3), 1},
        {"last_of empty set", s.find_last_of(""), npos},
        {"last_of on empty string", ustring().find_last_of("/"), npos},
        {"last_of miss", s.find_last_of("xyz"), npos},
        {"last_of at 0", s.find_last_of("a"), 0},
        {"last_of ustring", s.find_last_of(ustring("a")), 0},
        {"last_of std::string", s.find_last_of(std::string("d")), 5},

        {"last_not_of", s.find_last_not_of("/"), 7},
        {"last_not_of from pos", s.find_last_not_of("/d", 5), 3},
        {"last_not_of empty set", s.find_last_not_of(""), 8},
        {"last_not_of empty set at pos", s.find_last_not_of("", 2), 2},
        {"last_not_of all", ustring("///").find_last_not_of('/'), npos},
        {"last_not_of on empty string", ustring().find_last_not_of(""), npos},
        {"last_not_of ustring", s.find_last_not_of(ustring("/\xC3\xA9")), 5},
        {"last_not_of std::string", s.find_last_not_of(std::string("/")), 7},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(UstringSearch, RfindNeverComparesPastTheTerminator)
{
    // Needles that start matching at the last bytes and run on beyond the
    // string: the comparison must stop inside the buffer (ASan checks).
    for (size_t n = 1; n <= 8; ++n) {
        ustring s(std::string(n, 'a').c_str());
        const std::string needle = std::string(n, 'a') + "bbbbbbbbbbbbbbbbbbbb";
        EXPECT_EQ(s.rfind(needle.c_str()), npos);
        EXPECT_EQ(s.rfind("ab"), npos);
        EXPECT_EQ(s.rfind("a"), n - 1);
        EXPECT_EQ(s.rfind(std::string(n, 'a').c_str()), 0u);
    }
}

// ---------------------------------------------------------------------------
// substr, compare, operators

TEST(UstringSubstr, Ranges)
{
    const ustring s("abcdef");
    struct Case {
        size_t start;
        size_t len;
        const char *want;
    };
    const Case cases[] = {
        {2, npos, "cdef"}, {0, npos, "abcdef"}, {6, npos, ""}, {6, 3, ""},
        {1, 2, "bc"},      {4, 100, "ef"},      {0, 0, ""},    {5, 7, "f"},
    };
    for (const Case &c : cases) {
        const ustring part = s.substr(c.start, c.len);
        EXPECT_STREQ(part.c_str(), c.want) << c.start << "," << c.len;
        expect_sound(part);
    }
    EXPECT_STREQ(s.substr().c_str(), "abcdef");
    try {
        s.substr(7);
        FAIL() << "no exception";
    } catch (const std::out_of_range &e) {
        EXPECT_STREQ(e.what(), "substr");
    }
    EXPECT_THROW(s.substr(npos), std::out_of_range);
}

TEST(UstringCompare, BytesAndCaseFolding)
{
    struct Case {
        const char *a;
        const char *b;
        bool caseless;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABD", true, -1},
        {"abc", "ABD", false, 1},
        {"abc", "ABC", true, 0},
        {"abc", "abc", false, 0},
        {"", "", false, 0},
        {"ab", "abc", false, -1},
        {"abc", "ab", true, 1},
        {"[", "a", true, -1}, // 0x5B stays, 'a' is 0x61
        {"[", "A", false, 1},
        {"z", "\xC3\xA9", false, -1},      // unsigned bytes: code-point order
        {"\xC3\xA9", "\xC3\x89", true, 1}, // U+00E9 vs U+00C9: no non-ASCII folding
        {"\xC3\xA9", "\xC3\x89", false, 1},
    };
    for (const Case &c : cases) {
        const int r = ustring::compare(ustring(c.a), ustring(c.b), c.caseless);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b << " caseless " << c.caseless;
    }
    EXPECT_EQ(ustring::compare(ustring("a"), ustring("c"), false), 'a' - 'c');
    EXPECT_LT(ustring("abc").compare(ustring("abd")), 0);
    EXPECT_EQ(ustring("abc").compare(ustring("abd"), 2), 0);
    EXPECT_LT(ustring("abc").compare(ustring("abd"), 3), 0);
    EXPECT_EQ(ustring("abc").compare(ustring("xyz"), 0), 0);
    EXPECT_EQ(ustring("ab").compare(ustring("ab"), 10), 0);
    EXPECT_LT(ustring("ab").compare(ustring("abc"), 10), 0);
    EXPECT_EQ(ustring("abC").compare(ustring("abc"), 2), 0);
}

TEST(UstringCompare, Operators)
{
    const ustring a("abc"), b("abd"), a2("abc");
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(a == a2);
    EXPECT_TRUE(a != b);
    EXPECT_FALSE(a != a2);
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(a <= a2);
    EXPECT_TRUE(b >= a);
    EXPECT_TRUE(a >= a2);
    EXPECT_FALSE(b <= a);
    EXPECT_TRUE(a == "abc");
    EXPECT_TRUE(std::string("abc") == a);

    const U16 w[] = {0xE9, 0};
    EXPECT_STREQ((a + b).c_str(), "abcabd");
    EXPECT_STREQ((a + "x").c_str(), "abcx");
    EXPECT_STREQ((a + 'x').c_str(), "abcx");
    EXPECT_STREQ((a + w).c_str(), "abc\xC3\xA9");
    EXPECT_STREQ((a + U16(0xE9)).c_str(), "abc\xC3\xA9");
    EXPECT_STREQ(a.c_str(), "abc");
}

// ---------------------------------------------------------------------------
// Conversions, validity, normalisation

TEST(UstringUtf16, InvalidUtf8WarnsOnEveryCall)
{
    ustring s("\xFF");
    tw_test::StderrCapture capture;
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    const std::string err = capture.Finish();
    EXPECT_EQ(count_warnings(err, "u_strFromUTF8"), 2u);
    EXPECT_STREQ(s.c_str(), "\xFF"); // the UTF-8 form is untouched
    EXPECT_EQ(s.length(), 1u);
    expect_sound(s);
}

TEST(UstringUtf16, ValidConversionsAreQuiet)
{
    tw_test::StderrCapture capture;
    ustring s("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"); // A é € 😀
    EXPECT_EQ(units(s.c_str_utf16()), units({'A', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
    EXPECT_EQ(peek(s).wdata_len, 5u);
    const U16 *first = s.c_str_utf16();
    EXPECT_EQ(s.c_str_utf16(), first); // built once, then cached
    ustring back(s.c_str_utf16());
    EXPECT_EQ(back, s);
    EXPECT_EQ(capture.Finish(), "");
}

TEST(UstringValid, Table)
{
    struct Case {
        const char *bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain", true},
        {"\xC3\xA9", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xFF", false},
        {"a\xC3", false},            // truncated sequence
        {"\xC0\xAF", false},         // overlong '/'
        {"\xED\xA0\x80", false},     // encoded surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
    };
    tw_test::StderrCapture capture; // is_valid never warns
    for (const Case &c : cases)
        EXPECT_EQ(ustring::is_valid(ustring(c.bytes)), c.valid) << ustring(c.bytes);
    EXPECT_EQ(capture.Finish(), "");
}

TEST(UstringNormalize, NfdAndNfc)
{
    const ustring composed(kE_acute);
    const ustring nfd = composed.normalize(ustring::NFD);
    EXPECT_STREQ(nfd.c_str(), kE_combining);
    EXPECT_EQ(nfd.length(), 3u);
    EXPECT_EQ(units(nfd.c_str_utf16()), units({0x65, 0x301}));
    const ustring nfc = ustring::normalize(nfd, ustring::NFC);
    EXPECT_STREQ(nfc.c_str(), kE_acute);
    EXPECT_EQ(nfc.length(), 2u);
    EXPECT_STREQ(ustring("abc").normalize(ustring::NFC).c_str(), "abc");
    EXPECT_TRUE(ustring().normalize(ustring::NFD).empty());
    expect_sound(nfd);
    expect_sound(nfc);
    // normalize builds the source's cache.
    ustring src(kE_acute);
    src.normalize(ustring::NFD);
    EXPECT_TRUE(cache_built(src));
}

TEST(UstringNormalize, InvalidSourceGivesEmptyWithOneWarning)
{
    ustring bad("a\xFF");
    tw_test::StderrCapture capture;
    const ustring r = bad.normalize(ustring::NFC);
    const std::string err = capture.Finish();
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(count_warnings(err, "u_strFromUTF8"), 1u);
    expect_sound(r);
}

TEST(UstringNormalize, UnknownFormWarnsInsteadOfReadingPastTheTable)
{
    tw_test::StderrCapture capture;
    const ustring r = ustring("abc").normalize(static_cast<ustring::normalization_form>(7));
    const std::string err = capture.Finish();
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(count_warnings(err, "unorm2_getInstance"), 1u);
}

// ---------------------------------------------------------------------------
// Trimming, streams

TEST(UstringTrim, Table)
{
    struct Case {
        const char *text;
        const char *set;
        const char *l;
        const char *r;
        const char *both;
    };
    const Case cases[] = {
        {"   ", " ", "", "", ""},
        {"a//", "/", "a//", "a", "a"},
        {"//a//", "/", "a//", "//a", "a"},
        {" \ta b\t ", " \t", "a b\t ", " \ta b", "a b"},
        {"abc", "", "abc", "abc", "abc"},
        {"", "/", "", "", ""},
        {"\xC3\xA9x\xC3\xA9", "\xC3\xA9", "x\xC3\xA9", "\xC3\xA9x", "x"},
        {"\xC3\xA9x", "\xA9", "\xC3\xA9x", "\xC3\xA9x", "\xC3\xA9x"}, // a set byte, not a character
    };
    for (const Case &c : cases) {
        ustring l(c.text), r(c.text), b(c.text), u(c.text);
        EXPECT_STREQ(l.ltrim(c.set).c_str(), c.l) << "ltrim '" << c.text << "'";
        EXPECT_STREQ(r.rtrim(c.set).c_str(), c.r) << "rtrim '" << c.text << "'";
        EXPECT_STREQ(b.trim(c.set).c_str(), c.both) << "trim '" << c.text << "'";
        EXPECT_STREQ(u.trim(ustring(c.set)).c_str(), c.both) << "trim(ustring) '" << c.text << "'";
        expect_sound(l);
        expect_sound(r);
        expect_sound(b);
    }
    ustring s("xxabxx");
    EXPECT_STREQ(s.ltrim(ustring("x")).rtrim(ustring("x")).c_str(), "ab");
}

TEST(UstringTrim, NoChangeKeepsTheCache)
{
    ustring s("abc");
    s.c_str_utf16();
    s.ltrim("x");
    s.rtrim("x");
    EXPECT_EQ(peek(s).wdata_len, 3u);
}

TEST(UstringStream, OutputAndTokenInput)
{
    std::ostringstream out;
    out << ustring("h\xC3\xA9llo") << '|' << ustring();
    EXPECT_EQ(out.str(), "h\xC3\xA9llo|");

    std::istringstream in("  first second\n");
    ustring a, b;
    in >> a >> b;
    EXPECT_STREQ(a.c_str(), "first");
    EXPECT_STREQ(b.c_str(), "second");
}
