#include "tmp_name_gen.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/time.h>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
static_assert(sizeof(kAlphabet) == 64 + 1, "the alphabet indexes 6 bits");

} // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen &TmpNameGen::getInstance()
{
    // Thread-safe initialisation of the local static makes the first use safe from any thread.
    static TmpNameGen instance;
    return instance;
}

// Zeroed first: the key bytes after the time text take part in the schedule.
TmpNameGen::TmpNameGen() : m_s_box(), m_key(), m_buffer()
{
    get_key(m_key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
}

TmpNameGen::~TmpNameGen() {}

void TmpNameGen::get_key(unsigned char *key, size_t len)
{
    struct timeval tv = {};
    gettimeofday(&tv, nullptr);
    snprintf(reinterpret_cast<char *>(key), len, "%lu-%lu", static_cast<unsigned long>(tv.tv_sec),
             static_cast<unsigned long>(tv.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char *s_box, unsigned char *key)
{
    for (int i = 0; i < 256; ++i)
        s_box[i] = static_cast<unsigned char>(i);
    if (key[0] == 0) {
        srand(static_cast<unsigned>(time(nullptr)));
        for (int i = 0; i < 256; ++i)
            key[i] = static_cast<unsigned char>(rand() & 0xFF);
    }
    // The whole 256-byte buffer is the key (it is not repeated like the text-length key of RC4).
    unsigned char j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<unsigned char>(j + key[i] + s_box[i]);
        unsigned char t = s_box[i];
        s_box[i] = s_box[j];
        s_box[j] = t;
    }
}

void TmpNameGen::rc4_randomize(unsigned char *s_box, unsigned char *buffer, int len)
{
    // The counters restart with every call; only the permutation carries over.
    unsigned char j = 0;
    for (int k = 0; k < len; ++k) {
        unsigned char x = static_cast<unsigned char>(k + 1);
        j = static_cast<unsigned char>(j + s_box[x]);
        unsigned char t = s_box[x];
        s_box[x] = s_box[j];
        s_box[j] = t;
        buffer[k] = s_box[static_cast<unsigned char>(s_box[x] + s_box[j])];
    }
}

void TmpNameGen::lock()
{
    pthread_mutex_lock(&m_lock);
}

void TmpNameGen::unlock()
{
    pthread_mutex_unlock(&m_lock);
}

void TmpNameGen::encodeGroup(const unsigned char *bytes, char *out)
{
    out[0] = kAlphabet[bytes[0] >> 2];
    out[1] = kAlphabet[((bytes[0] & 0x03) << 4) | (bytes[1] >> 4)];
    out[2] = kAlphabet[((bytes[1] & 0x0F) << 2) | (bytes[2] >> 6)];
    out[3] = kAlphabet[bytes[2] & 0x3F];
}

ustring TmpNameGen::getTmpName()
{
    char name[NAME_LEN + 1];
    lock();
    rc4_randomize(m_s_box, m_buffer, sizeof(m_buffer));
    encodeGroup(m_buffer, name);
    encodeGroup(m_buffer + 3, name + 4);
    unlock();
    name[NAME_LEN] = '\0';
    // Built outside the lock: an allocation failure must not leave it held.
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring &prefix)
{
    return prefix + "/" + getTmpName();
}
