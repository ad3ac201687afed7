// Process-wide relay for progress reports from code that has no reference to the launcher.
#ifndef TIDEWELL_LAUNCHER_ADAPTER_H
#define TIDEWELL_LAUNCHER_ADAPTER_H

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    // The one instance, created on the first call (thread-safe) and destroyed at process exit.
    static Notify_Adapter &GetInstance();

    // Both emit at once and never wait for a receiver on another thread; the arguments go out
    // unchecked, so callers must never send a `total` of 0.
    void UpdateProgress(int total, int step);
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter();
    ~Notify_Adapter() override;
    Q_DISABLE_COPY(Notify_Adapter)
};

#endif
