#include "functions/FunConst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(FunConst, ArithmeticIsExtendedPrecision) {
  // Catches a build that computes long double in 53 bits, as the x87 unit does
  // when its precision control is left at double.
  volatile long double one = 1.0L;
  volatile long double tiny = std::ldexp(1.0L, -63);
  EXPECT_NE(one + tiny, one);
}

TEST(FunConst, PiIsTheDoubleNearestPiWidened) {
  EXPECT_EQ(pi, 3.141592653589793115997963468544185161590576171875L);
  EXPECT_NE(pi, 3.14159265358979323846264338327950288L);  // the extended value nearest pi
}

constexpr long double kHour = 3600.0L;
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct HmsCase {
  const char* name;
  long double second;
  std::uint16_t h;
  std::uint16_t m;
  long double s;
  long double tolerance;  // 0: exactly s
};

void ExpectHms(const HmsCase& c) {
  SCOPED_TRACE(c.name);
  // Values no call leaves behind, to see that every output is written.
  std::uint16_t h = 12345;
  std::uint16_t m = 54321;
  long double s = -777.0L;
  Sec2HMS(c.second, h, m, s);
  EXPECT_EQ(h, c.h);
  EXPECT_EQ(m, c.m);
  if (std::isnan(c.s)) {
    EXPECT_TRUE(std::isnan(s)) << static_cast<double>(s);
  } else if (c.tolerance == 0.0L) {
    EXPECT_EQ(s, c.s) << "off by " << static_cast<double>(s - c.s);
  } else {
    EXPECT_LE(std::fabs(s - c.s), c.tolerance) << "off by " << static_cast<double>(s - c.s);
  }
}

TEST(FunConst, Sec2HMSSplitsWholeUnits) {
  const HmsCase cases[] = {
      {"zero", 0.0L, 0, 0, 0.0L, 0},
      {"a minute", 60.0L, 0, 1, 0.0L, 0},
      {"an hour", kHour, 1, 0, 0.0L, 0},
      {"a day: hours do not wrap at 24", 24 * kHour, 24, 0, 0.0L, 0},
      {"1 h 1 min 1 s", kHour + 61.0L, 1, 1, 1.0L, 1e-15L},
      {"65535 h 59 min 30 s", 65535 * kHour + 3570.0L, 65535, 59, 30.0L, 1e-9L},
      {"half a second", 0.5L, 0, 0, 0.5L, 1e-15L},
  };
  for (const HmsCase& c : cases) ExpectHms(c);
}

TEST(FunConst, Sec2HMSDerivesSecondsFromTheFractionOfAnHour) {
  std::uint16_t h = 0;
  std::uint16_t m = 0;
  long double s = 0;
  Sec2HMS(3661.5L, h, m, s);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(m, 1);
  EXPECT_LT(s, 1.5L);
  EXPECT_GT(s, 1.5L - 1e-15L);
}

TEST(FunConst, Sec2HMSCarriesAFullMinuteWithinTolerance) {
  const HmsCase cases[] = {
      {"1e-11 short of a minute: carried", 60.0L - 1e-11L, 0, 1, 0.0L, 0},
      {"2e-10 short of a minute: kept", 60.0L - 2e-10L, 0, 0, 60.0L - 2e-10L, 1e-15L},
      {"1e-11 short of an hour: minutes carry into hours", kHour - 1e-11L, 1, 0, 0.0L, 0},
      {"2e-10 short of an hour: kept", kHour - 2e-10L, 0, 59, 60.0L - 2e-10L, 1e-14L},
      {"1e-11 short of 25 h", 25 * kHour - 1e-11L, 25, 0, 0.0L, 0},
  };
  for (const HmsCase& c : cases) ExpectHms(c);
}

TEST(FunConst, Sec2HMSKeepsHoursModulo65536) {
  const HmsCase cases[] = {
      {"-1 s", -1.0L, 65535, 59, 59.0L, 1e-12L},
      {"-1 h", -kHour, 65535, 0, 0.0L, 0},
      {"-1 h 30 min", -1.5L * kHour, 65534, 30, 0.0L, 1e-12L},
      {"-1e-11 s: carried twice, 65535 + 1 gives 0", -1e-11L, 0, 0, 0.0L, 0},
      {"2^16 h", 65536 * kHour, 0, 0, 0.0L, 0},
      {"2^16 h 1 min 1.5 s", 65536 * kHour + 61.5L, 0, 1, 1.5L, 1e-9L},
      {"2^31 - 1 h, the largest 32-bit count", 2147483647.0L * kHour, 65535, 0, 0.0L, 0},
      {"-2^31 h, the smallest 32-bit count", -2147483648.0L * kHour, 0, 0, 0.0L, 0},
      // Beyond 32 bits the same rule goes on.
      {"2^31 + 7 h", 2147483655.0L * kHour, 7, 0, 0.0L, 0},
      {"-(2^31 + 1) h", -2147483649.0L * kHour, 65535, 0, 0.0L, 0},
      {"2^40 + 3 h", 1099511627779.0L * kHour, 3, 0, 0.0L, 0},
      {"1e300 s, a multiple of 2^16 h", 1e300L, 0, 0, 0.0L, 0},
  };
  for (const HmsCase& c : cases) ExpectHms(c);
}

TEST(FunConst, Sec2HMSPassesOnInputThatIsNoNumber) {
  const HmsCase cases[] = {
      {"not a number", kNaN, 0, 0, kNaN, 0},
      {"plus infinity", kInf, 0, 0, kInf, 0},
      {"minus infinity", -kInf, 0, 0, -kInf, 0},
  };
  for (const HmsCase& c : cases) ExpectHms(c);
}

}  // namespace
