#ifndef ROSBA_PLATFORM_WRITESIGNALS_H
#define ROSBA_PLATFORM_WRITESIGNALS_H

// A failed write is an error that the program reports, on every system.
//
// Linux ends a process by a signal when it writes to a pipe whose reader has
// gone (SIGPIPE: `rosba in.g /dev/stdout | head -c 10`) or beyond the file-size
// limit (SIGXFSZ: `ulimit -f`): no report, and an exit status other than 0 and 1.
// Windows has no such signals and fails the write instead. So a program that
// links this unit ignores both from start-up on (before main), and the write
// fails with EPIPE or EFBIG like any other failed write. Linked into each
// program whole (see PROG/Rosba/CMakeLists.txt).
namespace platform {

// Ignores the signals of failed writes; nothing to do on Windows.
void IgnoreWriteSignals() noexcept;

}  // namespace platform

#endif
