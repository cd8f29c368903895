#ifndef ROSBA_FUNCTIONS_FUNCONST_H
#define ROSBA_FUNCTIONS_FUNCONST_H

#include <cstdint>

// Numeric constants and conversions in 80-bit extended precision: a long double
// with a 64-bit significand, every operation rounded to nearest. GCC and Clang
// on x86 give it (Linux, and MinGW-w64 on Windows); a compiler whose long double
// is the 64-bit double (MSVC, or ARM) does not, and the build stops there.

// π rounded to 53 significant bits: the double nearest π widened unchanged,
// 3.141592653589793115997963468544185161590576171875 -- not the extended value
// nearest π.
extern const long double pi;

// Splits a duration of `second` seconds into whole hours `h`, whole minutes `m`
// and the seconds left `s`. The seconds are derived from the fraction of an hour,
// so 3661.5 gives 1 h 1 min and seconds a few units of the last place below 1.5.
// A remainder within 1e-10 of a full minute is carried: 60 - 1e-11 gives
// 0 h 1 min 0 s, and 3600 - 1e-11 gives 1 h 0 min 0 s.
//
// Hours do not stop at a day; they are kept modulo 65536 (2^16), negative
// counts included: -1 gives 65535 h 59 min and about 59 s, -3600 gives 65535 h
// 0 min 0 s, and 65536 h give 0 h. The same holds for every finite input, also
// for hour counts beyond 32 bits.
//
// Input that is not a number or infinite gives 0 h 0 min, and `s` is the input
// itself, so the fault shows wherever the seconds are printed.
//
// All three outputs are written on every call.
void Sec2HMS(long double second, std::uint16_t& h, std::uint16_t& m, long double& s);

#endif
