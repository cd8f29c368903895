#ifndef ROSBA_PLATFORM_CALENDARCLOCK_H
#define ROSBA_PLATFORM_CALENDARCLOCK_H

#include <cstdint>
#include <ctime>

namespace platform {

// A calendar time: seconds since 1970-01-01 00:00:00 UTC, leap seconds not
// counted. It is 64 bits wide so that dates after 2038-01-19 03:14:07 UTC, the
// last second a 32-bit count can name, stay right.
using CalendarTime = std::int64_t;

// The current calendar time.
CalendarTime CalendarNow();

// The 32-bit signed count of seconds of `time`. A time the count cannot hold
// gives the nearest count it can: INT32_MAX (2038-01-19 03:14:07 UTC) for every
// later time, INT32_MIN (1901-12-13 20:45:52 UTC) for every earlier one. The
// count then no longer names the time; convert the CalendarTime itself, not
// the count, when the date matters.
std::int32_t CalendarCount32(CalendarTime time);

// `time` broken down into local time (by the process's time-zone settings, TZ
// included) or into UTC: tm_year is years since 1900, tm_mon 0-11, tm_mday 1-31,
// tm_hour 0-23, tm_min 0-59, tm_sec 0-59 (60 for a leap second where the zone
// rules have one).
//
// The result is the one record that the system's standard conversion fills: the
// caller neither owns nor frees it, and the next conversion in the process, by
// anyone, overwrites it. It is never null: a time the system cannot convert
// (before 1970 on Windows, or so far off that its year does not fit an int)
// gives 1970-01-01 00:00:00 UTC. The system's clock gives no such time.
const std::tm* LocalCalendarTime(CalendarTime time);
const std::tm* UtcCalendarTime(CalendarTime time);

// Test seam. While an object of this class lives, CalendarNow() gives its time
// instead of the system's, until Set() gives it another. Its destruction puts
// back the clock that was in use before (normally the system's). Objects may be
// nested; use one at a time.
//
//   setenv("TZ", "UTC0", 1); tzset();
//   platform::FixedCalendarClock clock(1704618303);  // 2024-01-07 09:05:03 UTC
//   CppCas().Ascii();                                 // "2024-01-07  09:05:03"
class FixedCalendarClock {
 public:
  explicit FixedCalendarClock(CalendarTime time);
  ~FixedCalendarClock();
  FixedCalendarClock(const FixedCalendarClock&) = delete;
  FixedCalendarClock& operator=(const FixedCalendarClock&) = delete;

  // Every later reading gives `time`.
  void Set(CalendarTime time) { time_ = time; }
  // How many readings have been taken from this clock.
  long Readings() const { return readings_; }

  CalendarTime Read();

 private:
  CalendarTime time_;
  long readings_ = 0;
  FixedCalendarClock* replaced_;
};

}  // namespace platform

#endif
