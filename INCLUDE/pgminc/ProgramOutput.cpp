#include "pgminc/ProgramOutput.h"

#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>

#include "functions/CppCas.h"
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

// Title block rows: a 30-character label, a left-aligned field of 35 and a
// right-aligned field of 45 characters.
constexpr char kProgramLabel[] = "          PROGRAM:            ";
constexpr char kRightsLabel[] = "          COPYRIGHT:          ";
constexpr char kReleaseLabel[] = "          RELEASE:            ";
constexpr int kLeftField = 35;
constexpr int kRightField = 45;

int Length(const char* text) { return static_cast<int>(std::strlen(text)); }

// Always blanks, whatever fill the caller left on standard output.
void Indent(const int nblak) { PrintCharNoEndl(' ', nblak); }

void Rule(const char chr, const int n) { PrintChar(chr, n, 0); }

void Text(const char* subtitle, const int nblak) {
  Indent(nblak);
  std::cout << subtitle << std::endl;
}

void TitleRow(const char* label, const char* left, const char* right) {
  std::cout << label << std::setw(kLeftField) << std::left << left << std::right
            << std::setw(kRightField) << right << std::endl;
}

void TitleFrame() {
  Rule('_', kWidth);
  Rule('*', kWidth);
}

}  // namespace

void ProgramTitle() {
  CppCas clock;
  char date[128];
  // The date fits: the text of the clock is 20 characters long.
  (void)std::snprintf(date, sizeof date, "DATE: %s", clock.Ascii());

  // Left in force for the program's later output. Set in place of any other
  // floating-point notation: added to a scientific one, it would make
  // hexadecimal numbers.
  std::cout.setf(std::ios::fixed, std::ios::floatfield);

  TitleFrame();
  TitleRow(kProgramLabel, POut::ProgramName, POut::ProgramDescription);
  TitleRow(kRightsLabel, POut::Author, POut::ValidationDate);
  TitleRow(kReleaseLabel, POut::Release, date);
  TitleFrame();
  std::cout << std::endl << std::endl;
}

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
