// Command lines by the usual rules, shared by the game and the level
// checker: long options through getopt_long, bare words as files, "--"
// ending the options, and errors as one line followed by the usage.
#pragma once

#include <string>
#include <vector>

// A long option, named without its dashes. "-h" stands for "help".
struct LongOption {
  const char* name;
  bool takesValue;
};

// An option of the window toolkit, passed on with the words it takes, such
// as "-display" and its NAME.
struct ToolkitOption {
  const char* name;
  int valueCount;
};

struct OptionReading {
  struct Given {
    int option;  // index into the table of long options
    std::string value;
  };
  std::vector<Given> given;        // in the order given
  std::vector<std::string> files;  // bare words, and every word after "--"
  // The program name and the toolkit's options with their values, in order.
  std::vector<char*> passedOn;
  std::string error;  // one line when the command line is refused

  bool ok() const { return error.empty(); }
};

// Reads argv against the long options and the toolkit's. Any other word
// that starts with one dash is an error, as is an empty file name. Stops
// at the first error or at --help; the words must outlive the result.
OptionReading readOptions(int argc, char** argv,
                          const std::vector<LongOption>& options,
                          const std::vector<ToolkitOption>& toolkit = {});

// What the user typed, cut to its first 200 characters for an error line.
std::string clipped(const std::string& text);

// Prints "program: error" and the usage on standard error; returns the
// status of a misused command, 2.
int reportMisuse(const char* program, const std::string& error,
                 const char* usage);
