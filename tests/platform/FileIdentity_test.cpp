#include "platform/FileIdentity.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "TempDir.h"

namespace {

using testsupport::TempDir;

TEST(FileIdentity, FindsOneFileBehindAnyPath) {
  TempDir dir;
  const std::string file = dir.Write("file", "x");
  const std::string other = dir.Write("other", "x");
  ASSERT_EQ(::symlink(file.c_str(), (dir / "symlink").c_str()), 0);
  ASSERT_EQ(::link(file.c_str(), (dir / "hardlink").c_str()), 0);

  struct Case {
    std::string first;
    std::string second;
    bool same;
  } cases[] = {
      {file, file, true},
      {file, dir / "symlink", true},
      {file, dir / "hardlink", true},
      {file, dir.path() + "/./../" + dir.path().substr(dir.path().rfind('/') + 1) + "/file", true},
      {file, other, false},
      {file, dir / "missing", false},
      {dir / "missing", dir / "missing", false},
      {file, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first + " / " + c.second);
    EXPECT_EQ(platform::SameFile(c.first.c_str(), c.second.c_str()), c.same);
  }
}

TEST(FileIdentity, KnowsAnOpenFileByNamesThatLeadToItOnlyWhileItIsOpen) {
  TempDir dir;
  const std::string file = dir.Write("file", "x");
  const std::string other = dir.Write("other", "x");
  ASSERT_EQ(::symlink(file.c_str(), (dir / "symlink").c_str()), 0);
  const int fd = ::open(file.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  const std::string byDescriptor = "/dev/fd/" + std::to_string(fd);
  struct Case {
    std::string name;
    bool same;
  } cases[] = {
      {file, true},       {dir / "symlink", true}, {byDescriptor, true},
      {"/proc/self/fd/" + std::to_string(fd), true}, {other, false},
      {dir / "missing", false}, {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(platform::SameFile(fd, c.name.c_str()), c.same);
  }
  ::close(fd);
  EXPECT_FALSE(platform::SameFile(fd, file.c_str())) << "a closed descriptor is no file";
  EXPECT_FALSE(platform::SameFile(file.c_str(), byDescriptor.c_str()));
}

}  // namespace
