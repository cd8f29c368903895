// Both kinds of run and every report, as a user meets them: arguments, typed
// answers on standard input, files that cannot be read or written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "NavFixtures.h"
#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::PathExists;
using testsupport::ProcessOptions;
using testsupport::ProcessResult;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::string kNav = nav::kInput;
const std::string kCorrected = tool::WithCRLF(nav::kCorrected);

// A name of exactly `length` characters, from the root, for a file in `dir`.
std::string NameOfLength(const TempDir& dir, std::size_t length) {
  return dir / tool::LongName(dir, length - dir.path().size() - 1);
}

// Batch runs never read standard input: it stays open, and a read would hang.
ProcessOptions NoInput() {
  ProcessOptions options;
  options.closeInput = false;
  options.timeoutSeconds = 20;
  return options;
}

TEST(BatchRun, CorrectsSilently) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  const auto result = tool::Run({in, dir / "out.19g"}, NoInput());
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadFile(dir / "out.19g"), kCorrected);
  EXPECT_EQ(ReadFile(in), kNav) << "the input is left as it was";
}

TEST(BatchRun, AnyOtherNumberOfArgumentsIsReported) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  const std::vector<std::string> cases[] = {
      {in}, {in, dir / "out.19g", "extra"}, {in, dir / "out.19g", "a", "b"}, {""}};
  for (const auto& arguments : cases) {
    SCOPED_TRACE(arguments.size());
    tool::ExpectReport(tool::Run(arguments, NoInput()), tool::kArgumentCount);
    EXPECT_FALSE(PathExists(dir / "out.19g"));
  }
}

TEST(BatchRun, AnInputThatCannotBeReadIsReportedAndTheOutputLeftAlone) {
  TempDir dir;
  const std::string out = dir.Write("out.19g", "keep me\n");
  for (const std::string& in : {dir / "missing.19g", dir.path(), std::string()}) {
    SCOPED_TRACE(in);
    tool::ExpectReport(tool::Run({in, out}, NoInput()), tool::kInputMissing);
    EXPECT_EQ(ReadFile(out), "keep me\n");
  }
}

TEST(BatchRun, UnprivilegedAnInputWithoutReadPermissionIsReported) {
  if (tool::IsWindowsBuild()) GTEST_SKIP() << "file modes are a Linux matter";
  if (::geteuid() == 0) GTEST_SKIP() << "root may read every file";
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  ::chmod(in.c_str(), 0200);
  tool::ExpectReport(tool::Run({in, dir / "out.19g"}, NoInput()), tool::kInputMissing);
  EXPECT_FALSE(PathExists(dir / "out.19g"));
}

TEST(BatchRun, AnOutputThatCannotBeWrittenIsReported) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  for (const std::string& out : {dir.path(), dir / "no-such-folder/out.19g", std::string()}) {
    SCOPED_TRACE(out);
    tool::ExpectReport(tool::Run({in, out}, NoInput()), tool::kOutputUnwritable);
  }
  if (!tool::IsWindowsBuild() && PathExists("/dev/full")) {
    SCOPED_TRACE("a full disk");
    tool::ExpectReport(tool::Run({in, "/dev/full"}, NoInput()), tool::kOutputUnwritable);
  }
  EXPECT_EQ(ReadFile(in), kNav);
}

TEST(BatchRun, UnprivilegedAnOutputWithoutWritePermissionIsReported) {
  if (tool::IsWindowsBuild()) GTEST_SKIP() << "file modes are a Linux matter";
  if (::geteuid() == 0) GTEST_SKIP() << "root may write every file";
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  const std::string out = dir.Write("out.19g", "old\n");
  ::chmod(out.c_str(), 0444);
  tool::ExpectReport(tool::Run({in, out}, NoInput()), tool::kOutputUnwritable);
  EXPECT_EQ(ReadFile(out), "old\n");
}

TEST(BatchRun, TheSameFileAsInputAndOutputIsRefusedAndKept) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  std::vector<std::string> outputs{in, dir.path() + "/./in.19g"};
  if (::symlink(in.c_str(), (dir / "symlink.19g").c_str()) == 0) outputs.push_back(dir / "symlink.19g");
  if (::link(in.c_str(), (dir / "hardlink.19g").c_str()) == 0) outputs.push_back(dir / "hardlink.19g");
  for (const std::string& out : outputs) {
    SCOPED_TRACE(out);
    tool::ExpectReport(tool::Run({in, out}, NoInput()), tool::kSameFile);
    EXPECT_EQ(ReadFile(in), kNav);
  }
}

TEST(BothRuns, NamesOfUpTo511CharactersWork) {
  TempDir dir;
  const std::string in = NameOfLength(dir, 511);
  ASSERT_EQ(in.size(), 511u);
  dir.Write(in.substr(dir.path().size() + 1), kNav);
  const std::string out = in.substr(0, in.size() - 4) + ".out";
  const auto result = tool::Run({in, out}, NoInput());
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadFile(out), kCorrected);

  ::unlink(out.c_str());
  ProcessOptions typed;
  typed.input = in + "\n" + out + "\n";
  const auto interactive = tool::Run({}, typed);
  EXPECT_EQ(interactive.exitStatus, 0) << "typed names of 511 characters work too";
  EXPECT_EQ(ReadFile(out), kCorrected);

  const std::string tooLong = in + "x";
  tool::ExpectReport(tool::Run({tooLong, out}, NoInput()), tool::kNameTooLong);
  tool::ExpectReport(tool::Run({in, tooLong}, NoInput()), tool::kNameTooLong);
  EXPECT_FALSE(PathExists(tooLong));
}

TEST(BatchRun, TheShellExpandsAPatternBeforeTheArgumentsAreCounted) {
  if (tool::IsWindowsBuild()) GTEST_SKIP() << "the Windows build expands patterns itself";
  TempDir dir;
  dir.Write("brdc0010.19g", kNav);
  const std::string script = "\"$0\" " + dir.path() + "/*.19g " + dir.path() + "/out.txt";
  auto result = testsupport::RunProgram({"/bin/sh", "-c", script, tool::Path()}, NoInput());
  EXPECT_EQ(result.exitStatus, 0) << "one match serves as the input";
  EXPECT_EQ(ReadFile(dir / "out.txt"), kCorrected);

  dir.Write("brdc0020.19g", kNav);
  result = testsupport::RunProgram({"/bin/sh", "-c", script, tool::Path()}, NoInput());
  tool::ExpectReport(result, tool::kArgumentCount);
}

// An interactive run with these typed answers.
ProcessResult Interactive(const std::string& typed, int holdInputMs = 0) {
  ProcessOptions options;
  options.input = typed;
  options.holdInputMs = holdInputMs;
  options.timeoutSeconds = 20;
  return tool::Run({}, options);
}

TEST(InteractiveRun, ShowsBannerPromptsAndClosingPrompt) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  for (const char* lineEnd : {"\n", "\r\n"}) {
    SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF answers" : "LF answers");
    const auto result = Interactive(in + lineEnd + (dir / "out.19g") + lineEnd);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, tool::Banner() + tool::Console(tool::kPrompts) + tool::Console(tool::kClosing));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFile(dir / "out.19g"), kCorrected);
  }
}

TEST(InteractiveRun, ReportsAfterBothPrompts) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  const std::string header = dir.Write("header.19g", "     2.01\n");
  const std::string longName(600, 'n');
  struct Case {
    const char* name;
    std::string typed;
    const char* report;
  } cases[] = {
      {"empty first answer", "\n" + (dir / "out.19g") + "\n", tool::kInputMissing},
      {"missing input", (dir / "missing.19g") + "\n" + (dir / "out.19g") + "\n", tool::kInputMissing},
      {"empty second answer", in + "\n\n", tool::kOutputUnwritable},
      {"no answers at all", "", tool::kInputMissing},
      {"input ends before a second answer", in + "\n", tool::kOutputUnwritable},
      {"input name too long", longName + "\n" + (dir / "out.19g") + "\n", tool::kNameTooLong},
      {"output name too long", in + "\n" + longName + "\n", tool::kNameTooLong},
      {"same file", in + "\n" + in + "\n", tool::kSameFile},
      {"header cut short", header + "\n" + (dir / "out.19g") + "\n", tool::kHeaderEnd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tool::ExpectReport(Interactive(c.typed), c.report, tool::Banner() + tool::Console(tool::kPrompts));
  }
  EXPECT_EQ(ReadFile(in), kNav);
}

TEST(InteractiveRun, WaitsForEnterAfterTheClosingPromptAndAfterAReport) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  const std::string typedAhead = "typed ahead\nand more\n";
  auto result = Interactive(in + "\n" + (dir / "out.19g") + "\n" + typedAhead, 500);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_GE(result.seconds, 0.45) << "lines typed ahead do not end the wait";

  result = Interactive("\n\n" + typedAhead, 500);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_GE(result.seconds, 0.45) << "lines typed ahead do not end the wait";
}

}  // namespace
