// Faults of the system around the tool: closed pipes and file-size limits. Whatever happens, the input stays whole, the run
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

}  // namespace
