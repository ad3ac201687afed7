// The sample client of the demo package: a small window that says which build
// runs. Like the real client it records itself in "ui.pid" in the per-user
// installation folder while it runs and ends on SIGTERM.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signal_pipe[2] = {-1, -1};

void OnTerminate(int)
{
    const char byte = 1;
    ssize_t ignored = write(g_signal_pipe[1], &byte, 1);
    (void)ignored;
}

// bin/ -> Tidewell.app/ -> .TidewellBackup/
QString InstallFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../..");
}

QString BuildNumber()
{
    QSettings info(QCoreApplication::applicationDirPath() + "/../INFO", QSettings::IniFormat);
    info.beginGroup("Version");
    return info.value("build_version", "unknown").toString();
}

QByteArray PidLine()
{
    return QByteArray("pid=") + QByteArray::number(qint64(getpid())) + "\n";
}

// Written beside it and renamed over it, so a reader never sees a half-written
// file and a start script never takes a torn number for a stale one.
bool WritePidFile(const QString &path)
{
    QByteArray temp = QFile::encodeName(path) + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    const QByteArray line = PidLine();
    bool ok = write(fd, line.constData(), size_t(line.size())) == line.size() && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    unlink(temp.constData());
    return false;
}

// Another instance may have recorded itself since; its file stays.
void RemoveOwnPidFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const bool own = file.read(64) == PidLine();
    file.close();
    if (own)
        QFile::remove(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Signals arrive on a socket so the event loop, not the handler, ends the app.
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_signal_pipe) != 0)
        return 1;
    QSocketNotifier notifier(g_signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction sa = {};
    sa.sa_handler = OnTerminate;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    const QString pid_file = InstallFolder() + "/ui.pid";
    WritePidFile(pid_file);

    QWidget window;
    window.setWindowTitle("Tidewell Backup sample client");
    QVBoxLayout layout(&window);
    QLabel title("Tidewell Backup (sample client)");
    QFont big = title.font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title.setFont(big);
    QLabel build("Build " + BuildNumber() + " is running.");
    QLabel where("Installed in " + QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/.."));
    layout.addWidget(&title);
    layout.addWidget(&build);
    layout.addWidget(&where);
    window.resize(420, 140);
    window.show();

    const int ret = app.exec();
    RemoveOwnPidFile(pid_file);
    return ret;
}
