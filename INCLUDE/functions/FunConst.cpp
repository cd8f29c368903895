#include "functions/FunConst.h"

#include <cmath>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "FunConst computes in 80-bit extended precision: build with GCC or Clang for x86 "
              "(MinGW-w64 on Windows), where long double has a 64-bit significand");

// The literal is a double: it is rounded to 53 bits first and then widened.
const long double pi = static_cast<long double>(3.14159265358979323846);

namespace {

// `whole` modulo 65536: for a count that fits in 32 bits, the low 16 bits of its
// two's complement; beyond that the same rule carried on, since the conversion to
// a 32-bit integer would be undefined there.
std::uint16_t Modulo65536(long double whole) {
  if (whole >= -2147483648.0L && whole <= 2147483647.0L) {
    return static_cast<std::uint16_t>(static_cast<std::int32_t>(whole));
  }
  long double rest = std::fmod(whole, 65536.0L);  // exact
  if (rest < 0) rest += 65536.0L;
  return static_cast<std::uint16_t>(rest);
}

}  // namespace

void Sec2HMS(long double second, std::uint16_t& h, std::uint16_t& m, long double& s) {
  if (!std::isfinite(second)) {
    h = 0;
    m = 0;
    s = second;
    return;
  }
  const long double q = second / 3600.0L;
  const long double hr = std::floor(q);
  const long double minutes = (q - hr) * 60.0L;
  const long double mn = std::floor(minutes);
  s = (minutes - mn) * 60.0L;
  h = Modulo65536(hr);
  m = Modulo65536(mn);

  // The tolerance is the double nearest 1e-10, widened.
  if (std::fabs(s - 60.0L) < static_cast<long double>(1e-10)) {
    s = 0.0L;
    m = static_cast<std::uint16_t>(m + 1);
  }
  if (m == 60) {
    m = 0;
    h = static_cast<std::uint16_t>(h + 1);
  }
}
