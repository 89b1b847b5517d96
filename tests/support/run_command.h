// Test support: run a program to its end with no X display, its output
// captured, as a shell user would meet a command-line error.
#pragma once

#include <string>
#include <vector>

struct CommandRun {
  int status = -1;  // exit status; 128 + signal when killed; -1 not started
  std::string out;
  std::string err;
};

// Runs binary with args in the current directory, with DISPLAY unset so a
// window it tried to open would fail. Killed after timeoutSeconds.
CommandRun runCommand(const std::string& binary,
                      const std::vector<std::string>& args,
                      int timeoutSeconds = 30);
