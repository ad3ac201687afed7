// The process-wide logger: a class of static members only.
#ifndef TIDEWELL_LOG_H
#define TIDEWELL_LOG_H

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <pthread.h>

#include "ustring.h"

typedef char xchar;

#define TW_PRINTF_LIKE(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))

class Logger {
public:
    enum Type : int32_t {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };

    enum Level : int32_t {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };

    // FILE_LOGGER writes to a regular file only (a link to one will do). Anything else at
    // log_path (a FIFO, a folder, a device) is left alone and the log goes to standard
    // error, with one line saying why: that still returns 0. -1: nothing could be opened,
    // and the logger keeps writing where it wrote before.
    static int Initialize(Type type, const ustring &log_path, const ustring &level_path, int rotate_cnt);
    static void Destroy();
    static void LogMsg(Level level, const ustring &comp, const xchar *fmt, ...) TW_PRINTF_LIKE(3, 4);
    static void LogMsg2(Level level, const ustring &comp, const xchar *fmt, va_list args)
        TW_PRINTF_LIKE(3, 0);

private:
    Logger() = delete;

    static int Rotate();
    static void ReloadLogFile();
    static void InitializeLock();
    static void DestroyLock();
    static void Lock();
    static void Unlock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static int InitializeSharedData();
    static void DestroySharedData();

    static bool log_initialized;
    static Type log_type;
    static FILE *log_fp;
    static ustring log_path;
    static int rotate_cnt;
    static int *log_size;
    static uint64_t *log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static std::map<ustring, int> log_level;
    static pthread_mutex_t *log_lock;
    static int log_flock;
    static bool inter_process_safe;
};

void LogMSG_c(int level, const char *comp, const xchar *fmt, ...) TW_PRINTF_LIKE(3, 4);

// Every log format starts with "[TAG] file(%d): "; the line is the caller's own.
#define TW_LOG(level, comp, fmt, ...) Logger::LogMsg((level), (comp), (fmt), __LINE__, ##__VA_ARGS__)

#endif
