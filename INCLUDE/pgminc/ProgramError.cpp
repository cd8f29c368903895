#include "pgminc/ProgramError.h"

#include <cstdlib>
#include <iostream>

#include "platform/ConsoleInput.h"

namespace {

struct ReportKind {
  const char* open;
  const char* label;
  const char* close;
  const char* action;
};

constexpr ReportKind kError = {"**** ", ": Error -> ", " ****", "     Exiting "};
constexpr ReportKind kWarning = {"#### ", ": Warning -> ", " ####", "     Continuing "};

void WriteReport(std::ostream& out, const ReportKind& kind, const char* prog, const char* message) {
  if (&out != &std::cout) std::cout.flush();
  out << std::endl;
  out << kind.open << prog << kind.label << message << kind.close << std::endl;
  out << kind.action << prog << " ... " << std::endl;
  out << std::endl;
}

[[noreturn]] void EndProcess(bool wait) {
  if (wait) platform::WaitForEnter();
  std::exit(1);
}

}  // namespace

void ProgramError(const char* prog, const char* error, bool wait) {
  WriteReport(std::cerr, kError, prog, error);
  EndProcess(wait);
}

void ProgramErrorCout(const char* prog, const char* error, bool wait) {
  WriteReport(std::cout, kError, prog, error);
  EndProcess(wait);
}

void ProgramWarning(const char* prog, const char* warn) {
  WriteReport(std::cerr, kWarning, prog, warn);
}

void ProgramWarningCout(const char* prog, const char* warn) {
  WriteReport(std::cout, kWarning, prog, warn);
}
