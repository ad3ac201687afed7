// A package of 100,000 entries through the real extractor: every entry lands
// on disk, and the progress the dialog receives only ever moves forward,
// within int, and ends at (total, total).
#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "sandbox.h"
#include "strtab.h"

#include <QObject>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace tw_test;
using namespace tw_rel;

namespace {

// Creating 100,000 files on a disk that tests keep filling and emptying makes
// ext4 search long for free inodes; a memory file system keeps this test short.
std::string FastBase()
{
    return access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : "";
}

TEST(HundredThousandEntries, AllLandAndProgressOnlyMovesForward)
{
    TempTree tree(FastBase());
    tree.write("levels", "extractor_debug=4\n");
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, (tree / "extractor.log").c_str(),
                                    (tree / "levels").c_str(), 5));
    StrTable::InitStrTable();

    ClientPackage package("3000", "new", tree / "marks");
    package.Dir("many");
    for (int d = 0; d < 100; ++d) {
        const std::string folder = "many/" + std::to_string(d);
        package.Dir(folder);
        for (int f = 0; f < 999; ++f)
            package.File(folder + "/" + std::to_string(f), d % 10 == 0 ? std::to_string(f) : "");
    }
    const int entries = static_cast<int>(package.items().size());
    ASSERT_GE(entries, 100000);
    const std::string archive = tree / "package.qpk";
    package.Write(archive, ArchiveFormat::Pax, ArchiveFilter::Gzip);

    std::vector<std::pair<int, int>> reports;
    QObject context;
    QObject::connect(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress, &context,
                     [&reports](int total, int done) { reports.emplace_back(total, done); });
    const std::string target = tree.mkdir("target");
    Extractor extractor;
    extractor.SetSource(archive.c_str());
    extractor.SetTarget(target.c_str());
    ASSERT_EQ(0, extractor.Extract());

    ASSERT_EQ(static_cast<size_t>(entries), reports.size());
    int64_t last_percent = 0;
    for (size_t i = 0; i < reports.size(); ++i) {
        const int total = reports[i].first, done = reports[i].second;
        ASSERT_EQ(entries, total) << "report " << i;
        ASSERT_EQ(static_cast<int>(i) + 1, done) << "report " << i;
        // What the dialog computes must stay in int and never step back.
        ASSERT_LE(static_cast<int64_t>(done) * 100, INT_MAX);
        const int64_t percent = static_cast<int64_t>(done) * 100 / total;
        ASSERT_GE(percent, last_percent);
        ASSERT_LE(percent, 100);
        last_percent = percent;
    }
    EXPECT_EQ(100, last_percent);
    EXPECT_TRUE(SameTree(package.Expected(), TreeOf(target)));
}

} // namespace
