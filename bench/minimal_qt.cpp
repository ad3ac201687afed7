// The floor for the launcher's start-up: a Qt widgets program that constructs
// its application object and quits.
//
//   minimal_qt [--plugins DIR] [--dialog ICON]
//
// --plugins DIR replaces Qt's plug-in search list with DIR, as the launcher
// does with its own. --dialog ICON also builds, and never shows, a progress
// dialog set up as the launcher's is, to show what that dialog alone costs.
//
// Built twice: minimal_qt with Qt Widgets only, and minimal_qt_libs also linked
// against the launcher's other libraries (Qt Network, libarchive, ICU), to show
// what loading those costs.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QProgressDialog>
#include <QStringList>
#include <cstring>

#ifdef WITH_LAUNCHER_LIBS
#include <QLocalServer>
#include <archive.h>
#include <unicode/utypes.h>
#endif

namespace {

void BuildDialog(const char *icon)
{
    QProgressDialog dialog(nullptr, Qt::WindowFlags());
    dialog.setWindowTitle("Tidewell Backup");
    dialog.setWindowIcon(QIcon(QString::fromUtf8(icon)));
    dialog.setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    dialog.setValue(0);
    dialog.setRange(0, 100);
    dialog.setLabelText("Tidewell Backup is initializing...");
    dialog.setFont(QFont("Arial", -1, -1, false));
    dialog.setFixedWidth(400);
    dialog.setModal(true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
    dialog.setCancelButton(nullptr);
    dialog.setAutoReset(false);
}

} // namespace

int main(int argc, char *argv[])
{
    const char *icon = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--plugins") == 0)
            QCoreApplication::setLibraryPaths(QStringList{QString::fromUtf8(argv[i + 1])});
        else if (std::strcmp(argv[i], "--dialog") == 0)
            icon = argv[i + 1];
    }
    QApplication app(argc, argv);
#ifdef WITH_LAUNCHER_LIBS
    // Never true; keeps the libraries linked under --as-needed.
    if (argc > 1000) {
        QLocalServer server;
        return archive_version_number() + static_cast<int>(u_errorName(U_ZERO_ERROR)[0]);
    }
#endif
    if (icon)
        BuildDialog(icon);
    return 0;
}
