#ifndef ROSBA_PLATFORM_PROCESSCLOCK_H
#define ROSBA_PLATFORM_PROCESSCLOCK_H

#include <cstdint>

namespace platform {

// A count of process-clock ticks: milliseconds, 1000 to the second.
using ProcessTicks = std::int32_t;

// The elapsed wall time of the process in milliseconds, counted from the moment
// the program was loaded. It goes on while the process sleeps or waits for input
// (it is not processor time) and never jumps with the calendar clock. The count
// is 32 bits wide: after 2^31 ms (about 24.8 days) it wraps to the most negative
// count and goes on from there, so the difference of two readings, taken
// modulo 2^32, stays right for any interval shorter than that.
ProcessTicks ProcessClockNow();

// `later` minus `earlier` as a 32-bit count, taken modulo 2^32: right for every
// interval shorter than 2^31 ticks, also across the wrap of the count.
inline ProcessTicks TicksBetween(ProcessTicks earlier, ProcessTicks later) {
  // Unsigned arithmetic wraps without overflow; the conversion back is modulo
  // 2^32 on every compiler this program is built with (and by the language from
  // C++20 on).
  return static_cast<ProcessTicks>(static_cast<std::uint32_t>(later) -
                                   static_cast<std::uint32_t>(earlier));
}

// The count `ticks` after `reading`, taken modulo 2^32 in the same way.
inline ProcessTicks TicksAfter(ProcessTicks reading, ProcessTicks ticks) {
  return static_cast<ProcessTicks>(static_cast<std::uint32_t>(reading) +
                                   static_cast<std::uint32_t>(ticks));
}

// Test seam. While an object of this class lives, ProcessClockNow() gives its
// readings instead of the system's: the first reading is `first`, every later one
// `step` ticks more (step 0: a clock that stands still), and Set() decides the
// next reading outright. Its destruction puts back the clock that was in use
// before (normally the system's). Objects may be nested; use one at a time.
//
//   platform::SteppedProcessClock clock(0, 12345);  // start reads 0, stop 12345
//   cas.Start();
//   double seconds = cas.Stop();                   // 12.345
//
// A clock that does not advance never ends a wait for a time to come.
class SteppedProcessClock {
 public:
  SteppedProcessClock(ProcessTicks first, ProcessTicks step);
  ~SteppedProcessClock();
  SteppedProcessClock(const SteppedProcessClock&) = delete;
  SteppedProcessClock& operator=(const SteppedProcessClock&) = delete;

  // The next reading gives `next`; later readings step on from there.
  void Set(ProcessTicks next) { next_ = next; }
  // How many readings have been taken from this clock.
  long Readings() const { return readings_; }

  ProcessTicks Read();

 private:
  ProcessTicks next_;
  ProcessTicks step_;
  long readings_ = 0;
  SteppedProcessClock* replaced_;
};

}  // namespace platform

#endif
