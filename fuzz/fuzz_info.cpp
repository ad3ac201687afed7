// An INFO file read the way the service reads both version files: QSettings
// in INI form, group "Version", the four keys to UTF-8 ustrings. Whatever the
// file holds, the reading ends and yields valid UTF-8.
#include "ustring.h"

#include <QSettings>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One folder per process, removed at exit (a plain array: it outlives the
// static objects that exit destroys).
char g_folder[] = "/tmp/tw-fuzz-info-XXXXXX";

void RemoveFolder()
{
    rmdir(g_folder);
}

std::string Folder()
{
    static const bool made = mkdtemp(g_folder) && atexit(RemoveFolder) == 0;
    if (!made)
        abort();
    return g_folder;
}

// The reading of the service's version loading.
void ReadVersionInfo(const std::string &path, ustring fields[4])
{
    static const char *const keys[] = {"major_version", "minor_version", "build_version",
                                       "icon_overlay_version"};
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup("Version");
    for (int i = 0; i < 4; ++i)
        if (settings.contains(keys[i]))
            fields[i] = ustring(settings.value(keys[i], QString()).toString().toUtf8().constData());
    settings.endGroup();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A new name each time: QSettings keeps what it read of a file by its path.
    static unsigned long run = 0;
    const std::string path = Folder() + "/INFO-" + std::to_string(run++);
    FILE *fp = fopen(path.c_str(), "wb");
    if (!fp || fwrite(data, 1, size, fp) != size || fclose(fp) != 0)
        abort();
    ustring fields[4];
    ReadVersionInfo(path, fields);
    for (const ustring &f : fields)
        if (!ustring::is_valid(f))
            abort();
    unlink(path.c_str());
    return 0;
}
