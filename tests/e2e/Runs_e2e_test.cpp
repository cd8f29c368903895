// Both kinds of run and every report, as a user meets them: arguments, typed
// answers on standard input, files that cannot be read or written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::PathExists;
using testsupport::ProcessOptions;
using testsupport::ProcessResult;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::string kNav =
    "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\n"
    "                                                            END OF HEADER\n"
    " 3 19 12 10  0 15 30.0-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\n"
    "    0.1\n    0.2\n    0.3\n"
    " 4 19 12 10  0 15  0.0-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\n"
    "    0.4\n    0.5\n    0.6\n";
const std::string kCorrected =
    "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\r\n"
    "                                                            END OF HEADER\r\n"
    " 4 19 12 10  0 15  0.0-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\r\n"
    "    0.4\r\n    0.5\r\n    0.6\r\n";

// A name of exactly `length` characters for a file in `dir`, through nested
// folders, since one path component holds at most 255 characters.
std::string NameOfLength(const TempDir& dir, std::size_t length) {
  std::string path = dir.path();
  while (path.size() + 1 + 200 < length - 10) {
    path += "/" + std::string(200, 'd');
    ::mkdir(path.c_str(), 0755);
  }
  path += "/";
  path += std::string(length - path.size(), 'f');
  return path;
}

void ExpectFailure(const ProcessResult& result, const char* report, const std::string& out = "") {
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, out);
  EXPECT_EQ(result.err, tool::Report(report));
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
    ExpectFailure(tool::Run(arguments, NoInput()), tool::kArgumentCount);
    EXPECT_FALSE(PathExists(dir / "out.19g"));
  }
}

TEST(BatchRun, AnInputThatCannotBeReadIsReportedAndTheOutputLeftAlone) {
  TempDir dir;
  const std::string out = dir.Write("out.19g", "keep me\n");
  for (const std::string& in : {dir / "missing.19g", dir.path(), std::string()}) {
    SCOPED_TRACE(in);
    ExpectFailure(tool::Run({in, out}, NoInput()), tool::kInputMissing);
    EXPECT_EQ(ReadFile(out), "keep me\n");
  }
}

TEST(BatchRun, UnprivilegedAnInputWithoutReadPermissionIsReported) {
  if (tool::IsWindowsBuild()) GTEST_SKIP() << "file modes are a Linux matter";
  if (::geteuid() == 0) GTEST_SKIP() << "root may read every file";
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  ::chmod(in.c_str(), 0200);
  ExpectFailure(tool::Run({in, dir / "out.19g"}, NoInput()), tool::kInputMissing);
  EXPECT_FALSE(PathExists(dir / "out.19g"));
}

TEST(BatchRun, AnOutputThatCannotBeWrittenIsReported) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", kNav);
  for (const std::string& out : {dir.path(), dir / "no-such-folder/out.19g", std::string()}) {
    SCOPED_TRACE(out);
    ExpectFailure(tool::Run({in, out}, NoInput()), tool::kOutputUnwritable);
  }
  if (!tool::IsWindowsBuild() && PathExists("/dev/full")) {
    SCOPED_TRACE("a full disk");
    ExpectFailure(tool::Run({in, "/dev/full"}, NoInput()), tool::kOutputUnwritable);
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
  ExpectFailure(tool::Run({in, out}, NoInput()), tool::kOutputUnwritable);
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
    ExpectFailure(tool::Run({in, out}, NoInput()), tool::kSameFile);
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
  ExpectFailure(tool::Run({tooLong, out}, NoInput()), tool::kNameTooLong);
  ExpectFailure(tool::Run({in, tooLong}, NoInput()), tool::kNameTooLong);
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
  ExpectFailure(result, tool::kArgumentCount);
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
    ExpectFailure(Interactive(c.typed), c.report, tool::Banner() + tool::Console(tool::kPrompts));
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
