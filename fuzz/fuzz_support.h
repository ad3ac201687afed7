// What the file-reading fuzz targets share: a scratch folder of the process's
// own and whole-file writes that abort on failure (a fuzz run must not go on
// with an input that never reached the disk).
#ifndef TIDEWELL_FUZZ_SUPPORT_H
#define TIDEWELL_FUZZ_SUPPORT_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace tw_fuzz {

// The folder, made at the first call from `pattern` (a mkdtemp pattern that
// must outlive the process: a plain array, since it is read at exit after the
// static objects are gone) and removed at exit once empty.
inline std::string ScratchFolder(char *pattern)
{
    static char *made_from = nullptr;
    if (!made_from) {
        if (!mkdtemp(pattern))
            abort();
        made_from = pattern;
        if (atexit([] { rmdir(made_from); }) != 0)
            abort();
    }
    return made_from;
}

inline void WriteWhole(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *fp = fopen(path.c_str(), "wb");
    if (!fp || fwrite(data, 1, size, fp) != size || fclose(fp) != 0)
        abort();
}

} // namespace tw_fuzz

#endif
