#include "config.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "temp_tree.h"

namespace {

typedef std::vector<std::pair<std::string, std::string>> Entries;

Entries EntriesOf(const Config &config)
{
    Entries out;
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it)
        out.emplace_back(it->first.c_str(), it->second.c_str());
    return out;
}

struct ReadCase {
    const char *name;
    std::string content;
    int result;
    Entries entries;
};

std::string Line(size_t length, char fill, const std::string &head = std::string())
{
    return head + std::string(length - head.size(), fill);
}

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

class ConfigRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ConfigRead, GivesResultAndEntries)
{
    const ReadCase &c = GetParam();
    tw_test::TempTree tree;
    Config config;
    EXPECT_EQ(config.read(ustring(tree.write("file", c.content).c_str())), c.result);
    EXPECT_EQ(EntriesOf(config), c.entries);
}

const ReadCase kReadCases[] = {
    {"PidLine", "pid=42\n", 0, {{"pid", "42"}}},
    {"BlankAndCommentLinesSkipped", "\n   \n# note\n \t # indented\n", 0, {}},
    {"BlanksAroundEquals", "key = value\n", 0, {{"key", "value"}}},
    {"TrailingComment", "key=value   # why\n", 0, {{"key", "value"}}},
    {"TabsAndCrLf", "\tkey\t=\tvalue\t\r\n", 0, {{"key", "value"}}},
    {"HashInsideUnquotedValue", "key=a#b\n", 0, {{"key", "a#b"}}},
    {"EqualsInsideValue", "key=a=b\n", 0, {{"key", "a=b"}}},
    {"Utf8Value", "key=caf\xC3\xA9\n", 0, {{"key", "caf\xC3\xA9"}}},
    {"TwoWordsUnquoted", "key=two words\n", -1, {}},
    {"TwoWordsDoubleQuoted", "key=\"two words\"\n", 0, {{"key", "two words"}}},
    {"TwoWordsSingleQuoted", "key='two words'\n", 0, {{"key", "two words"}}},
    {"OtherQuoteInside", "a=\"it's\"\nb='say \"hi\"'\n", 0, {{"a", "it's"}, {"b", "say \"hi\""}}},
    {"QuotedThenComment", "key = 'v' # c\n", 0, {{"key", "v"}}},
    {"EmptyDoubleQuotes", "key=\"\"\n", 0, {{"key", ""}}},
    {"EmptySingleQuotes", "key=''\n", 0, {{"key", ""}}},
    {"EmptyUnquotedValue", "key=\n", -1, {}},
    {"BlanksOnlyValue", "key=   \n", -1, {}},
    {"UnterminatedQuote", "key=\"abc\n", -1, {}},
    {"TabInsideQuotes", "key=\"a\tb\"\n", -1, {}},
    {"TextAfterQuotedValue", "key=\"v\" x\n", -1, {}},
    {"DeleteByteEndsValue", "key=a\x7f\n", -1, {}},
    {"KeyAloneWithLineFeed", "key\n", -1, {}},
    {"KeyAloneAtEndOfFile", "a=1\nkey", 0, {{"a", "1"}}},
    {"KeyFollowedByHash", "key#note\n", 0, {}},
    {"InvalidLineClearsEarlierEntries", "a=1\nbad line\nb=2\n", -1, {}},
    {"LastValueWins", "k=1\nk=2\n", 0, {{"k", "2"}}},
    {"EmptyKey", "  = v\n", 0, {{"", "v"}}},
    {"EqualsAlone", "=\n", -1, {}},
    {"BlankInKey", "my key=1\n", -1, {}},
    {"ColonInKey", "k:ey=1\n", -1, {}},
    {"NonAsciiKey", "k\xC3\xA9y=1\n", -1, {}},
    {"KeyCharacters", "Az09-_.=x\n", 0, {{"Az09-_.", "x"}}},
    // A zero byte must not cut a value short ("42" read as "4") nor hide a line.
    {"ZeroByteInValue",
     std::string("pid=4\0"
                 "2\n",
                 8),
     -1,
     {}},
    {"ZeroByteInKey", std::string("a=1\nk\0=v\n", 9), -1, {}},
    {"LongestLine",
     Line(Config::max_line, 'v', "key=") + "\n",
     0,
     {{"key", Line(Config::max_line - 4, 'v')}}},
    {"LongestLineAtEndOfFile",
     Line(Config::max_line, 'v', "key="),
     0,
     {{"key", Line(Config::max_line - 4, 'v')}}},
    {"LongestKeyAloneIsStillInvalid", Line(Config::max_line, 'k') + "\n", -1, {}},
    {"LineTooLong", "a=1\n" + Line(Config::max_line + 1, 'v', "key=") + "\n", -1, {}},
    // The tail of an overlong comment must not come back as a setting.
    {"OverlongCommentHidesNoSetting", Line(Config::max_line, 'c', "#") + "x=y\na=1\n", -1, {}},
};

INSTANTIATE_TEST_SUITE_P(Config, ConfigRead, ::testing::ValuesIn(kReadCases),
                         [](const ::testing::TestParamInfo<ReadCase> &info) { return info.param.name; });

TEST(ConfigReadFile, FailuresAndAccumulation)
{
    tw_test::TempTree tree;
    Config config;
    EXPECT_EQ(config.read(ustring("")), -1);
    EXPECT_EQ(config.read(ustring((tree / "missing").c_str())), -1);
    EXPECT_TRUE(EntriesOf(config).empty());

    EXPECT_EQ(config.read(ustring(tree.write("a", "x=1\ny=1\n").c_str())), 0);
    EXPECT_EQ(config.read(ustring(tree.write("b", "y=2\nz=2\n").c_str())), 0);
    EXPECT_EQ(EntriesOf(config), (Entries{{"x", "1"}, {"y", "2"}, {"z", "2"}}));

    // A file that cannot be opened leaves what was read before.
    EXPECT_EQ(config.read(ustring((tree / "missing").c_str())), -1);
    EXPECT_EQ(EntriesOf(config).size(), 3u);

    // A read error is as untrustworthy as an invalid line.
    EXPECT_EQ(config.read(ustring(tree.mkdir("dir").c_str())), -1);
    EXPECT_TRUE(EntriesOf(config).empty());

    EXPECT_EQ(config.read(ustring(tree.write("c", "x=1\n").c_str())), 0);
    EXPECT_EQ(config.read(ustring(tree.write("d", "broken\n").c_str())), -1);
    EXPECT_TRUE(EntriesOf(config).empty());
}

TEST(ConfigStore, IndexOrderAndUnset)
{
    Config config;
    EXPECT_STREQ(config[ustring("missing")].c_str(), "");
    EXPECT_EQ(EntriesOf(config), (Entries{{"missing", ""}}));

    config.unset(ustring("missing"));
    config.unset(ustring("never-there"));
    config[ustring("b")] = "1";
    config[ustring("a")] = "2";
    config[ustring("_")] = "3";
    config[ustring("B")] = "4";
    // Byte order: upper case, underscore, lower case.
    EXPECT_EQ(EntriesOf(config), (Entries{{"B", "4"}, {"_", "3"}, {"a", "2"}, {"b", "1"}}));
}

TEST(ConfigStore, ConstructorReadsPath)
{
    tw_test::TempTree tree;
    Config config(ustring(tree.write("f", "pid=7\n").c_str()));
    EXPECT_EQ(EntriesOf(config), (Entries{{"pid", "7"}}));
    Config rejected(ustring(tree.write("g", "pid 7\n").c_str()));
    EXPECT_TRUE(EntriesOf(rejected).empty());
}

TEST(ConfigStore, TypedGetters)
{
    Config config;
    const std::pair<const char *, const char *> values[] = {
        {"int", "42"},         {"neg", "-7"}, {"huge", "99999999999"}, {"word", "12abc"},
        {"blank", " 5"},       {"empty", ""}, {"t1", "TRUE"},          {"t2", "yes"},
        {"t3", "On"},          {"t4", "1"},   {"f1", "false"},         {"f2", "NO"},
        {"f3", "off"},         {"f4", "0"},   {"maybe", "maybe"},      {"max", "2147483647"},
        {"min", "-2147483648"}};
    for (const auto &v : values)
        config[ustring(v.first)] = v.second;

    EXPECT_EQ(config.get_int(ustring("int"), -1), 42);
    EXPECT_EQ(config.get_int(ustring("neg"), -1), -7);
    EXPECT_EQ(config.get_int(ustring("max"), -1), 2147483647);
    EXPECT_EQ(config.get_int(ustring("min"), -1), -2147483647 - 1);
    for (const char *bad : {"huge", "word", "blank", "empty", "absent"})
        EXPECT_EQ(config.get_int(ustring(bad), -1), -1) << bad;

    for (const char *yes : {"t1", "t2", "t3", "t4"})
        EXPECT_TRUE(config.get_bool(ustring(yes), false)) << yes;
    for (const char *no : {"f1", "f2", "f3", "f4"})
        EXPECT_FALSE(config.get_bool(ustring(no), true)) << no;
    EXPECT_TRUE(config.get_bool(ustring("maybe"), true));
    EXPECT_FALSE(config.get_bool(ustring("absent"), false));
}

TEST(ConfigWrite, RoundTripsEveryValueItCanWrite)
{
    tw_test::TempTree tree;
    const Entries values = {{"plain", "v"},
                            {"blank", "two words"},
                            {"empty", ""},
                            {"single", "it's"},
                            {"double", "say \"hi\" now"},
                            {"hash", "#x"},
                            {"quote-first", "'q"},
                            {"eq", "a=b"},
                            {"utf8", "caf\xC3\xA9"},
                            {"", "empty key"}};
    Config config;
    for (const auto &v : values)
        config[ustring(v.first.c_str())] = v.second.c_str();
    std::string path = tree / "out.conf";
    ASSERT_EQ(config.write(ustring(path.c_str())), 0);

    Config back;
    ASSERT_EQ(back.read(ustring(path.c_str())), 0) << tw_test::ReadFile(path);
    EXPECT_EQ(EntriesOf(back), EntriesOf(config));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(ConfigWrite, RefusesWhatCannotBeReadBackAndKeepsTheOldFile)
{
    tw_test::TempTree tree;
    std::string path = tree.write("keep.conf", "old=1\n", 0600);
    const Entries unwritable = {{"bad key", "v"},
                                {"k", "tab\there"},
                                {"k", "both ' and \" quotes"},
                                {"k", Line(Config::max_line, 'v')}};
    for (const auto &entry : unwritable) {
        Config config;
        config[ustring("fine")] = "1";
        config[ustring(entry.first.c_str())] = entry.second.c_str();
        EXPECT_EQ(config.write(ustring(path.c_str())), -1)
            << entry.first << "=" << entry.second.substr(0, 40);
    }
    EXPECT_EQ(tw_test::ReadFile(path), "old=1\n");

    Config config;
    config[ustring("new")] = "2";
    ASSERT_EQ(config.write(ustring(path.c_str())), 0);
    EXPECT_EQ(tw_test::ReadFile(path), "new=2\n");
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "an existing file keeps its mode";
    EXPECT_EQ(config.write(ustring((tree / "no-such-dir/f").c_str())), -1);
    EXPECT_EQ(config.write(ustring("")), -1);
}

} // namespace
