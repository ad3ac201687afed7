// An INFO file as the service reads both version files: whatever the file
// holds, the reading ends and yields valid UTF-8.
#include "fuzz_support.h"
#include "tidewell-service.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

char g_folder[] = "/tmp/tw-fuzz-info-XXXXXX";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A new name each time: QSettings keeps what it read of a file by its path.
    static unsigned long run = 0;
    const std::string path = tw_fuzz::ScratchFolder(g_folder) + "/INFO-" + std::to_string(run++);
    tw_fuzz::WriteWhole(path, data, size);
    Service::VersionInfo info;
    ReadVersionInfo(path.c_str(), info);
    for (const ustring *f :
         {&info.major_version, &info.minor_version, &info.build_version, &info.icon_overlay_version})
        if (!ustring::is_valid(*f))
            abort();
    unlink(path.c_str());
    return 0;
}
