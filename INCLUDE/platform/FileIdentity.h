#ifndef ROSBA_PLATFORM_FILEIDENTITY_H
#define ROSBA_PLATFORM_FILEIDENTITY_H

namespace platform {

// True when both names lead to one existing file, by whatever path: the same
// name, a symbolic link, a hard link, another spelling of the directory. False
// when either name does not lead to an existing file.
bool SameFile(const char* first, const char* second);

// True when `name` leads to the file open on `descriptor` (a descriptor of the
// raw file unit). A name such as /dev/fd/3 leads to a file only while it is
// open, so an open file is best compared this way.
bool SameFile(int descriptor, const char* name);

}  // namespace platform

#endif
