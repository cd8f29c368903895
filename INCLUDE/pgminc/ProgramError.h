#ifndef ROSBA_PGMINC_PROGRAMERROR_H
#define ROSBA_PGMINC_PROGRAMERROR_H

// Console reports of a program. Every report has the same four lines:
//
//   (empty line)
//   **** <prog>: Error -> <message> ****        (#### ... Warning -> ... #### for a warning)
//        Exiting <prog> ...                     (     Continuing <prog> ... for a warning)
//   (empty line)
//
// Texts are written unchanged. Every line end is flushed; a report on standard
// error first flushes standard output, so that it follows what was printed before.

// Reports a fatal error on standard error and ends the process with exit status 1
// through the normal exit path (exit functions and static destructors run; the
// caller's locals are not destroyed). With `wait` set it first discards buffered
// standard input and waits for one character (Enter on a console).
[[noreturn]] void ProgramError(const char* prog, const char* error, bool wait);
// The same report on standard output.
[[noreturn]] void ProgramErrorCout(const char* prog, const char* error, bool wait);

// Reports a warning on standard error and returns.
void ProgramWarning(const char* prog, const char* warn);
// The same report on standard output.
void ProgramWarningCout(const char* prog, const char* warn);

#endif
