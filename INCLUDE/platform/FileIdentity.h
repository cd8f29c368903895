#ifndef ROSBA_PLATFORM_FILEIDENTITY_H
#define ROSBA_PLATFORM_FILEIDENTITY_H

namespace platform {

// True when both names lead to one existing file, by whatever path: the same
// name, a symbolic link, a hard link, another spelling of the directory. False
// when either name does not lead to an existing file.
bool SameFile(const char* first, const char* second);

}  // namespace platform

#endif
