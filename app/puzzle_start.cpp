// Starting the puzzle the options name.
#include "app/puzzle_start.h"

#include "app/guided_screen.h"
#include "app/kept_progress.h"
#include "app/puzzle_name.h"

bool startPuzzle(const CommandLine& options, std::time_t now,
                 std::string& error) {
  if (!chooseLevels(options, now, error)) return false;
  if (const auto name = guidedPuzzleName(options, now)) {
    beginGuidedPlay(*name);
    keepProgress(progressPuzzleName(options, now), options.fromStart,
                 options.daily ? static_cast<int>(dailySeed(now)) : 0);
  }
  return true;
}
