#ifndef ROSBA_PLATFORM_WIDEPATH_H
#define ROSBA_PLATFORM_WIDEPATH_H

#ifdef _WIN32

#include <string>

namespace platform {

// A file name as the wide-character calls of Windows take it, so that a long
// name reaches the file it names.
//
// The narrow calls (CreateFileA, _sopen_s, _unlink) refuse a name whose full
// path has MAX_PATH (260) characters or more, whereas the tool takes names of up
// to 511 characters, and a Linux build opens them. The name is converted from
// the code page that the narrow calls would use; a name whose full path is that
// long becomes an extended-length path ("\\?\C:\...", "\\?\UNC\server\share\..."),
// which the system takes up to about 32,767 characters. Any other name is only
// converted, so that relative names and device names such as NUL keep their
// meaning.
std::wstring WidePath(const char* name);

}  // namespace platform

#endif

#endif
