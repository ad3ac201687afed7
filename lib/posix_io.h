// Small POSIX helpers that several parts need, each written once: the whole
// text of a link, a canonical path, and a write that survives short writes.
#ifndef TIDEWELL_POSIX_IO_H
#define TIDEWELL_POSIX_IO_H

#include <cstddef>
#include <string>

// The whole text of the symbolic link at `path`, however long (growing the
// buffer, never cut); false with errno set when it cannot be read.
bool ReadLinkText(const char *path, std::string *text);

// The canonical absolute path (links and ".." resolved); empty when it cannot
// be resolved, errno then set.
std::string RealPath(const char *path);

// Writes all of buf, resuming after short writes and signals; 0 or the error number.
int WriteAll(int fd, const char *buf, size_t len);

#endif
