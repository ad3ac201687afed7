// Short random names for temporary files and folders: eight characters from a
// file-name-safe alphabet, drawn from an RC4 keystream keyed by the time of day
// at which the process-wide generator was created.
#ifndef TIDEWELL_TMP_NAME_GEN_H
#define TIDEWELL_TMP_NAME_GEN_H

#include <cstddef>
#include <pthread.h>

#include "ustring.h"

class TmpNameGen {
public:
    static const size_t NAME_LEN = 8;

    static TmpNameGen &getInstance();

    // A fresh name of NAME_LEN alphabet characters; never "/" or ".".
    ustring getTmpName();
    // prefix + "/" + a fresh name; nothing is checked or created on disk.
    ustring getTmpPath(const ustring &prefix);

    // Three keystream bytes as four alphabet characters, most significant bits
    // first (Base64's bit layout with this alphabet and no padding).
    static void encodeGroup(const unsigned char *bytes, char *out);

    ~TmpNameGen();
    TmpNameGen(const TmpNameGen &) = delete;
    TmpNameGen &operator=(const TmpNameGen &) = delete;

private:
    TmpNameGen();

    void get_key(unsigned char *key, size_t len);
    void rc4_init(unsigned char *s_box, unsigned char *key);
    void rc4_randomize(unsigned char *s_box, unsigned char *buffer, int len);
    void lock();
    void unlock();

    unsigned char m_s_box[256];
    unsigned char m_key[256];
    unsigned char m_buffer[6];
    static pthread_mutex_t m_lock;
};

#endif
