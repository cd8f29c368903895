// File names as users give them on each system: wildcards, long names, and the
// many names of one file. These are the places where the Linux and the Windows
// build of the tool could part ways.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "NavFixtures.h"
#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::TempDir;

// CR LF in, CR LF out: the files of Windows users.
const std::string kInput = tool::WithCRLF(nav::kInput);
const std::string kCorrected = tool::WithCRLF(nav::kCorrected);

testsupport::ProcessOptions In(const std::string& directory) {
  testsupport::ProcessOptions options;
  options.workingDirectory = directory;
  return options;
}

// Relative names: the working directory in front makes them longer still, and
// the Windows build must find their full path itself to reach them.
TEST(FileNames, RelativeNamesOf511CharactersReachTheirFiles) {
  TempDir dir;
  const std::string input = tool::LongName(dir, 511, 'i');
  const std::string output = input.substr(0, input.size() - 1) + "o";
  dir.Write(input, kInput);

  const auto run = tool::Run({input, output}, In(dir.path()));

  tool::ExpectSilentSuccess(run);
  EXPECT_EQ(ReadFile(dir / output), kCorrected);
}

// Opening the output empties it: were it the input, the input would be lost. On
// Windows the same file has more names than on Linux (any case of its letters,
// backslashes), and a name too long for the system's classic calls must not slip
// past the test either.
TEST(FileNames, TheSameFileByAnyNameIsRefusedAndKept) {
  struct Case {
    const char* name;
    bool windowsOnly;
    std::string input;
    std::string output;
  };
  TempDir dir;
  const std::string longName = tool::LongName(dir, 511, 'f');
  std::filesystem::create_directory(dir / "sub");
  const Case cases[] = {
      {"the same name", false, "in.g", "in.g"},
      {"a name of 511 characters", false, longName, longName},
      {"a path through its folder", false, "sub/in.g", "sub/../sub/in.g"},
      {"letters in another case", true, "sub/in.g", "SUB/IN.G"},
      {"backslashes for slashes", true, "sub/in.g", "sub\\in.g"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    if (row.windowsOnly && !tool::IsWindowsBuild()) continue;
    dir.Write(row.input, kInput);

    const auto run = tool::Run({row.input, row.output}, In(dir.path()));

    tool::ExpectReport(run, tool::kSameFile);
    EXPECT_EQ(ReadFile(dir / row.input), kInput);
  }
}

// The shell expands wildcards on Linux before the tool starts; on Windows the
// tool's runtime does it, before the arguments are counted.
class Wildcards : public testing::Test {
 protected:
  void SetUp() override {
    if (!tool::IsWindowsBuild()) GTEST_SKIP() << "the shell expands wildcards on Linux";
  }
  TempDir dir_;
};

TEST_F(Wildcards, APatternMatchingOneFileIsTheInput) {
  dir_.Write("brdc0790.19g", kInput);

  const auto run = tool::Run({"*.19g", "out.txt"}, In(dir_.path()));

  tool::ExpectSilentSuccess(run);
  EXPECT_EQ(ReadFile(dir_ / "out.txt"), kCorrected);
}

TEST_F(Wildcards, APatternMatchingTwoFilesMakesFourArguments) {
  dir_.Write("brdc0790.19g", kInput);
  dir_.Write("brdc0800.19g", kInput);

  const auto run = tool::Run({"brdc*.19g", "out.txt"}, In(dir_.path()));

  tool::ExpectReport(run, tool::kArgumentCount);
  EXPECT_FALSE(PathExists(dir_ / "out.txt"));
  EXPECT_EQ(ReadFile(dir_ / "brdc0800.19g"), kInput);
}

TEST_F(Wildcards, APatternMatchingNothingStaysAsTyped) {
  const auto run = tool::Run({"*.19g", "out.txt"}, In(dir_.path()));

  tool::ExpectReport(run, tool::kInputMissing);
  EXPECT_FALSE(PathExists(dir_ / "out.txt"));
}

}  // namespace
