// The launcher shell: a worker thread runs the upgrade sequence while the GUI
// thread owns the progress dialog; the two talk only through queued signals.
#ifndef TIDEWELL_LAUNCHER_H
#define TIDEWELL_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QSemaphore>
#include <QString>
#include <QThread>

class Service;

class HandlerThread : public QThread {
    Q_OBJECT
public:
    HandlerThread();

protected:
    void run() override;
};

class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ProcessingProgressDialog();
};

class Worker : public QObject {
    Q_OBJECT
public:
    Worker();
    virtual ~Worker();

    void StartThread();
    void QuitThread();
    void JoinThread();
    // Blocks until a requested upgrade sequence has run to its end.
    void WaitSequenceDone();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int done);
    void sigSetLabelText(const QString &label);

private slots:
    void HandleServicce();

private:
    friend class LauncherProbe;

    HandlerThread *m_handler_thread;
    Service *m_service;
    QSemaphore m_sequence_done;
};

class Launcher : public QObject {
    Q_OBJECT
public:
    Launcher();
    virtual ~Launcher();

    void Run();
    void Start();

    // Percentage shown for `steps` of `total`, without overflow for any positive total.
    static int Percent(int total, int steps);

signals:
    void sigStart();

private slots:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString &label);
    void ShowMsgBox();

private:
    friend class LauncherProbe; // tests reach the dialog and the worker's signals

    Worker *m_worker;
    ProcessingProgressDialog *m_progress;
    bool m_started;
};

#endif
