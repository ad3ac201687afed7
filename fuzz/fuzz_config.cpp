// Config::read on arbitrary file contents: a store that is either the file's
// valid entries or empty, entries made only of the allowed bytes, and a
// written store that reads back unchanged.
#include "config.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

char g_folder[] = "/tmp/tw-fuzz-config-XXXXXX";

bool IsKeyByte(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '_' || c == '.';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = tw_fuzz::ScratchFolder(g_folder) + "/input";
    tw_fuzz::WriteWhole(path, data, size);
    Config config;
    const int ret = config.read(path.c_str());
    if (ret != 0 && ret != -1)
        abort();
    if (ret == -1 && config.begin() != config.end())
        abort(); // a rejected file leaves nothing behind
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it) {
        for (size_t i = 0; i < it->first.size(); ++i)
            if (!IsKeyByte(static_cast<unsigned char>(it->first[i])))
                abort();
        for (size_t i = 0; i < it->second.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(it->second[i]);
            if (c < 32 || c == 127)
                abort();
        }
    }

    // What write accepts, read gives back.
    const std::string copy = tw_fuzz::ScratchFolder(g_folder) + "/copy";
    if (ret == 0 && config.write(copy.c_str()) == 0) {
        Config again;
        if (again.read(copy.c_str()) != 0)
            abort();
        Config::const_iterator a = config.begin(), b = again.begin();
        for (; a != config.end() && b != again.end(); ++a, ++b)
            if (a->first != b->first || a->second != b->second)
                abort();
        if (a != config.end() || b != again.end())
            abort();
    }
    unlink(path.c_str());
    unlink(copy.c_str());
    return 0;
}
