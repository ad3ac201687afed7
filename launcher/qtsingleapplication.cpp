#include "qtsingleapplication.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder is private when it is a real directory (not a link) that belongs to
// us and that nobody else may write or enter.
bool IsPrivateFolder(const QString &path)
{
    struct stat st;
    QByteArray native = QFile::encodeName(path);
    if (lstat(native.constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

bool EnsurePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsPrivateFolder(path);
}

// XDG_RUNTIME_DIR when it is sound; otherwise a per-user folder below the
// temporary folder, made by us with mode 0700. A folder planted by another
// user, or one others can write, is refused and the next candidate tried.
QString FindPrivateRuntimeFolder()
{
    QStringList candidates;
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty())
        candidates << QFile::decodeName(xdg);
    const QString uid = QString::number(getuid());
    candidates << QDir::tempPath() + "/tidewell-runtime-" + uid;
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != "/")
        candidates << home + "/.TidewellBackup/.run";
    for (const QString &candidate : candidates) {
        if (EnsurePrivateFolder(candidate))
            return candidate;
    }
    return QString();
}

// The key names the executable and the user, so two installations do not
// block each other and two users never share a rendezvous.
QString InstanceKey(const QString &executable)
{
    const QByteArray seed = executable.toUtf8() + '\0' + QByteArray::number(getuid());
    const QByteArray hash = QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex().left(16);
    return QString("tidewell-launcher-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv), m_lock(nullptr), m_server(nullptr), m_running(false)
{
    Q_UNUSED(GUIenabled);
    claimInstance();
}

QtSingleApplication::~QtSingleApplication()
{
    delete m_server;
    delete m_lock; // unlocks
}

bool QtSingleApplication::isRunning() const
{
    return m_running;
}

void QtSingleApplication::claimInstance()
{
    m_folder = FindPrivateRuntimeFolder();
    if (m_folder.isEmpty())
        return; // no safe place to meet: run rather than leave the user without a client

    const QString base = m_folder + "/" + InstanceKey(applicationFilePath());
    m_lock = new QLockFile(base + ".lock");
    // Only a dead holder makes the lock stale: an upgrade may take minutes.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_running = m_lock->error() == QLockFile::LockFailedError;
        delete m_lock;
        m_lock = nullptr;
        return;
    }

    // The holder also listens, so the instance can be reached by its socket.
    const QString socket = base + ".sock";
    QLocalServer::removeServer(socket);
    m_server = new QLocalServer;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(socket);
}
