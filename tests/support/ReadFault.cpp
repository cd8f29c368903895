// Read errors on demand, for running the built tool against a failing disk.
//
// Preloaded into a program (LD_PRELOAD), this library makes the system's read
// fail for one file:
//
//   ROSBA_READ_FAULT_FILE=<path>   the file whose reads fail
//   ROSBA_READ_FAULT_AT=<N>        the byte offset where they start to fail
//
// Every read from a descriptor open on that file (the same device and inode,
// whatever name opened it) at a file offset of N or more fails with EIO, even
// at the end of the file; a read that would cross offset N returns only the
// bytes before it. The program thus sees bytes [0, N) of the file and then an
// error. Reads of every other file, and of anything that has no offset (pipes,
// terminals), pass through untouched.

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

using ReadFunction = ssize_t (*)(int, void*, size_t);

struct Fault {
  bool armed = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t at = 0;
};

const Fault& TheFault() {
  static const Fault fault = [] {
    Fault f;
    const char* file = std::getenv("ROSBA_READ_FAULT_FILE");
    const char* at = std::getenv("ROSBA_READ_FAULT_AT");
    struct stat st;
    if (file == nullptr || at == nullptr || ::stat(file, &st) != 0) return f;
    f.armed = true;
    f.device = st.st_dev;
    f.inode = st.st_ino;
    f.at = static_cast<off_t>(std::strtoll(at, nullptr, 10));
    return f;
  }();
  return fault;
}

ReadFunction SystemRead() {
  static const auto next = reinterpret_cast<ReadFunction>(::dlsym(RTLD_NEXT, "read"));
  return next;
}

// How many of `size` bytes may be read from `fd` now: `size` when the fault
// does not concern it, fewer before the fault offset, -1 at or after it.
long Allowed(int fd, size_t size) {
  const Fault& fault = TheFault();
  if (!fault.armed) return static_cast<long>(size);
  struct stat st;
  if (::fstat(fd, &st) != 0 || st.st_dev != fault.device || st.st_ino != fault.inode) {
    return static_cast<long>(size);
  }
  const off_t offset = ::lseek(fd, 0, SEEK_CUR);
  if (offset < 0) return static_cast<long>(size);
  if (offset >= fault.at) return -1;
  const off_t left = fault.at - offset;
  return static_cast<off_t>(size) < left ? static_cast<long>(size) : static_cast<long>(left);
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t size) {
  const long allowed = Allowed(fd, size);
  if (allowed < 0) {
    errno = EIO;
    return -1;
  }
  return SystemRead()(fd, buffer, static_cast<size_t>(allowed));
}

// A program built with _FORTIFY_SOURCE calls this instead of read when it knows
// the size of the buffer.
extern "C" ssize_t __read_chk(int fd, void* buffer, size_t size, size_t bufferSize) {
  if (size > bufferSize) std::abort();
  return read(fd, buffer, size);
}
