// The progress dialog as a user sees it, on a private X server: it appears
// for an upgrade, and closing it early cuts nothing short.
#include "launcher_runner.h"
#include "xvfb.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace tw_test;

namespace {

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server.reset(new XvfbServer); }
    static void TearDownTestSuite() { server.reset(); }

    WindowTest() : pkg(tree.path()), home(tree.mkdir("home")), tmp(tree.mkdir("tmp")), marks(tree / "marks")
    {
    }

    void SetUp() override
    {
        if (server->display().empty())
            GTEST_SKIP() << "Xvfb could not be started";
    }

    ProcessOptions Env() const
    {
        ProcessOptions opts = LauncherEnv(home, tmp);
        opts.env.erase("QT_QPA_PLATFORM");
        opts.unset.push_back("QT_QPA_PLATFORM");
        opts.env["DISPLAY"] = server->display();
        return opts;
    }

    // The package build 3001 whose start script sleeps `seconds`.
    void InstallPackage(const std::string &seconds)
    {
        pkg.WriteInfo("3001");
        pkg.InstallPackage(WriteClientPackage(tree / "pkg.tgz", "3001", MarkingStartScript(marks, seconds)));
    }

    std::string Marks() const { return ReadFile(marks); }

    static std::unique_ptr<XvfbServer> server;
    TempTree tree;
    PackageInstall pkg;
    Home home;
    std::string tmp;
    std::string marks;
};

std::unique_ptr<XvfbServer> WindowTest::server;

TEST_F(WindowTest, UpgradeShowsTheDialogUntilTheLauncherEnds)
{
    InstallPackage("0");
    // An old copy whose client ignores SIGTERM keeps the dialog up for a few seconds.
    InstallUserCopy(home, "3000", tree / "old-marks");
    const std::string client = home.app() + "/bin/tidewell-backup-ui";
    CopyExecutable(TW_STANDIN_CLIENT, client);
    pid_t old_client = SpawnDetached(
        {client, "--pid-file", home.install() + "/ui.pid", "--on-term", "ignore", "--lifetime", "60"});
    ASSERT_TRUE(WaitUntil([&] { return Exists(home.install() + "/ui.pid"); }));

    pid_t launcher = SpawnProcess({pkg.launcher()}, Env());
    const std::string window = server->WaitForWindow("Tidewell Backup");
    ASSERT_FALSE(window.empty()) << "no window titled 'Tidewell Backup' appeared";
    EXPECT_EQ(server->WindowWidth(window), 400);
    usleep(300000); // let the first paint land before the picture is taken
    EXPECT_TRUE(server->Screenshot(window, ArtefactDir() + "/dialog-upgrade.png"));

    EXPECT_EQ(WaitProcess(launcher, 60), 0);
    EXPECT_FALSE(server->WindowExists(window));
    EXPECT_TRUE(WaitGone(old_client, 5)) << "the old client must have been killed";
    EXPECT_NE(ReadFile(home.app() + "/INFO").find("build_version=3001"), std::string::npos);
    EXPECT_EQ(CountLines(Marks(), "start"), 1);
}

TEST_F(WindowTest, UpToDateCopyStartsWithoutAnyWindow)
{
    InstallPackage("0");
    const std::string release = tree / "release";
    InstallUserCopy(home, "3001", tree / "old-marks", release);
    pid_t launcher = SpawnProcess({pkg.launcher()}, Env());
    // The start script holds the launcher for as long as the test looks.
    ASSERT_TRUE(WaitUntil([&] { return CountLines(ReadFile(tree / "old-marks"), "start") == 1; }));
    EXPECT_EQ(server->WaitForWindow("Tidewell Backup", 2), "") << "no dialog without an upgrade";
    WriteFile(release, "");
    EXPECT_EQ(WaitProcess(launcher, 60), 0);
}

struct EarlyEnd {
    const char *name;
    std::function<bool(const XvfbServer &, const std::string &)> act;
};

class EarlyEndTest : public WindowTest, public ::testing::WithParamInterface<EarlyEnd> {};

// Whatever ends the dialog while the worker still runs, the start script runs
// to its end, the launcher waits for it, and exits normally.
TEST_P(EarlyEndTest, WorkerStillRunsToItsEnd)
{
    InstallPackage("3");
    pid_t launcher = SpawnProcess({pkg.launcher()}, Env());
    const std::string window = server->WaitForWindow("Tidewell Backup");
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return CountLines(Marks(), "start") == 1; })) << "the start script never ran";
    ASSERT_TRUE(GetParam().act(*server, window));
    EXPECT_TRUE(WaitUntil([&] { return !server->WindowExists(window); }, 10)) << "the dialog stayed up";

    EXPECT_EQ(WaitProcess(launcher, 60), 0);
    EXPECT_EQ(CountLines(Marks(), "done"), 1) << "the launcher ended before its start script";
    EXPECT_NE(ReadFile(home.app() + "/INFO").find("build_version=3001"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Dialog, EarlyEndTest,
                         ::testing::Values(EarlyEnd{"ClosedByTheWindowManager",
                                                    [](const XvfbServer &x, const std::string &w) {
                                                        return x.CloseLikeAWindowManager(w);
                                                    }},
                                           EarlyEnd{"EscapePressed",
                                                    [](const XvfbServer &x, const std::string &w) {
                                                        return x.PressKey(w, "Escape");
                                                    }}),
                         [](const ::testing::TestParamInfo<EarlyEnd> &info) {
                             return std::string(info.param.name);
                         });

struct Language {
    const char *name;
    const char *locale;
    const char *code;
};

class LanguageTest : public WindowTest, public ::testing::WithParamInterface<Language> {
protected:
    // The dialog of an upgrade in `locale`, kept as a screenshot; returns the
    // pixels of the label's strip, so that two languages can be told apart.
    std::string LabelPixels(const std::string &locale, const std::string &png)
    {
        InstallPackage("0");
        InstallUserCopy(home, "3000", tree / "old-marks");
        // A client that takes two seconds to end holds the dialog at its first label.
        const std::string client = home.app() + "/bin/tidewell-backup-ui";
        CopyExecutable(TW_STANDIN_CLIENT, client);
        pid_t old_client = SpawnDetached(
            {client, "--pid-file", home.install() + "/ui.pid", "--on-term", "ignore", "--lifetime", "2"});
        EXPECT_TRUE(WaitUntil([&] { return Exists(home.install() + "/ui.pid"); }));

        ProcessOptions opts = Env();
        opts.env["LANG"] = locale;
        opts.env["LC_ALL"] = locale;
        pid_t launcher = SpawnProcess({pkg.launcher()}, opts);
        const std::string window = server->WaitForWindow("Tidewell Backup");
        std::string pixels;
        if (!window.empty()) {
            usleep(300000);
            EXPECT_TRUE(server->Screenshot(window, png));
            pixels = server->Run({"convert", png, "-crop", "400x32+0+0", "-depth", "8", "rgb:-"}).out;
        }
        EXPECT_EQ(WaitProcess(launcher, 60), 0);
        WaitGone(old_client, 10);
        return pixels;
    }
};

TEST_P(LanguageTest, DialogSpeaksTheUsersLanguage)
{
    const std::string dir = ArtefactDir();
    const std::string english = LabelPixels("en_US.UTF-8", dir + "/dialog-enu.png");
    RemoveTree(home.path);
    MakeDirs(home.path);
    const std::string translated =
        LabelPixels(GetParam().locale, dir + "/dialog-" + GetParam().code + ".png");
    ASSERT_FALSE(english.empty());
    ASSERT_FALSE(translated.empty());
    EXPECT_NE(english, translated) << "the label looks the same as the English one";
}

INSTANTIATE_TEST_SUITE_P(Locales, LanguageTest,
                         ::testing::Values(Language{"German", "de_DE.UTF-8", "deu"},
                                           Language{"TraditionalChinese", "zh_TW.UTF-8", "cht"},
                                           Language{"Japanese", "ja_JP.UTF-8", "jpn"},
                                           Language{"Russian", "ru_RU.UTF-8", "rus"}),
                         [](const ::testing::TestParamInfo<Language> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
