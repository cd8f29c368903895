#include "platform/RawFile.h"

#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <sys/types.h>

#include "platform/WidePath.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace rawfile {

namespace {

#ifdef _WIN32
int SystemOpen(const char* name, Access access) {
  int flags = _O_BINARY | _O_NOINHERIT;
  switch (access) {
    case Access::kRead: flags |= _O_RDONLY; break;
    case Access::kWriteTruncate: flags |= _O_WRONLY | _O_CREAT | _O_TRUNC; break;
    case Access::kWriteAppend: flags |= _O_WRONLY | _O_CREAT | _O_APPEND; break;
  }
  int fd = -1;
  if (_wsopen_s(&fd, WidePath(name).c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) {
    return -1;
  }
  return fd;
}
bool IsDirectory(int fd) {
  struct _stat64 st;
  return _fstat64(fd, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFDIR;
}
long SystemRead(int fd, char* buffer, std::size_t size) {
  const unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
  return _read(fd, buffer, chunk);
}
long SystemWrite(int fd, const char* data, std::size_t size) {
  const unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
  return _write(fd, data, chunk);
}
int SystemClose(int fd) { return _close(fd); }
#else
int SystemOpen(const char* name, Access access) {
  int flags = O_CLOEXEC;
  switch (access) {
    case Access::kRead: flags |= O_RDONLY; break;
    case Access::kWriteTruncate: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    case Access::kWriteAppend: flags |= O_WRONLY | O_CREAT | O_APPEND; break;
  }
  int fd;
  do {
    fd = ::open(name, flags, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}
bool IsDirectory(int fd) {
  struct stat st;
  return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}
long SystemRead(int fd, char* buffer, std::size_t size) {
  const std::size_t chunk = size > LONG_MAX ? LONG_MAX : size;
  return static_cast<long>(::read(fd, buffer, chunk));
}
long SystemWrite(int fd, const char* data, std::size_t size) {
  const std::size_t chunk = size > LONG_MAX ? LONG_MAX : size;
  return static_cast<long>(::write(fd, data, chunk));
}
int SystemClose(int fd) { return ::close(fd); }
#endif

}  // namespace

int Open(const char* name, Access access) {
  const int fd = SystemOpen(name, access);
  if (fd < 0) return -1;
  // Linux opens a directory for reading without complaint; a directory is
  // never a file to read or write here.
  if (IsDirectory(fd)) {
    SystemClose(fd);
    errno = EISDIR;
    return -1;
  }
  return fd;
}

long Read(int fd, char* buffer, std::size_t size) {
  long n;
  do {
    n = SystemRead(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const long n = SystemWrite(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool Close(int fd) {
  // On Linux a close interrupted by a signal has still released the descriptor:
  // retrying could close another file.
  return SystemClose(fd) == 0 || errno == EINTR;
}

}  // namespace rawfile
}  // namespace platform
