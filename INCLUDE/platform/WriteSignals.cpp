#include "platform/WriteSignals.h"

#ifndef _WIN32
#include <csignal>
#endif

namespace platform {

void IgnoreWriteSignals() {
#ifndef _WIN32
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

namespace {

struct AtStartUp {
  AtStartUp() { IgnoreWriteSignals(); }
} const atStartUp;

}  // namespace

}  // namespace platform
