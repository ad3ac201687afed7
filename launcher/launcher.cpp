#include "launcher.h"

#include "adapter.h"
#include "copy_guard.h"
#include "linux-service.h"
#include "log.h"
#include "strtab.h"
#include "tidewell-service.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <climits>

namespace {
const char *const kComp = "launcher_debug";
}

HandlerThread::HandlerThread() : QThread(nullptr) {}

void HandlerThread::run()
{
    exec();
}

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags())
{
    QFont font("Arial", -1, -1, false);
    const QString icon_path = QString::fromUtf8(Service::GetRootTidewellResourceInstallPath().c_str()) +
                              "/images/ico_72_tidewell.png";
    setWindowTitle(StrTable::LoadStr(StrTable::ID_PRODUCT_NAME));
    setWindowIcon(QIcon(icon_path));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setLabelText(StrTable::LoadStr(StrTable::ID_INITIALIZING));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
}

Worker::Worker() : QObject(nullptr), m_handler_thread(nullptr), m_service(nullptr)
{
    m_service = new LinuxService();
    m_handler_thread = new HandlerThread();
    moveToThread(m_handler_thread);
}

Worker::~Worker()
{
    delete m_handler_thread;
    m_handler_thread = nullptr;
    delete m_service;
    m_service = nullptr;
}

void Worker::StartThread()
{
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    m_handler_thread->quit();
}

void Worker::JoinThread()
{
    m_handler_thread->wait(ULONG_MAX);
}

void Worker::WaitSequenceDone()
{
    m_sequence_done.acquire();
    m_sequence_done.release(); // stays signalled for later waiters
}

void Worker::HandleServicce()
{
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] launcher(%d): running\n");
    {
        // Launchers of other package installations, or of other machines
        // sharing the home, would otherwise replace the copy at the same
        // time. Taken before the versions are read, so a launcher that waited
        // decides with what the holder left; it waits here, off the GUI
        // thread. Released before the start script, which may run for long.
        CopyGuard guard(Service::GetUserTidewellInstallPath());
        m_service->PreUpgrade();
        if (!m_service->IsNeedUpgrade()) {
            TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] launcher(%d): no need to upgrade\n");
        } else {
            emit sigShowMsg();
            if (m_service->HandlePackageUpgrade() != 0) {
                TW_LOG(Logger::L_ERR, kComp, "[ERROR] launcher(%d): Failed to upgrade package\n");
            } else {
                emit sigUpdateProgress(100, 100);
                emit sigSetLabelText(StrTable::LoadStr(StrTable::ID_READY));
            }
        }
        // Also a change below the per-user folder: two removals of one tree
        // at once would report each other's work as failures.
        m_service->RemoveAgedFolders();
    }
    m_service->PostUpgrade();
    TW_LOG(Logger::L_DEBUG, kComp, "[DEBUG] launcher(%d): done\n");
    emit sigServiceDone();
    m_sequence_done.release();
}

Launcher::Launcher() : QObject(nullptr), m_worker(nullptr), m_progress(nullptr), m_started(false)
{
    m_worker = new Worker();
    m_progress = new ProcessingProgressDialog();
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);

    connect(this, SIGNAL(sigStart()), m_worker, SLOT(HandleServicce()));
    connect(m_worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
    connect(m_worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
    connect(m_worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
    connect(m_worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateProgress(int, int)), this,
            SLOT(UpdateProgress(int, int)));
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateDialogText(QString)), this,
            SLOT(SetLabelText(QString)));
}

// The event loop may have ended early (the dialog closed by the window manager
// takes the last window with it): the sequence still runs to its end, so the
// client is started and no upgrade is cut off, and the thread is joined before
// anything that runs on it is deleted.
Launcher::~Launcher()
{
    if (m_worker) {
        if (m_started)
            m_worker->WaitSequenceDone();
        m_worker->QuitThread();
        m_worker->JoinThread();
    }
    delete m_worker;
    m_worker = nullptr;
    delete m_progress;
    m_progress = nullptr;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    m_started = true;
    emit sigStart();
}

int Launcher::Percent(int total, int steps)
{
    if (total <= 0)
        return 0;
    return static_cast<int>(static_cast<qint64>(steps) * 100 / total);
}

void Launcher::LaunchDone()
{
    m_progress->setValue(100);
    m_progress->hide();
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps)
{
    m_progress->setValue(Percent(total, steps));
}

void Launcher::SetLabelText(const QString &label)
{
    m_progress->setLabelText(label);
}

void Launcher::ShowMsgBox()
{
    m_progress->show();
}
