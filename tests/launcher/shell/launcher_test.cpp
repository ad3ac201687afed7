// The launcher shell on the offscreen platform: the dialog's properties, the
// progress arithmetic and the order in which queued reports arrive.
#include "adapter.h"
#include "archive_writer.h"
#include "launcher.h"
#include "process.h"
#include "strtab.h"
#include "temp_tree.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <sstream>

class LauncherProbe {
public:
    static ProcessingProgressDialog *Dialog(Launcher &l) { return l.m_progress; }
    static Worker *TheWorker(Launcher &l) { return l.m_worker; }
};

namespace {

// Runs `body` on a thread of its own and waits for it.
template <typename F> void OnOtherThread(F body)
{
    QThread *thread = QThread::create(body);
    thread->start();
    thread->wait();
    delete thread;
}

QString LabelOf(QProgressDialog *dialog)
{
    QLabel *label = dialog->findChild<QLabel *>();
    return label ? label->text() : QString();
}

TEST(LauncherShell, DialogHasTheLauncherLook)
{
    Launcher launcher;
    ProcessingProgressDialog *d = LauncherProbe::Dialog(launcher);
    EXPECT_EQ(d->windowTitle(), QString("Tidewell Backup"));
    EXPECT_EQ(LabelOf(d), QString("Tidewell Backup is initializing..."));
    EXPECT_EQ(d->minimum(), 0);
    EXPECT_EQ(d->maximum(), 100);
    EXPECT_EQ(d->value(), 0);
    EXPECT_FALSE(d->autoReset());
    EXPECT_EQ(d->findChild<QPushButton *>(), nullptr) << "the dialog must have no cancel button";
    EXPECT_EQ(d->minimumWidth(), 400);
    EXPECT_EQ(d->maximumWidth(), 400);
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(d->styleSheet(),
              QString(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
    EXPECT_EQ(d->font().family(), QString("Arial"));
    EXPECT_FALSE(d->isVisible());
    const Qt::WindowFlags flags = d->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
}

TEST(LauncherShell, PercentagesAreIntegralAndNeverOverflow)
{
    struct Case {
        int total, steps, percent;
    } cases[] = {
        {3, 1, 33},
        {3, 2, 66},
        {3, 3, 100},
        {100, 100, 100},
        {7, 0, 0},
        {30000000, 29999999, 99},
        {INT_MAX, INT_MAX, 100},
        {INT_MAX, INT_MAX / 2, 49},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Launcher::Percent(c.total, c.steps), c.percent) << c.total << " " << c.steps;
}

TEST(LauncherShell, ReportsFromTheWorkerThreadArriveInEmissionOrder)
{
    Launcher launcher;
    ProcessingProgressDialog *d = LauncherProbe::Dialog(launcher);
    Worker *worker = LauncherProbe::TheWorker(launcher);
    std::vector<int> seen;
    QObject::connect(d->findChild<QProgressBar *>(), &QProgressBar::valueChanged,
                     [&](int v) { seen.push_back(v); });

    // Emitted before any event loop runs: queued, then delivered in order.
    OnOtherThread([&] {
        Notify_Adapter::GetInstance().UpdateDialogText("from the adapter");
        Notify_Adapter::GetInstance().UpdateProgress(3, 1);
        Notify_Adapter::GetInstance().UpdateProgress(3, 2);
        emit worker->sigSetLabelText("from the worker");
        Notify_Adapter::GetInstance().UpdateProgress(3, 3);
    });
    EXPECT_EQ(LabelOf(d), QString("Tidewell Backup is initializing..."));
    EXPECT_TRUE(seen.empty());
    QTRY_COMPARE(d->value(), 100);
    EXPECT_EQ(seen, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(LabelOf(d), QString("from the worker")) << "the last label delivered wins";

    OnOtherThread([&] {
        emit worker->sigSetLabelText("worker first");
        Notify_Adapter::GetInstance().UpdateDialogText("adapter last");
    });
    QTRY_COMPARE(LabelOf(d), QString("adapter last"));
}

TEST(LauncherShell, ShowMsgBoxShowsTheDialogAndLaunchDoneEndsTheRun)
{
    Launcher launcher;
    ProcessingProgressDialog *d = LauncherProbe::Dialog(launcher);
    Worker *worker = LauncherProbe::TheWorker(launcher);
    launcher.Run();
    OnOtherThread([&] { emit worker->sigShowMsg(); });
    QTRY_VERIFY(d->isVisible());
    OnOtherThread([&] { emit worker->sigServiceDone(); });
    // LaunchDone runs once the event loop delivers the queued signal, and ends that loop.
    const int ret = qApp->exec();
    EXPECT_EQ(ret, 0);
    EXPECT_EQ(d->value(), 100);
    EXPECT_FALSE(d->isVisible());
}

// The whole sequence in a copy of this program laid out as a package
// installation: the real worker, service and extractor report to the real slots.
TEST(LauncherShell, BarFollowsTheEntriesUpToReady)
{
    tw_test::TempTree tree;
    const std::string root = tree / "root";
    tw_test::CopyExecutable(tw_test::SelfPath(), root + "/bin/shell_tests");
    tw_test::WriteFile(root + "/INFO", "[Version]\nbuild_version=3001\n");
    tw_test::ArchiveWriter archive(tw_test::ArchiveFormat::Pax, tw_test::ArchiveFilter::Gzip);
    archive.File("INFO", "[Version]\nbuild_version=3001\n")
        .Dir("bin")
        .File("bin/tidewell-backup-ui", "", 0755);
    for (int i = 0; i < 47; ++i)
        archive.File("data/file" + std::to_string(i), std::string(100 * i, 'x'));
    tw_test::MakeDirs(root + "/package");
    ASSERT_EQ(archive.Write(root + "/package/tidewell.qpk"), "");

    tw_test::ProcessOptions opts;
    opts.env["HOME"] = tree.mkdir("home");
    opts.env["QT_QPA_PLATFORM"] = "offscreen";
    opts.env["TW_SHELL_RUN_SEQUENCE"] = "1";
    tw_test::ProcessResult r = tw_test::RunProcess({root + "/bin/shell_tests"}, opts);
    ASSERT_EQ(r.exit_code, 0) << r.err;

    std::vector<int> values;
    std::string label;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("value ", 0) == 0)
            values.push_back(std::stoi(line.substr(6)));
        else if (line.rfind("label ", 0) == 0)
            label = line.substr(6);
    }
    ASSERT_GE(values.size(), 10u) << r.out;
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << r.out;
    EXPECT_EQ(values.back(), 100);
    EXPECT_EQ(label, "Tidewell Backup is ready.");
}

// Child side of BarFollowsTheEntriesUpToReady: runs the launcher as main does
// and prints every value the bar takes, then the last label.
int RunSequence(int argc, char **argv)
{
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    auto *launcher = new Launcher();
    ProcessingProgressDialog *dialog = LauncherProbe::Dialog(*launcher);
    QObject::connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, [](int v) {
        // Flushed at once: a child forked later (the start script) must not
        // inherit buffered lines that an exit of its own could print again.
        printf("value %d\n", v);
        fflush(stdout);
    });
    launcher->Run();
    launcher->Start();
    const int ret = app.exec();
    printf("label %s\n", LabelOf(dialog).toUtf8().constData());
    delete launcher;
    return ret;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("TW_SHELL_RUN_SEQUENCE"))
        return RunSequence(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests never need a display (test discovery runs without the test's environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    return RUN_ALL_TESTS();
}
