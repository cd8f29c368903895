#include "platform/ConsoleInput.h"

#include <cstdio>

#if defined(__GLIBC__) || defined(__linux__)
#include <stdio_ext.h>
#endif

namespace platform {

namespace {

void DiscardBufferedInput() {
#if defined(_WIN32)
  // The Windows C runtime empties the buffer of an input stream on fflush.
  std::fflush(stdin);
#elif defined(__GLIBC__) || defined(__linux__)
  __fpurge(stdin);
#else
  fpurge(stdin);
#endif
}

}  // namespace

std::size_t ReadAnswer(char* answer, std::size_t size) {
  std::size_t length = 0;
  bool heldCR = false;
  const auto keep = [&](char c) {
    if (length + 1 < size) answer[length] = c;
    ++length;
  };
  int c;
  while ((c = std::getchar()) != EOF && c != '\n') {
    if (heldCR) keep('\r');
    heldCR = c == '\r';
    if (!heldCR) keep(static_cast<char>(c));
  }
  // A CR that the end of the input cut off from any LF is part of the answer.
  if (heldCR && c == EOF) keep('\r');
  answer[length < size ? length : size - 1] = '\0';
  return length;
}

void WaitForEnter() {
  DiscardBufferedInput();
  // Any key, or the end of the input: what was read does not matter.
  (void)std::getchar();
}

}  // namespace platform
