#include "platform/FileIdentity.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "TempDir.h"

namespace {

using testsupport::TempDir;

TEST(SameFile, FindsOneFileBehindAnyPath) {
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

}  // namespace
