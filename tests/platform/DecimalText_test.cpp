#include "platform/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using platform::DecimalToDouble;

TEST(DecimalText, ReadsTheLongestDecimalPrefix) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    std::string text;
    double value;
  } cases[] = {
      {"seconds of a record", " 30.0-0.428774093133D-03", 30.0},
      {"white space first", " \t\n\v\f\r59.9", 59.9},
      {"a plus sign", "+1.5", 1.5},
      {"a minus sign", "-1.5", -1.5},
      {"a point without fraction", "  5.", 5.0},
      {"a point without integer part", " .25", 0.25},
      {"an exponent", "1.5e2x", 150.0},
      {"an exponent with a sign", "15E-1", 1.5},
      {"an exponent without digits is not taken", "7e", 7.0},
      {"an exponent with only a sign is not taken", "7e+", 7.0},
      {"hexadecimal is not read", " 0x.8", 0.0},
      {"hexadecimal digits are not read", "0x1p3", 0.0},
      {"no inf", "inf", 0.0},
      {"no nan", "nan", 0.0},
      {"the point alone", "   . ", 0.0},
      {"a letter first", "  x.0", 0.0},
      {"two signs", "+-1", 0.0},
      {"a sign alone", "- 1", 0.0},
      {"nothing", "", 0.0},
      {"beyond a double", "1e400", inf},
      {"beyond a double, negative", "-1.0e400", -inf},
      {"a long integer beyond a double", "1" + std::string(400, '0'), inf},
      {"an exponent beyond any range", "1e99999999999999999999", inf},
      {"below a double", "1e-400", 0.0},
      {"many zeros before the digit, then a large exponent", "0." + std::string(700, '0') + "1e400",
       1e-301},
      {"many zeros before the digit: below a double", "0." + std::string(700, '0') + "1e300", 0.0},
      {"the smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
      // Correct rounding: a text halfway between two doubles, and the double
      // nearest 0.1 from a long text just above and below it.
      {"halfway, rounds to even", "9007199254740993", 9007199254740992.0},
      {"just above halfway", "9007199254740993.00000000001", 9007199254740994.0},
      {"0.1", "0.1", 0.1},
      {"0.09999999999", "0.09999999999", 0.09999999999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecimalToDouble(c.text.c_str()), c.value);
  }
}

TEST(DecimalText, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(DecimalToDouble(" -0.0")));
  EXPECT_TRUE(std::signbit(DecimalToDouble("-1e-400")));
  EXPECT_FALSE(std::signbit(DecimalToDouble("  0.0")));
  EXPECT_FALSE(std::signbit(DecimalToDouble("-x"))) << "no number reads as plain 0";
}

}  // namespace
