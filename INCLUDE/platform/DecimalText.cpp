#include "platform/DecimalText.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the number written as `digits` (digits with at most one point)
// times ten to the power `exponent` is 1 or more in magnitude. It tells an
// overflow from an underflow when the conversion gives neither.
bool AtLeastOne(const char* digits, const char* end, long exponent) {
  const char* p = digits;
  long integerDigits = 0;  // from the first non-zero digit on
  for (; p < end && *p != '.'; ++p) {
    if (integerDigits > 0 || *p != '0') ++integerDigits;
  }
  if (integerDigits > 0) return integerDigits - 1 + exponent >= 0;
  if (p < end) ++p;  // the point
  long place = 0;     // of a digit after the point: -1, -2, ...
  for (; p < end; ++p) {
    --place;
    if (*p != '0') return place + exponent >= 0;
  }
  return false;
}

// Moves past digits; true when there was at least one.
bool SkipDigits(const char*& p) {
  const char* const start = p;
  while (IsDigit(*p)) ++p;
  return p != start;
}

// The end of an exponent that starts at `p` (e or E, an optional sign, digits),
// or `p` itself when there is none; `exponent` receives its value, kept within
// a range far beyond any double, which changes nothing of the result.
const char* ScanExponent(const char* p, long& exponent) {
  exponent = 0;
  if (*p != 'e' && *p != 'E') return p;
  const char* q = p + 1;
  const bool negative = *q == '-';
  if (*q == '+' || *q == '-') ++q;
  if (!IsDigit(*q)) return p;
  for (; IsDigit(*q); ++q) {
    if (exponent < 100000) exponent = exponent * 10 + (*q - '0');
  }
  if (negative) exponent = -exponent;
  return q;
}

}  // namespace

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

double DecimalToDouble(const char* text) {
  const char* p = text;
  while (IsWhiteSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;

  const char* const digits = p;
  bool anyDigit = SkipDigits(p);
  if (*p == '.') {
    ++p;
    anyDigit = SkipDigits(p) || anyDigit;
  }
  if (!anyDigit) return 0.0;
  const char* const significandEnd = p;
  long exponent = 0;
  const char* const end = ScanExponent(significandEnd, exponent);

  double value = 0.0;
  const std::from_chars_result result =
      std::from_chars(digits, end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // The nearest double is then an infinity or zero.
    value = AtLeastOne(digits, significandEnd, exponent) ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace platform
