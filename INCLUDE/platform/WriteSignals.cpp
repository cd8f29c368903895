#include "platform/WriteSignals.h"

#ifndef _WIN32
#include <csignal>
#endif

namespace platform {

void IgnoreWriteSignals() noexcept {
#ifndef _WIN32
  // Neither can fail: both are valid signals that may be ignored.
  (void)std::signal(SIGPIPE, SIG_IGN);
  (void)std::signal(SIGXFSZ, SIG_IGN);
#endif
}

namespace {

struct AtStartUp {
  AtStartUp() noexcept { IgnoreWriteSignals(); }
} const atStartUp;

}  // namespace

}  // namespace platform
