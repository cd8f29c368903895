#include "platform/FileIdentity.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "TempDir.h"

namespace {

using testsupport::TempDir;

TEST(FileIdentity, FindsTheOpenFileBehindAnyName) {
  TempDir dir;
  const std::string file = dir.Write("file", "x");
  const std::string other = dir.Write("other", "x");
  ASSERT_EQ(::symlink(file.c_str(), (dir / "symlink").c_str()), 0);
  ASSERT_EQ(::link(file.c_str(), (dir / "hardlink").c_str()), 0);
  const int fd = ::open(file.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  // Names that lead to the file only while it is open.
  const std::string byDescriptor = "/dev/fd/" + std::to_string(fd);
  const std::string byProcess = "/proc/self/fd/" + std::to_string(fd);
  struct Case {
    const char* name;
    std::string path;
    bool same;
  } cases[] = {
      {"its name", file, true},
      {"a symbolic link", dir / "symlink", true},
      {"a hard link", dir / "hardlink", true},
      {"another spelling of the directory",
       dir.path() + "/./../" + dir.path().substr(dir.path().rfind('/') + 1) + "/file", true},
      {"/dev/fd/N", byDescriptor, true},
      {"/proc/self/fd/N", byProcess, true},
      {"another file", other, false},
      {"a missing name", dir / "missing", false},
      {"an empty name", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(platform::SameFile(fd, c.path.c_str()), c.same);
  }
  ::close(fd);
  EXPECT_FALSE(platform::SameFile(fd, file.c_str())) << "a closed descriptor is no file";
}

}  // namespace
