#ifndef ROSBA_PLATFORM_COMMANDLINEWILDCARDS_H
#define ROSBA_PLATFORM_COMMANDLINEWILDCARDS_H

// Wildcards on the command line are replaced by the names of the files they
// match before main counts its arguments, as users of the tool expect on every
// system: `Rosba.exe *.g out.g` is two arguments when *.g matches one file.
//
// On Linux the shell has done it already. On Windows the program receives the
// command line as typed, and the C runtime's start-up code expands it only when
// the program asks for it: the MinGW-w64 runtime reads the setting below (the
// project builds with GCC or Clang only). Linked into each program whole (see
// PROG/Rosba/CMakeLists.txt).

#ifdef __MINGW32__
extern "C" int _dowildcard;
#endif

#endif
