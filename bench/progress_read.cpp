// Benchmark: reading a megabyte of kept progress.
#include "bench/progress_read.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "puzzle/progress.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

// As many one-level puzzles as fit in the largest file read, in no order
// of play.
std::string manyPuzzles() {
  std::string text = "linkloom progress 1\n";
  for (int puzzle = 0; text.size() < maxProgressBytes - 64; ++puzzle)
    text += "puzzle " + std::to_string(puzzle * 7919 % 100003 + 1) + " p" +
            std::to_string(puzzle) + "\nsolved 1 5 0\n";
  return text;
}

}  // namespace

void measureProgressRead() {
  const std::string text = manyPuzzles();
  double read = 1e9, lines = 1e9;
  std::size_t kept = 0, found = 0;
  for (int round = 0; round < 9; ++round) {
    Clock::time_point start = Clock::now();
    kept = parseProgress(text).progress.puzzles.size();
    read = std::min(read, millisecondsSince(start));
    start = Clock::now();
    found =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    lines = std::min(lines, millisecondsSince(start));
  }
  if (kept != static_cast<std::size_t>(maxKeptPuzzles) || found == 0)
    std::printf("warning: the file read as %zu puzzles\n", kept);
  std::printf("progress_read_ms: %.2f\n", read);
  std::printf("progress_lines_ms: %.3f\n", lines);
  std::printf("progress_read_ratio: %.0f\n", read / lines);
}
