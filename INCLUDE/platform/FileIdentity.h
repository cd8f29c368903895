#ifndef ROSBA_PLATFORM_FILEIDENTITY_H
#define ROSBA_PLATFORM_FILEIDENTITY_H

namespace platform {

// True when `name` leads to the file open on `descriptor` (a descriptor of the
// raw file unit), by whatever path: the same name, a symbolic link, a hard link,
// another spelling of the directory, or a name such as /dev/fd/3 that leads to
// the file only while it is open. False when `name` leads to no existing file.
bool SameFile(int descriptor, const char* name);

}  // namespace platform

#endif
