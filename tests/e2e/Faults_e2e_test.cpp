// Faults of the system around the tool: names that lead to the open input,
// closed pipes, file-size limits, full disks that fail at once, and disks that
// fail to read at any byte. Whatever happens, the input stays whole, the run
// ends with status 0 or 1, and a failure is reported.

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::ProcessOptions;
using testsupport::ProcessResult;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::string kHeader =
    "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\n"
    "rnxmerge 2.3        Rosba tests         10-DEC-19 23:55     PGM / RUN BY / DATE\n"
    "                                                            END OF HEADER\n";
const std::string kKept =
    " 1 19 12 10  0 15  0.0-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\n"
    "   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.000000000000D+00\n"
    "    0.894627865551D+04 0.283853696787D+01 0.185393272500D-08 0.300000000000D+01\n"
    "   -0.162304559948D+05 0.296207687966D+01 0.300122425645D-08 0.300000000000D+01\n";
const std::string kDropped =
    " 2 19 12 10  0 15 30.0-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00\n"
    "   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.000000000000D+00\n"
    "    0.894627865551D+04 0.283853696787D+01 0.185393272500D-08 0.300000000000D+01\n"
    "   -0.162304559948D+05 0.296207687966D+01 0.300122425645D-08 0.300000000000D+01\n";
const std::string kInput = kHeader + kKept + kDropped + kKept;
const std::string kCorrected = kHeader + kKept + kKept;

void ExpectReport(const ProcessResult& run, const char* message) {
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.signal, 0) << "no run ends by a signal";
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, tool::Report(message));
}

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
    ExpectReport(tool::Run({in, out}, options), tool::kSameFile);
    EXPECT_EQ(ReadFile(in), kInput);

    options.closeInput = true;
    options.input = in + "\n" + out + "\n";
    const ProcessResult typed = tool::Run({}, options);
    ExpectReport(typed, tool::kSameFile);
    EXPECT_EQ(ReadFile(in), kInput) << "typed names too";
  }
}

TEST_F(Faults, AClosedPipeIsAFailedWrite) {
  const std::string in = dir_.Write("in.19g", kInput);
  ProcessOptions options;
  options.closedOutput = true;
  ExpectReport(tool::Run({in, "/dev/stdout"}, options), tool::kOutputUnwritable);
}

TEST_F(Faults, AFileSizeLimitIsAFailedWrite) {
  const std::string in = dir_.Write("in.19g", kInput);
  ProcessOptions options;
  options.fileSizeLimit = 200;
  ExpectReport(tool::Run({in, dir_ / "out.19g"}, options), tool::kOutputUnwritable);
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
  ExpectReport(run, tool::kOutputUnwritable);
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
      ExpectReport(run, c.report);
    } else {
      EXPECT_EQ(run.exitStatus, 0);
      EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(ReadFile(dir_ / "out.19g"), tool::WithCRLF(c.output));
  }
}

}  // namespace
