// The built tool holds the run stopwatch prgutil::ctm and its static
// initialization, which it never names (see PROG/Rosba/CMakeLists.txt).

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Process.h"

namespace {

TEST(RunStopwatchInTool, DefinedAndInitializedInTheTool) {
  const std::string nm = ROSBA_NM;
  if (nm.empty()) GTEST_SKIP() << "no symbol lister in this toolchain";

  const auto result = testsupport::RunProgram({nm, ROSBA_TOOL_PATH});
  ASSERT_EQ(result.exitStatus, 0) << result.err;

  bool defined = false;
  bool initialized = false;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string address, type, name;
    if (!(fields >> address >> type >> name)) continue;  // undefined symbols have no address
    // A variable of the program's own: zero-filled (B) or initialized data (D).
    if (name == "_ZN7prgutil3ctmE" && (type == "B" || type == "D")) defined = true;
    // The unit's static initialization, named after its first definition (GCC)
    // or after its source (Clang).
    if (name == "_GLOBAL__sub_I__ZN7prgutil3ctmE" || name == "_GLOBAL__sub_I_ProgramUtil.cpp") {
      initialized = true;
    }
  }
  EXPECT_TRUE(defined) << "prgutil::ctm is not defined in the tool";
  EXPECT_TRUE(initialized) << "the tool does not initialize the run stopwatch's unit";
}

}  // namespace
