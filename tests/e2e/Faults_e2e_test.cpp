// Faults of the system around the tool: names that lead to the open input,
// closed pipes, file-size limits, full disks that fail at once, and disks that
// fail to read at any byte. Whatever happens, the input stays whole, the run
// ends with status 0 or 1, and a failure is reported.

#include <gtest/gtest.h>

#include <string>

#include "NavFixtures.h"
#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::ProcessOptions;
using testsupport::ProcessResult;
using testsupport::ReadFile;
using testsupport::TempDir;

using nav::kHeader;
const std::string kKept = nav::Record("  0.0", 1);
const std::string kInput = nav::kInput;
const std::string kCorrected = nav::kCorrected;

class Faults : public testing::Test {
 protected:
  void SetUp() override {
    if (tool::IsWindowsBuild()) GTEST_SKIP() << "descriptors, signals and preloading are Linux matters";
  }
  TempDir dir_;
};

TEST_F(Faults, ANameThatLeadsToTheOpenInputIsRefused) {
  const std::string in = dir_.Write("in.19g", kInput);
  // The tool's first free descriptor, 3, is the input once it is open.
  for (const char* out : {"/dev/fd/3", "/proc/self/fd/3"}) {
    SCOPED_TRACE(out);
    ProcessOptions options;
    options.closeInput = false;
    tool::ExpectReport(tool::Run({in, out}, options), tool::kSameFile);
    EXPECT_EQ(ReadFile(in), kInput);

    options.closeInput = true;
    options.input = in + "\n" + out + "\n";
    const ProcessResult typed = tool::Run({}, options);
    tool::ExpectReport(typed, tool::kSameFile, tool::Banner() + tool::Console(tool::kPrompts));
    EXPECT_EQ(ReadFile(in), kInput) << "typed names too";
  }
}

TEST_F(Faults, AClosedPipeIsAFailedWrite) {
  const std::string in = dir_.Write("in.19g", kInput);
  ProcessOptions options;
  options.closedOutput = true;
  tool::ExpectReport(tool::Run({in, "/dev/stdout"}, options), tool::kOutputUnwritable);
}

TEST_F(Faults, AFileSizeLimitIsAFailedWrite) {
  const std::string in = dir_.Write("in.19g", kInput);
  ProcessOptions options;
  options.fileSizeLimit = 200;
  tool::ExpectReport(tool::Run({in, dir_ / "out.19g"}, options), tool::kOutputUnwritable);
  const std::string written = ReadFile(dir_ / "out.19g");
  EXPECT_EQ(written, tool::WithCRLF(kCorrected).substr(0, 200)) << "as much as the limit allows";
}

TEST_F(Faults, AFailedWriteEndsTheRunAtOnce) {
  // The input is a pipe that stays open for long after the first lines: a tool
  // that noticed the failed write only at the end of the input would wait.
  ProcessOptions options;
  options.input = kHeader + kKept;
  options.holdInputMs = 15000;
  options.timeoutSeconds = 30;
  const ProcessResult run = tool::Run({"/dev/stdin", "/dev/full"}, options);
  tool::ExpectReport(run, tool::kOutputUnwritable);
  EXPECT_LT(run.seconds, 10.0);
}

// A disk that fails to read at byte `offset` of the input, for every line of
// the input that was whole before it.
TEST_F(Faults, AReadErrorIsReportedAfterTheLastWholeLine) {
  const std::size_t line = kHeader.find('\n') + 1;  // the length of the first line
  const std::size_t data = kHeader.size();
  const std::size_t dropped = data + kKept.size();
  const std::size_t first = kKept.find('\n') + 1;  // the length of a record's first line
  const std::string crlf = tool::WithCRLF(kInput);
  const std::size_t crlfData = tool::WithCRLF(kHeader).size();
  struct Case {
    const char* name;
    std::string input;
    std::size_t offset;
    std::string output;  // LF line ends
    const char* report;
  } cases[] = {
      {"at the first byte", kInput, 0, "", tool::kHeaderEnd},
      {"in the middle of a header line", kInput, line + 10, kHeader.substr(0, line),
       tool::kHeaderEnd},
      {"at the start of a header line", kInput, line, kHeader.substr(0, line), tool::kHeaderEnd},
      {"at the start of the data", kInput, data, kHeader, tool::kUnreadableLine},
      {"in the middle of a data line", kInput, data + 100, kHeader + kKept.substr(0, first),
       tool::kUnreadableLine},
      {"between the CR and the LF of a data line", crlf, crlfData + first, kHeader,
       tool::kUnreadableLine},
      {"in the first line of a dropped record", kInput, dropped + 30, kHeader + kKept,
       tool::kUnreadableLine},
      {"in a line after a dropped first line", kInput, dropped + 100, kHeader + kKept,
       tool::kUnreadableLine},
      {"at the end of the input", kInput, kInput.size(), kCorrected, tool::kUnreadableLine},
      {"beyond the end: no fault", kInput, kInput.size() + 1, kCorrected, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string in = dir_.Write("in.19g", c.input);
    ProcessOptions options;
    options.environment = tool::ReadFaultAt(in, c.offset);
    const ProcessResult run = tool::Run({in, dir_ / "out.19g"}, options);
    if (c.report != nullptr) {
      tool::ExpectReport(run, c.report);
    } else {
      EXPECT_EQ(run.exitStatus, 0);
      EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(ReadFile(dir_ / "out.19g"), tool::WithCRLF(c.output));
  }
}

}  // namespace
