// The game's command line: its own options and a bare pack file, read
// before the window opens; the window toolkit's options are passed on.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "puzzle/level_generator.h"

extern const char* const gameUsage;

struct CommandLine {
  enum class Action { Play, Help, Version, Fail };
  Action action = Action::Play;
  std::string error;       // one line, for Fail
  std::string levelsFile;  // --levels FILE, or FILE alone
  bool seeded = false;     // --seed N or --daily
  bool daily = false;
  std::uint64_t seed = 0;
  Difficulty difficulty = Difficulty::Medium;
  bool difficultyGiven = false;  // --difficulty D
  bool fromStart = false;        // --from-start
  bool describe = false;         // --describe: play said on standard output
  // The value of the toolkit's -geometry, empty when not given; the window
  // takes the size and the place it names.
  std::string geometry;
  // The program name and the toolkit's options, with a null at the end, as
  // glutInit takes them.
  std::vector<char*> toolkitArgs;
};

// Reads the options without opening anything; the arguments must outlive
// the result, whose toolkitArgs point into them.
CommandLine parseCommandLine(int argc, char** argv);

// Reads the whole of text as a seed: a whole number from 0 to 2^64 - 1.
bool readSeed(const std::string& text, std::uint64_t& seed);

// The seed of the day: the UTC date of now written as YYYYMMDD.
std::uint64_t dailySeed(std::time_t now);

// Makes the level set the command line asks for: a pack, generated levels
// (planned, to be made beside play) or the built-in ones. False with a one-line
// error for a bad pack.
bool chooseLevels(const CommandLine& options, std::time_t now,
                  std::string& error);
