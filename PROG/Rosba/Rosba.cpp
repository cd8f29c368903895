// Rosba -- Correct GLONASS broadcast ephemeris.
//
// Writes a copy of a RINEX 2 GLONASS navigation file from which every four-line
// ephemeris record whose epoch seconds are not zero is left out: the header is
// copied line for line, every other line unchanged and in its order, with CR LF
// line ends.
//
//   rosba                  interactive: banner, two prompts, wait for Enter at the end
//   rosba ephIn ephOut     batch: silent, for scripts
//
// Exit status 0 after a completed run, 1 after any fatal error (with its report
// on standard error).

#include <cfloat>
#include <cmath>
#include <cstring>
#include <iostream>

#include "functions/cfilef.h"
#include "pgminc/ProgramError.h"
#include "platform/ConsoleInput.h"
#include "platform/DecimalText.h"
#include "platform/TextFileStream.h"

namespace {

constexpr char kProg[] = "Rosba";

// A file name array holds at most 511 characters and the terminating zero.
constexpr std::size_t kNameSize = 512;
// A line array holds at most 1026 characters of a line, its terminating zero and
// one spare byte; a longer line cannot be read.
constexpr std::size_t kLineSize = 1028;
constexpr std::size_t kReadLimit = 1027;

constexpr char kArgumentCount[] =
    "Incorrect number of INPUT parameters - 2 mandatory (ephIn and ephOut)!";
constexpr char kInputMissing[] = "Input file with GLONASS broadcast ephemeris DOES NOT EXISTS!";
constexpr char kNameTooLong[] = "File name too long - at most 511 characters!";
constexpr char kSameFile[] = "Input and output GLONASS broadcast ephemeris are the SAME FILE!";
constexpr char kHeaderEnd[] =
    "Unexpected end of GLONASS broadcast ephemeris file - within header section!";
constexpr char kUnreadableLine[] =
    "Unreadable line in GLONASS broadcast ephemeris file - within data section!";
constexpr char kOutputUnwritable[] =
    "Output file for corrected GLONASS broadcast ephemeris CANNOT BE WRITTEN!";

constexpr char kHeaderLabel[] = "END OF HEADER";
// Lines of a record after its first line.
constexpr int kOrbitLines = 3;

using LineRead = platform::TextFileStream::LineRead;

// Writes one line and its line end, flushed at once, so the output grows line by
// line and survives a fatal error later on. A failed write ends the run at once.
void WriteLine(platform::TextFileStream& out, const char* line, std::size_t length, bool wait) {
  if (!out.WriteLine(line, length)) ProgramError(kProg, kOutputUnwritable, wait);
}

// The seconds of a record's first line, from offset 17 on, read as a decimal
// number (0 when there is none) and rounded to single precision.
bool SecondsNotZero(const char* line) {
  const double value = platform::DecimalToDouble(line + 17);
  // Beyond the single-precision range a value rounds to the largest finite value
  // or to infinity; both lie far above the threshold. Converting it would be
  // undefined behaviour.
  if (std::fabs(value) > FLT_MAX) return true;
  const float sec = static_cast<float>(value);
  // The comparison is made in double precision against the double nearest 0.1:
  // 0.1 itself, rounded to single precision, lies above it and is dropped.
  return std::fabs(sec) > 0.1;
}

bool CopyName(const char* argument, char* name) {
  const std::size_t length = std::strlen(argument);
  if (length >= kNameSize) return false;
  std::memcpy(name, argument, length + 1);
  return true;
}

// True when L has the column layout of a record's first line: at least 21
// characters, white space at offsets 2, 5, 8, 11, 14 and 17, and the decimal point
// of the seconds at offset 20.
bool isFirstLine(const char* L) {
  if (std::memchr(L, '\0', 21) != nullptr) return false;
  for (const int offset : {2, 5, 8, 11, 14, 17}) {
    if (!platform::IsWhiteSpace(L[offset])) return false;
  }
  return L[20] == '.';
}

void CorrectFile(const char* eI, const char* eO, bool wait) {
  char line[kLineSize];
  std::size_t length = 0;

  platform::TextFileStream ceI(eI, std::ios::in);
  // Opening the output empties it: were it the input, the input would be lost.
  // The open input is compared, since a name such as /dev/fd/3 leads to it only
  // once it is open.
  if (ceI.SameFileAs(eO)) ProgramError(kProg, kSameFile, wait);
  platform::TextFileStream ceO(eO, std::ios::out | std::ios::trunc);
  if (!ceO.is_open()) ProgramError(kProg, kOutputUnwritable, wait);

  do {
    if (ceI.ReadLine(line, kReadLimit, length) != LineRead::kLine) {
      ProgramError(kProg, kHeaderEnd, wait);
    }
    WriteLine(ceO, line, length, wait);
  } while (std::strstr(line, kHeaderLabel) == nullptr);

  for (;;) {
    LineRead read = ceI.ReadLine(line, kReadLimit, length);
    if (read == LineRead::kEnd) break;
    if (read == LineRead::kFailed) ProgramError(kProg, kUnreadableLine, wait);

    if (isFirstLine(line) && SecondsNotZero(line)) {
      // The record is dropped whole; a record cut short by the end of the input
      // loses the lines it has.
      for (int i = 0; i < kOrbitLines && read == LineRead::kLine; ++i) {
        read = ceI.ReadLine(line, kReadLimit, length);
      }
      if (read == LineRead::kFailed) ProgramError(kProg, kUnreadableLine, wait);
      if (read == LineRead::kEnd) break;
      continue;
    }
    WriteLine(ceO, line, length, wait);
  }

  ceI.close();
  ceO.close();
  if (!ceO) ProgramError(kProg, kOutputUnwritable, wait);
}

void Title() {
  static const char* const kRows[] = {
      "******************************************************************",
      "       Rosba -- Correct GLONASS broadcast ephemeris               ",
      "       =====    --=-------=--=--=--=---------------               ",
      "       (c) 2019 The Rosba authors, free to use and share          ",
      "       Release:     OCT 2019                              Ver. 1.0",
      "******************************************************************",
  };
  std::cout << std::endl;
  for (const char* row : kRows) std::cout << row << std::endl;
  std::cout << std::endl << std::endl;
}

void GetFileNames(char* eI, char* eO) {
  std::cout << " Input  GLONASS ephemeris: " << std::flush;
  const std::size_t inputLength = platform::ReadAnswer(eI, kNameSize);
  std::cout << " Output GLONASS ephemeris: " << std::flush;
  const std::size_t outputLength = platform::ReadAnswer(eO, kNameSize);

  if (inputLength >= kNameSize || outputLength >= kNameSize) {
    ProgramError(kProg, kNameTooLong, true);
  }
  if (!FileExists(eI)) ProgramError(kProg, kInputMissing, true);
}

}  // namespace

int main(int argc, char* argv[]) {
  char ephIn[kNameSize];
  char ephOut[kNameSize];
  bool wait = false;

  if (argc == 1) {
    wait = true;
    Title();
    GetFileNames(ephIn, ephOut);
  } else if (argc == 3) {
    if (!CopyName(argv[1], ephIn) || !CopyName(argv[2], ephOut)) {
      ProgramError(kProg, kNameTooLong, false);
    }
    if (!FileExists(ephIn)) ProgramError(kProg, kInputMissing, false);
  } else {
    ProgramError(kProg, kArgumentCount, false);
  }

  CorrectFile(ephIn, ephOut, wait);

  if (wait) {
    std::cout << std::endl << std::endl << "  Done... press [ENTER]..." << std::flush;
    platform::WaitForEnter();
  }
  return 0;
}
