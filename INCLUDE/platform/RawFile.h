#ifndef ROSBA_PLATFORM_RAWFILE_H
#define ROSBA_PLATFORM_RAWFILE_H

#include <cstddef>

namespace platform {

// Byte-exact file access through the system's descriptors: no translation, no
// buffering. The text-mode stream is built on it.
namespace rawfile {

enum class Access { kRead, kWriteTruncate, kWriteAppend };

// Returns a descriptor, or -1 (errno set). A directory never opens, not even
// for reading, where the system itself would allow it.
int Open(const char* name, Access access);

// Reads up to `size` bytes; 0 at the end of the file, -1 on an error.
long Read(int fd, char* buffer, std::size_t size);

// Writes all `size` bytes, however many calls the system needs; false on an error.
bool WriteAll(int fd, const char* data, std::size_t size);

// False when the system reports an error on closing.
bool Close(int fd);

}  // namespace rawfile
}  // namespace platform

#endif
