// Fuzz target: arbitrary text read as the state file. Text that reads must
// hold at most the kept puzzles and be written back unchanged, and so must
// what the game writes after recording one more level and finishing the
// next day's daily; text that does not read must say on which line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "puzzle/daily.h"
#include "puzzle/level_set.h"
#include "puzzle/progress.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// What is written reads back, and is written again the same.
void requireReadsBack(const Progress& progress) {
  const std::string text = formatProgress(progress);
  const ProgressReading again = parseProgress(text);
  require(again.ok() && formatProgress(again.progress) == text);
}

// The day after date (YYYYMMDD), or date itself when it ends a month.
int nextDay(int date) { return date % 100 < 28 ? date + 1 : date; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ProgressReading reading = parseProgress(text);
  if (!reading.ok()) {
    require(reading.error.rfind("line ", 0) == 0 &&
            reading.progress.puzzles.empty());
    require(reading.error.find('\n') == std::string::npos);
    return 0;
  }
  Progress& progress = reading.progress;
  require(static_cast<int>(progress.puzzles.size()) <= maxKeptPuzzles);
  requireReadsBack(progress);
  // The game's own changes: a level of the first puzzle or of a new one,
  // and the daily finished the day after the streak's last.
  const int level = size > 0 ? data[0] % maxLevelsInSet : 0;
  const std::string name = progress.puzzles.empty() || level % 2
                               ? "seed 1 easy"
                               : progress.puzzles.front().name;
  recordSolved(progress, name, {level, 1000, level});
  const int date =
      progress.streak.lastDate ? progress.streak.lastDate : 20261208;
  progress.streak = streakAfterFinishing(progress.streak, nextDay(date));
  require(static_cast<int>(progress.puzzles.size()) <= maxKeptPuzzles);
  requireReadsBack(progress);
  return 0;
}
