#ifndef ROSBA_TESTS_E2E_TOOLRUN_H
#define ROSBA_TESTS_E2E_TOOLRUN_H

#include <string>
#include <vector>

#include "Process.h"
#include "TempDir.h"

// Running the built tool as a user would.
//
// ROSBA_TOOL in the environment names another executable to run in place of the
// tool built here (for instance a launcher of the Windows build). With
// ROSBA_TOOL_WINDOWS=1 the tool is taken to be the Windows build: its console
// streams are text streams, so every LF it prints arrives as CR LF, and tests of
// what only Linux has (a pseudo-terminal, file modes) skip themselves.
namespace tool {

std::string Path();
bool IsWindowsBuild();

// Runs the tool with these arguments (the program name is added).
testsupport::ProcessResult Run(const std::vector<std::string>& arguments,
                               const testsupport::ProcessOptions& options = {});

// The environment under which every read of `file` at byte `offset` or beyond
// fails with an I/O error, for a run of the Linux build (see ReadFault.cpp).
std::vector<std::string> ReadFaultAt(const std::string& file, std::size_t offset);

// `text` with every LF turned into CR LF, as the tool writes its files.
std::string WithCRLF(const std::string& text);
// What the tool prints to a console for `text`: LF becomes CR LF on Windows.
std::string Console(const std::string& text);

// A relative name of exactly `length` characters for a file inside `dir`, the
// last of them `last`, through folders of at most 200 characters each (a file
// system takes no longer name for one folder); the folders are created.
std::string LongName(const testsupport::TempDir& dir, std::size_t length, char last = 'f');

// A run that ended with the tool's report of `message` on standard error and
// exit status 1, `out` on standard output, by no signal and in time.
void ExpectReport(const testsupport::ProcessResult& run, const char* message,
                  const std::string& out = "");
// A run that ended with exit status 0 and printed nothing.
void ExpectSilentSuccess(const testsupport::ProcessResult& run);

// The texts the tool prints.
std::string Banner();
std::string Report(const std::string& message);  // an error report of the tool
extern const char kPrompts[];                    // both prompts, as seen with piped answers
extern const char kClosing[];                    // two line ends and the closing prompt

extern const char kArgumentCount[];
extern const char kInputMissing[];
extern const char kNameTooLong[];
extern const char kSameFile[];
extern const char kHeaderEnd[];
extern const char kUnreadableLine[];
extern const char kOutputUnwritable[];

}  // namespace tool

#endif
