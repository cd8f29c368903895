#include "pgminc/ProgramOutput.h"

#include <cstring>
#include <iomanip>
#include <iostream>

#include "pgminc/VarCout.h"

namespace POut {
char ProgramName[128];
char ProgramDescription[128];
char Author[64];
char ValidationDate[64];
char Release[64];
}  // namespace POut

namespace {

constexpr int kWidth = 110;

int Length(const char* text) { return static_cast<int>(std::strlen(text)); }

// Always blanks, whatever fill the caller left on standard output.
void Indent(const int nblak) { PrintCharNoEndl(' ', nblak); }

void Rule(const char chr, const int n) { PrintChar(chr, n, 0); }

void Text(const char* subtitle, const int nblak) {
  Indent(nblak);
  std::cout << subtitle << std::endl;
}

}  // namespace

void ProgramSubTitle(const char* subtitle, const int nblak) {
  Indent(nblak);
  Rule('=', kWidth);
  Text(subtitle, nblak);
  Indent(nblak);
  Rule('=', kWidth);
  std::cout << std::endl;
}

void ProgramSubSubTitle(const char* subtitle, const int nblak) {
  Text(subtitle, nblak);
  Indent(nblak);
  Rule('=', Length(subtitle));
  std::cout << std::endl;
}

void ProgramSubSubTitleOver(const char* subtitle, const int nblak) {
  Indent(nblak);
  Rule('=', Length(subtitle));
  Text(subtitle, nblak);
  Indent(nblak);
  Rule('=', Length(subtitle));
  std::cout << std::endl;
}

void ProgramSubSubSubTitle(const char* subtitle, const int nblak) {
  Text(subtitle, nblak);
  Indent(nblak);
  Rule('-', Length(subtitle));
  std::cout << std::endl;
}

void TableLabelLine(const char* subtitle) {
  std::cout << subtitle << std::endl;
  Rule('-', Length(subtitle));
}

void TableLabelLine(const char* subtitle, const int nblak) {
  Text(subtitle, nblak);
  Indent(nblak);
  Rule('-', Length(subtitle));
}

void ProgramCerrPrint(const char* pgm, const char* fun, const char* prt, const char dlm) {
  // What the program printed before comes first.
  std::cout.flush();
  std::cerr << std::left << std::setw(10) << pgm << dlm << dlm << fun << dlm << prt << std::right
            << std::endl;
}
