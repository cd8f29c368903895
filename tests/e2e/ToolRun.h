#ifndef ROSBA_TESTS_E2E_TOOLRUN_H
#define ROSBA_TESTS_E2E_TOOLRUN_H

#include <string>
#include <vector>

#include "Process.h"

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
