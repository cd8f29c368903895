// File names as users give them on each system: wildcards, long names, and the
// many names of one file. These are the places where the Linux and the Windows
// build of the tool could part ways.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::string kHeader =
    "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\r\n"
    "                                                            END OF HEADER\r\n";
const std::string kKeptRecord =
    " 1 19  3 20  0 15  0.0 1.234567890123D-04 0.000000000000D+00 0.000000000000D+00\r\n"
    "   -1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 0.000000000000D+00\r\n"
    "    1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 1.000000000000D+00\r\n"
    "    1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 0.000000000000D+00\r\n";
const std::string kDroppedRecord =
    " 2 19  3 20  0 15 30.0 1.234567890123D-04 0.000000000000D+00 0.000000000000D+00\r\n"
    "   -1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 0.000000000000D+00\r\n"
    "    1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 1.000000000000D+00\r\n"
    "    1.234567890123D+04 1.234567890123D+00 0.000000000000D+00 0.000000000000D+00\r\n";
const std::string kInput = kHeader + kKeptRecord + kDroppedRecord;
const std::string kCorrected = kHeader + kKeptRecord;

// A relative name of exactly `length` characters inside `dir`, made of folders
// of at most 200 characters (a file system takes no longer name for one folder);
// the folders are created.
std::string LongName(const TempDir& dir, std::size_t length, char last) {
  std::string name;
  while (length - name.size() > 201) {
    name += std::string(200, 'd') + "/";
    std::filesystem::create_directory(dir / name);
  }
  return name + std::string(length - name.size(), last);
}

testsupport::ProcessOptions In(const std::string& directory) {
  testsupport::ProcessOptions options;
  options.workingDirectory = directory;
  return options;
}

void ExpectReport(const testsupport::ProcessResult& run, const char* message) {
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, tool::Report(message));
}

void ExpectSilentSuccess(const testsupport::ProcessResult& run) {
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

// Relative names: the working directory in front makes them longer still, and
// the Windows build must find their full path itself to reach them.
TEST(FileNames, RelativeNamesOf511CharactersReachTheirFiles) {
  TempDir dir;
  const std::string input = LongName(dir, 511, 'i');
  const std::string output = input.substr(0, input.size() - 1) + "o";
  dir.Write(input, kInput);

  const auto run = tool::Run({input, output}, In(dir.path()));

  ExpectSilentSuccess(run);
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
  const std::string longName = LongName(dir, 511, 'f');
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

    ExpectReport(run, tool::kSameFile);
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

  ExpectSilentSuccess(run);
  EXPECT_EQ(ReadFile(dir_ / "out.txt"), kCorrected);
}

TEST_F(Wildcards, APatternMatchingTwoFilesMakesFourArguments) {
  dir_.Write("brdc0790.19g", kInput);
  dir_.Write("brdc0800.19g", kInput);

  const auto run = tool::Run({"brdc*.19g", "out.txt"}, In(dir_.path()));

  ExpectReport(run, tool::kArgumentCount);
  EXPECT_FALSE(PathExists(dir_ / "out.txt"));
  EXPECT_EQ(ReadFile(dir_ / "brdc0800.19g"), kInput);
}

TEST_F(Wildcards, APatternMatchingNothingStaysAsTyped) {
  const auto run = tool::Run({"*.19g", "out.txt"}, In(dir_.path()));

  ExpectReport(run, tool::kInputMissing);
  EXPECT_FALSE(PathExists(dir_ / "out.txt"));
}

}  // namespace
