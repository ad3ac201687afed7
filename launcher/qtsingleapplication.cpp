#include "qtsingleapplication.h"

#include "copy_guard.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder open as a descriptor, closed with its holder.
class FolderFd {
public:
    FolderFd() = default;
    ~FolderFd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FolderFd(const FolderFd &) = delete;
    FolderFd &operator=(const FolderFd &) = delete;

    // Opens `path` when it is private: a real folder (not a link) that belongs
    // to us and that nobody else may write or enter. Checked on the open
    // descriptor, so the folder cannot be swapped between check and use.
    bool OpenPrivate(const QString &path)
    {
        const QByteArray native = QFile::encodeName(path);
        const int fd = open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat st;
        if (fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
            (st.st_mode & 077) != 0) {
            close(fd);
            return false;
        }
        m_fd = fd;
        return true;
    }

    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

bool MakeFolder(const QString &path, mode_t mode)
{
    const QByteArray native = QFile::encodeName(path);
    return mkdir(native.constData(), mode) == 0 || errno == EEXIST;
}

// The same answer for every environment of the user: the private folder in
// the per-user folder (made here, as the log is made only after this), else
// the user's runtime folder when the system made it private. That one is
// never made here: it belongs to the login manager.
QString OpenRendezvous(FolderFd &folder)
{
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != "/") {
        const QString install = home + "/.TidewellBackup";
        const QString run = install + "/.run";
        if (MakeFolder(install, 0777) && MakeFolder(run, 0700) && folder.OpenPrivate(run))
            return run;
    }
    const QString runtime = "/run/user/" + QString::number(getuid());
    if (folder.OpenPrivate(runtime))
        return runtime;
    return QString();
}

// The key names the executable, the user and the machine: two installations
// do not block each other, two users never share a rendezvous, and machines
// sharing the home over a network file system each keep their own launcher.
QString InstanceKey(const QString &executable)
{
    char host[HOST_NAME_MAX + 1] = {};
    gethostname(host, sizeof host - 1);
    const QByteArray seed =
        executable.toUtf8() + '\0' + QByteArray::number(getuid()) + '\0' + QByteArray(host);
    const QByteArray hash = QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex().left(16);
    return QString("tidewell-launcher-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv), m_server(nullptr), m_running(false)
{
    Q_UNUSED(GUIenabled);
    claimInstance();
}

QtSingleApplication::~QtSingleApplication()
{
    delete m_server;
    m_lock.reset(); // unlocks; the file stays, so later launchers lock the same one
}

bool QtSingleApplication::isRunning() const
{
    return m_running;
}

void QtSingleApplication::claimInstance()
{
    FolderFd folder;
    m_folder = OpenRendezvous(folder);
    if (m_folder.isEmpty())
        return; // no safe place to meet: run rather than leave the user without a client

    const QString key = InstanceKey(applicationFilePath());
    // A kernel lock, not a lock file with a process id in it: a launcher that
    // died, here or on another machine sharing the home, never holds it.
    std::unique_ptr<FileLock> lock(new FileLock);
    if (!lock->Open(folder.fd(), QFile::encodeName(key + ".lock").constData()))
        return;
    const FileLock::Result result = lock->TryLock();
    if (result != FileLock::LOCKED) {
        m_running = result == FileLock::BUSY;
        return;
    }
    m_lock = std::move(lock);

    // The holder also listens, so the instance can be reached by its socket.
    const QString socket = m_folder + "/" + key + ".sock";
    QLocalServer::removeServer(socket);
    m_server = new QLocalServer;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(socket);
}
