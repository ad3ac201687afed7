// Writes a deterministic client tree that looks like a real package: about
// 2,000 files and 150 MB, sizes from a few bytes to one 40 MB binary, nested
// folders, a few symbolic links, and content that compresses about as well as
// shipped binaries and resources do (random stretches between repetitive ones).
//
//   gen_tree DIR CLIENT START_SCRIPT BUILD
//
// DIR must not exist. CLIENT becomes bin/tidewell-backup-ui, START_SCRIPT
// package/start-stop; INFO carries BUILD.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const uint64_t kSeed = 0x7469646577656c6cULL;
const int kSmallFiles = 1975;
const uint64_t kTotalBytes = 150ull << 20;
const uint64_t kBigBinary = 40ull << 20;

// xorshift64*: small, fast and the same everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed ? seed : 1) {}
    uint64_t Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1DULL;
    }
    // Uniform in [0, n).
    uint64_t Below(uint64_t n) { return n ? Next() % n : 0; }
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

private:
    uint64_t state;
};

bool MakeDirs(const std::string &path)
{
    std::string part;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        part = path.substr(0, pos);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            std::perror(part.c_str());
            return false;
        }
    }
    return true;
}

const char *const kWords[] = {"backup",  "restore", "volume", "snapshot", "schedule", "retention", "client",
                              "server",  "deflate", "block",  "chunk",    "index",    "catalog",   "verify",
                              "encrypt", "upload",  "resume", "quota",    "policy",   "version"};

// Fills `buf` with `size` bytes: stretches of text-like, repeated, zero and
// random data, in proportions that give roughly 2:1 under gzip.
void FillContent(Random &rng, std::vector<unsigned char> &buf, uint64_t size)
{
    buf.resize(size);
    uint64_t at = 0;
    while (at < size) {
        uint64_t run = 256 + rng.Below(8192);
        if (run > size - at)
            run = size - at;
        const uint64_t kind = rng.Below(100);
        unsigned char *p = buf.data() + at;
        if (kind < 45) {
            for (uint64_t i = 0; i < run; i += 8) {
                uint64_t r = rng.Next();
                std::memcpy(p + i, &r, run - i < 8 ? run - i : 8);
            }
        } else if (kind < 80) {
            uint64_t i = 0;
            while (i < run) {
                const char *w = kWords[rng.Below(sizeof kWords / sizeof kWords[0])];
                for (const char *c = w; *c && i < run; ++c)
                    p[i++] = static_cast<unsigned char>(*c);
                if (i < run)
                    p[i++] = rng.Below(8) ? ' ' : '\n';
            }
        } else if (kind < 92) {
            std::memset(p, 0, run);
        } else {
            // A short pattern repeated, as in tables and padding.
            unsigned char pattern[16];
            for (unsigned char &b : pattern)
                b = static_cast<unsigned char>(rng.Next());
            const uint64_t len = 4 + rng.Below(12);
            for (uint64_t i = 0; i < run; ++i)
                p[i] = pattern[i % len];
        }
        at += run;
    }
}

bool WriteFile(const std::string &path, const unsigned char *data, uint64_t size, mode_t mode)
{
    FILE *fp = std::fopen(path.c_str(), "wb");
    if (!fp) {
        std::perror(path.c_str());
        return false;
    }
    const bool ok = std::fwrite(data, 1, size, fp) == size;
    if (std::fclose(fp) != 0 || !ok) {
        std::perror(path.c_str());
        return false;
    }
    return chmod(path.c_str(), mode) == 0;
}

bool CopyFile(const std::string &from, const std::string &to, mode_t mode)
{
    FILE *in = std::fopen(from.c_str(), "rb");
    if (!in) {
        std::perror(from.c_str());
        return false;
    }
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        data.insert(data.end(), chunk, chunk + got);
    std::fclose(in);
    return WriteFile(to, data.data(), data.size(), mode);
}

// Folder names of a resource tree: share/<area>/<sub>/...
std::vector<std::string> MakeFolders(Random &rng)
{
    const char *const areas[] = {"translations", "icons", "help", "qml", "plugins", "themes", "data", "docs"};
    std::vector<std::string> folders;
    for (const char *area : areas) {
        const std::string top = std::string("share/") + area;
        folders.push_back(top);
        const int subs = 2 + static_cast<int>(rng.Below(6));
        for (int s = 0; s < subs; ++s) {
            const std::string sub = top + "/" + kWords[rng.Below(20)] + std::to_string(s);
            folders.push_back(sub);
            if (rng.Below(2))
                folders.push_back(sub + "/" + kWords[rng.Below(20)] + "_" + std::to_string(s));
        }
    }
    return folders;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s DIR CLIENT START_SCRIPT BUILD\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    if (access(root.c_str(), F_OK) == 0) {
        std::fprintf(stderr, "gen_tree: %s exists\n", root.c_str());
        return 2;
    }
    Random rng(kSeed);
    const std::vector<std::string> folders = MakeFolders(rng);
    for (const char *dir : {"bin", "package", "lib"})
        if (!MakeDirs(root + "/" + dir))
            return 1;
    for (const std::string &f : folders)
        if (!MakeDirs(root + "/" + f))
            return 1;

    const std::string info = std::string("[Version]\nmajor_version=1\nminor_version=0\nbuild_version=") +
                             argv[4] + "\nicon_overlay_version=1\n";
    if (!WriteFile(root + "/INFO", reinterpret_cast<const unsigned char *>(info.data()), info.size(), 0644) ||
        !CopyFile(argv[2], root + "/bin/tidewell-backup-ui", 0755) ||
        !CopyFile(argv[3], root + "/package/start-stop", 0755))
        return 1;

    std::vector<unsigned char> buf;
    uint64_t written = 0;
    // The one big binary and a handful of shared libraries with version links.
    FillContent(rng, buf, kBigBinary);
    if (!WriteFile(root + "/bin/tidewell-engine", buf.data(), buf.size(), 0755))
        return 1;
    written += buf.size();
    const int kLibs = 8;
    for (int i = 0; i < kLibs; ++i) {
        const std::string name = std::string("libtw") + kWords[i] + ".so";
        const uint64_t size = (1ull << 20) + rng.Below(5ull << 20);
        FillContent(rng, buf, size);
        if (!WriteFile(root + "/lib/" + name + ".1.0.0", buf.data(), size, 0755))
            return 1;
        written += size;
        if (i < 5 && symlink((name + ".1.0.0").c_str(), (root + "/lib/" + name + ".1").c_str()) != 0) {
            std::perror("symlink");
            return 1;
        }
    }

    // Many small and middle-sized files: log-uniform sizes from 4 bytes to
    // 512 KiB, scaled so that the whole tree comes to kTotalBytes.
    std::vector<uint64_t> sizes(kSmallFiles);
    double sum = 0;
    for (uint64_t &s : sizes) {
        s = static_cast<uint64_t>(
            std::exp(std::log(4.0) + rng.Unit() * (std::log(524288.0) - std::log(4.0))));
        sum += static_cast<double>(s);
    }
    const double scale = static_cast<double>(kTotalBytes - written) / sum;
    for (int i = 0; i < kSmallFiles; ++i) {
        uint64_t size = static_cast<uint64_t>(static_cast<double>(sizes[i]) * scale);
        if (size == 0)
            size = 1;
        FillContent(rng, buf, size);
        const std::string &folder = folders[rng.Below(folders.size())];
        const char *const exts[] = {".qm", ".png", ".html", ".qml", ".dat", ".json", ".svg", ".txt"};
        const std::string path =
            root + "/" + folder + "/" + kWords[rng.Below(20)] + "_" + std::to_string(i) + exts[rng.Below(8)];
        if (!WriteFile(path, buf.data(), size, 0644))
            return 1;
        written += size;
    }
    if (symlink("../share/docs", (root + "/bin/docs").c_str()) != 0) {
        std::perror("symlink");
        return 1;
    }
    std::printf("gen_tree: %s: %d files, %llu bytes\n", root.c_str(), kSmallFiles + kLibs + 4,
                static_cast<unsigned long long>(written));
    return 0;
}
