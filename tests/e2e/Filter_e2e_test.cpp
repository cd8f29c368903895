// The filter, seen from outside: a table of small navigation files, each run
// through the tool in a batch run, with the exact bytes of the corrected copy.

#include <gtest/gtest.h>

#include <string>

#include "NavFixtures.h"
#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;

using nav::First;
using nav::kHeader;
using nav::Orbit;
using nav::Record;

struct Outcome {
  int exitStatus;
  std::string output;
  std::string err;
  bool outputExists;
};

Outcome Correct(const std::string& input) {
  TempDir dir;
  const std::string in = dir.Write("in.19g", input);
  const std::string out = dir / "out.19g";
  const auto result = tool::Run({in, out});
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.out, "");
  Outcome outcome{result.exitStatus, "", result.err, false};
  outcome.output = ReadFile(out, &outcome.outputExists);
  return outcome;
}

struct Case {
  const char* name;
  std::string input;
  std::string output;  // with LF line ends; the tool writes CR LF
  const char* report = nullptr;
};

void RunCases(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    const Outcome outcome = Correct(c->input);
    EXPECT_EQ(outcome.exitStatus, c->report ? 1 : 0);
    EXPECT_TRUE(outcome.outputExists);
    EXPECT_EQ(outcome.output, tool::WithCRLF(c->output));
    EXPECT_EQ(outcome.err, c->report ? tool::Report(c->report) : "");
  }
}

TEST(Filter, DropsEveryRecordWhoseSecondsAreNotZero) {
  const Case cases[] = {
      {"0.0 stays", kHeader + Record("  0.0"), kHeader + Record("  0.0")},
      {"30.0 goes", kHeader + Record(" 30.0"), kHeader},
      {"59.9 goes", kHeader + Record(" 59.9"), kHeader},
      {"0.1 goes: as a float it lies above the double 0.1", kHeader + Record("  0.1"), kHeader},
      {"-1.0 goes", kHeader + Record(" -1.0"), kHeader},
      {"-0.0 stays", kHeader + Record(" -0.0"), kHeader + Record(" -0.0")},
      {"no number stays", kHeader + Record("   . "), kHeader + Record("   . ")},
      {"a letter first stays", kHeader + Record("  x.0"), kHeader + Record("  x.0")},
      {"largest float below 0.1 stays",
       kHeader + First("  0.09999999").substr(0, 29) + "\n" + Orbit('a'),
       kHeader + First("  0.09999999").substr(0, 29) + "\n" + Orbit('a')},
      {"rounds to the float 0.1 and goes",
       kHeader + First("  0.09999999999").substr(0, 32) + "\n" + Orbit('a'), kHeader},
      {"beyond the float range goes", kHeader + First("  9.9").substr(0, 22) + "e99\n", kHeader},
      {"underflow to zero stays", kHeader + First("  1.0").substr(0, 22) + "e-60\n",
       kHeader + First("  1.0").substr(0, 22) + "e-60\n"},
      {"hexadecimal is not a number: 0x.8 stays", kHeader + Record(" 0x.8"), kHeader + Record(" 0x.8")},
      {"an exponent counts: 0.0e5 stays, 1.e-1 goes",
       kHeader + First("  0.0").substr(0, 22) + "e5\n" + Orbit('a') + First("  1.e", 2).substr(0, 22) +
           "-1\n" + Orbit('b') + Orbit('c') + Orbit('d'),
       kHeader + First("  0.0").substr(0, 22) + "e5\n" + Orbit('a')},
      {"only the dropped records go",
       kHeader + Record("  0.0", 1) + Record(" 30.0", 2) + Record("  0.0", 3) + Record(" 59.9", 4),
       kHeader + Record("  0.0", 1) + Record("  0.0", 3)},
      {"the three lines after a dropped first line go, whatever they hold",
       kHeader + First(" 30.0") + First("  0.0", 2) + "\n" + Orbit('c') + Record("  0.0", 3),
       kHeader + Record("  0.0", 3)},
      {"a dropped record cut short by the end of the input",
       kHeader + Record("  0.0") + First(" 30.0", 2) + Orbit('a') + Orbit('b'),
       kHeader + Record("  0.0")},
      {"a kept record cut short by the end of the input", kHeader + First("  0.0") + Orbit('a'),
       kHeader + First("  0.0") + Orbit('a')},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(Filter, OnlyTheFirstLineLayoutStartsADrop) {
  std::string noSeparator = First(" 30.0");
  noSeparator[2] = '9';
  std::string nonAsciiSeparator = First(" 30.0");
  nonAsciiSeparator[11] = '\xa0';
  std::string noPoint = First(" 30.0");
  noPoint[20] = ',';
  std::string tabs = First(" 30.0");
  tabs[5] = '\t';
  tabs[14] = '\v';
  const std::string shortLine = First(" 30.0").substr(0, 20) + "\n";
  // Offset 17, the first position of the seconds field, must be white space.
  const std::string secondsFrom17 = First("-10.0");
  const std::string hundredSeconds = First("100.0");
  // After a kept first line the line array still holds its bytes: a shorter
  // line after it must be judged by its own 20 characters, which would read as
  // a first line with 30 seconds if the old ones showed through.
  const std::string keptFirst = First("  0.0");
  const std::string shortAfterKept = First("  0.0", 2).substr(0, 18) + "30\n";
  const std::string exactly21 = First(" 30.0").substr(0, 21) + "\n";
  const Case cases[] = {
      {"no white space at offset 2", kHeader + noSeparator, kHeader + noSeparator},
      {"a byte above 127 is not white space", kHeader + nonAsciiSeparator,
       kHeader + nonAsciiSeparator},
      {"no decimal point at offset 20", kHeader + noPoint, kHeader + noPoint},
      {"tab and vertical tab are white space", kHeader + tabs + Orbit('a') + Orbit('b') +
       Orbit('c') + "after\n", kHeader + "after\n"},
      {"20 characters are too few", kHeader + shortLine + "\n", kHeader + shortLine + "\n"},
      {"no white space at offset 17: -10.0", kHeader + secondsFrom17, kHeader + secondsFrom17},
      {"no white space at offset 17: 100.0", kHeader + hundredSeconds, kHeader + hundredSeconds},
      {"a short line is judged by its own bytes",
       kHeader + keptFirst + shortAfterKept + "x\n", kHeader + keptFirst + shortAfterKept + "x\n"},
      {"21 characters are enough", kHeader + exactly21 + "x\ny\nz\nafter\n", kHeader + "after\n"},
      {"blank lines, comments and damaged lines pass",
       kHeader + "\n  a comment\n" + Orbit('x') + "\n", kHeader + "\n  a comment\n" + Orbit('x') + "\n"},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(Filter, CopiesTheHeaderUpToItsLastLine) {
  const std::string comment =
      "The line END OF HEADER ends it here                          COMMENT\n";
  const Case cases[] = {
      {"empty input", "", "", tool::kHeaderEnd},
      {"no end of header", "line 1\nline 2\n", "line 1\nline 2\n", tool::kHeaderEnd},
      {"lower case does not end it", "end of header\n", "end of header\n", tool::kHeaderEnd},
      {"ends right after the header", kHeader, kHeader},
      {"ends right after the header, no line end", kHeader.substr(0, kHeader.size() - 1),
       kHeader},
      {"a comment ends the header, the rest is data",
       comment + First(" 30.0") + "a\nb\nc\n" + kHeader + Record(" 30.0"),
       comment + kHeader},
      {"the label after a zero byte does not count",
       std::string("x\0END OF HEADER\n", 16) + "a\n",
       std::string("x\0END OF HEADER\n", 16) + "a\n", tool::kHeaderEnd},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(Filter, WritesCRLFAndEndsAtAFinalCtrlZ) {
  const std::string lfFile = kHeader + Record("  0.0") + Record(" 30.0", 2) + "last";
  const Case cases[] = {
      {"LF in, CR LF out", lfFile, kHeader + Record("  0.0") + "last\n"},
      {"CR LF in, the same bytes out", tool::WithCRLF(lfFile + "\n"), kHeader + Record("  0.0") + "last\n"},
      {"a CR not before an LF is data", kHeader + "a\rb\r\r\n", kHeader + "a\rb\r\n"},
      {"Ctrl-Z ends the input", kHeader + Record("  0.0") + "\x1a", kHeader + Record("  0.0")},
      {"Ctrl-Z padded with CR, LF and Ctrl-Z", kHeader + Record("  0.0") + "last\x1a\r\n\x1a\x1a\n",
       kHeader + Record("  0.0") + "last\n"},
      {"Ctrl-Z before data: a damaged file", kHeader + Record("  0.0") + "\x1a" + Record("  0.0", 2),
       kHeader + Record("  0.0"), tool::kUnreadableLine},
      {"Ctrl-Z in the middle of a line: the line is not written", kHeader + "abc\x1a" "def\n",
       kHeader, tool::kUnreadableLine},
      {"Ctrl-Z before data, in the header", "     2.01\n\x1a" + kHeader, "     2.01\n",
       tool::kHeaderEnd},
      {"Ctrl-Z before data, within a dropped record", kHeader + First(" 30.0") + "\x1a" + Orbit('a'),
       kHeader, tool::kUnreadableLine},
      // Every fixture above fits into the first block the tool reads.
      {"Ctrl-Z before data, blocks into the file", kHeader + std::string(70000, '\n') + "a\x1a" "b",
       kHeader + std::string(70000, '\n'), tool::kUnreadableLine},
      {"Ctrl-Z, then data blocks later", kHeader + "a\x1a" + std::string(70000, '\n') + "b",
       kHeader, tool::kUnreadableLine},
      {"Ctrl-Z, then padding for blocks", kHeader + "a\x1a" + std::string(70000, '\n'),
       kHeader + "a\n"},
      {"zero bytes are copied with their line",
       kHeader + std::string("a\0b\n", 4) + First("  0.0").substr(0, 30) + std::string("\0z\n", 3),
       kHeader + std::string("a\0b\n", 4) + First("  0.0").substr(0, 30) + std::string("\0z\n", 3)},
      {"a zero byte before offset 21 hides the layout",
       kHeader + std::string(" 1 19 12\0 10  0 15 30.0\n", 24),
       kHeader + std::string(" 1 19 12\0 10  0 15 30.0\n", 24)},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(Filter, LinesOfMoreThan1026CharactersCannotBeRead) {
  const std::string fits(1026, 'f');
  const std::string tooLong(1027, 't');
  const Case cases[] = {
      {"1026 characters pass", kHeader + fits + "\n" + fits + "\r\n" + fits,
       kHeader + fits + "\n" + fits + "\n" + fits + "\n"},
      {"1027 in the data section", kHeader + "before\n" + tooLong + "\nafter\n",
       kHeader + "before\n", tool::kUnreadableLine},
      {"1027 at the very end", kHeader + "before\n" + tooLong, kHeader + "before\n",
       tool::kUnreadableLine},
      {"1027 within a dropped record", kHeader + First(" 30.0") + tooLong + "\nafter\n", kHeader,
       tool::kUnreadableLine},
      {"1027 in the header", "first\n" + tooLong + "\n" + kHeader, "first\n", tool::kHeaderEnd},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(Filter, KeepsTheBundledExampleApartFromItsBadRecords) {
  const std::string example = ReadFile(ROSBA_EXAMPLES_DIR "/brdc3440.19g");
  ASSERT_FALSE(example.empty());
  std::string expected;
  std::size_t dropped = 0;
  std::size_t begin = 0;
  bool inData = false;
  int skip = 0;
  while (begin < example.size()) {
    const std::size_t end = example.find('\n', begin) + 1;
    const std::string line = example.substr(begin, end - begin);
    begin = end;
    if (skip > 0) {
      --skip;
      continue;
    }
    if (inData && line.size() > 22 && line.compare(17, 5, "  0.0") != 0 && line[20] == '.') {
      ++dropped;
      skip = 3;
      continue;
    }
    inData = inData || line.find("END OF HEADER") != std::string::npos;
    expected += line;
  }
  EXPECT_EQ(dropped, 5u);
  const Outcome outcome = Correct(example);
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(outcome.output, tool::WithCRLF(expected));
}

}  // namespace
