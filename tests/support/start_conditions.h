// Start-up conditions a user's session may hand the launcher: an X display
// with no server behind it (a closed standard output is ProcessOptions::closed_stdout).
#ifndef TIDEWELL_TESTS_START_CONDITIONS_H
#define TIDEWELL_TESTS_START_CONDITIONS_H

#include "process.h"

#include <string>
#include <vector>

namespace tw_test {

// ":N" (N from 99 up) with neither a socket, an abstract socket nor a lock
// file of an X server on this machine.
std::string DisplayWithNoServer();

} // namespace tw_test

#endif
