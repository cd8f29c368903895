#ifndef ROSBA_FUNCTIONS_CFILEF_H
#define ROSBA_FUNCTIONS_CFILEF_H

#include <string>

// File-name helpers. Path names are split only at the backslash; a forward slash
// and a drive letter's colon are ordinary characters here.

// True when the file can be opened for reading. A missing file, an empty name, a
// directory and a file that may not be read all give false. Prints nothing and
// leaves errno as it was.
bool FileExists(char* f);
// The same for the characters of `f` up to its first zero character.
bool FileExists(std::string f);

// Removes a file. True when it is gone afterwards: removed now, or not there at
// all (no such file or directory). False when the system refuses (no permission,
// a directory, a file in use); the file then stays as it was.
bool RemFile(char* file);
bool RemFile(const char* file);

// Everything after the last backslash, or the whole name when it has none.
// `bname` must have room for the whole of `file` and must not overlap it.
void GetBasename(const char* file, char* bname);
// Everything before the last backslash, without it; empty when there is none.
// `dname` must have room for the whole of `file` and must not overlap it.
void GetDirname(const char* file, char* dname);

#endif
