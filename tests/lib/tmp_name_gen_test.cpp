#include "tmp_name_gen.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

bool IsName(const std::string &name)
{
    return name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos;
}

} // namespace

// Six bits per character, most significant first, in alphabet order.
TEST(TmpNameGen, EncodesThreeBytesAsFourCharacters)
{
    const struct {
        unsigned char bytes[3];
        const char *text;
    } groups[] = {
        {{0x00, 0x00, 0x00}, "0000"}, {{0xFF, 0xFF, 0xFF}, "____"}, {{0x00, 0x10, 0x83}, "0123"},
        {{0x04, 0x10, 0x41}, "1111"}, {{0xFB, 0xEF, 0xBE}, "----"}, {{0x28, 0x92, 0x4A}, "a99a"},
    };
    for (const auto &g : groups) {
        char out[5] = {};
        TmpNameGen::encodeGroup(g.bytes, out);
        EXPECT_STREQ(g.text, out);
    }
}

TEST(TmpNameGen, NamesAndPaths)
{
    TmpNameGen &gen = TmpNameGen::getInstance();
    EXPECT_EQ(&gen, &TmpNameGen::getInstance());
    std::string previous;
    for (int i = 0; i < 2000; ++i) {
        const std::string name = gen.getTmpName().c_str();
        EXPECT_TRUE(IsName(name)) << name;
        EXPECT_NE(previous, name);
        previous = name;
    }
    const std::string path = gen.getTmpPath("/some/folder").c_str();
    EXPECT_EQ("/some/folder/", path.substr(0, 13));
    EXPECT_TRUE(IsName(path.substr(13))) << path;
    const std::string bare = gen.getTmpPath("").c_str();
    EXPECT_EQ('/', bare[0]);
    EXPECT_TRUE(IsName(bare.substr(1))) << bare;
}

// Every caller draws its own keystream bytes, so no two receive the same name.
TEST(TmpNameGen, ConcurrentCallersNeverShareAName)
{
    const int kThreads = 8, kEach = 5000;
    std::vector<std::vector<std::string>> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&names, t] {
            for (int i = 0; i < kEach; ++i)
                names[t].push_back(TmpNameGen::getInstance().getTmpName().c_str());
        });
    for (std::thread &t : threads)
        t.join();
    std::set<std::string> all;
    for (const auto &list : names)
        for (const std::string &name : list) {
            EXPECT_TRUE(IsName(name)) << name;
            all.insert(name);
        }
    EXPECT_EQ(size_t(kThreads * kEach), all.size());
}
