#include "platform/TextFileStream.h"

#include <cstring>

#include "platform/RawFile.h"

namespace platform {

namespace {

constexpr char kCtrlZ = 26;

rawfile::Access AccessFor(std::ios_base::openmode mode, bool& reading, bool& writing) {
  using std::ios_base;
  reading = (mode & ios_base::in) != 0;
  writing = (mode & (ios_base::out | ios_base::app)) != 0;
  const bool truncate = (mode & ios_base::trunc) != 0;
  if (reading && writing) {
    return truncate ? rawfile::Access::kReadWriteTruncate : rawfile::Access::kReadWrite;
  }
  if (writing) {
    return (mode & ios_base::app) ? rawfile::Access::kWriteAppend
                                  : rawfile::Access::kWriteTruncate;
  }
  return rawfile::Access::kRead;
}

// Removes, in place, every CR that stands directly before an LF; returns the new size.
std::size_t DropCRBeforeLF(char* text, std::size_t size) {
  char* const end = text + size;
  char* write = static_cast<char*>(std::memchr(text, '\r', size));
  if (write == nullptr) return size;
  for (const char* read = write; read < end; ++read) {
    if (*read == '\r' && read + 1 < end && read[1] == '\n') continue;
    *write++ = *read;
  }
  return static_cast<std::size_t>(write - text);
}

}  // namespace

TextFileBuf::~TextFileBuf() { close(); }

bool TextFileBuf::open(const char* name, std::ios_base::openmode mode) {
  if (is_open()) return false;
  bool reading = false;
  bool writing = false;
  const rawfile::Access access = AccessFor(mode, reading, writing);
  if (!reading && !writing) return false;
  fd_ = rawfile::Open(name, access);
  if (fd_ < 0) return false;
  reading_ = reading;
  writing_ = writing;
  inputEnded_ = false;
  readFailed_ = false;
  heldCR_ = false;
  setg(input_, input_, input_);
  if (writing_) {
    setp(output_, output_ + kOutputSize);
  } else {
    setp(nullptr, nullptr);
  }
  return true;
}

bool TextFileBuf::close() {
  if (!is_open()) return false;
  bool ok = !writing_ || FlushOutput();
  if (!rawfile::Close(fd_)) ok = false;
  fd_ = -1;
  reading_ = writing_ = false;
  setg(nullptr, nullptr, nullptr);
  setp(nullptr, nullptr);
  return ok;
}

TextFileBuf::int_type TextFileBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (!reading_ || !FillInput()) return traits_type::eof();
  return traits_type::to_int_type(*gptr());
}

bool TextFileBuf::FillInput() {
  while (!inputEnded_) {
    std::size_t size = 0;
    if (heldCR_) {
      input_[size++] = '\r';
      heldCR_ = false;
    }
    const long n = rawfile::Read(fd_, input_ + size, kInputSize - size);
    if (n <= 0) {
      inputEnded_ = true;
      readFailed_ = n < 0;
    } else {
      size += static_cast<std::size_t>(n);
    }
    if (const void* ctrlZ = std::memchr(input_, kCtrlZ, size)) {
      size = static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - input_);
      inputEnded_ = true;
    }
    if (!inputEnded_ && size > 0 && input_[size - 1] == '\r') {
      --size;
      heldCR_ = true;
    }
    size = DropCRBeforeLF(input_, size);
    if (size > 0) {
      setg(input_, input_, input_ + size);
      return true;
    }
  }
  return false;
}

TextFileBuf::int_type TextFileBuf::overflow(int_type c) {
  if (!writing_ || !FlushOutput()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int TextFileBuf::sync() {
  if (!writing_) return 0;
  return FlushOutput() ? 0 : -1;
}

bool TextFileBuf::FlushOutput() {
  const char* read = pbase();
  const char* const end = pptr();
  std::size_t size = 0;
  while (read < end) {
    const char* lf = static_cast<const char*>(std::memchr(read, '\n', end - read));
    const char* stop = lf ? lf : end;
    std::memcpy(wire_ + size, read, stop - read);
    size += stop - read;
    if (lf) {
      wire_[size++] = '\r';
      wire_[size++] = '\n';
      ++lf;
    }
    read = lf ? lf : end;
  }
  setp(output_, output_ + kOutputSize);
  return size == 0 || rawfile::WriteAll(fd_, wire_, size);
}

TextFileStream::TextFileStream() : std::iostream(nullptr) { rdbuf(&buf_); }

TextFileStream::TextFileStream(const char* name, std::ios_base::openmode mode)
    : TextFileStream() {
  open(name, mode);
}

void TextFileStream::open(const char* name, std::ios_base::openmode mode) {
  if (buf_.open(name, mode)) {
    clear();
  } else {
    setstate(failbit);
  }
}

void TextFileStream::close() {
  if (!buf_.close()) setstate(failbit);
}

}  // namespace platform
