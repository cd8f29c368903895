#include "platform/CalendarClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "TimeZone.h"

namespace {

using testsupport::kUtc;
using testsupport::kCentralEurope;
using testsupport::kUsEastern;
using testsupport::kIndia;
using platform::CalendarTime;
using platform::FixedCalendarClock;

// The whole record at once, in a form a failure shows readably; the month is
// written as the record holds it (0-11).
std::string Fields(const std::tm* t) {
  if (t == nullptr) return "null";
  char text[96];
  std::snprintf(text, sizeof text, "year+%d mon=%d mday=%d %02d:%02d:%02d", t->tm_year, t->tm_mon,
                t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec);
  return text;
}

TEST(CalendarClock, SystemClockReadsTheCurrentTime) {
  const auto expected = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
  const CalendarTime now = platform::CalendarNow();
  EXPECT_GE(now, expected - 2);
  EXPECT_LE(now, expected + 2);
}

TEST(CalendarClock, CountOf32BitsStopsAtItsLimits) {
  struct Case {
    CalendarTime time;
    std::int32_t count;
  };
  const Case cases[] = {
      {0, 0},
      {1704614703, 1704614703},
      {-1, -1},
      {INT32_MAX, INT32_MAX},  // 2038-01-19 03:14:07 UTC
      {CalendarTime{INT32_MAX} + 1, INT32_MAX},
      {253402300799, INT32_MAX},  // 9999-12-31 23:59:59 UTC
      {INT64_MAX, INT32_MAX},
      {INT32_MIN, INT32_MIN},
      {CalendarTime{INT32_MIN} - 1, INT32_MIN},
      {INT64_MIN, INT32_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    EXPECT_EQ(platform::CalendarCount32(c.time), c.count);
  }
}

TEST(CalendarClock, ConvertsIntoLocalTimeOfTheZoneSet) {
  struct Case {
    const char* zone;
    CalendarTime time;
    const char* local;
  };
  const Case cases[] = {
      {kUtc, 0, "year+70 mon=0 mday=1 00:00:00"},
      {kCentralEurope, 1704614703, "year+124 mon=0 mday=7 09:05:03"},  // winter, UTC+1
      {kCentralEurope, 1719792000, "year+124 mon=6 mday=1 02:00:00"},  // summer, UTC+2
      {kUsEastern, 1704614703, "year+124 mon=0 mday=7 03:05:03"},
      {kUsEastern, 1704069000, "year+123 mon=11 mday=31 19:30:00"},  // a year behind UTC
      {kIndia, 1709208000, "year+124 mon=1 mday=29 17:30:00"},       // leap day
      {kIndia, INT32_MAX, "year+138 mon=0 mday=19 08:44:07"},
      // Past the last second of a 32-bit count the dates stay right.
      {kUtc, CalendarTime{INT32_MAX} + 1, "year+138 mon=0 mday=19 03:14:08"},
      {kUsEastern, 2163035648, "year+138 mon=6 mday=17 23:14:08"},  // summer time in 2038
      {kUtc, 4107542399 + 1, "year+200 mon=2 mday=1 00:00:00"},     // 2100 has no 29 February
      {kUtc, 253402300799, "year+8099 mon=11 mday=31 23:59:59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " at " + std::to_string(c.time));
    testsupport::ScopedTimeZone zone(c.zone);
    EXPECT_EQ(Fields(platform::LocalCalendarTime(c.time)), c.local);
  }
}

TEST(CalendarClock, ConvertsIntoUtcWhateverTheZone) {
  struct Case {
    CalendarTime time;
    const char* utc;
  };
  const Case cases[] = {
      {0, "year+70 mon=0 mday=1 00:00:00"},
      {1704614703, "year+124 mon=0 mday=7 08:05:03"},
      {1719792000, "year+124 mon=6 mday=1 00:00:00"},
      {INT32_MAX, "year+138 mon=0 mday=19 03:14:07"},
      {2163035648, "year+138 mon=6 mday=18 03:14:08"},
      {253402300799, "year+8099 mon=11 mday=31 23:59:59"},
  };
  for (const char* zoneName : {kUtc, kCentralEurope, kUsEastern, kIndia}) {
    testsupport::ScopedTimeZone zone(zoneName);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(zoneName) + " at " + std::to_string(c.time));
      EXPECT_EQ(Fields(platform::UtcCalendarTime(c.time)), c.utc);
    }
  }
}

TEST(CalendarClock, TimeBeyondAnyCalendarGivesTheEpochNotNull) {
  testsupport::ScopedTimeZone zone(kCentralEurope);
  // A year past INT_MAX: the system may convert it, but tm_year + 1900 overflows.
  const CalendarTime pastIntYears = (CalendarTime{INT32_MAX} + 1000 - 1970) * 31556952;
  for (const CalendarTime time : {INT64_MAX, INT64_MIN, pastIntYears}) {
    SCOPED_TRACE(time);
    EXPECT_EQ(Fields(platform::UtcCalendarTime(time)), "year+70 mon=0 mday=1 00:00:00");
    EXPECT_EQ(Fields(platform::LocalCalendarTime(time)), "year+70 mon=0 mday=1 00:00:00");
  }
}

TEST(CalendarClock, FixedClockReplacesTheSystemClockWhileItLives) {
  {
    FixedCalendarClock outer(INT64_C(4102444800));
    {
      FixedCalendarClock inner(1704614703);
      EXPECT_EQ(platform::CalendarNow(), 1704614703);
      inner.Set(2163035648);
      EXPECT_EQ(platform::CalendarNow(), 2163035648);
      EXPECT_EQ(platform::CalendarNow(), 2163035648);
      EXPECT_EQ(inner.Readings(), 3);
    }
    EXPECT_EQ(platform::CalendarNow(), INT64_C(4102444800));
    EXPECT_EQ(outer.Readings(), 1);
  }
  const auto system = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  EXPECT_NEAR(static_cast<double>(platform::CalendarNow()), static_cast<double>(system), 2.0);
}

}  // namespace
