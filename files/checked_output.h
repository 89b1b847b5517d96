// A program's standard output with every write checked, and the flush and
// close at the end: a full disk or a failing device gives one line and
// status 1, never cut output and status 0.
#pragma once

#include <string_view>

struct CheckedOutput {
  const char* program;  // names the program in the line of a failure
  int error = 0;        // errno of the first failure, 0 while all is well

  void write(std::string_view text);
  // Flushes and closes standard output; status when every write, the flush
  // and the close succeeded, else 1 after one line on standard error.
  int finish(int status);
};
