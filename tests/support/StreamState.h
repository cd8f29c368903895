#ifndef ROSBA_TESTS_SUPPORT_STREAMSTATE_H
#define ROSBA_TESTS_SUPPORT_STREAMSTATE_H

#include <iomanip>
#include <ostream>

namespace testsupport {

// Written after a call under test, it shows the formatting state the call left
// behind: "x" a field width (it would be padded), the padded "y" the fill and
// the alignment. On a stream in its first state it writes "x  y".
inline void ProbeStreamState(std::ostream& out) { out << "x" << std::setw(3) << "y"; }

// The same, then 2.5 and 7: the floating-point notation and precision too
// (" 2.5 7" in the first state).
inline void ProbeStreamNotation(std::ostream& out) {
  ProbeStreamState(out);
  out << " " << 2.5 << " " << 7;
}

}  // namespace testsupport

#endif
