#ifndef ROSBA_PLATFORM_DECIMALTEXT_H
#define ROSBA_PLATFORM_DECIMALTEXT_H

namespace platform {

// White space as the standard classification of a byte has it: blank, tab, LF,
// vertical tab, form feed and CR; no other byte, none of code 128 or above.
bool IsWhiteSpace(char c);

// The number at the start of a decimal text, as the standard conversion reads
// one: white space is skipped,
// then the longest prefix of the form
//
//   [+|-] digits [. [digits]]  or  [+|-] . digits,  then optionally  e|E [+|-] digits
//
// is converted to the nearest double (correctly rounded; beyond the range of a
// double, an infinity or a zero of its sign). 0 when there is no such prefix.
//
// Unlike the C library's strtod, it takes no hexadecimal, inf or nan, and does
// not depend on the locale: every build of a program reads the same text as the
// same number.
double DecimalToDouble(const char* text);

}  // namespace platform

#endif
