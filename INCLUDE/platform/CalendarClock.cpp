#include "platform/CalendarClock.h"

#include <climits>

namespace platform {

namespace {

FixedCalendarClock* installed = nullptr;

bool FitsTimeT(CalendarTime time) {
  // A 32-bit time_t (old 32-bit builds) cannot hold every calendar time.
  return static_cast<CalendarTime>(static_cast<std::time_t>(time)) == time;
}

// Whatever the system gives back, the caller gets a record whose year, tm_year +
// 1900, is an int.
const std::tm* Checked(const std::tm* record) {
  if (record != nullptr && record->tm_year <= INT_MAX - 1900) return record;
  const std::time_t epoch = 0;
  return std::gmtime(&epoch);
}

}  // namespace

CalendarTime CalendarNow() {
  if (installed != nullptr) return installed->Read();
  return static_cast<CalendarTime>(std::time(nullptr));
}

std::int32_t CalendarCount32(CalendarTime time) {
  if (time > INT32_MAX) return INT32_MAX;
  if (time < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(time);
}

const std::tm* LocalCalendarTime(CalendarTime time) {
  if (!FitsTimeT(time)) return Checked(nullptr);
  const std::time_t t = static_cast<std::time_t>(time);
  return Checked(std::localtime(&t));
}

const std::tm* UtcCalendarTime(CalendarTime time) {
  if (!FitsTimeT(time)) return Checked(nullptr);
  const std::time_t t = static_cast<std::time_t>(time);
  return Checked(std::gmtime(&t));
}

FixedCalendarClock::FixedCalendarClock(CalendarTime time) : time_(time), replaced_(installed) {
  installed = this;
}

FixedCalendarClock::~FixedCalendarClock() { installed = replaced_; }

CalendarTime FixedCalendarClock::Read() {
  ++readings_;
  return time_;
}

}  // namespace platform
