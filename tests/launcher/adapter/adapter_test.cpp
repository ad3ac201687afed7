#include "adapter.h"
#include "qt_app.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <thread>
#include <vector>

namespace {

::testing::Environment *const core_app_env =
    ::testing::AddGlobalTestEnvironment(new tw_test::CoreAppEnvironment);

// Drops every connection of the adapter; true when there was one.
bool DisconnectAll()
{
    return QObject::disconnect(&Notify_Adapter::GetInstance(), nullptr, nullptr, nullptr);
}

// One delivery as a receiver on the main thread saw it.
struct Delivery {
    bool is_text;
    int total;
    int current;
    QString text;
    bool on_main_thread;
};

// Records both signals, in the order they arrive, through a context object living on the
// main thread, the way the launcher receives them.
class MainThreadRecorder {
public:
    MainThreadRecorder()
    {
        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        QObject::connect(&ad, &Notify_Adapter::sigUpdateProgress, &m_context, [this](int total, int current) {
            log.push_back({false, total, current, QString(), OnMainThread()});
        });
        QObject::connect(&ad, &Notify_Adapter::sigUpdateDialogText, &m_context, [this](QString text) {
            log.push_back({true, 0, 0, text, OnMainThread()});
        });
    }

    std::vector<Delivery> log;

private:
    static bool OnMainThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }
    QObject m_context; // disconnects both on destruction
};

// Runs `fn` on a fresh QThread and waits for it; meanwhile the main thread handles no events.
template <typename Fn> void RunOnOtherThread(Fn fn)
{
    QThread *thread = QThread::create(fn);
    thread->start();
    ASSERT_TRUE(thread->wait());
    delete thread;
}

TEST(NotifyAdapter, CallsWithNothingConnectedAreHarmless)
{
    ASSERT_FALSE(DisconnectAll()) << "an earlier test left a connection behind";
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    ad.UpdateProgress(3, 1);
    ad.UpdateProgress(0, 0);
    ad.UpdateDialogText(QStringLiteral("Tidewell Backup is initializing..."));
    ad.UpdateDialogText(QString());
    RunOnOtherThread([&ad] {
        ad.UpdateProgress(3, 2);
        ad.UpdateDialogText(QStringLiteral("x"));
    });
    QCoreApplication::sendPostedEvents();
}

TEST(NotifyAdapter, EveryCallerGetsTheSameInstance)
{
    // Both threads are released together so that, when this runs first in its process, they
    // race for the construction itself.
    std::atomic<bool> go{false};
    Notify_Adapter *seen[2] = {nullptr, nullptr};
    auto grab = [&go](Notify_Adapter **out) {
        while (!go.load()) {
            std::this_thread::yield();
        }
        *out = &Notify_Adapter::GetInstance();
    };
    std::thread a(grab, &seen[0]);
    std::thread b(grab, &seen[1]);
    go.store(true);
    a.join();
    b.join();
    ASSERT_NE(seen[0], nullptr);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0], &Notify_Adapter::GetInstance());
    EXPECT_EQ(&Notify_Adapter::GetInstance(), &Notify_Adapter::GetInstance());
}

TEST(NotifyAdapter, ArgumentsGoOutUnchanged)
{
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    QSignalSpy progress(&ad, &Notify_Adapter::sigUpdateProgress);
    QSignalSpy text(&ad, &Notify_Adapter::sigUpdateDialogText);

    const std::pair<int, int> pairs[] = {{3, 1}, {100, 100}, {0, 0}, {-1, -7}, {INT_MAX, INT_MIN}, {2, 5}};
    for (const auto &p : pairs) {
        ad.UpdateProgress(p.first, p.second);
    }
    const QString texts[] = {QString(), QStringLiteral(""), QStringLiteral("Tidewell Backup is ready."),
                             QStringLiteral("a\nb\\n"), QString::fromUtf8("Tidewell Backup 正在初始化...")};
    for (const QString &t : texts) {
        ad.UpdateDialogText(t);
    }

    ASSERT_EQ(progress.count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(progress.at(i).at(0).toInt(), pairs[i].first) << i;
        EXPECT_EQ(progress.at(i).at(1).toInt(), pairs[i].second) << i;
    }
    ASSERT_EQ(text.count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(text.at(i).at(0).toString(), texts[i]) << i;
    }
    EXPECT_EQ(progress.count(), 6) << "no signal crossed over";
}

TEST(NotifyAdapter, ReportsFromAnotherThreadArriveQueuedInEmissionOrder)
{
    MainThreadRecorder rec;
    RunOnOtherThread([] {
        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        ad.UpdateDialogText(QStringLiteral("Tidewell Backup is initializing..."));
        for (int done = 1; done <= 3; ++done) {
            ad.UpdateProgress(3, done);
        }
        ad.UpdateDialogText(QStringLiteral("Tidewell Backup is ready."));
    });
    // The emitter has finished, yet nothing ran: each report waits in the main thread's queue.
    EXPECT_TRUE(rec.log.empty());

    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(rec.log.size(), 5u);
    EXPECT_TRUE(rec.log[0].is_text);
    EXPECT_EQ(rec.log[0].text, QStringLiteral("Tidewell Backup is initializing..."));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(rec.log[i].is_text);
        EXPECT_EQ(rec.log[i].total, 3);
        EXPECT_EQ(rec.log[i].current, i);
    }
    EXPECT_TRUE(rec.log[4].is_text);
    EXPECT_EQ(rec.log[4].text, QStringLiteral("Tidewell Backup is ready."));
    for (const Delivery &d : rec.log) {
        EXPECT_TRUE(d.on_main_thread);
    }
}

TEST(NotifyAdapter, BusyReceiverLosesAndMergesNothing)
{
    constexpr int total = 5000;
    MainThreadRecorder rec;
    // The main thread is blocked for the whole run, so every report piles up in its queue.
    RunOnOtherThread([] {
        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        for (int done = 1; done <= total; ++done) {
            ad.UpdateProgress(total, done);
            if (done % 1000 == 0) {
                QString text = QStringLiteral("at %1").arg(done);
                ad.UpdateDialogText(text);
                text = QStringLiteral("changed after sending"); // the queued copy must not see this
            }
        }
    });
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(rec.log.size(), static_cast<size_t>(total + total / 1000));
    int expected_done = 1;
    for (size_t i = 0; i < rec.log.size(); ++i) {
        const Delivery &d = rec.log[i];
        if (d.is_text) {
            EXPECT_EQ(d.text, QStringLiteral("at %1").arg(expected_done - 1)) << i;
            continue;
        }
        ASSERT_EQ(d.total, total) << i;
        ASSERT_EQ(d.current, expected_done) << i;
        ++expected_done;
    }
    EXPECT_EQ(expected_done, total + 1);
}

TEST(NotifyAdapter, ReceiverOnTheEmittingThreadIsCalledAtOnce)
{
    MainThreadRecorder rec;
    Notify_Adapter::GetInstance().UpdateProgress(10, 4);
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].current, 4);
}

} // namespace
