#include "pgminc/ProgramOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <string>

#include "Process.h"
#include "StreamState.h"
#include "TimeZone.h"
#include "platform/CalendarClock.h"

namespace {

std::string Rule(char chr, std::size_t n) { return std::string(n, chr); }
const std::string kEquals110 = Rule('=', 110);

void NoSetup() {}
// A fill and an alignment of the caller's own.
void FillZeroLeft() {
  std::cout.fill('0');
  std::cout << std::left;
}

void TableLabelLineWithoutIndent(const char* subtitle, int) { TableLabelLine(subtitle); }
void TableLabelLineWithIndent(const char* subtitle, int nblak) { TableLabelLine(subtitle, nblak); }

struct TitleCase {
  const char* name;
  void (*function)(const char*, int);
  const char* subtitle;
  int nblak;
  void (*setup)();
  std::string expected;  // the call's output followed by the probe
};

TEST(ProgramOutput, SubTitlesAndTableLabelLines) {
  const TitleCase cases[] = {
      {"sub-title", ProgramSubTitle, "abc", 2, NoSetup,
       "  " + kEquals110 + "\n  abc\n  " + kEquals110 + "\n\nx  y"},
      {"sub-title, empty subtitle keeps both rules", ProgramSubTitle, "", 2, NoSetup,
       "  " + kEquals110 + "\n  \n  " + kEquals110 + "\n\nx  y"},
      {"sub-title, negative indent is none", ProgramSubTitle, "ab", -3, NoSetup,
       kEquals110 + "\nab\n" + kEquals110 + "\n\nx  y"},
      {"sub-title, caller's fill and alignment", ProgramSubTitle, "ab", 1, FillZeroLeft,
       " " + kEquals110 + "\n ab\n " + kEquals110 + "\n\nxy  "},
      {"sub-sub-title", ProgramSubSubTitle, "abc", 2, NoSetup, "  abc\n  ===\n\nx  y"},
      {"sub-sub-title, indent in blanks whatever the fill", ProgramSubSubTitle, "ab", 2,
       FillZeroLeft, "  ab\n  ==\n\nxy  "},
      {"sub-sub-title, empty subtitle with indent", ProgramSubSubTitle, "", 2, NoSetup,
       "  \n  \nx  y"},
      {"sub-sub-title, empty subtitle, nothing but line ends leaves the fill", ProgramSubSubTitle,
       "", 0, FillZeroLeft, "\n\nxy00"},
      {"sub-sub-title over", ProgramSubSubTitleOver, "abcd", 1, NoSetup,
       " ====\n abcd\n ====\n\nx  y"},
      {"sub-sub-title over, empty subtitle", ProgramSubSubTitleOver, "", 2, NoSetup,
       "    \n  \nx  y"},
      {"sub-sub-title over, negative indent", ProgramSubSubTitleOver, "a", -1, NoSetup,
       "=\na\n=\n\nx  y"},
      {"sub-sub-sub-title", ProgramSubSubSubTitle, "abc", 3, NoSetup, "   abc\n   ---\n\nx  y"},
      {"sub-sub-sub-title, caller's fill", ProgramSubSubSubTitle, "ab", 0, FillZeroLeft,
       "ab\n--\n\nxy  "},
      {"sub-sub-sub-title, empty subtitle", ProgramSubSubSubTitle, "", 1, NoSetup, " \n \nx  y"},
      {"table label line", TableLabelLineWithoutIndent, "abc", 0, NoSetup, "abc\n---\nx  y"},
      {"table label line, caller's fill", TableLabelLineWithoutIndent, "ab", 0, FillZeroLeft,
       "ab\n--\nxy  "},
      {"table label line, empty subtitle leaves the fill", TableLabelLineWithoutIndent, "", 0,
       FillZeroLeft, "\nxy00"},
      {"indented table label line", TableLabelLineWithIndent, "abc", 2, NoSetup,
       "  abc\n  ---\nx  y"},
      {"indented table label line, empty subtitle leaves the line open", TableLabelLineWithIndent,
       "", 2, NoSetup, "  \n  x  y"},
      {"indented table label line, negative indent", TableLabelLineWithIndent, "ab", -2,
       FillZeroLeft, "ab\n--\nxy  "},
  };
  for (const TitleCase& row : cases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction([&] {
      row.setup();
      row.function(row.subtitle, row.nblak);
      testsupport::ProbeStreamState(std::cout);
    });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, row.expected);
    EXPECT_EQ(result.err, "");
  }
}

// 2024-01-07 09:05:03 UTC, shown in a zone one hour ahead.
constexpr platform::CalendarTime kTitleTime = 1704618303;
const char kTitleDate[] = "DATE: 2024-01-07  10:05:03";

std::string Blanks(std::size_t n) { return std::string(n, ' '); }
std::string Framed(const std::string& rows) {
  const std::string frame = Rule('_', 110) + "\n" + Rule('*', 110) + "\n";
  return frame + rows + frame + "\n\n";
}

void CopyText(char* field, std::size_t size, const char* text) {
  std::snprintf(field, size, "%s", text);
}

struct TitleBlockCase {
  const char* name;
  void (*setup)();
  std::string expected;  // the block followed by the probe
};

void NameAndDescription() {
  CopyText(POut::ProgramName, sizeof POut::ProgramName, "Rosba");
  CopyText(POut::ProgramDescription, sizeof POut::ProgramDescription, "Correct ephemeris");
  CopyText(POut::Author, sizeof POut::Author, "The Rosba authors");
  CopyText(POut::ValidationDate, sizeof POut::ValidationDate, "2019-10-01");
  CopyText(POut::Release, sizeof POut::Release, "1.0");
}
void LongName() {
  CopyText(POut::ProgramName, sizeof POut::ProgramName, "A program name of forty characters......");
  CopyText(POut::ProgramDescription, sizeof POut::ProgramDescription, "desc");
}
// Fill, alignment and a floating-point notation of the caller's own.
void CallerState() {
  std::cout.fill('0');
  std::cout << std::left << std::scientific;
}

TEST(ProgramOutput, TitleBlock) {
  const std::string emptyRows = "          PROGRAM:            " + Blanks(80) + "\n" +
                                "          COPYRIGHT:          " + Blanks(80) + "\n" +
                                "          RELEASE:            " + Blanks(54) + kTitleDate + "\n";
  const TitleBlockCase cases[] = {
      {"empty identity texts", NoSetup, Framed(emptyRows) + "x  y 2.500000 7"},
      {"identity texts in their fields", NameAndDescription,
       Framed("          PROGRAM:            Rosba" + Blanks(30) + Blanks(28) +
              "Correct ephemeris\n" + "          COPYRIGHT:          The Rosba authors" +
              Blanks(18) + Blanks(35) + "2019-10-01\n" + "          RELEASE:            1.0" +
              Blanks(32) + Blanks(19) + kTitleDate + "\n") +
           "x  y 2.500000 7"},
      {"a long name is written whole and moves its row right", LongName,
       Framed("          PROGRAM:            A program name of forty characters......" +
              Blanks(41) + "desc\n" + emptyRows.substr(emptyRows.find("          COPYRIGHT"))) +
           "x  y 2.500000 7"},
      {"blanks, right alignment and fixed notation whatever the caller had", CallerState,
       Framed(emptyRows) + "x  y 2.500000 7"},
  };
  for (const TitleBlockCase& row : cases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction([&] {
      testsupport::ScopedTimeZone zone("CET-1");
      platform::FixedCalendarClock clock(kTitleTime);
      row.setup();
      ProgramTitle();
      std::cout << "x" << std::setw(3) << "y"
                << " " << 2.5 << " " << 7;
    });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, row.expected);
    EXPECT_EQ(result.err, "");
  }
}

void ErrFillStar() { std::cerr.fill('*'); }
void ErrLeft() { std::cerr << std::left; }

struct CerrCase {
  const char* name;
  const char* pgm;
  const char* fun;
  const char* prt;
  char dlm;
  void (*setup)();
  const char* expected;  // the line followed by the probe on standard error
};

TEST(ProgramOutput, CerrPrintLine) {
  const CerrCase cases[] = {
      {"name filled to 10", "abc", "fun", "prt", ':', NoSetup, "abc       ::fun:prt\nx  y"},
      {"long name whole, delimiters at once", "ProgramNameX", "f", "p", '|', NoSetup,
       "ProgramNameX||f|p\nx  y"},
      {"empty texts", "", "", "", '-', NoSetup, "          ---\nx  y"},
      {"fill of standard error is used and kept", "abc", "f", "p", ':', ErrFillStar,
       "abc*******::f:p\nx**y"},
      {"right alignment left behind", "abc", "f", "p", ':', ErrLeft, "abc       ::f:p\nx  y"},
  };
  for (const CerrCase& row : cases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction([&] {
      row.setup();
      ProgramCerrPrint(row.pgm, row.fun, row.prt, row.dlm);
      testsupport::ProbeStreamState(std::cerr);
    });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, row.expected);
  }
}

}  // namespace
