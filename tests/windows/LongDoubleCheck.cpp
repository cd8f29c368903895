// Run under Wine by CI for each Windows build: the support library computes in
// 80-bit extended precision, which needs a long double with a 64-bit
// significand (the build checks that) and an x87 unit that rounds to all 64
// bits while the program runs. A 32-bit program starts with whatever precision
// its runtime's start-up code sets, and 53 bits would make long double a double
// in all but name, so this is checked where it runs.

#include <cfloat>
#include <cstdio>
#include <limits>

int main() {
  static_assert(std::numeric_limits<long double>::digits == 64, "long double is not 80-bit");
  volatile long double one = 1.0L;
  volatile long double epsilon = LDBL_EPSILON;  // 2^-63
  const long double above = one + epsilon;
  const long double half = one + epsilon / 2;  // a tie, rounded to the even neighbour
  const bool extended = above != one && half == one;
  std::printf("long double: %d-bit significand, %u bytes, x87 rounds to %s\n",
              std::numeric_limits<long double>::digits, static_cast<unsigned>(sizeof(long double)),
              extended ? "64 bits" : "fewer than 64 bits");
  return extended ? 0 : 1;
}
