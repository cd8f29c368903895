#include "functions/CppCas.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <string>

#include "TimeZone.h"
#include "platform/CalendarClock.h"
#include "platform/ProcessClock.h"

namespace {

using testsupport::kUtc;
using testsupport::kCentralEurope;
using testsupport::kUsEastern;
using platform::FixedCalendarClock;
using platform::SteppedProcessClock;

// 2024-01-07 08:05:03 UTC: 09:05:03 in Central Europe, an hour ahead of UTC.
constexpr platform::CalendarTime kJanuarySeventh = 1704614703;

// ---- Stopwatch ----

TEST(CppCasStopwatch, StopMeasuresFromStartInSeconds) {
  struct Case {
    const char* name;
    platform::ProcessTicks start;
    platform::ProcessTicks step;
    double seconds;
  };
  const Case cases[] = {
      {"250 ticks", 1000, 250, 0.25},
      {"12.345 s", 0, 12345, 12.345},
      {"no tick", 777, 0, 0.0},
      {"negative readings", -500, 250, 0.25},
      {"across the wrap of the 32-bit count", INT_MAX - 99, 250, 0.25},
      {"the longest interval", 0, INT_MAX, 2147483.647},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CppCas cas;
    SteppedProcessClock clock(c.start, c.step);
    cas.Start();
    EXPECT_EQ(cas.Stop(), c.seconds);
    EXPECT_EQ(clock.Readings(), 2);
  }
}

TEST(CppCasStopwatch, StopOnAStoppedStopwatchReturnsZeroWithoutReadingTheClock) {
  SteppedProcessClock clock(1000, 250);
  CppCas fresh;
  EXPECT_EQ(fresh.Stop(), 0.0);
  EXPECT_EQ(clock.Readings(), 0);

  CppCas stopped;
  stopped.Start();
  EXPECT_EQ(stopped.Stop(), 0.25);
  EXPECT_EQ(stopped.Stop(), 0.0);
  EXPECT_EQ(clock.Readings(), 2);
}

TEST(CppCasStopwatch, StartAgainReplacesTheStartReading) {
  SteppedProcessClock clock(1000, 0);
  CppCas cas;
  cas.Start();
  clock.Set(5000);
  cas.Start();
  clock.Set(5400);
  EXPECT_EQ(cas.Stop(), 0.4);
}

TEST(CppCasStopwatch, StoppedStopwatchStartsAgain) {
  SteppedProcessClock clock(0, 1500);
  CppCas cas;
  cas.Start();                 // 0
  EXPECT_EQ(cas.Stop(), 1.5);  // 1500
  cas.Start();                 // 3000
  EXPECT_EQ(cas.Stop(), 1.5);  // 4500
}

TEST(CppCasStopwatch, CopyOfARunningStopwatchMeasuresFromTheStartOfTheOriginal) {
  SteppedProcessClock clock(3000, 0);
  CppCas original;
  original.Start();
  const CppCas& source = original;
  CppCas copy(source);
  clock.Set(3750);
  EXPECT_EQ(copy.Stop(), 0.75);
  clock.Set(4000);
  EXPECT_EQ(original.Stop(), 1.0);  // the original kept running
  EXPECT_EQ(copy.Stop(), 0.0);
  EXPECT_EQ(clock.Readings(), 3);
}

TEST(CppCasStopwatch, CopyOfAStoppedStopwatchIsStopped) {
  SteppedProcessClock clock(0, 100);
  CppCas fresh;
  CppCas copyOfFresh(fresh);
  EXPECT_EQ(copyOfFresh.Stop(), 0.0);

  CppCas used;
  used.Start();
  used.Stop();
  CppCas copyOfUsed(used);
  EXPECT_EQ(copyOfUsed.Stop(), 0.0);
  EXPECT_EQ(clock.Readings(), 2);
}

TEST(CppCasStopwatch, TakesNoCalendarReading) {
  FixedCalendarClock calendar(kJanuarySeventh);
  CppCas cas;
  CppCas copy(cas);
  SteppedProcessClock clock(0, 1);
  cas.Start();
  cas.Stop();
  cas.Pocakaj(0);
  EXPECT_EQ(calendar.Readings(), 1);  // the one of the default constructor
}

// ---- Calendar readings and text layouts ----

struct DateCase {
  const char* name;
  const char* zone;
  platform::CalendarTime time;
  std::int32_t year, monthIndex, day, hour, minute, second;
  const char* local;      // Ascii
  const char* localDate;  // AsciiDate
  const char* utc;        // rxAscii
};

const DateCase kDates[] = {
    {"January in a zone an hour ahead of UTC", kCentralEurope, kJanuarySeventh,  //
     2024, 0, 7, 9, 5, 3, "2024-01-07  09:05:03", "2024-01-07", "20240107 080503 UTC"},
    {"summer time", kCentralEurope, 1719792000,  //
     2024, 6, 1, 2, 0, 0, "2024-07-01  02:00:00", "2024-07-01", "20240701 000000 UTC"},
    {"local date a day behind UTC", kUsEastern, 1704069000,  //
     2023, 11, 31, 19, 30, 0, "2023-12-31  19:30:00", "2023-12-31", "20240101 003000 UTC"},
    {"the epoch", kUtc, 0,  //
     1970, 0, 1, 0, 0, 0, "1970-01-01  00:00:00", "1970-01-01", "19700101 000000 UTC"},
    {"the last second of a 32-bit count", kUtc, INT32_MAX,  //
     2038, 0, 19, 3, 14, 7, "2038-01-19  03:14:07", "2038-01-19", "20380119 031407 UTC"},
    {"the second after it", kUtc, platform::CalendarTime{INT32_MAX} + 1,  //
     2038, 0, 19, 3, 14, 8, "2038-01-19  03:14:08", "2038-01-19", "20380119 031408 UTC"},
    {"summer time after 2038", kUsEastern, 2163035648,  //
     2038, 6, 17, 23, 14, 8, "2038-07-17  23:14:08", "2038-07-17", "20380718 031408 UTC"},
    {"the last second of year 9999", kUtc, 253402300799,  //
     9999, 11, 31, 23, 59, 59, "9999-12-31  23:59:59", "9999-12-31", "99991231 235959 UTC"},
    {"a five-digit year takes its room", kUtc, 253402300800,  //
     10000, 0, 1, 0, 0, 0, "10000-01-01  00:00:00", "10000-01-01", "100000101 000000 UTC"},
};

TEST(CppCasCalendar, NumberReadersGiveTheLocalTime) {
  for (const DateCase& d : kDates) {
    SCOPED_TRACE(d.name);
    testsupport::ScopedTimeZone zone(d.zone);
    FixedCalendarClock clock(d.time);
    CppCas cas;
    EXPECT_EQ(cas.LetoDt(), d.year);
    EXPECT_EQ(cas.MesecDt(), d.monthIndex);
    EXPECT_EQ(cas.DanDt(), d.day);
    EXPECT_EQ(cas.Ura(), d.hour);
    EXPECT_EQ(cas.Min(), d.minute);
    EXPECT_EQ(cas.Sec(), d.second);
  }
}

TEST(CppCasCalendar, TextLayoutsToTheByte) {
  for (const DateCase& d : kDates) {
    SCOPED_TRACE(d.name);
    testsupport::ScopedTimeZone zone(d.zone);
    FixedCalendarClock clock(d.time);
    CppCas cas;
    EXPECT_EQ(std::string(cas.Ascii()), d.local);
    EXPECT_EQ(std::string(cas.AsciiDate()), d.localDate);
    EXPECT_EQ(std::string(cas.rxAscii()), d.utc);
  }
}

TEST(CppCasCalendar, EveryCallReadsTheClockAnew) {
  testsupport::ScopedTimeZone zone(kUtc);
  FixedCalendarClock clock(kJanuarySeventh);  // 2024-01-07 08:05:03 UTC
  CppCas cas;
  EXPECT_EQ(clock.Readings(), 1);

  clock.Set(1735689599);  // 2024-12-31 23:59:59 UTC
  EXPECT_EQ(cas.Sec(), 59);
  clock.Set(1735689600);  // 2025-01-01 00:00:00 UTC
  EXPECT_EQ(cas.Min(), 0);
  EXPECT_EQ(cas.LetoDt(), 2025);
  clock.Set(1735689599);
  EXPECT_EQ(cas.LetoDt(), 2024);
  EXPECT_EQ(cas.MesecDt(), 11);
  EXPECT_EQ(cas.DanDt(), 31);
  EXPECT_EQ(cas.Ura(), 23);
  EXPECT_EQ(std::string(cas.AsciiDate()), "2024-12-31");
  clock.Set(1735689600);
  EXPECT_EQ(std::string(cas.Ascii()), "2025-01-01  00:00:00");
  EXPECT_EQ(std::string(cas.rxAscii()), "20250101 000000 UTC");
  EXPECT_EQ(clock.Readings(), 1 + 10);
}

TEST(CppCasCalendar, CopyTakesNoReadingOfItsOwn) {
  FixedCalendarClock clock(kJanuarySeventh);
  CppCas original;
  CppCas copy(original);
  EXPECT_EQ(clock.Readings(), 1);
}

TEST(CppCasCalendar, LayoutsShareTheObjectsOwnText) {
  testsupport::ScopedTimeZone zone(kCentralEurope);
  FixedCalendarClock clock(kJanuarySeventh);
  CppCas cas;
  CppCas other;
  char* const first = cas.Ascii();
  clock.Set(kJanuarySeventh + 1);
  char* const second = cas.Ascii();
  EXPECT_EQ(first, second);
  EXPECT_EQ(std::string(first), "2024-01-07  09:05:04");

  char* const utc = cas.rxAscii();
  EXPECT_EQ(utc, first);
  EXPECT_EQ(std::string(first), "20240107 080504 UTC");
  char* const date = cas.AsciiDate();
  EXPECT_EQ(date, first);
  EXPECT_EQ(std::string(first), "2024-01-07");

  // Another object has its own text.
  clock.Set(0);
  EXPECT_NE(other.Ascii(), first);
  EXPECT_EQ(std::string(first), "2024-01-07");
}

// ---- Pocakaj ----

TEST(CppCasPocakaj, WaitsOnTheProcessClock) {
  struct Case {
    const char* name;
    platform::ProcessTicks first;
    platform::ProcessTicks step;
    std::int32_t s;
    long readings;  // the one that set the deadline included
  };
  const Case cases[] = {
      {"no wait", 5000, 0, 0, 2},
      {"a negative wait", 5000, 0, -5, 2},
      {"the most negative wait", 5000, 0, INT32_MIN, 2},
      {"two seconds, tick by tick", 1000, 1, 2, 2001},
      {"two seconds, the deadline passed between readings", 1000, 7, 2, 287},  // 3002
      {"two seconds, a reading right on the deadline", 1000, 1000, 2, 3},
      {"a deadline past the wrap of the count", INT_MAX - 500, 100, 1, 11},
      {"longer than a 32-bit count of ms can span: cut", 0, 1073741500, INT32_MAX, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SteppedProcessClock clock(c.first, c.step);
    CppCas cas;
    cas.Pocakaj(c.s);
    EXPECT_EQ(clock.Readings(), c.readings);
  }
}

TEST(CppCasPocakaj, LeavesARunningStopwatchRunning) {
  SteppedProcessClock clock(0, 500);
  CppCas cas;
  cas.Start();                 // 0
  cas.Pocakaj(1);              // 500 (deadline 1500), 1000, 1500
  EXPECT_EQ(cas.Stop(), 2.0);  // 2000
}

// The one real wait of the suite: one second on the real clocks, measured both
// by the stopwatch and from outside.
TEST(CppCasPocakaj, WaitsOneRealSecond) {
  using Clock = std::chrono::steady_clock;
  CppCas cas;
  cas.Start();
  const Clock::time_point before = Clock::now();
  cas.Pocakaj(1);
  const auto waited = Clock::now() - before;
  const double seconds = cas.Stop();
  EXPECT_GE(waited, std::chrono::milliseconds(999));
  EXPECT_LT(waited, std::chrono::seconds(10)) << "a loaded machine may be slow, not this slow";
  EXPECT_GE(seconds, 1.0);
  EXPECT_LT(seconds, 10.0);
}

}  // namespace
