#include "functions/cfilef.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "TempDir.h"

namespace {

using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::TempDir;

bool FileExistsByName(const std::string& name) {
  char f[512];
  name.copy(f, sizeof f - 1);
  f[name.size() < sizeof f ? name.size() : sizeof f - 1] = '\0';
  return FileExists(f);
}

TEST(cfilef, FileExistsTrueOnlyForAFileThatCanBeRead) {
  TempDir dir;
  const std::string file = dir.Write("file.g", "content\n");
  const std::string empty = dir.Write("empty.g", "");
  struct Case {
    std::string name;
    bool exists;
  } cases[] = {
      {file, true},          {empty, true},  {dir / "missing.g", false},
      {dir.path(), false},   {"", false},    {dir / "missing/file.g", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    errno = 12345;
    EXPECT_EQ(FileExistsByName(c.name), c.exists);
    EXPECT_EQ(FileExists(c.name), c.exists) << "string form";
    EXPECT_EQ(errno, 12345) << "no error number is left behind";
  }
  EXPECT_EQ(ReadFile(file), "content\n") << "the file is left as it was";
}

TEST(cfilef, FileExistsUnprivilegedFalseForAFileThatMayNotBeRead) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may read every file";
  TempDir dir;
  const std::string file = dir.Write("secret.g", "x");
  ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
  EXPECT_FALSE(FileExists(file));
}

TEST(cfilef, FileExistsStringFormUsesTheNameUpToItsFirstZero) {
  TempDir dir;
  const std::string file = dir.Write("file.g", "x");
  EXPECT_TRUE(FileExists(file + std::string("\0garbage", 8)));
  EXPECT_FALSE(FileExists(std::string("\0", 1) + file));
}

TEST(cfilef, RemFileCountsAMissingFileAsRemoved) {
  TempDir dir;
  const std::string file = dir.Write("file.g", "x");
  char name[512];
  file.copy(name, sizeof name);
  name[file.size()] = '\0';

  EXPECT_TRUE(RemFile(name));
  EXPECT_FALSE(PathExists(file));
  EXPECT_TRUE(RemFile(name)) << "already gone";
  EXPECT_TRUE(RemFile((dir / "no-such-folder/file.g").c_str()));
  const std::string plain = dir.Write("plain.txt", "x");
  EXPECT_TRUE(RemFile((plain + "/file.g").c_str())) << "a name through a plain file names nothing";
  EXPECT_EQ(ReadFile(plain), "x");
  EXPECT_TRUE(RemFile(""));
}

TEST(cfilef, RemFileFalseForADirectoryAndTheDirectoryStays) {
  TempDir dir;
  const std::string folder = dir / "folder";
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  EXPECT_FALSE(RemFile(folder.c_str())) << "a directory is not removed, even an empty one";
  EXPECT_TRUE(PathExists(folder));
}

TEST(cfilef, RemFileUnprivilegedFalseWhenTheSystemRefusesAndTheFileStays) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may remove from any directory";
  TempDir dir;
  const std::string folder = dir / "folder";
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  const std::string file = dir.Write("folder/file.g", "x");
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  EXPECT_FALSE(RemFile(file.c_str()));
  EXPECT_TRUE(PathExists(file));
  ::chmod(folder.c_str(), 0755);
}

TEST(cfilef, PathSplittingCutsAtTheLastBackslashOnly) {
  struct Case {
    const char* file;
    const char* base;
    const char* dir;
  } cases[] = {
      {"data\\glo\\file.txt", "file.txt", "data\\glo"},
      {"file.txt", "file.txt", ""},
      {"\\file.txt", "file.txt", ""},
      {"D:\\file.txt", "file.txt", "D:"},
      {"D:file.txt", "D:file.txt", ""},
      {"data\\glo\\", "", "data\\glo"},
      {"data/glo/file.txt", "data/glo/file.txt", ""},
      {"data\\glo/file.txt", "glo/file.txt", "data"},
      {"", "", ""},
      {"data\\\\file.txt", "file.txt", "data\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    char base[64];
    char dir[64];
    std::fill(base, base + sizeof base, '#');
    std::fill(dir, dir + sizeof dir, '#');
    GetBasename(c.file, base);
    GetDirname(c.file, dir);
    EXPECT_STREQ(base, c.base);
    EXPECT_STREQ(dir, c.dir);
    if (std::string(c.file).find('\\') != std::string::npos) {
      EXPECT_EQ(std::string(dir) + "\\" + base, c.file) << "the parts give the name back";
    }
  }
}

}  // namespace
