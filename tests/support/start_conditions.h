// Start-up conditions a user's session may hand the launcher: an X display
// with no server behind it, a standard output whose reader has gone.
#ifndef TIDEWELL_TESTS_START_CONDITIONS_H
#define TIDEWELL_TESTS_START_CONDITIONS_H

#include "process.h"

#include <string>
#include <vector>

namespace tw_test {

// ":N" (N from 99 up) with neither a socket, an abstract socket nor a lock
// file of an X server on this machine.
std::string DisplayWithNoServer();

// Runs like RunProcess, but standard output is a pipe whose read end was
// closed before the program started; `out` stays empty.
ProcessResult RunWithClosedStdout(const std::vector<std::string> &argv, const ProcessOptions &opts);

} // namespace tw_test

#endif
