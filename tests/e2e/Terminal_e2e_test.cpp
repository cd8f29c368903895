// The interactive run on a real terminal (a pseudo-terminal): the user types at
// the prompts and the run really waits for Enter.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "TempDir.h"
#include "ToolRun.h"

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;

class Terminal {
 public:
  explicit Terminal(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{tool::Path()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    pid_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      std::vector<char*> args;
      for (std::string& a : argv) args.push_back(a.data());
      args.push_back(nullptr);
      ::execv(args[0], args.data());
      _exit(127);
    }
  }
  ~Terminal() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
  }

  bool started() const { return pid_ > 0; }

  // Reads the screen until `text` has appeared; false after 20 seconds (a loaded
  // machine may be slow to start a program).
  bool WaitFor(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (screen_.find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > deadline || !ReadSome(100)) return false;
    }
    return true;
  }

  void Type(const std::string& keys) {
    const ssize_t n = ::write(master_, keys.data(), keys.size());
    EXPECT_EQ(n, static_cast<ssize_t>(keys.size()));
  }

  // The exit status once the process has ended, or -1 while it still runs
  // after `milliseconds`.
  int ExitStatusWithin(int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
      ReadSome(20);
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
  }

  const std::string& screen() const { return screen_; }

 private:
  bool ReadSome(int milliseconds) {
    pollfd fd{master_, POLLIN, 0};
    if (::poll(&fd, 1, milliseconds) <= 0) return true;
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) return false;
    screen_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int master_ = -1;
  pid_t pid_ = -1;
  bool exited_ = false;
  std::string screen_;
};

class TerminalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (tool::IsWindowsBuild()) GTEST_SKIP() << "a pseudo-terminal is a Linux matter";
  }
};

TEST_F(TerminalRun, TheClosingPromptWaitsForEnter) {
  TempDir dir;
  const std::string in = dir.Write("in.19g",
                                   "     2.01           GLONASS NAV DATA\n"
                                   "                                                            END OF HEADER\n");
  Terminal terminal({});
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor(" Input  GLONASS ephemeris: "));
  terminal.Type(in + "\n");
  ASSERT_TRUE(terminal.WaitFor(" Output GLONASS ephemeris: "));
  terminal.Type(dir / "out.19g" + "\n");
  ASSERT_TRUE(terminal.WaitFor("  Done... press [ENTER]..."));
  EXPECT_EQ(terminal.ExitStatusWithin(700), -1) << "the run must wait for Enter";
  terminal.Type("\n");
  EXPECT_EQ(terminal.ExitStatusWithin(20000), 0);

  // The terminal echoes the typed names; the program's own text comes around them.
  EXPECT_NE(terminal.screen().find("Ver. 1.0\r\n*****"), std::string::npos);
  EXPECT_NE(terminal.screen().find(" Input  GLONASS ephemeris: " + in + "\r\n"), std::string::npos);
  EXPECT_EQ(ReadFile(dir / "out.19g"),
            "     2.01           GLONASS NAV DATA\r\n"
            "                                                            END OF HEADER\r\n");
}

TEST_F(TerminalRun, AReportWaitsForEnterInTheInteractiveRunOnly) {
  TempDir dir;
  {
    Terminal terminal({});
    ASSERT_TRUE(terminal.WaitFor(" Input  GLONASS ephemeris: "));
    terminal.Type(dir / "missing.19g" + "\n");
    ASSERT_TRUE(terminal.WaitFor(" Output GLONASS ephemeris: "));
    terminal.Type(dir / "out.19g" + "\n");
    ASSERT_TRUE(terminal.WaitFor("     Exiting Rosba ... \r\n\r\n"));
    EXPECT_EQ(terminal.ExitStatusWithin(700), -1) << "the report must stay until Enter";
    terminal.Type("\n");
    EXPECT_EQ(terminal.ExitStatusWithin(20000), 1);
  }
  {
    Terminal terminal({"only-one-argument"});
    EXPECT_EQ(terminal.ExitStatusWithin(20000), 1) << "a batch run never waits";
    EXPECT_NE(terminal.screen().find(tool::kArgumentCount), std::string::npos);
  }
}

}  // namespace
