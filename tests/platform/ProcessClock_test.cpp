#include "platform/ProcessClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::ProcessClockNow;
using platform::ProcessTicks;
using platform::SteppedProcessClock;

TEST(ProcessClock, CountsFromTheStartOfTheProcess) {
  // Each test runs in a process of its own; a count from the boot of the machine
  // or from 1970 would be far larger.
  const ProcessTicks now = ProcessClockNow();
  EXPECT_GE(now, 0);
  EXPECT_LT(now, 60 * 1000);
}

TEST(ProcessClock, CountsWallTimeInMilliseconds) {
  // A clock of processor time would hardly move while the process sleeps.
  const ProcessTicks before = ProcessClockNow();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const ProcessTicks after = ProcessClockNow();
  EXPECT_GE(after - before, 300);
  EXPECT_LT(after - before, 3000) << "ticks longer than a millisecond?";
}

TEST(ProcessClock, DifferencesOfReadingsWrapLikeA32BitCount) {
  struct Case {
    ProcessTicks earlier;
    ProcessTicks later;
    ProcessTicks ticks;  // later - earlier, modulo 2^32
  };
  const Case cases[] = {
      {1000, 1250, 250},
      {1250, 1000, -250},
      {-500, -250, 250},
      {INT_MAX - 99, INT_MIN + 150, 250},
      {INT_MIN + 150, INT_MAX - 99, -250},
      {0, INT_MAX, INT_MAX},
      {-1, INT_MAX, INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.earlier) + " -> " + std::to_string(c.later));
    EXPECT_EQ(platform::TicksBetween(c.earlier, c.later), c.ticks);
    EXPECT_EQ(platform::TicksAfter(c.earlier, c.ticks), c.later);
  }
}

TEST(ProcessClock, SteppedClockGivesItsReadingsInOrder) {
  struct Case {
    const char* name;
    ProcessTicks first;
    ProcessTicks step;
    std::vector<ProcessTicks> readings;
  };
  const Case cases[] = {
      {"steps forward", 1000, 250, {1000, 1250, 1500, 1750}},
      {"stands still", 42, 0, {42, 42, 42}},
      {"steps back", 0, -7, {0, -7, -14}},
      {"wraps like a 32-bit count", INT_MAX - 1, 1, {INT_MAX - 1, INT_MAX, INT_MIN, INT_MIN + 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SteppedProcessClock clock(c.first, c.step);
    std::vector<ProcessTicks> got;
    for (std::size_t i = 0; i < c.readings.size(); ++i) got.push_back(ProcessClockNow());
    EXPECT_EQ(got, c.readings);
    EXPECT_EQ(clock.Readings(), static_cast<long>(c.readings.size()));
  }
}

TEST(ProcessClock, SetDecidesTheNextReading) {
  SteppedProcessClock clock(5, 10);
  EXPECT_EQ(ProcessClockNow(), 5);
  clock.Set(12345);
  EXPECT_EQ(ProcessClockNow(), 12345);
  EXPECT_EQ(ProcessClockNow(), 12355);
  EXPECT_EQ(clock.Readings(), 3);
}

TEST(ProcessClock, DestructionPutsBackTheClockBefore) {
  {
    SteppedProcessClock outer(1000000, 0);
    {
      SteppedProcessClock inner(-5, 0);
      EXPECT_EQ(ProcessClockNow(), -5);
    }
    EXPECT_EQ(ProcessClockNow(), 1000000);
    EXPECT_EQ(outer.Readings(), 1);
  }
  const ProcessTicks system = ProcessClockNow();
  EXPECT_GE(system, 0);
  EXPECT_LT(system, 60 * 1000);
}

}  // namespace
