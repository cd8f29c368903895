#include "platform/TextFileStream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TempDir.h"

namespace {

using platform::TextFileBuf;
using platform::TextFileStream;
using testsupport::ReadFile;
using testsupport::TempDir;

// Everything a text-mode read yields from a file holding `bytes`.
std::string ReadAll(const std::string& bytes) {
  TempDir dir;
  TextFileStream in(dir.Write("in", bytes).c_str(), std::ios::in);
  EXPECT_TRUE(in.is_open());
  std::string text;
  for (char c; in.get(c);) text += c;
  EXPECT_FALSE(in.readFailed());
  return text;
}

TEST(TextFileStreamRead, TranslatesLineEndsAndStopsAtCtrlZ) {
  const std::string block(TextFileBuf::kInputSize - 1, 'x');
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"LF line ends", "a\nb\n", "a\nb\n"},
      {"CR LF line ends", "a\r\nb\r\n", "a\nb\n"},
      {"a CR not before an LF stays", "a\rb\r\r\n\r", "a\rb\r\n\r"},
      {"no line end at the end", "a\r\nb", "a\nb"},
      {"Ctrl-Z ends the input", "a\r\nb\x1a\r\nc\n", "a\nb"},
      {"Ctrl-Z right after a CR keeps the CR", "a\r\x1a\n", "a\r"},
      {"Ctrl-Z first", "\x1a" "abc", ""},
      {"empty file", "", ""},
      {"zero bytes are data", std::string("a\0b\r\n", 5), std::string("a\0b\n", 4)},
      // The CR is the last byte of the first block read; the LF opens the next one.
      {"CR LF across blocks", block + "\r\nz", block + "\nz"},
      {"CR at a block end, no LF after it", block + "\rz", block + "\rz"},
      {"CR at a block end, then Ctrl-Z", block + "\r\x1a", block + "\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadAll(c.bytes), c.text);
  }
}

TEST(TextFileStreamRead, GetlineHoldsAtMost1026Characters) {
  TempDir dir;
  const std::string fits(1026, 'f');
  const std::string tooLong(1027, 't');
  TextFileStream in(dir.Write("in", fits + "\r\n" + tooLong + "\n").c_str(), std::ios::in);
  char line[1028];
  ASSERT_TRUE(in.getline(line, 1027));
  EXPECT_EQ(std::string(line), fits);
  EXPECT_FALSE(in.getline(line, 1027));
  EXPECT_FALSE(in.eof()) << "a line that is too long is not the end of the input";
  EXPECT_FALSE(in.getline(line, 1027)) << "once a read failed, every later one fails";
}

TEST(TextFileStream, DirectoriesAndMissingNamesDoNotOpen) {
  TempDir dir;
  for (const std::string& name : {dir.path(), dir / "missing", std::string()}) {
    SCOPED_TRACE(name);
    TextFileStream in(name.c_str(), std::ios::in);
    EXPECT_FALSE(in.is_open());
    EXPECT_TRUE(in.fail());
  }
  for (const std::string& name : {dir.path(), dir / "no-such-folder/out", std::string()}) {
    SCOPED_TRACE(name);
    TextFileStream out(name.c_str(), std::ios::out);
    EXPECT_FALSE(out.is_open());
    EXPECT_TRUE(out.fail());
  }
}

TEST(TextFileStreamRead, AReadErrorIsToldApartFromTheEnd) {
  // Reading /proc/self/mem at offset 0 fails with an I/O error.
  TextFileStream in("/proc/self/mem", std::ios::in);
  if (!in.is_open()) GTEST_SKIP() << "/proc/self/mem cannot be opened here";
  char line[64];
  EXPECT_FALSE(in.getline(line, sizeof line));
  EXPECT_TRUE(in.readFailed());
}

TEST(TextFileStreamWrite, EveryLineEndBecomesCRLF) {
  TempDir dir;
  const std::string path = dir / "out";
  {
    TextFileStream out(path.c_str(), std::ios::out | std::ios::trunc);
    ASSERT_TRUE(out.is_open());
    out << "a" << std::endl << "b\r" << std::endl;
    out.write("c\0d", 3);
    out << "\n\nlast";
    out.close();
    EXPECT_TRUE(out.good());
  }
  EXPECT_EQ(ReadFile(path), std::string("a\r\nb\r\r\nc\0d\r\n\r\nlast", 18));
}

TEST(TextFileStreamWrite, AFlushedLineIsInTheFileAtOnce) {
  TempDir dir;
  const std::string path = dir / "out";
  TextFileStream out(path.c_str(), std::ios::out);
  out << "first" << std::endl;
  EXPECT_EQ(ReadFile(path), "first\r\n");
  out << "second";
  EXPECT_EQ(ReadFile(path), "first\r\n");
}

TEST(TextFileStreamWrite, OpeningEmptiesAnExistingFileAndAppendKeepsIt) {
  TempDir dir;
  const std::string path = dir.Write("out", "old content\n");
  TextFileStream(path.c_str(), std::ios::out | std::ios::app) << "more" << std::endl;
  EXPECT_EQ(ReadFile(path), "old content\nmore\r\n");
  TextFileStream(path.c_str(), std::ios::out | std::ios::trunc) << "new" << std::endl;
  EXPECT_EQ(ReadFile(path), "new\r\n");
}

TEST(TextFileStreamWrite, LongTextIsWrittenWhole) {
  TempDir dir;
  const std::string path = dir / "out";
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + "\n";
  {
    TextFileStream out(path.c_str(), std::ios::out);
    out << text;
  }
  std::string expected;
  for (const char c : text) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(ReadFile(path), expected);
}

TEST(TextFileStreamWrite, AFailedWriteShowsInTheStreamState) {
  TextFileStream out("/dev/full", std::ios::out);
  if (!out.is_open()) GTEST_SKIP() << "/dev/full cannot be opened here";
  out << "line" << std::endl;
  EXPECT_TRUE(out.bad());
}

TEST(TextFileStreamWrite, AFailedFinalWriteShowsInClose) {
  TextFileStream out("/dev/full", std::ios::out);
  if (!out.is_open()) GTEST_SKIP() << "/dev/full cannot be opened here";
  out << "pending, not flushed";
  EXPECT_TRUE(out.good());
  out.close();
  EXPECT_TRUE(out.fail());
}

}  // namespace
