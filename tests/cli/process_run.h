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
