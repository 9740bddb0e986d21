// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "process_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace cli_test {
namespace {

std::string TemporaryPath(const char* stem) {
  std::string path = std::string(P_tmpdir) + "/" + stem + "XXXXXX";
  int fd = mkstemp(path.data());
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  close(fd);
  return path;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits for `pid` at most `timeoutSeconds`; kills it when the time is up.
int WaitFor(pid_t pid, int timeoutSeconds, bool& timedOut) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      timedOut = true;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<char*> Environment(const std::vector<std::string>& added) {
  // The added entries come first: getenv takes the first match.
  std::vector<char*> environment;
  for (const std::string& variable : added) environment.push_back(const_cast<char*>(variable.c_str()));
  for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
  environment.push_back(nullptr);
  return environment;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessSetup& setup) {
  const std::string& stdinPath = setup.stdinPath;
  std::string outputPath = setup.stdoutPath.empty() ? TemporaryPath("cli_out") : setup.stdoutPath;
  std::string errorPath = TemporaryPath("cli_err");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, stdinPath.empty() ? "/dev/null" : stdinPath.c_str(), O_RDONLY,
                                   0);
  posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  ProcessResult result;
  pid_t pid = 0;
  std::vector<char*> environment = Environment(setup.environment);
  int spawnError = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawnError == 0) result.exitCode = WaitFor(pid, setup.timeoutSeconds, result.timedOut);

  if (setup.stdoutPath.empty()) {
    result.output = ReadAll(outputPath);
    std::remove(outputPath.c_str());
  }
  result.errors = ReadAll(errorPath);
  std::remove(errorPath.c_str());
  if (spawnError != 0) throw std::runtime_error("cannot start " + program);
  return result;
}

namespace {

// The program's end and ours of its standard input.
struct InputEnds {
  std::string programPath;  // a terminal's name, or empty for a pipe
  int program = -1;
  int ours = -1;
};

InputEnds OpenInput(PipedProcess::Input input) {
  InputEnds ends;
  if (input == PipedProcess::Input::Terminal) {
    ends.ours = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ends.ours < 0 || grantpt(ends.ours) != 0 || unlockpt(ends.ours) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    ends.programPath = ptsname(ends.ours);
    return ends;
  }
  int ends2[2];
  if (pipe2(ends2, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  ends.program = ends2[0];
  ends.ours = ends2[1];
  return ends;
}

}  // namespace

PipedProcess::PipedProcess(const std::string& program, const std::vector<std::string>& arguments, Input input)
    : kind_(input) {
  signal(SIGPIPE, SIG_IGN);  // a program that has ended makes Write fail instead
  InputEnds in = OpenInput(input);
  int fromProgram[2];
  if (pipe2(fromProgram, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (in.programPath.empty()) {
    posix_spawn_file_actions_adddup2(&actions, in.program, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 0, in.programPath.c_str(), O_RDWR | O_NOCTTY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, fromProgram[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawnError = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (in.program >= 0) close(in.program);
  close(fromProgram[1]);
  input_ = in.ours;
  output_ = fromProgram[0];
  if (spawnError != 0) throw std::runtime_error("cannot start " + program);
  pid_ = pid;
}

PipedProcess::~PipedProcess() {
  if (input_ >= 0) close(input_);
  if (output_ >= 0) close(output_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool PipedProcess::Write(const std::string& text) {
  return write(input_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

std::string PipedProcess::ReadLine(int timeoutMilliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  for (;;) {
    if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd ready{.fd = output_, .events = POLLIN, .revents = 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return "(no answer)";
    char block[4096];
    const ssize_t length = read(output_, block, sizeof block);
    if (length <= 0) return "(no answer)";
    pending_.append(block, static_cast<std::size_t>(length));
  }
}

void PipedProcess::CloseInput() {
  if (input_ < 0) return;
  if (kind_ == Input::Terminal) {
    Write("\x04");  // at the start of a line: the end of the input
    return;         // the terminal stays open until the destructor
  }
  close(input_);
  input_ = -1;
}

int PipedProcess::Wait(int timeoutSeconds) {
  bool timedOut = false;
  const int exitCode = WaitFor(pid_, timeoutSeconds, timedOut);
  pid_ = -1;
  return exitCode;
}

}  // namespace cli_test
