#ifndef ROSBA_TESTS_SUPPORT_PROCESS_H
#define ROSBA_TESTS_SUPPORT_PROCESS_H

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
  int exitStatus = -1;  // the status passed to exit, or -1 when the process did not exit
  int signal = 0;       // the signal that ended the process, if one did
  bool timedOut = false;
  double seconds = 0;  // wall time from start to the end of its output
  std::string out;  // everything written to standard output
  std::string err;  // everything written to standard error
};

struct ProcessOptions {
  std::string input;        // written to standard input, which is then closed
  bool closeInput = true;   // false: standard input stays open (and empty) until the end
  int holdInputMs = 0;      // keep standard input open this long after the input was sent
  std::string workingDirectory;
  std::vector<std::string> environment;  // "NAME=value" entries added for the child
  bool closedOutput = false;  // standard output is a pipe whose reader has gone
  long fileSizeLimit = -1;     // bytes a file may grow to (ulimit -f), -1 for no limit
  int timeoutSeconds = 30;  // a process still running then is killed and counted as hung
};

// Runs `body` in a child process with its standard streams on pipes; the child
// exits with status 0 when `body` returns.
ProcessResult RunFunction(const std::function<void()>& body, const ProcessOptions& options = {});

// Runs a program: argv[0] is its path, the rest its arguments.
ProcessResult RunProgram(const std::vector<std::string>& argv, const ProcessOptions& options = {});

}  // namespace testsupport

#endif
