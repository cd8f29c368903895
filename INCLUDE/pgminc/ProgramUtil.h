#ifndef ROSBA_PGMINC_PROGRAMUTIL_H
#define ROSBA_PGMINC_PROGRAMUTIL_H

#include "functions/CppCas.h"

// The run of a program, bracketed by StartProg and EndProg and timed by one
// program-wide stopwatch. Both calls write the program's name, "Rosba".

namespace prgutil {
// Constructed (stopped) before main runs and destroyed at program exit, before
// the standard streams are released.
extern CppCas ctm;
}  // namespace prgutil

// Starts (or restarts) the run stopwatch. With `verbose` set, writes a line end
// and then "Rosba     ++" followed by `line` on standard error, and leaves
// standard error right-aligned.
void StartProg(const bool verbose, const char* line);

// Stops the run stopwatch; the run time is the time since the last StartProg, or
// 0 when it was not running. With `verbose` set, writes
//   "Rosba     ++ ***** SUCCESFULLY ENDING PROGRAM [12.345 s] *****"
// and an empty line on standard error, and leaves standard error in fixed
// notation with three decimals and right-aligned. With `PrintCout` set, writes
//   "PROGRAM:     Rosba     ***** SUCCESFULLY ENDED [12.345 s] *****"
// framed by two rules on standard output (ProgramSubTitle, no indent).
void EndProg(const bool verbose, const bool PrintCout);

#endif
