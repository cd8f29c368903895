#include "pgminc/ProgramError.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "Process.h"

namespace {

using testsupport::ProcessOptions;
using testsupport::RunFunction;

TEST(ProgramError, ReportsWriteFourLinesOnTheirStream) {
  struct Case {
    const char* name;
    void (*report)();
    int exitStatus;
    const char* out;
    const char* err;
  } cases[] = {
      {"error", [] { ProgramError("Rosba", "Something failed!", false); }, 1, "before\n",
       "\n**** Rosba: Error -> Something failed! ****\n     Exiting Rosba ... \n\n"},
      {"error on standard output", [] { ProgramErrorCout("Rosba", "Something failed!", false); },
       1, "before\n\n**** Rosba: Error -> Something failed! ****\n     Exiting Rosba ... \n\n", ""},
      {"warning", [] { ProgramWarning("Rosba", "Look out!"); }, 0, "before\nafter\n",
       "\n#### Rosba: Warning -> Look out! ####\n     Continuing Rosba ... \n\nafter\n"},
      {"warning on standard output", [] { ProgramWarningCout("Rosba", "Look out!"); }, 0,
       "before\n\n#### Rosba: Warning -> Look out! ####\n     Continuing Rosba ... \n\nafter\n",
       "after\n"},
      {"empty message", [] { ProgramError("Rosba", "", false); }, 1, "before\n",
       "\n**** Rosba: Error ->  ****\n     Exiting Rosba ... \n\n"},
      {"empty program name", [] { ProgramError("", "Oops", false); }, 1, "before\n",
       "\n**** : Error -> Oops ****\n     Exiting  ... \n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProcessOptions options;
    options.closeInput = false;  // a read of standard input would hang the run
    options.timeoutSeconds = 10;
    const auto result = RunFunction(
        [&c] {
          std::cout << "before" << std::endl;
          c.report();
          std::cout << "after" << std::endl;
          std::cerr << "after" << std::endl;
        },
        options);
    EXPECT_FALSE(result.timedOut) << "nothing is read without wait";
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
  }
}

TEST(ProgramError, AnErrorFlushesStandardOutputFirst) {
  // Standard output and standard error on one pipe: the order is what a console shows.
  ProcessOptions options;
  const auto result = RunFunction(
      [] {
        std::cout << "pending, no line end";
        ::dup2(1, 2);
        ProgramError("Rosba", "Stop", false);
      },
      options);
  EXPECT_EQ(result.out, "pending, no line end\n**** Rosba: Error -> Stop ****\n     Exiting Rosba ... \n\n");
}

TEST(ProgramError, AnErrorWithWaitDiscardsBufferedInputAndWaitsForEnter) {
  ProcessOptions options;
  options.input = "answer\nmore typed ahead\n";
  options.holdInputMs = 400;
  const auto result = RunFunction(
      [] {
        std::getchar();  // takes the whole piped input into the C library's buffer
        ProgramError("Rosba", "Stop", true);
      },
      options);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_GE(result.seconds, 0.35) << "typed-ahead input must not end the wait";
}

TEST(ProgramError, AnErrorWithWaitEndsAtOnceAtTheEndOfInput) {
  const auto result = RunFunction([] { ProgramError("Rosba", "Stop", true); });
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_FALSE(result.timedOut);
}

TEST(ProgramError, AnErrorRunsTheExitFunctions) {
  const auto result = RunFunction([] {
    std::atexit([] { std::cout << "exit function ran" << std::endl; });
    ProgramError("Rosba", "Stop", false);
  });
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "exit function ran\n");
}

}  // namespace
