#include "log.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include "config.h"

// Until Initialize the logger writes timestamped lines to standard error, so nothing
// logged during start-up is lost.
bool Logger::log_initialized = true;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE *Logger::log_fp = stderr;
ustring Logger::log_path;
int Logger::rotate_cnt = 1;
int *Logger::log_size = nullptr;
uint64_t *Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
std::map<ustring, int> Logger::log_level;
pthread_mutex_t *Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;

namespace {

const int kDefaultThreshold = Logger::L_WARNING;
const long long kRotateAfterBytes = 1048576;

bool IsOwnFile(FILE *fp)
{
    return fp && fp != stdout && fp != stderr;
}

bool IsStreamKind(Logger::Type type)
{
    return type == Logger::SYSLOG_LOGGER || type == Logger::STDOUT_LOGGER || type == Logger::STDERR_LOGGER;
}

// Reads a level the way a formatted integer is read from a stream: blanks, an optional sign,
// the leading digits, the rest ignored. Out-of-range values saturate instead of overflowing.
int ParseLevel(const ustring &text)
{
    const char *p = text.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    if (negative)
        return static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

// Slot names are built without a fixed buffer: a cut name could point at another file.
ustring SlotName(const ustring &path, int slot)
{
    return path + ("_" + std::to_string(slot)).c_str();
}

// Writes the timestamp and the message; returns the bytes written, or -1 if a write failed.
long long WriteStamped(FILE *fp, const xchar *fmt, va_list args)
{
    char stamp[512];
    size_t stamp_len = 0;
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local))
        stamp_len = strftime(stamp, sizeof stamp, "%b %d %H:%M:%S ", &local);
    size_t put = fwrite(stamp, 1, stamp_len, fp);
    int body = vfprintf(fp, fmt, args);
    fflush(fp);
    if (put != stamp_len || body < 0)
        return -1;
    return static_cast<long long>(put) + body;
}

// What an entry that is no regular file is, in the words of the log line that refuses it.
const char *KindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something else";
}

// Opens the log for appending. Only a regular file will do (a link to one is followed):
// O_NONBLOCK keeps a FIFO without a reader from stopping the process in open(), and a
// device or FIFO would swallow or hold back every line. Returns null when the file cannot
// be opened; `*refused` then names the kind of entry if that is the reason, else stays null.
FILE *OpenLogFile(const ustring &path, const char **refused)
{
    *refused = nullptr;
    int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    struct stat st;
    if (fd < 0) {
        // A FIFO without a reader (ENXIO) or a folder (EISDIR) is refused by open() itself.
        if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            *refused = KindOf(st.st_mode);
        return nullptr;
    }
    const bool examined = fstat(fd, &st) == 0;
    if (!examined || !S_ISREG(st.st_mode)) {
        if (examined)
            *refused = KindOf(st.st_mode);
        close(fd);
        return nullptr;
    }
    // O_NONBLOCK was for open() only: a write to the log waits, never fails with EAGAIN.
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    FILE *fp = fdopen(fd, "a");
    if (!fp)
        close(fd);
    return fp;
}

FILE *OpenLogFile(const ustring &path)
{
    const char *refused;
    return OpenLogFile(path, &refused);
}

// Rotation moves and removes regular files only: a FIFO, folder, device or link at a
// rotated name is somebody else's. A missing entry counts as neither.
bool IsRegularFile(const ustring &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsForeign(const ustring &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

// Makes `fresh` the stream unless it is null, in which case the current stream stays.
void SwitchStream(FILE *&current, FILE *fresh)
{
    if (!fresh)
        return;
    if (current)
        fclose(current);
    current = fresh;
}

} // namespace

int Logger::Initialize(Type type, const ustring &path, const ustring &level_path, int slots)
{
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    if (InitializeSharedData() != 0)
        return -1;

    log_level[ustring("default_component")] = kDefaultThreshold;
    if (!level_path.empty()) {
        // A missing or rejected file yields no keys; the defaults stay in force.
        Config levels;
        levels.read(level_path);
        for (Config::const_iterator it = levels.begin(); it != levels.end(); ++it)
            log_level[it->first] = ParseLevel(it->second);
    }

    FILE *fp = nullptr;
    const char *refused = nullptr;
    if (type == STDOUT_LOGGER) {
        fp = stdout;
    } else if (type == STDERR_LOGGER) {
        fp = stderr;
    } else if (type != SYSLOG_LOGGER) {
        if (path.empty())
            return -1;
        fp = OpenLogFile(path, &refused);
        if (!fp && !refused)
            return -1;
        if (!fp) {
            // The run goes on, its log on standard error, which the line below explains.
            type = STDERR_LOGGER;
            fp = stderr;
        }
    }

    // A second Initialize must not leak the file of the first.
    if (IsOwnFile(log_fp) && log_fp != fp)
        fclose(log_fp);
    log_fp = fp;
    if (IsStreamKind(type)) {
        log_path.clear();
        *log_size = -1;
    } else {
        log_path = path;
        *log_size = 0;
        // Fewer than one slot cannot keep the old file anywhere; one slot is the least that works.
        rotate_cnt = slots < 1 ? 1 : slots;
    }
    log_type = type;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    if (refused)
        TW_LOG(L_WARNING, "log_debug",
               "[WARNING] log(%d): '%s' is %s, not a regular file; logging to standard error\n", path.c_str(),
               refused);
    return 0;
}

void Logger::Destroy()
{
    log_initialized = false;
    if (IsOwnFile(log_fp)) {
        fclose(log_fp);
        log_fp = nullptr;
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::LogMsg(Level level, const ustring &comp, const xchar *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const ustring &comp, const xchar *fmt, va_list args)
{
    if (!log_initialized || !fmt)
        return;
    InitializeLock();
    if (!__atomic_load_n(&log_lock, __ATOMIC_ACQUIRE))
        return;

    Lock();
    // Looked at under the lock only: rotation in another thread switches the stream.
    if ((log_type != SYSLOG_LOGGER && !log_fp) || (!log_size && InitializeSharedData() != 0)) {
        Unlock();
        return;
    }
    if (*log_rotated_count_shared != log_rotated_count_private) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }

    std::map<ustring, int>::const_iterator entry = log_level.find(comp);
    int threshold = entry == log_level.end() ? kDefaultThreshold : entry->second;
    if (static_cast<int>(level) <= threshold) {
        long long written = 0;
        switch (log_type) {
        case SYSLOG_LOGGER:
            vsyslog(LOG_ERR, fmt, args);
            break;
        case STDOUT_LOGGER:
        case STDERR_LOGGER:
        case FILE_LOGGER:
            if (log_fp)
                written = WriteStamped(log_fp, fmt, args);
            break;
        default:
            vfprintf(stderr, fmt, args);
            break;
        }

        if (log_type == FILE_LOGGER && written >= 0 && *log_size >= 0) {
            long long total = *log_size + written;
            if (total > kRotateAfterBytes) {
                Rotate();
                total = 0;
            }
            *log_size = static_cast<int>(total);
        }
    }
    Unlock();
}

// Called with the lock held. Slot 0 is the most recent rotated file. A failure keeps a
// usable stream whenever one can be had, so later messages are not thrown away.
int Logger::Rotate()
{
    const int slots = rotate_cnt;
    // A step that would move or replace an entry that is not ours is left out; at worst
    // an older rotated file is overwritten by a newer one.
    for (int i = slots - 2; i >= 0; --i) {
        const ustring from = SlotName(log_path, i);
        const ustring to = SlotName(log_path, i + 1);
        if (IsRegularFile(from) && !IsForeign(to))
            rename(from.c_str(), to.c_str());
    }
    const ustring oldest = SlotName(log_path, slots - 1);
    if (IsRegularFile(oldest))
        unlink(oldest.c_str());

    const ustring newest = SlotName(log_path, 0);
    if (!IsRegularFile(log_path) || IsForeign(newest) || rename(log_path.c_str(), newest.c_str()) != 0) {
        // Reopen by path in case the file was removed under us; otherwise go on as before.
        SwitchStream(log_fp, OpenLogFile(log_path));
        return -1;
    }
    FILE *fresh = OpenLogFile(log_path);
    if (!fresh)
        return -1; // the current stream now writes into slot 0
    SwitchStream(log_fp, fresh);
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile()
{
    if (IsStreamKind(log_type))
        return;
    FILE *fresh = OpenLogFile(log_path);
    if (!fresh)
        return;
    SwitchStream(log_fp, fresh);
    *log_size = 0;
}

// The first message may come from any thread before Initialize; the compare-and-swap
// makes sure all of them end up with one and the same mutex.
void Logger::InitializeLock()
{
    if (__atomic_load_n(&log_lock, __ATOMIC_ACQUIRE))
        return;
    pthread_mutex_t *fresh = new (std::nothrow) pthread_mutex_t;
    if (!fresh)
        return;
    pthread_mutex_init(fresh, nullptr);
    pthread_mutex_t *expected = nullptr;
    if (!__atomic_compare_exchange_n(&log_lock, &expected, fresh, false, __ATOMIC_ACQ_REL,
                                     __ATOMIC_ACQUIRE)) {
        pthread_mutex_destroy(fresh);
        delete fresh;
    }
}

void Logger::DestroyLock()
{
    pthread_mutex_t *lock = __atomic_exchange_n(&log_lock, nullptr, __ATOMIC_ACQ_REL);
    if (!lock)
        return;
    pthread_mutex_destroy(lock);
    delete lock;
}

// The pointer is read atomically, as everywhere: another thread may still be in its
// compare-and-swap in InitializeLock (a failed one is a write to ThreadSanitizer).
void Logger::Lock()
{
    pthread_mutex_lock(__atomic_load_n(&log_lock, __ATOMIC_ACQUIRE));
}

void Logger::Unlock()
{
    pthread_mutex_unlock(__atomic_load_n(&log_lock, __ATOMIC_ACQUIRE));
}

void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

int Logger::InitializeSharedData()
{
    DestroySharedData();
    log_size = new (std::nothrow) int(0);
    log_rotated_count_shared = new (std::nothrow) uint64_t(0);
    if (log_size && log_rotated_count_shared)
        return 0;
    DestroySharedData();
    return -1;
}

void Logger::DestroySharedData()
{
    delete log_size;
    delete log_rotated_count_shared;
    log_size = nullptr;
    log_rotated_count_shared = nullptr;
}

void LogMSG_c(int level, const char *comp, const xchar *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp ? comp : ""), fmt, args);
    va_end(args);
}
