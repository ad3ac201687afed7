// Process entry: prepare the process, refuse a second launcher of the same
// user, open the log, choose the language, then run the launcher's event loop.
// However it was started (a link, a bare name on PATH, no display, a standard
// output nobody reads), a run goes on to the start of the client.
#include "VarnLocale.h"
#include "launcher.h"
#include "log.h"
#include "posix_io.h"
#include "qtsingleapplication.h"
#include "strtab.h"
#include "tidewell-service.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTranslator>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <ctime>
#include <pthread.h>
#include <unistd.h>

int qInitResources_texts();

namespace {

void initialize_resources()
{
    setlocale(LC_ALL, "");
    qInitResources_texts();
}

// Textual on purpose, and printed as such: lib/plugins beside the folder of the
// launcher as it was invoked.
QString invoked_plugin_path(const char *bin)
{
    return QDir::cleanPath(QString::fromUtf8(bin) + "/../../lib/plugins");
}

// The folder beside the real executable comes first: the invoked path is only
// right when the launcher was started by its installed path (not through a
// link elsewhere, nor by a bare name from another folder). QCoreApplication
// cannot tell its own folder yet, so /proc is asked as it would ask.
void set_plugin_search_list(const QString &invoked)
{
    QStringList paths;
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!exe.isEmpty())
        paths << QDir::cleanPath(QFileInfo(exe).absolutePath() + "/../lib/plugins");
    if (paths.isEmpty() || QDir::cleanPath(QFileInfo(invoked).absoluteFilePath()) != paths.first())
        paths << invoked;
    QCoreApplication::setLibraryPaths(paths);
}

// Standard output is an interface, but nobody has to read it: SIGPIPE is held
// back for this one write and discarded if it was raised, so a closed pipe does
// not end the run, while the start script still inherits SIGPIPE unblocked and
// at its default.
void print_plugin_path(const QString &path)
{
    const QByteArray line = "lib path = '" + path.toUtf8() + "'\n";
    sigset_t pipe_signal, previous;
    sigemptyset(&pipe_signal);
    sigaddset(&pipe_signal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_signal, &previous);
    WriteAll(STDOUT_FILENO, line.constData(), static_cast<size_t>(line.size()));
    const struct timespec no_wait = {0, 0};
    sigtimedwait(&pipe_signal, nullptr, &no_wait);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

const char *const kPlatformVariable = "QT_QPA_PLATFORM";

// QT_QPA_PLATFORM as the launcher found it; the launcher's own list is only for
// its application object, never for the processes it starts.
struct PlatformRequest {
    bool was_set = false;
    QByteArray value;
    bool changed = false; // the offscreen fallback was added
};

bool names_offscreen(const QByteArray &platforms)
{
    for (const QByteArray &entry : platforms.split(';'))
        if (entry.split(':').first().trimmed().toLower() == "offscreen")
            return true;
    return false;
}

bool platform_on_command_line(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (strcmp(argv[i], "-platform") == 0 || strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// What Qt 5 tries when nothing is named: wayland, then xcb, in a Wayland
// session; xcb otherwise.
QByteArray default_platforms()
{
    return qgetenv("XDG_SESSION_TYPE") == "wayland" ? QByteArray("wayland;xcb") : QByteArray("xcb");
}

// Qt aborts when no platform in its list can be opened, so the session's choice
// is followed by the offscreen platform the package ships: without a display the
// dialog is not seen, but the installation and the start of the client happen.
PlatformRequest add_offscreen_fallback(int argc, char *argv[])
{
    PlatformRequest request;
    request.was_set = qEnvironmentVariableIsSet(kPlatformVariable);
    request.value = qgetenv(kPlatformVariable);
    if (platform_on_command_line(argc, argv))
        return request; // an explicit -platform is Qt's to honour as given
    const QByteArray asked = request.value.isEmpty() ? default_platforms() : request.value;
    if (names_offscreen(asked))
        return request;
    qputenv(kPlatformVariable, asked + ";offscreen");
    request.changed = true;
    return request;
}

void restore_platform_variable(const PlatformRequest &request)
{
    if (!request.changed)
        return;
    if (request.was_set)
        qputenv(kPlatformVariable, request.value);
    else
        qunsetenv(kPlatformVariable);
}

void initialize_logger()
{
    const ustring level_path = Service::GetRootTidewellInstallPath() + "/log/launcher.debug";
    const ustring log_folder_path = Service::GetUserTidewellInstallPath() + "/log";
    QDir dir("");
    if (dir.mkpath(QString::fromUtf8(log_folder_path.c_str()))) {
        Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", level_path, 50);
    }
}

void warn_if_without_display(const PlatformRequest &request)
{
    if (!request.changed || QGuiApplication::platformName() != QLatin1String("offscreen"))
        return;
    const QByteArray asked = request.value.isEmpty() ? default_platforms() : request.value;
    TW_LOG(Logger::L_WARNING, "launcher_debug",
           "[WARNING] main(%d): no display available ('%s' could not be opened), going on without a "
           "window on the offscreen platform\n",
           asked.constData());
}

QString getCurrentLanguageFileName()
{
    const QString strDefLan = VarnLocale::getDefaultLanguage();
    return ":/" + strDefLan + ".qm";
}

} // namespace

int main(int argc, char *argv[])
{
    int ret = 0;
    initialize_resources();
    const QString plugin_path = invoked_plugin_path(argv[0]);
    set_plugin_search_list(plugin_path);
    print_plugin_path(plugin_path);
    const PlatformRequest platform = add_offscreen_fallback(argc, argv);
    QtSingleApplication app(argc, argv, true);
    restore_platform_variable(platform);
    initialize_logger();
    if (app.isRunning()) {
        TW_LOG(Logger::L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
        return 0;
    }
    warn_if_without_display(platform);

    QTranslator trans(nullptr);
    QString strLan = getCurrentLanguageFileName();
    trans.load(strLan, QString(), QString(), QString());
    if (!trans.isEmpty())
        QCoreApplication::installTranslator(&trans);

    StrTable::InitStrTable();

    Launcher *launcher = new Launcher();
    launcher->Run();
    launcher->Start();

    ret = app.exec();

    delete launcher;
    return ret;
}
