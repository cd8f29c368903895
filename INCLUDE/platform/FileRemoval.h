#ifndef ROSBA_PLATFORM_FILEREMOVAL_H
#define ROSBA_PLATFORM_FILEREMOVAL_H

namespace platform {

enum class Removal {
  kRemoved,  // the file was there and is gone now
  kMissing,  // nothing is there to remove: no such file, or a path through a plain file
  kRefused,  // any other refusal; the file stays as it was
};

// Removes a file, never a directory (where the C library's remove() would take
// an empty one).
Removal RemoveFile(const char* name);

}  // namespace platform

#endif
