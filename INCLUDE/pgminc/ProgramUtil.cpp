#include "pgminc/ProgramUtil.h"

#include <cstdio>
#include <iomanip>
#include <iostream>

#include "pgminc/ProgramOutput.h"

namespace prgutil {
// Defined after <iostream> is included: the standard streams are then made ready
// before ctm is constructed and released only after it is destroyed.
CppCas ctm;
}  // namespace prgutil

namespace {

constexpr char kProgramName[] = "Rosba";
constexpr int kNameField = 10;

}  // namespace

void StartProg(const bool verbose, const char* line) {
  prgutil::ctm.Start();
  if (!verbose) return;
  std::cout.flush();
  std::cerr << std::endl;
  std::cerr << std::left << std::setw(kNameField) << kProgramName << "++" << std::right << line
            << std::endl;
}

void EndProg(const bool verbose, const bool PrintCout) {
  const double dt = prgutil::ctm.Stop();
  if (verbose) {
    // Fixed notation in place of any other floating-point notation: added to a
    // scientific one, it would make hexadecimal numbers.
    std::cerr.setf(std::ios::fixed, std::ios::floatfield);
    std::cerr.precision(3);
    std::cout.flush();
    std::cerr << std::left << std::setw(kNameField) << kProgramName << std::right << "++"
              << " ***** SUCCESFULLY ENDING PROGRAM [" << dt << " s] *****" << std::endl
              << std::endl;
  }
  if (PrintCout) {
    char endline[512];
    (void)std::snprintf(endline, sizeof endline,
                        "PROGRAM:     %s     ***** SUCCESFULLY ENDED [%0.3lf s] *****", kProgramName,
                        dt);
    ProgramSubTitle(endline, 0);
  }
}
