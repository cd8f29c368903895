#include "platform/FileIdentity.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/WidePath.h"
#else
#include <sys/stat.h>
#endif

namespace platform {

#ifdef _WIN32

namespace {

using Identity = BY_HANDLE_FILE_INFORMATION;

bool ReadIdentity(const char* name, Identity& info) {
  // No access rights are asked for: the identity can be read even of a file that
  // another program holds open or that may not be read.
  const HANDLE file =
      CreateFileW(WidePath(name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  return ok;
}

bool ReadIdentity(int descriptor, Identity& info) {
  const intptr_t handle = _get_osfhandle(descriptor);
  if (handle == -1) return false;
  return GetFileInformationByHandle(reinterpret_cast<HANDLE>(handle), &info) != 0;
}

bool Same(const Identity& a, const Identity& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

#else

namespace {

using Identity = struct stat;

bool ReadIdentity(const char* name, Identity& info) { return ::stat(name, &info) == 0; }
bool ReadIdentity(int descriptor, Identity& info) { return ::fstat(descriptor, &info) == 0; }
bool Same(const Identity& a, const Identity& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

#endif

bool SameFile(int descriptor, const char* name) {
  Identity a;
  Identity b;
  return ReadIdentity(descriptor, a) && ReadIdentity(name, b) && Same(a, b);
}

}  // namespace platform
