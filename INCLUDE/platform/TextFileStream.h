#ifndef ROSBA_PLATFORM_TEXTFILESTREAM_H
#define ROSBA_PLATFORM_TEXTFILESTREAM_H

#include <cstddef>
#include <istream>
#include <streambuf>

namespace platform {

// Text-mode files that behave the same on every system. The file is opened in
// binary underneath and translated here:
//  - reading drops a CR that stands directly before an LF (so CR LF and LF files
//    read alike), keeps every other CR, and ends the input at the first byte 26
//    (Ctrl-Z);
//  - writing turns every LF into CR LF.
// Output is buffered until a flush (std::endl, flush()) or a full buffer; a flush
// of less than kOutputSize characters is one write call to the system.
class TextFileBuf : public std::streambuf {
 public:
  static constexpr std::size_t kInputSize = 64 * 1024;
  static constexpr std::size_t kOutputSize = 4 * 1024;

  TextFileBuf() = default;
  ~TextFileBuf() override;
  TextFileBuf(const TextFileBuf&) = delete;
  TextFileBuf& operator=(const TextFileBuf&) = delete;

  // Modes: in; out (with or without trunc); out|app; in|out (with or without
  // trunc). False when the file cannot be opened, or is a directory.
  bool open(const char* name, std::ios_base::openmode mode);
  bool is_open() const { return fd_ >= 0; }
  // Writes what is buffered and closes; false when either failed.
  bool close();
  // True once the system has reported an error while reading: the input then
  // ends, as it does at the end of the file, but the two can be told apart.
  bool readFailed() const { return readFailed_; }

 protected:
  int_type underflow() override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool FillInput();
  bool FlushOutput();

  int fd_ = -1;
  bool reading_ = false;
  bool writing_ = false;
  bool inputEnded_ = false;
  bool readFailed_ = false;
  // A CR that ended the last block read: whether it is dropped depends on the
  // first byte of the next block.
  bool heldCR_ = false;
  char input_[kInputSize];
  char output_[kOutputSize];
  char wire_[2 * kOutputSize];
};

// A std::iostream over TextFileBuf, used like std::fstream.
class TextFileStream : public std::iostream {
 public:
  TextFileStream();
  TextFileStream(const char* name, std::ios_base::openmode mode);

  // Sets failbit when the file cannot be opened.
  void open(const char* name, std::ios_base::openmode mode);
  bool is_open() const { return buf_.is_open(); }
  // Sets failbit when the buffered output cannot be written or the close fails.
  void close();
  bool readFailed() const { return buf_.readFailed(); }

 private:
  TextFileBuf buf_;
};

}  // namespace platform

#endif
