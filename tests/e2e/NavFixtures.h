#ifndef ROSBA_TESTS_E2E_NAVFIXTURES_H
#define ROSBA_TESTS_E2E_NAVFIXTURES_H

#include <string>

// Builders of small navigation files, with LF line ends (tool::WithCRLF gives
// the bytes the tool writes for them).
namespace nav {

// A RINEX 2.01 GLONASS header of three lines.
inline const std::string kHeader =
    "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\n"
    "rnxmerge 2.3        Rosba tests         10-DEC-19 23:55     PGM / RUN BY / DATE\n"
    "                                                            END OF HEADER\n";

// The first line of a record of satellite `slot` with this seconds field
// (five characters, columns 18-22): 79 characters and its LF.
inline std::string First(const std::string& seconds, int slot = 1) {
  return (slot < 10 ? " " : "") + std::to_string(slot) + " 19 12 10  0 15" + seconds +
         "-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\n";
}

// An orbit line, told apart from the others by `tag`.
inline std::string Orbit(char tag) {
  return "   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.00000000000" +
         std::string(1, tag) + "D+00\n";
}

// A whole record: its first line and three orbit lines.
inline std::string Record(const std::string& seconds, int slot = 1) {
  return First(seconds, slot) + Orbit('a') + Orbit('b') + Orbit('c');
}

// A file with a record that stays and one that goes, and its correction.
inline const std::string kInput = kHeader + Record("  0.0", 1) + Record(" 30.0", 2) + Record("  0.0", 3);
inline const std::string kCorrected = kHeader + Record("  0.0", 1) + Record("  0.0", 3);

}  // namespace nav

#endif
