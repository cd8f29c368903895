#include "platform/FileIdentity.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/WidePath.h"
#else
#include <sys/stat.h>
#endif

namespace platform {

#ifdef _WIN32

namespace {

bool ReadIdentity(const char* name, BY_HANDLE_FILE_INFORMATION& info) {
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

}  // namespace

bool SameFile(const char* first, const char* second) {
  BY_HANDLE_FILE_INFORMATION a;
  BY_HANDLE_FILE_INFORMATION b;
  if (!ReadIdentity(first, a) || !ReadIdentity(second, b)) return false;
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

#else

bool SameFile(const char* first, const char* second) {
  struct stat a;
  struct stat b;
  if (::stat(first, &a) != 0 || ::stat(second, &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

#endif

}  // namespace platform
