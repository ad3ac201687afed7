// Process entry: prepare the process, refuse a second launcher of the same
// user, open the log, choose the language, then run the launcher's event loop.
#include "VarnLocale.h"
#include "launcher.h"
#include "log.h"
#include "qtsingleapplication.h"
#include "strtab.h"
#include "tidewell-service.h"

#include <QDir>
#include <QStringList>
#include <QTranslator>
#include <clocale>
#include <cstdio>

int qInitResources_texts();

namespace {

void initialize_resources(const char *bin)
{
    setlocale(LC_ALL, "");
    qInitResources_texts();

    // Textual on purpose: the plug-ins lie in lib/plugins beside the launcher's folder.
    const QString bin_path = QString::fromUtf8(bin);
    const QString path = QDir::cleanPath(bin_path + "/../../lib/plugins");
    QStringList paths;
    paths << path;
    QCoreApplication::setLibraryPaths(paths);
    printf("lib path = '%s'\n", path.toUtf8().constData());
    fflush(stdout);
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

QString getCurrentLanguageFileName()
{
    const QString strDefLan = VarnLocale::getDefaultLanguage();
    return ":/" + strDefLan + ".qm";
}

} // namespace

int main(int argc, char *argv[])
{
    int ret = 0;
    initialize_resources(argv[0]);
    QtSingleApplication app(argc, argv, true);
    initialize_logger();
    if (app.isRunning()) {
        TW_LOG(Logger::L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
        return 0;
    }

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
