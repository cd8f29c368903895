#ifndef ROSBA_PLATFORM_TEXTFILESTREAM_H
#define ROSBA_PLATFORM_TEXTFILESTREAM_H

#include <cstddef>
#include <istream>
#include <streambuf>

namespace platform {

// Text-mode files that behave the same on every system. The file is opened in
// binary underneath and translated here:
//  - reading drops a CR that stands directly before an LF (so CR LF and LF files
//    read alike) and keeps every other CR;
//  - a byte 26 (Ctrl-Z) ends the input, as it does on the systems the files come
//    from, when nothing but more Ctrl-Z bytes, CRs and LFs follows it up to the
//    end of the file (an end marker, perhaps padded). Followed by anything else
//    it marks a damaged file: the input ends there as if a read had failed, so
//    that no data after it is lost without a word;
//  - writing turns every LF into CR LF.
// Output is buffered until a flush (std::endl, flush()) or a full buffer; a flush
// of less than kOutputSize characters is one write call to the system.
class TextFileBuf : public std::streambuf {
 public:
  static constexpr std::size_t kInputSize = std::size_t{64} * 1024;
  static constexpr std::size_t kOutputSize = std::size_t{4} * 1024;

  enum class LineRead {
    kLine,    // a whole line: up to an LF, or the last line of the input
    kEnd,     // the end of the input, before any character
    kFailed,  // a line too long, a read error, a damaged file; or an earlier failure
  };

  TextFileBuf() = default;
  ~TextFileBuf() override;
  TextFileBuf(const TextFileBuf&) = delete;
  TextFileBuf& operator=(const TextFileBuf&) = delete;

  // Modes: in; out, out|trunc (the file is emptied); out|app and app (written at
  // its end). Every other mode is refused. False when the file cannot be opened,
  // or is a directory.
  bool open(const char* name, std::ios_base::openmode mode);
  bool is_open() const { return fd_ >= 0; }
  // Writes what is buffered and closes; false when either failed.
  bool close();
  // True once the input has ended other than at its end: the system reported a
  // read error, or a Ctrl-Z was followed by data.
  bool readFailed() const { return endKind_ == End::kFailed && gptr() == egptr(); }
  // True when `name` leads to the open file, by whatever path.
  bool SameFileAs(const char* name) const;

  // Reads the next line into `line`: at most limit - 1 characters, then a zero;
  // `length` counts every character stored, zero bytes included, without the
  // line end, which is consumed. A line of more characters fails, and so does a
  // line that a read error or a damaged file cuts short: nothing of it is
  // stored. Once a read has failed, every later read fails too.
  LineRead ReadLine(char* line, std::size_t limit, std::size_t& length);
  // Writes `length` characters of `line` and a line end, and flushes them with
  // what was buffered before: one write call for a line of up to kOutputSize
  // characters. False when the write fails.
  bool WriteLine(const char* line, std::size_t length);

 protected:
  int_type underflow() override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // How the input ends once the text already read has been taken.
  enum class End { kNotYet, kClean, kFailed };

  bool FillInput();
  bool FlushOutput();
  bool WriteTranslated(const char* text, std::size_t size, bool lineEnd);

  int fd_ = -1;
  bool reading_ = false;
  bool writing_ = false;
  // How the input ends once what the get area holds has been read.
  End endKind_ = End::kNotYet;
  bool lineFailed_ = false;
  // A CR that ended the last block read: whether it is dropped depends on the
  // first byte of the next block.
  bool heldCR_ = false;
  char input_[kInputSize];
  char output_[kOutputSize];
  char wire_[2 * kOutputSize + 2];
};

// A std::iostream over TextFileBuf, used like std::fstream.
class TextFileStream : public std::iostream {
 public:
  using LineRead = TextFileBuf::LineRead;

  TextFileStream();
  TextFileStream(const char* name, std::ios_base::openmode mode);

  // Sets failbit when the file cannot be opened.
  void open(const char* name, std::ios_base::openmode mode);
  bool is_open() const { return buf_.is_open(); }
  // Sets failbit when the buffered output cannot be written or the close fails.
  void close();
  bool readFailed() const { return buf_.readFailed(); }
  bool SameFileAs(const char* name) const { return buf_.SameFileAs(name); }

  // Line by line, straight on the buffer (see TextFileBuf): no stream state is
  // read or changed.
  LineRead ReadLine(char* line, std::size_t limit, std::size_t& length) {
    return buf_.ReadLine(line, limit, length);
  }
  bool WriteLine(const char* line, std::size_t length) { return buf_.WriteLine(line, length); }

 private:
  TextFileBuf buf_;
};

}  // namespace platform

#endif
