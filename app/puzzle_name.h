// The name guided play shows for the levels the command line chose.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "app/command_line.h"

// "Daily 2026-12-08", "Seed 42 - hard" or the pack's file name, such as
// "my.pack"; nothing for the classic game, which has no guided play.
std::optional<std::string> guidedPuzzleName(const CommandLine& options,
                                            std::time_t now);

// The name the state file keeps the chosen puzzle's progress under: "daily
// 2026-12-08" (with the difficulty when one is given), "seed 42 hard", or
// for a pack "pack " and a hash of its levels, so an edited pack is a new
// puzzle. Call after chooseLevels.
std::string progressPuzzleName(const CommandLine& options, std::time_t now);
