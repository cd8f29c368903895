#include "platform/ConsoleInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "Process.h"

namespace {

using testsupport::ProcessOptions;
using testsupport::RunFunction;

// Reads two answers of at most `size` - 1 characters and prints each as
// "<length>:<stored text>|".
std::string TwoAnswers(const std::string& typed, std::size_t size) {
  ProcessOptions options;
  options.input = typed;
  const auto result = RunFunction(
      [size] {
        char answer[16];
        for (int i = 0; i < 2; ++i) {
          const std::size_t length = platform::ReadAnswer(answer, size);
          std::cout << length << ':' << answer << '|';
        }
      },
      options);
  EXPECT_EQ(result.exitStatus, 0);
  return result.out;
}

TEST(ConsoleInput, ReadAnswerReadsWholeLines) {
  struct Case {
    const char* name;
    std::string typed;
    std::string answers;
  } cases[] = {
      {"LF", "in.g\nout.g\n", "4:in.g|5:out.g|"},
      {"CR LF", "in.g\r\nout.g\r\n", "4:in.g|5:out.g|"},
      {"blanks belong to the name", " a b \n\n", "5: a b |0:|"},
      {"a CR elsewhere is kept", "a\rb\r\r\nc\r", "4:a\rb\r|2:c\r|"},
      {"end of input before an answer", "", "0:|0:|"},
      {"last answer without a line end", "in\nout", "2:in|3:out|"},
      {"longest answer that fits", "123456789012345\nx\n", "15:123456789012345|1:x|"},
      {"too long: truncated, the rest of its line dropped", "1234567890123456789\nnext\n",
       "19:123456789012345|4:next|"},
      {"too long with CR LF", "1234567890123456\r\nnext\r\n", "16:123456789012345|4:next|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TwoAnswers(c.typed, 16), c.answers);
  }
}

TEST(ConsoleInput, WaitForEnterDiscardsBufferedInputThenWaitsForOneCharacter) {
  ProcessOptions options;
  options.input = "first\nsecond\nthird\n";
  options.holdInputMs = 400;
  const auto result = RunFunction(
      [] {
        std::getchar();  // the C library takes in the whole of the piped input here
        platform::WaitForEnter();
      },
      options);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_GE(result.seconds, 0.35) << "the buffered lines must not satisfy the wait";
}

TEST(ConsoleInput, WaitForEnterReturnsAtOnceAtTheEndOfInput) {
  const auto result = RunFunction([] { platform::WaitForEnter(); });
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_FALSE(result.timedOut);
}

}  // namespace
