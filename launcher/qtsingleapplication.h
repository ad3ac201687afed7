// One launcher per user and installed executable. A small replacement for the
// Qt Solutions component, with only what the launcher uses: construction and
// isRunning(). The rendezvous is chosen from fixed places only, never from the
// environment (XDG_RUNTIME_DIR, TMPDIR, the session), so every launcher of the
// user meets there: ~/.TidewellBackup/.run, or /run/user/<uid> when the home
// cannot hold it. Either must be a folder only the user can write or enter,
// so no other local user can block or impersonate someone's launcher.
#ifndef TIDEWELL_QTSINGLEAPPLICATION_H
#define TIDEWELL_QTSINGLEAPPLICATION_H

#include <QApplication>
#include <QString>

#include <memory>

class FileLock;
class QLocalServer;

class QtSingleApplication : public QApplication {
    Q_OBJECT
public:
    // GUIenabled is accepted for compatibility; the launcher always has a GUI.
    QtSingleApplication(int &argc, char **argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another launcher of this user and executable holds the instance.
    bool isRunning() const;

    // Folder of the lock file and socket; empty when no private folder was found.
    QString rendezvousFolder() const { return m_folder; }

private:
    void claimInstance();

    QString m_folder;
    std::unique_ptr<FileLock> m_lock;
    QLocalServer *m_server;
    bool m_running;
};

#endif
