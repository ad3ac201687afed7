// The logger under load: two threads write 20 MB (and 60 MB) of lines while
// the file rotates every MiB. Every line must arrive whole, none may be lost at a
// rotation, and only the rotation slots 0 to N-2 may exist.
#include "log.h"
#include "temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace tw_test;

namespace {

// Different lengths and letters per thread, and now and then a long line.
std::string Payload(int thread, int seq)
{
    const size_t length = seq % 500 == 0 ? 9000 : 20 + static_cast<size_t>(seq * 7 % 180);
    return std::string(length, static_cast<char>('a' + thread));
}

void Writer(int thread, size_t target, int *lines)
{
    size_t bytes = 0;
    int seq = 0;
    while (bytes < target) {
        const std::string payload = Payload(thread, seq);
        TW_LOG(Logger::L_ERR, "launcher_debug", "[ERROR] load(%d): t%d n%d %s\n", thread, seq,
               payload.c_str());
        bytes += payload.size() + 40;
        ++seq;
    }
    *lines = seq;
}

// "Mmm dd hh:mm:ss [ERROR] load(L): tT nS PAYLOAD" -> thread and sequence; false when malformed.
bool ParseLine(const std::string &line, int *thread, int *seq)
{
    const size_t tag = line.find("[ERROR] load(");
    if (tag != 16)
        return false;
    const size_t rest = line.find("): t", tag);
    if (rest == std::string::npos)
        return false;
    int t = -1, s = -1, used = 0;
    if (sscanf(line.c_str() + rest + 3, "t%d n%d %n", &t, &s, &used) != 2 || t < 0 || t > 1 || s < 0)
        return false;
    if (line.compare(rest + 3 + static_cast<size_t>(used), std::string::npos, Payload(t, s)) != 0)
        return false;
    *thread = t;
    *seq = s;
    return true;
}

struct LoadCase {
    const char *name;
    int slots;
    size_t megabytes; // written by the two threads together
    bool all_kept;    // the slots hold all of it
};

void PrintTo(const LoadCase &c, std::ostream *os)
{
    *os << c.name;
}

class LogLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LogLoadTest, LinesArriveWholeAndInOrderAcrossRotations)
{
    const LoadCase &c = GetParam();
    TempTree tree;
    const std::string log = tree / "log/launcher.log";
    MakeDirs(tree / "log");
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log.c_str(), "", c.slots));

    int lines[2] = {0, 0};
    const size_t per_thread = c.megabytes * 1024 * 1024 / 2;
    std::thread a(Writer, 0, per_thread, &lines[0]);
    std::thread b(Writer, 1, per_thread, &lines[1]);
    a.join();
    b.join();
    Logger::Destroy();

    // Only the current file and the slots 0 .. N-2.
    int highest = -1;
    DIR *dir = opendir((tree / "log").c_str());
    ASSERT_NE(nullptr, dir);
    while (struct dirent *e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == ".." || name == "launcher.log")
            continue;
        ASSERT_EQ(0u, name.rfind("launcher.log_", 0)) << name;
        const int slot = std::stoi(name.substr(13));
        EXPECT_EQ(name, "launcher.log_" + std::to_string(slot));
        EXPECT_LE(slot, c.slots - 2) << name;
        highest = std::max(highest, slot);
    }
    closedir(dir);
    ASSERT_GE(highest, c.all_kept ? 10 : c.slots - 2) << "the load must have rotated the file";

    // Oldest slot first: each thread's lines must follow each other without a gap.
    int next[2] = {-1, -1};
    for (int slot = highest; slot >= -1; --slot) {
        const std::string path = slot < 0 ? log : log + "_" + std::to_string(slot);
        SCOPED_TRACE(path);
        const std::string text = ReadFile(path);
        ASSERT_FALSE(text.empty());
        ASSERT_EQ('\n', text.back());
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end - start);
            start = end + 1;
            int t = 0, s = 0;
            ASSERT_TRUE(ParseLine(line, &t, &s)) << "interleaved or cut: " << line.substr(0, 120);
            if (next[t] < 0 && !c.all_kept)
                next[t] = s; // the oldest lines went with the dropped slots
            ASSERT_EQ(next[t] < 0 ? 0 : next[t], s) << "thread " << t;
            next[t] = s + 1;
        }
    }
    EXPECT_EQ(lines[0], next[0]);
    EXPECT_EQ(lines[1], next[1]);
}

const LoadCase kLoadCases[] = {
    {"FiftySlotsKeepEverything", 50, 20, true},
    {"EightSlotsKeepTheNewest", 8, 20, false},
    // Beyond fifty rotations: slot 48 is the last one ever seen.
    {"FiftySlotsUnderLongLoad", 50, 60, false},
};

INSTANTIATE_TEST_SUITE_P(Load, LogLoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const ::testing::TestParamInfo<LoadCase> &info) { return info.param.name; });

} // namespace
