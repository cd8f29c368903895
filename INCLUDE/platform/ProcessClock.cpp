#include "platform/ProcessClock.h"

#include <chrono>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point Origin() {
  static const Clock::time_point origin = Clock::now();
  return origin;
}

// Takes the origin while the program is being loaded, before main, so that the
// count starts with the process and not with its first reading.
[[maybe_unused]] const Clock::time_point kOriginAtLoad = Origin();

SteppedProcessClock* installed = nullptr;

// Two's-complement wrap-around without signed overflow: the unsigned sum is
// reduced modulo 2^32, and its conversion back is modulo 2^32 on every
// compiler this program is built with (and by the language from C++20 on).
ProcessTicks WrappingAdd(ProcessTicks a, ProcessTicks b) {
  return static_cast<ProcessTicks>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

ProcessTicks ProcessClockNow() {
  if (installed != nullptr) return installed->Read();
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - Origin());
  return static_cast<ProcessTicks>(static_cast<std::uint32_t>(elapsed.count()));
}

SteppedProcessClock::SteppedProcessClock(ProcessTicks first, ProcessTicks step)
    : next_(first), step_(step), replaced_(installed) {
  installed = this;
}

SteppedProcessClock::~SteppedProcessClock() { installed = replaced_; }

ProcessTicks SteppedProcessClock::Read() {
  const ProcessTicks reading = next_;
  next_ = WrappingAdd(next_, step_);
  ++readings_;
  return reading;
}

}  // namespace platform
