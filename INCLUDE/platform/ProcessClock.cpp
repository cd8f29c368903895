#include "platform/ProcessClock.h"

#include <chrono>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point Origin() noexcept {
  static const Clock::time_point origin = Clock::now();
  return origin;
}

// Takes the origin while the program is being loaded, before main, so that the
// count starts with the process and not with its first reading.
[[maybe_unused]] const Clock::time_point kOriginAtLoad = Origin();

SteppedProcessClock* installed = nullptr;

}  // namespace

ProcessTicks ProcessClockNow() {
  if (installed != nullptr) return installed->Read();
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - Origin());
  return static_cast<ProcessTicks>(static_cast<std::uint32_t>(elapsed.count()));
}

SteppedProcessClock::SteppedProcessClock(ProcessTicks first, ProcessTicks step)
    : next_(first), step_(step), replaced_(installed) {
  installed = this;
}

SteppedProcessClock::~SteppedProcessClock() { installed = replaced_; }

ProcessTicks SteppedProcessClock::Read() {
  const ProcessTicks reading = next_;
  next_ = TicksAfter(next_, step_);
  ++readings_;
  return reading;
}

}  // namespace platform
