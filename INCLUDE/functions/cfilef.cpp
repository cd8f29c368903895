#include "functions/cfilef.h"

#include <cerrno>
#include <cstring>

#include "platform/FileRemoval.h"
#include "platform/RawFile.h"

namespace {

// Opened and closed as the text-mode file would open it (a directory never
// opens), but without building a stream and its buffers for it.
bool CanOpenForReading(const char* name) {
  const int savedErrno = errno;
  const int fd = platform::rawfile::Open(name, platform::rawfile::Access::kRead);
  if (fd >= 0) platform::rawfile::Close(fd);
  errno = savedErrno;
  return fd >= 0;
}

}  // namespace

bool FileExists(char* f) { return CanOpenForReading(f); }

// The string is taken by value, as callers of the library know it.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
bool FileExists(std::string f) { return CanOpenForReading(f.c_str()); }

bool RemFile(char* file) { return RemFile(static_cast<const char*>(file)); }

bool RemFile(const char* file) {
  return platform::RemoveFile(file) != platform::Removal::kRefused;
}

void GetBasename(const char* file, char* bname) {
  const char* lastBackslash = std::strrchr(file, '\\');
  const char* const base = lastBackslash != nullptr ? lastBackslash + 1 : file;
  std::memcpy(bname, base, std::strlen(base) + 1);
}

void GetDirname(const char* file, char* dname) {
  dname[0] = '\0';
  const char* lastBackslash = std::strrchr(file, '\\');
  if (lastBackslash == nullptr) return;
  std::memcpy(dname, file, std::strlen(file) + 1);
  dname[lastBackslash - file] = '\0';
}
