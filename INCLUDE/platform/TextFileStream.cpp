#include "platform/TextFileStream.h"

#include <cstring>

#include "platform/FileIdentity.h"
#include "platform/RawFile.h"

namespace platform {

namespace {

constexpr char kCtrlZ = 26;

// The modes of std::fstream that a text-mode file can honour as it means them.
bool AccessFor(std::ios_base::openmode mode, rawfile::Access& access) {
  using std::ios_base;
  if (mode == ios_base::in) {
    access = rawfile::Access::kRead;
  } else if (mode == ios_base::out || mode == (ios_base::out | ios_base::trunc)) {
    access = rawfile::Access::kWriteTruncate;
  } else if (mode == (ios_base::out | ios_base::app) || mode == ios_base::app) {
    access = rawfile::Access::kWriteAppend;
  } else {
    return false;
  }
  return true;
}

bool IsEndPadding(char c) { return c == kCtrlZ || c == '\r' || c == '\n'; }

bool AllEndPadding(const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (!IsEndPadding(text[i])) return false;
  }
  return true;
}

// True when a Ctrl-Z is the end marker of the file: the rest of the block, and
// of the file after it, is end padding. False for a damaged file.
bool CtrlZEndsTheFile(int fd, const char* rest, std::size_t size) {
  if (!AllEndPadding(rest, size)) return false;
  char block[4096];
  for (;;) {
    const long n = rawfile::Read(fd, block, sizeof block);
    if (n == 0) return true;
    if (n < 0 || !AllEndPadding(block, static_cast<std::size_t>(n))) return false;
  }
}

// Removes, in place, every CR that stands directly before an LF; returns the new
// size. Runs between CRs move as a whole.
std::size_t DropCRBeforeLF(char* text, std::size_t size) {
  const char* const end = text + size;
  char* write = static_cast<char*>(std::memchr(text, '\r', size));
  if (write == nullptr) return size;
  const char* read = write;
  for (;;) {
    // `read` stands on a CR.
    if (read + 1 < end && read[1] == '\n') {
      ++read;
    } else {
      *write++ = *read++;
    }
    const char* cr = static_cast<const char*>(std::memchr(read, '\r', end - read));
    const char* const stop = cr != nullptr ? cr : end;
    std::memmove(write, read, stop - read);
    write += stop - read;
    read = stop;
    if (cr == nullptr) break;
  }
  return static_cast<std::size_t>(write - text);
}

// Copies `text` into `wire` with every LF turned into CR LF; returns the bytes
// written. `wire` has room for twice the size.
std::size_t ToWire(const char* text, std::size_t size, char* wire) {
  const char* const end = text + size;
  char* out = wire;
  while (text < end) {
    const char* lf = static_cast<const char*>(std::memchr(text, '\n', end - text));
    const char* const stop = lf != nullptr ? lf : end;
    std::memcpy(out, text, stop - text);
    out += stop - text;
    if (lf == nullptr) break;
    *out++ = '\r';
    *out++ = '\n';
    text = lf + 1;
  }
  return static_cast<std::size_t>(out - wire);
}

}  // namespace

TextFileBuf::~TextFileBuf() { close(); }

bool TextFileBuf::open(const char* name, std::ios_base::openmode mode) {
  rawfile::Access access = rawfile::Access::kRead;
  if (is_open() || !AccessFor(mode, access)) return false;
  fd_ = rawfile::Open(name, access);
  if (fd_ < 0) return false;
  reading_ = access == rawfile::Access::kRead;
  writing_ = !reading_;
  endKind_ = End::kNotYet;
  lineFailed_ = false;
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

bool TextFileBuf::SameFileAs(const char* name) const {
  return is_open() && SameFile(fd_, name);
}

TextFileBuf::int_type TextFileBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (!reading_ || !FillInput()) return traits_type::eof();
  return traits_type::to_int_type(*gptr());
}

bool TextFileBuf::FillInput() {
  while (endKind_ == End::kNotYet) {
    std::size_t size = 0;
    if (heldCR_) {
      input_[size++] = '\r';
      heldCR_ = false;
    }
    const long n = rawfile::Read(fd_, input_ + size, kInputSize - size);
    if (n < 0) {
      endKind_ = End::kFailed;
    } else if (n == 0) {
      endKind_ = End::kClean;
    } else {
      const char* const fresh = input_ + size;
      size += static_cast<std::size_t>(n);
      if (const void* ctrlZ = std::memchr(fresh, kCtrlZ, static_cast<std::size_t>(n))) {
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - input_);
        endKind_ = CtrlZEndsTheFile(fd_, input_ + at + 1, size - at - 1) ? End::kClean
                                                                        : End::kFailed;
        size = at;
      }
    }
    if (endKind_ == End::kNotYet && input_[size - 1] == '\r') {
      --size;
      heldCR_ = true;
    }
    size = DropCRBeforeLF(input_, size);
    if (size > 0) {
      setg(input_, input_, input_ + size);
      return true;
    }
  }
  setg(input_, input_, input_);
  return false;
}

TextFileBuf::LineRead TextFileBuf::ReadLine(char* line, std::size_t limit, std::size_t& length) {
  length = 0;
  std::size_t stored = 0;
  while (reading_ && !lineFailed_) {
    if (gptr() == egptr() && !FillInput()) {
      if (readFailed()) break;
      line[stored] = '\0';
      length = stored;
      return stored > 0 ? LineRead::kLine : LineRead::kEnd;
    }
    const char* const begin = gptr();
    const std::size_t available = static_cast<std::size_t>(egptr() - begin);
    const char* const lf = static_cast<const char*>(std::memchr(begin, '\n', available));
    const std::size_t take = lf != nullptr ? static_cast<std::size_t>(lf - begin) : available;
    if (take > limit - 1 - stored) break;
    std::memcpy(line + stored, begin, take);
    stored += take;
    if (lf != nullptr) {
      setg(eback(), const_cast<char*>(lf) + 1, egptr());
      line[stored] = '\0';
      length = stored;
      return LineRead::kLine;
    }
    setg(eback(), egptr(), egptr());
  }
  lineFailed_ = true;
  line[0] = '\0';
  return LineRead::kFailed;
}

bool TextFileBuf::WriteLine(const char* line, std::size_t length) {
  return writing_ && FlushOutput() && WriteTranslated(line, length, true);
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
  const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
  setp(output_, output_ + kOutputSize);
  return size == 0 || WriteTranslated(output_, size, false);
}

// Writes `text` translated, in pieces that fit the wire buffer, and a line end
// after it when asked: one write call when it all fits.
bool TextFileBuf::WriteTranslated(const char* text, std::size_t size, bool lineEnd) {
  for (;;) {
    const std::size_t piece = size < kOutputSize ? size : kOutputSize;
    std::size_t wire = ToWire(text, piece, wire_);
    text += piece;
    size -= piece;
    if (size == 0 && lineEnd) {
      wire_[wire++] = '\r';
      wire_[wire++] = '\n';
    }
    if (wire > 0 && !rawfile::WriteAll(fd_, wire_, wire)) return false;
    if (size == 0) return true;
  }
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
