#include "Process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace testsupport {

namespace {

struct Pipe {
  int read = -1;
  int write = -1;
};

Pipe MakePipe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    std::perror("pipe2");
    std::abort();
  }
  return {fds[0], fds[1]};
}

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

ProcessResult Run(const std::function<void()>& child, const ProcessOptions& options) {
  Pipe in = MakePipe();
  Pipe out = MakePipe();
  Pipe err = MakePipe();
  // Closed before the child starts, so that its very first write meets no reader.
  if (options.closedOutput) CloseFd(out.read);
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in.read, 0);
    ::dup2(out.write, 1);
    ::dup2(err.write, 2);
    // Without an exec the child keeps its copies of every pipe end; the write end
    // of its own standard input would keep that input from ever ending.
    for (int fd : {in.read, in.write, out.read, out.write, err.read, err.write}) ::close(fd);
    // Nothing else of the test's reaches the child: its first free descriptor is 3,
    // as in a program started from a shell.
    if (::close_range(3, ~0U, 0) != 0) {
      for (int fd = 3; fd < 1024; ++fd) ::close(fd);
    }
    if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0) {
      _exit(126);
    }
    for (const std::string& entry : options.environment) ::putenv(::strdup(entry.c_str()));
    // An ignored signal stays ignored across exec: the child starts as a shell
    // would start it, whatever this process set for itself.
    ::signal(SIGPIPE, SIG_DFL);
    ::signal(SIGXFSZ, SIG_DFL);
    if (options.fileSizeLimit >= 0) {
      const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                         static_cast<rlim_t>(options.fileSizeLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    child();
    _exit(127);
  }
  CloseFd(in.read);
  CloseFd(out.write);
  CloseFd(err.write);
  ::signal(SIGPIPE, SIG_IGN);

  ProcessResult result;
  std::size_t inputSent = 0;
  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + std::chrono::seconds(options.timeoutSeconds);
  const auto releaseInput = start + std::chrono::milliseconds(options.holdInputMs);
  const auto inputDone = [&] {
    if (options.closeInput && std::chrono::steady_clock::now() >= releaseInput) CloseFd(in.write);
  };
  if (options.input.empty()) inputDone();

  while (out.read >= 0 || err.read >= 0) {
    pollfd fds[3];
    int count = 0;
    const auto watch = [&](int fd, short events) {
      if (fd >= 0) fds[count++] = {fd, events, 0};
    };
    watch(out.read, POLLIN);
    watch(err.read, POLLIN);
    const bool sending = in.write >= 0 && inputSent < options.input.size();
    if (sending) watch(in.write, POLLOUT);

    const auto now = std::chrono::steady_clock::now();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    if (left.count() <= 0) {
      result.timedOut = true;
      ::kill(pid, SIGKILL);
      break;
    }
    long wait = left.count();
    if (in.write >= 0 && !sending && options.closeInput) {
      const auto hold = std::chrono::duration_cast<std::chrono::milliseconds>(releaseInput - now);
      wait = hold.count() < wait ? hold.count() : wait;
      if (wait <= 0) {
        CloseFd(in.write);
        continue;
      }
    }
    if (::poll(fds, count, static_cast<int>(wait)) < 0 && errno != EINTR) break;

    for (int i = 0; i < count; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == in.write) {
        const ssize_t n = ::write(in.write, options.input.data() + inputSent,
                                  options.input.size() - inputSent);
        if (n > 0) inputSent += static_cast<std::size_t>(n);
        if (n < 0) {
          CloseFd(in.write);
        } else if (inputSent == options.input.size()) {
          inputDone();
        }
        continue;
      }
      char buffer[65536];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      std::string& sink = fds[i].fd == out.read ? result.out : result.err;
      if (n > 0) {
        sink.append(buffer, static_cast<std::size_t>(n));
      } else {
        CloseFd(fds[i].fd == out.read ? out.read : err.read);
      }
    }
  }
  result.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  CloseFd(in.write);
  CloseFd(out.read);
  CloseFd(err.read);

  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace

ProcessResult RunFunction(const std::function<void()>& body, const ProcessOptions& options) {
  return Run(
      [&] {
        body();
        std::cout.flush();
        std::cerr.flush();
        std::fflush(nullptr);
        _exit(0);
      },
      options);
}

ProcessResult RunProgram(const std::vector<std::string>& argv, const ProcessOptions& options) {
  return Run(
      [&] {
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        std::perror("execv");
        _exit(127);
      },
      options);
}

}  // namespace testsupport
