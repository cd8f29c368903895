#include "pgminc/VarCout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>

#include "Process.h"
#include "StreamState.h"
#include "TempDir.h"
#include "platform/TextFileStream.h"

namespace {

void NoSetup() {}
void FillZero() { std::cout.fill('0'); }
void FillStarLeft() {
  std::cout.fill('*');
  std::cout << std::left;
}
void Left() { std::cout << std::left; }

struct RuleCase {
  const char* name;
  void (*setup)();
  bool endLine;  // PrintChar (with its indent) or PrintCharNoEndl
  char chr;
  int n;
  int nblank;
  const char* expected;  // the call's output followed by the probe
};

const RuleCase kRuleCases[] = {
    {"rule and line end", NoSetup, true, '=', 5, 0, "=====\nx  y"},
    {"a single character", NoSetup, true, '-', 1, 0, "-\nx  y"},
    {"indent of blanks before the rule", NoSetup, true, '_', 3, 2, "  ___\nx  y"},
    {"zero count writes the indent only, line open", NoSetup, true, '=', 0, 3, "   x  y"},
    {"negative count and no indent change nothing", FillStarLeft, true, '=', -1, 0, "xy**"},
    {"indent in the caller's fill, then a blank fill", FillZero, true, '=', 3, 2, "00===\nx  y"},
    {"indent in the caller's fill is kept without a rule", FillZero, true, '=', -2, 2, "00x00y"},
    {"negative indent is none", NoSetup, true, '*', 2, -4, "**\nx  y"},
    {"exact count under left alignment, alignment kept", Left, true, '*', 4, 0, "****\nxy  "},
    {"no line end after the rule", NoSetup, false, '_', 3, 0, "___x  y"},
    {"no line end, left alignment kept", Left, false, '#', 2, 0, "##xy  "},
    {"no line end, zero count changes nothing", FillZero, false, '_', 0, 0, "x00y"},
};

TEST(VarCout, RulesOnStandardOutput) {
  for (const RuleCase& row : kRuleCases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction([&] {
      row.setup();
      if (row.endLine) {
        PrintChar(row.chr, row.n, row.nblank);
      } else {
        PrintCharNoEndl(row.chr, row.n);
      }
      testsupport::ProbeStreamState(std::cout);
    });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, row.expected);
    EXPECT_EQ(result.err, "");
  }
}

TEST(VarCout, LongRuleIsOneLine) {
  const auto result = testsupport::RunFunction([] { PrintChar('_', 110, 0); });
  EXPECT_EQ(result.out, std::string(110, '_') + "\n");
}

TEST(VarCout, RulesIntoTextFileHaveCrLfAndLeaveTheFileStreamsFillBlank) {
  testsupport::TempDir dir;
  const std::string path = dir / "rules.txt";
  const auto result = testsupport::RunFunction([&] {
    // Standard output keeps its own fill: the file forms touch only the file.
    std::cout.fill('0');
    platform::TextFileStream out(path.c_str(), std::ios::out | std::ios::trunc);
    out.fill('.');
    out << "a";
    PrintChar('=', 3, out);
    out << std::left;
    PrintCharNoEndl('-', 4, out);
    testsupport::ProbeStreamState(out);
    out << std::right;
    PrintChar('*', 0, out);
    PrintCharNoEndl('*', -3, out);
    out.fill('.');
    PrintChar('~', -1, out);
    testsupport::ProbeStreamState(out);
    out << std::endl;
    PrintChar('+', 1, out);
    out.close();
    std::cout << std::setw(3) << "y";
  });
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "00y");
  EXPECT_EQ(testsupport::ReadFile(path), "a===\r\n----xy  x..y\r\n+\r\n");

  // Any file stream takes a rule: a std::fstream writes the line end it has.
  const std::string plain = dir / "plain.txt";
  {
    std::fstream out(plain, std::ios::out | std::ios::trunc);
    PrintCharNoEndl('-', 2, out);
    PrintChar('=', 3, out);
  }
  EXPECT_EQ(testsupport::ReadFile(plain), "--===\n");
}

}  // namespace
