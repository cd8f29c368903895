#include "pgminc/ProgramUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <iostream>
#include <string>

#include "Process.h"
#include "StreamState.h"
#include "platform/ProcessClock.h"

namespace {

const std::string kEquals110(110, '=');

std::string EndErr(const char* seconds) {
  return std::string("Rosba     ++ ***** SUCCESFULLY ENDING PROGRAM [") + seconds + " s] *****\n\n";
}

std::string EndOut(const char* seconds) {
  return kEquals110 + "\nPROGRAM:     Rosba     ***** SUCCESFULLY ENDED [" + seconds +
         " s] *****\n" + kEquals110 + "\n\n";
}

struct RunCase {
  const char* name;
  std::function<void()> run;
  std::string out;
  std::string err;
};

TEST(ProgramUtil, StartAndEndOfARun) {
  const RunCase cases[] = {
      {"a run of 12.345 s, both reports",
       [] {
         platform::SteppedProcessClock clock(1000, 12345);
         StartProg(true, " CORRECT EPHEMERIS");
         EndProg(true, true);
       },
       EndOut("12.345"), "\nRosba     ++ CORRECT EPHEMERIS\n" + EndErr("12.345")},
      {"quiet start, closing line only",
       [] {
         platform::SteppedProcessClock clock(0, 12345);
         StartProg(false, "unused");
         EndProg(false, true);
       },
       EndOut("12.345"), ""},
      {"standard error only",
       [] {
         platform::SteppedProcessClock clock(0, 250);
         StartProg(false, "");
         EndProg(true, false);
       },
       "", EndErr("0.250")},
      {"no start reports 0.000 s",
       [] {
         platform::SteppedProcessClock clock(0, 12345);
         EndProg(true, true);
       },
       EndOut("0.000"), EndErr("0.000")},
      {"a second end reports 0.000 s",
       [] {
         platform::SteppedProcessClock clock(0, 2000);
         StartProg(false, "");
         EndProg(false, false);
         EndProg(true, true);
       },
       EndOut("0.000"), EndErr("0.000")},
      {"a restart counts from the second start",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         StartProg(false, "");
         clock.Set(5000);
         StartProg(false, "");
         clock.Set(6500);
         EndProg(true, false);
       },
       "", EndErr("1.500")},
      {"an empty line ends with the two plus signs",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         StartProg(true, "");
       },
       "", "\nRosba     ++\n"},
      {"both flags clear write nothing",
       [] {
         platform::SteppedProcessClock clock(0, 1000);
         StartProg(false, "x");
         EndProg(false, false);
       },
       "", ""},
  };
  for (const RunCase& row : cases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction(row.run);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, row.err);
  }
}

TEST(ProgramUtil, StandardErrorStateLeftBehind) {
  const RunCase cases[] = {
      {"the end line leaves fixed notation, three decimals, right alignment",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         std::cerr << std::left;
         EndProg(true, false);
         testsupport::ProbeStreamNotation(std::cerr);
       },
       "", EndErr("0.000") + "x  y 2.500 7"},
      {"fixed notation replaces a scientific one",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         std::cerr << std::scientific;
         EndProg(true, false);
         testsupport::ProbeStreamNotation(std::cerr);
       },
       "", EndErr("0.000") + "x  y 2.500 7"},
      {"the start line leaves right alignment only",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         std::cerr << std::left;
         StartProg(true, " go");
         testsupport::ProbeStreamNotation(std::cerr);
       },
       "", "\nRosba     ++ go\nx  y 2.5 7"},
      {"quiet calls leave standard error alone",
       [] {
         platform::SteppedProcessClock clock(0, 0);
         std::cerr << std::left;
         std::cerr.fill('*');
         StartProg(false, "");
         EndProg(false, true);
         testsupport::ProbeStreamNotation(std::cerr);
       },
       EndOut("0.000"), "xy** 2.5 7"},
  };
  for (const RunCase& row : cases) {
    SCOPED_TRACE(row.name);
    const auto result = testsupport::RunFunction(row.run);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, row.err);
  }
}

}  // namespace
