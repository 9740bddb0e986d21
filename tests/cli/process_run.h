// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Runs a program as a real child process with its standard input taken from
// a file and its standard output and error captured, and gives up (killing
// it) after a time limit so that a hanging program fails the test instead of
// hanging the suite.

#include <string>
#include <vector>

namespace cli_test {

struct ProcessResult {
  int exitCode = -1;  // -1 when the process was killed by a signal or timed out
  bool timedOut = false;
  std::string output;
  std::string errors;
};

struct ProcessSetup {
  std::string stdinPath;                 // empty: /dev/null
  std::string stdoutPath;                // empty: a temporary file read back into the result
  std::vector<std::string> environment;  // NAME=VALUE entries added to the test's own
  int timeoutSeconds = 60;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessSetup& setup = {});

}  // namespace cli_test

namespace cli_test {

// A program started with a pipe for its standard output and a pipe or a
// terminal (a pseudo-terminal in canonical mode) for its standard input; its
// standard error is discarded. For talking to it a line at a time. Every wait
// has a time limit; the destructor kills a program still running.
class PipedProcess {
 public:
  enum class Input { Pipe, Terminal };
  PipedProcess(const std::string& program, const std::vector<std::string>& arguments,
               Input input = Input::Pipe);
  ~PipedProcess();
  PipedProcess(const PipedProcess&) = delete;
  PipedProcess& operator=(const PipedProcess&) = delete;

  bool Write(const std::string& text);
  // The next line of output without its LF, or "(no answer)" when none is
  // complete within `timeoutMilliseconds`.
  std::string ReadLine(int timeoutMilliseconds);
  // Ends the input: closes the pipe, or types the end-of-file character.
  void CloseInput();
  // The exit code, or -1 when the program did not end in time (it is killed).
  int Wait(int timeoutSeconds);

 private:
  int pid_ = -1;
  Input kind_;
  int input_ = -1;   // the program's standard input, our end (a terminal's master side)
  int output_ = -1;  // the program's standard output, our end
  std::string pending_;
};

}  // namespace cli_test
