#ifndef ROSBA_TESTS_SUPPORT_TEMPDIR_H
#define ROSBA_TESTS_SUPPORT_TEMPDIR_H

#include <string>

namespace testsupport {

// A scratch directory of its own for one test, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // The path of `name` inside the directory.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // Writes `bytes` to the file `name` inside the directory and returns its path;
  // throws when the file cannot be written, which fails the test at once.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// The whole content of a file; `exists` tells whether it could be read.
std::string ReadFile(const std::string& path, bool* exists = nullptr);
bool PathExists(const std::string& path);

}  // namespace testsupport

#endif
