// Starting the puzzle the options name, the same way in both editions:
// its levels, guided play and its kept progress.
#pragma once

#include <ctime>
#include <string>

#include "app/command_line.h"

// Before start-up loads the pictures: chooses the levels and, beyond the
// classic game, turns guided play on and reads the kept progress. False
// with a one-line error for a bad pack, when nothing has changed.
bool startPuzzle(const CommandLine& options, std::time_t now,
                 std::string& error);
