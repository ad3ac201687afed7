// ustring against byte-wise references: the six searches, trims, substr and
// comparisons; UTF-8 -> UTF-16 -> UTF-8 round trips and normalisation of
// valid text. The input is split at the first zero byte into a string and a
// needle; two bytes of the needle's tail pick positions.
#include "ustring.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

const size_t npos = ustring::npos;

void Check(bool ok)
{
    if (!ok)
        abort();
}

// The byte-wise meaning of each search, empty needles and sets included.
size_t RefFind(const std::string &h, const std::string &n, size_t pos)
{
    if (pos >= h.size())
        return npos;
    return n.empty() ? pos : h.find(n, pos);
}

size_t Start(const std::string &h, size_t pos)
{
    return pos < h.size() ? pos : h.size() - 1;
}

size_t RefRfind(const std::string &h, const std::string &n, size_t pos)
{
    if (h.empty())
        return npos;
    return n.empty() ? Start(h, pos) : h.rfind(n, Start(h, pos));
}

size_t RefFirstOf(const std::string &h, const std::string &set, size_t pos)
{
    return pos >= h.size() || set.empty() ? npos : h.find_first_of(set, pos);
}

size_t RefFirstNotOf(const std::string &h, const std::string &set, size_t pos)
{
    if (pos >= h.size())
        return npos;
    return set.empty() ? pos : h.find_first_not_of(set, pos);
}

size_t RefLastOf(const std::string &h, const std::string &set, size_t pos)
{
    return h.empty() || set.empty() ? npos : h.find_last_of(set, Start(h, pos));
}

size_t RefLastNotOf(const std::string &h, const std::string &set, size_t pos)
{
    if (h.empty())
        return npos;
    return set.empty() ? Start(h, pos) : h.find_last_not_of(set, Start(h, pos));
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

int RefCompare(const std::string &a, const std::string &b, bool caseless)
{
    for (size_t i = 0;; ++i) {
        int x = i < a.size() ? static_cast<unsigned char>(a[i]) : -1;
        int y = i < b.size() ? static_cast<unsigned char>(b[i]) : -1;
        if (caseless) {
            x = x >= 'A' && x <= 'Z' ? x + 32 : x;
            y = y >= 'A' && y <= 'Z' ? y + 32 : y;
        }
        if (x != y)
            return x < y ? -1 : 1;
        if (x < 0)
            return 0;
    }
}

void Searches(const ustring &u, const std::string &h, const std::string &n, size_t pos)
{
    const ustring un(n.c_str());
    Check(u.find(n.c_str(), pos) == RefFind(h, n, pos));
    Check(u.find(un, pos) == RefFind(h, n, pos));
    Check(u.rfind(n.c_str(), pos) == RefRfind(h, n, pos));
    Check(u.find_first_of(n.c_str(), pos) == RefFirstOf(h, n, pos));
    Check(u.find_first_not_of(n.c_str(), pos) == RefFirstNotOf(h, n, pos));
    Check(u.find_last_of(n.c_str(), pos) == RefLastOf(h, n, pos));
    Check(u.find_last_not_of(n.c_str(), pos) == RefLastNotOf(h, n, pos));
    const char c = n.empty() ? '\0' : n[0];
    const std::string one = c ? std::string(1, c) : std::string();
    Check(u.find(c, pos) == RefFind(h, one, pos));
    Check(u.find_first_of(c, pos) == RefFirstOf(h, one, pos));
    Check(u.rfind(c, pos) == RefRfind(h, one, pos));
}

void Trims(const std::string &h, const std::string &set)
{
    ustring l(h.c_str()), r(h.c_str()), both(h.c_str());
    l.ltrim(set.c_str());
    r.rtrim(ustring(set.c_str()));
    both.trim(set.c_str());
    const size_t first = set.empty() ? 0 : h.find_first_not_of(set);
    const std::string left = first == npos ? std::string() : h.substr(first);
    const size_t last = set.empty() ? h.size() - 1 : h.find_last_not_of(set);
    const std::string right = last == npos ? std::string() : h.substr(0, last + 1);
    const size_t both_last = set.empty() ? left.size() - 1 : left.find_last_not_of(set);
    const std::string middle = both_last == npos ? std::string() : left.substr(0, both_last + 1);
    Check(std::string(l.c_str()) == left && l.length() == left.size());
    Check(std::string(r.c_str()) == right && r.length() == right.size());
    Check(std::string(both.c_str()) == middle && both.length() == middle.size());
}

void Unicode(const ustring &u)
{
    if (!ustring::is_valid(u))
        return;
    const ustring back(u.c_str_utf16());
    Check(back == u);
    const ustring nfc = u.normalize(ustring::NFC), nfd = u.normalize(ustring::NFD);
    Check(ustring::is_valid(nfc) && ustring::is_valid(nfd));
    Check(nfd.normalize(ustring::NFC) == nfc);
    Check(nfc.normalize(ustring::NFD) == nfd);
    // The UTF-16 cache follows every change of the UTF-8 form.
    ustring grown = u;
    grown.c_str_utf16();
    grown += "\xc3\xa9";
    Check(ustring(grown.c_str_utf16()) == grown);
    ustring from16;
    from16.append(u.c_str_utf16());
    Check(from16 == u);
}

// The input read as UTF-16 units (lone surrogates included): whatever UTF-8
// comes out is valid, and goes back to the same UTF-8.
void FromUtf16(const uint8_t *data, size_t size)
{
    std::basic_string<ustring::uchar16_t> units;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const ustring::uchar16_t unit = static_cast<ustring::uchar16_t>(data[i] | data[i + 1] << 8);
        if (unit == 0)
            break;
        units += unit;
    }
    const ustring w(units.c_str());
    Check(ustring::is_valid(w));
    Check(ustring(w.c_str_utf16()) == w);
    ustring appended("x");
    appended.append(units.c_str(), units.size() / 2);
    Check(ustring::is_valid(appended));
    ustring self = w;
    self.assign(self.c_str_utf16(), units.size() / 3);
    Check(ustring::is_valid(self));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const size_t zero = input.find('\0');
    const std::string h = input.substr(0, zero);
    std::string n = zero == npos ? std::string() : input.substr(zero + 1);
    size_t pos = npos, len = npos;
    if (n.size() >= 2) {
        pos = static_cast<unsigned char>(n[n.size() - 2]);
        len = static_cast<unsigned char>(n[n.size() - 1]);
        pos = pos == 255 ? npos : pos;
        len = len == 255 ? npos : len;
        n.resize(n.size() - 2);
    }
    n = n.substr(0, n.find('\0'));

    const ustring u(h.c_str());
    Check(u.length() == h.size() && std::string(u.c_str()) == h);
    Searches(u, h, n, pos);
    Trims(h, n);

    const size_t start = pos == npos ? h.size() + 1 : pos;
    try {
        const ustring part = u.substr(start, len);
        Check(start <= h.size() && std::string(part.c_str()) == h.substr(start, len));
    } catch (const std::out_of_range &) {
        Check(start > h.size());
    }

    const ustring un(n.c_str());
    Check(Sign(ustring::compare(u, un, false)) == RefCompare(h, n, false));
    Check(Sign(ustring::compare(u, un, true)) == RefCompare(h, n, true));
    Check((u == un) == (h == n) && (u < un) == (RefCompare(h, n, false) < 0));
    Check(std::string((u + un).c_str()) == h + n);

    Unicode(u);
    Unicode(un);
    FromUtf16(data, size);
    return 0;
}
