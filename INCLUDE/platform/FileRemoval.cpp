#include "platform/FileRemoval.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <wchar.h>

#include "platform/WidePath.h"
#else
#include <unistd.h>
#endif

namespace platform {

Removal RemoveFile(const char* name) {
#ifdef _WIN32
  const int result = _wunlink(WidePath(name).c_str());
#else
  const int result = ::unlink(name);
#endif
  if (result == 0) return Removal::kRemoved;
  // A name that runs through a plain file ("file.txt/x") designates nothing,
  // as a missing one does; Windows says so with ENOENT, Linux with ENOTDIR.
  return errno == ENOENT || errno == ENOTDIR ? Removal::kMissing : Removal::kRefused;
}

}  // namespace platform
