#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace tool {

const char kPrompts[] = " Input  GLONASS ephemeris:  Output GLONASS ephemeris: ";
const char kClosing[] = "\n\n  Done... press [ENTER]...";

const char kArgumentCount[] = "Incorrect number of INPUT parameters - 2 mandatory (ephIn and ephOut)!";
const char kInputMissing[] = "Input file with GLONASS broadcast ephemeris DOES NOT EXISTS!";
const char kNameTooLong[] = "File name too long - at most 511 characters!";
const char kSameFile[] = "Input and output GLONASS broadcast ephemeris are the SAME FILE!";
const char kHeaderEnd[] =
    "Unexpected end of GLONASS broadcast ephemeris file - within header section!";
const char kUnreadableLine[] =
    "Unreadable line in GLONASS broadcast ephemeris file - within data section!";
const char kOutputUnwritable[] =
    "Output file for corrected GLONASS broadcast ephemeris CANNOT BE WRITTEN!";

std::string Path() {
  const char* overridden = std::getenv("ROSBA_TOOL");
  return overridden != nullptr && *overridden != '\0' ? overridden : ROSBA_TOOL_PATH;
}

bool IsWindowsBuild() {
  const char* windows = std::getenv("ROSBA_TOOL_WINDOWS");
  return windows != nullptr && std::string(windows) == "1";
}

testsupport::ProcessResult Run(const std::vector<std::string>& arguments,
                               const testsupport::ProcessOptions& options) {
  std::vector<std::string> argv{Path()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return testsupport::RunProgram(argv, options);
}

std::vector<std::string> ReadFaultAt(const std::string& file, std::size_t offset) {
  return {"LD_PRELOAD=" ROSBA_READ_FAULT_LIBRARY, "ROSBA_READ_FAULT_FILE=" + file,
          "ROSBA_READ_FAULT_AT=" + std::to_string(offset),
          // A tool built with AddressSanitizer wants its runtime loaded first.
          "ASAN_OPTIONS=verify_asan_link_order=0"};
}

std::string LongName(const testsupport::TempDir& dir, std::size_t length, char last) {
  std::string name;
  while (length - name.size() > 201) {
    name += std::string(200, 'd') + "/";
    std::filesystem::create_directories(dir / name);
  }
  return name + std::string(length - name.size(), last);
}

void ExpectReport(const testsupport::ProcessResult& run, const char* message,
                  const std::string& out) {
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.signal, 0) << "no run ends by a signal";
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(run.err, Report(message));
}

void ExpectSilentSuccess(const testsupport::ProcessResult& run) {
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

std::string WithCRLF(const std::string& text) {
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

std::string Console(const std::string& text) { return IsWindowsBuild() ? WithCRLF(text) : text; }

std::string Banner() {
  const std::string stars(66, '*');
  return Console("\n" + stars + "\n" +
                 "       Rosba -- Correct GLONASS broadcast ephemeris               \n"
                 "       =====    --=-------=--=--=--=---------------               \n"
                 "       (c) 2019 The Rosba authors, free to use and share          \n"
                 "       Release:     OCT 2019                              Ver. 1.0\n" +
                 stars + "\n\n\n");
}

std::string Report(const std::string& message) {
  return Console("\n**** Rosba: Error -> " + message + " ****\n     Exiting Rosba ... \n\n");
}

}  // namespace tool
