#include "functions/cfilef.h"

#include <cerrno>
#include <cstring>

#include "platform/FileRemoval.h"
#include "platform/TextFileStream.h"

namespace {

bool CanOpenForReading(const char* name) {
  const int savedErrno = errno;
  platform::TextFileStream file(name, std::ios::in);
  const bool opened = file.is_open();
  if (opened) file.close();
  errno = savedErrno;
  return opened;
}

}  // namespace

bool FileExists(char* f) { return CanOpenForReading(f); }

bool FileExists(std::string f) { return CanOpenForReading(f.c_str()); }

bool RemFile(char* file) { return RemFile(static_cast<const char*>(file)); }

bool RemFile(const char* file) {
  return platform::RemoveFile(file) != platform::Removal::kRefused;
}

void GetBasename(const char* file, char* bname) {
  bname[0] = '\0';
  const char* lastBackslash = std::strrchr(file, '\\');
  std::strcpy(bname, lastBackslash ? lastBackslash + 1 : file);
}

void GetDirname(const char* file, char* dname) {
  dname[0] = '\0';
  const char* lastBackslash = std::strrchr(file, '\\');
  if (lastBackslash == nullptr) return;
  std::strcpy(dname, file);
  dname[lastBackslash - file] = '\0';
}
