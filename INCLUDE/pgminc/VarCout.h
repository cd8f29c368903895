#ifndef ROSBA_PGMINC_VARCOUT_H
#define ROSBA_PGMINC_VARCOUT_H

#include <ostream>

// Rules: a row of `n` copies of one character, written as a single padded write
// (the stream's fill set to `chr`, field width `n`, the character itself), so the
// row is exact whatever the alignment. Every rule leaves the stream's fill a
// blank, not the fill it had before, and its field width 0. A count of 0 or less
// writes no rule and no line end. Line ends are flushed.

// On standard output, after an indent of `nblank` copies of the current fill of
// standard output (nothing when `nblank` <= 0; the indent is written even when
// no rule follows, and stays on the current line then). Ends the rule's line.
void PrintChar(const char chr, const int n, const int nblank);
// On standard output, without an indent; leaves the line open.
void PrintCharNoEndl(const char chr, const int n);

// Into a file stream (a std::fstream, or the project's text-mode file with its
// CR LF line ends). Ends the rule's line.
void PrintChar(const char chr, const int n, std::ostream& out);
// Into a file stream; leaves the line open.
void PrintCharNoEndl(const char chr, const int n, std::ostream& out);

#endif
