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

// Everything a text-mode read yields from a file holding `bytes`, and whether
// the input then ended as a damaged file does.
std::string ReadAll(const std::string& bytes, bool& failed) {
  TempDir dir;
  TextFileStream in(dir.Write("in", bytes).c_str(), std::ios::in);
  EXPECT_TRUE(in.is_open());
  std::string text;
  for (char c; in.get(c);) text += c;
  failed = in.readFailed();
  return text;
}

TEST(TextFileStreamRead, TranslatesLineEndsAndEndsAtCtrlZ) {
  const std::string block(TextFileBuf::kInputSize - 1, 'x');
  const std::string padding(TextFileBuf::kInputSize + 10, '\n');
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
    bool damaged;
  } cases[] = {
      {"LF line ends", "a\nb\n", "a\nb\n", false},
      {"CR LF line ends", "a\r\nb\r\n", "a\nb\n", false},
      {"a CR not before an LF stays", "a\rb\r\r\n\r", "a\rb\r\n\r", false},
      {"no line end at the end", "a\r\nb", "a\nb", false},
      {"empty file", "", "", false},
      {"zero bytes are data", std::string("a\0b\r\n", 5), std::string("a\0b\n", 4), false},
      // The CR is the last byte of the first block read; the LF opens the next one.
      {"CR LF across blocks", block + "\r\nz", block + "\nz", false},
      {"CR at a block end, no LF after it", block + "\rz", block + "\rz", false},
      {"CR at a block end, then Ctrl-Z", block + "\r\x1a", block + "\r", false},
      {"Ctrl-Z ends the input", "a\r\nb\x1a", "a\nb", false},
      {"Ctrl-Z padded with CR, LF and Ctrl-Z", "a\r\nb\x1a\r\n\x1a\x1a\n", "a\nb", false},
      {"Ctrl-Z padded beyond the block", "a\x1a" + padding, "a", false},
      {"Ctrl-Z right after a CR keeps the CR", "a\r\x1a\n", "a\r", false},
      {"data after Ctrl-Z", "a\r\nb\x1a\r\nc\n", "a\nb", true},
      {"data right after Ctrl-Z", "\x1a" "abc", "", true},
      {"data after Ctrl-Z in the next block", "a\x1a" + padding + "z", "a", true},
      {"Ctrl-Z in a later block", block + "abc\x1a" "def", block + "abc", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool failed = false;
    EXPECT_EQ(ReadAll(c.bytes, failed), c.text);
    EXPECT_EQ(failed, c.damaged);
  }
}

// The reads of a whole file, line by line, as "line:<text>", "end" or "failed",
// and one read more after the first that is not a line.
std::vector<std::string> ReadLines(const std::string& bytes, std::size_t limit) {
  TempDir dir;
  TextFileStream in(dir.Write("in", bytes).c_str(), std::ios::in);
  std::vector<std::string> reads;
  std::vector<char> line(limit + 1, '#');
  for (int i = 0; i < 100; ++i) {
    std::size_t length = 99;
    const auto read = in.ReadLine(line.data(), limit, length);
    if (read == TextFileStream::LineRead::kLine) {
      EXPECT_EQ(line[length], '\0') << "a line is zero-terminated";
      reads.push_back("line:" + std::string(line.data(), length));
      continue;
    }
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(line[0], '\0') << "nothing of a line that was not read is left";
    reads.push_back(read == TextFileStream::LineRead::kEnd ? "end" : "failed");
    const auto again = in.ReadLine(line.data(), limit, length);
    reads.push_back(again == TextFileStream::LineRead::kEnd ? "end" : "failed");
    break;
  }
  return reads;
}

TEST(TextFileStreamReadLine, GivesWholeLinesOrFails) {
  using Reads = std::vector<std::string>;
  const std::string nearBlockEnd(TextFileBuf::kInputSize - 3, 'x');
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t limit;
    Reads reads;
  } cases[] = {
      {"lines and a last line without line end", "a\r\n\nb", 8,
       {"line:a", "line:", "line:b", "end", "end"}},
      {"an empty file", "", 8, {"end", "end"}},
      {"zero bytes belong to the line", std::string("a\0b\n", 4), 8,
       {"line:" + std::string("a\0b", 3), "end", "end"}},
      {"limit - 1 characters fit, one more fails for good", "1234567\n12345678\nok\n", 8,
       {"line:1234567", "failed", "failed"}},
      {"limit - 1 characters at the very end fit", "1234567", 8, {"line:1234567", "end", "end"}},
      {"a line across two blocks", nearBlockEnd + "\nabcdef\n", TextFileBuf::kInputSize,
       {"line:" + nearBlockEnd, "line:abcdef", "end", "end"}},
      {"a Ctrl-Z that ends the file ends the last line", "a\nb\x1a\r\n", 8,
       {"line:a", "line:b", "end", "end"}},
      {"a Ctrl-Z before data fails the line it cuts", "a\nb\x1a" "c\n", 8,
       {"line:a", "failed", "failed"}},
      {"a Ctrl-Z before data at a line start", "a\n\x1a" "c\n", 8, {"line:a", "failed", "failed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadLines(c.bytes, c.limit), c.reads);
  }
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

  TextFileStream lines("/proc/self/mem", std::ios::in);
  std::size_t length = 0;
  EXPECT_EQ(lines.ReadLine(line, sizeof line, length), TextFileStream::LineRead::kFailed)
      << "a read error is not the end of the input";
}

TEST(TextFileStream, OpensOnlyTheModesItCanHonour) {
  using std::ios;
  struct Case {
    const char* name;
    ios::openmode mode;
    bool opens;
  } cases[] = {
      {"in", ios::in, true},
      {"out", ios::out, true},
      {"out|trunc", ios::out | ios::trunc, true},
      {"out|app", ios::out | ios::app, true},
      {"app", ios::app, true},
      // Reading and writing one text-mode file would not mean what the modes say.
      {"in|out", ios::in | ios::out, false},
      {"in|out|trunc", ios::in | ios::out | ios::trunc, false},
      {"in|app", ios::in | ios::app, false},
      {"in|trunc", ios::in | ios::trunc, false},
      {"trunc", ios::trunc, false},
      {"out|binary: not a text mode", ios::out | ios::binary, false},
      {"in|binary: not a text mode", ios::in | ios::binary, false},
      {"out|ate", ios::out | ios::ate, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string existing = dir.Write("existing", "old\n");
    TextFileStream file(existing.c_str(), c.mode);
    EXPECT_EQ(file.is_open(), c.opens);
    if (!c.opens) {
      EXPECT_TRUE(file.fail());
      EXPECT_EQ(ReadFile(existing), "old\n") << "a refused mode leaves the file alone";
      TextFileStream missing((dir / "missing").c_str(), c.mode);
      EXPECT_FALSE(testsupport::PathExists(dir / "missing")) << "and creates none";
    }
  }
}

TEST(TextFileStreamWrite, WriteLineAddsTheLineEndAndKeepsTheOrder) {
  TempDir dir;
  const std::string path = dir / "out";
  const std::string longLine(3 * TextFileBuf::kOutputSize + 5, 'L');
  {
    TextFileStream out(path.c_str(), std::ios::out);
    ASSERT_TRUE(out.WriteLine("first", 5));
    EXPECT_EQ(ReadFile(path), "first\r\n") << "a written line is in the file at once";
    out << "pending";
    ASSERT_TRUE(out.WriteLine(std::string("a\0b\rc", 5).c_str(), 5));
    ASSERT_TRUE(out.WriteLine("", 0));
    ASSERT_TRUE(out.WriteLine(longLine.c_str(), longLine.size()));
    ASSERT_TRUE(out.WriteLine("x\ny", 3)) << "an LF inside is a line end too";
  }
  EXPECT_EQ(ReadFile(path), "first\r\npending" + std::string("a\0b\rc\r\n", 7) + "\r\n" +
                                longLine + "\r\nx\r\ny\r\n");

  TextFileStream full("/dev/full", std::ios::out);
  if (full.is_open()) {
    EXPECT_FALSE(full.WriteLine("line", 4)) << "a failed write is told at once";
  }
  TextFileStream in(dir.Write("in", "x\n").c_str(), std::ios::in);
  EXPECT_FALSE(in.WriteLine("line", 4)) << "a file open for reading takes no line";
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

TEST(TextFileStream, KnowsTheFileItHoldsOpenByAnyName) {
  TempDir dir;
  const std::string path = dir.Write("in", "x\n");
  const std::string other = dir.Write("other", "x\n");
  ASSERT_EQ(::symlink(path.c_str(), (dir / "link").c_str()), 0);
  TextFileStream in(path.c_str(), std::ios::in);
  EXPECT_TRUE(in.SameFileAs(path.c_str()));
  EXPECT_TRUE(in.SameFileAs((dir / "link").c_str()));
  EXPECT_FALSE(in.SameFileAs(other.c_str()));
  EXPECT_FALSE(in.SameFileAs((dir / "missing").c_str()));
  EXPECT_FALSE(TextFileStream().SameFileAs(path.c_str())) << "a stream holding no file";
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
