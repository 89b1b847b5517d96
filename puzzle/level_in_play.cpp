// A level left part-way, and the counts of kept progress.
#include "puzzle/level_in_play.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

// A number alone on its line after its word, within [least, most].
std::optional<int> numberAfter(std::istringstream& in, const char* word,
                               int least, int most) {
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  const std::string prefix = std::string(word) + " ";
  if (line.rfind(prefix, 0) != 0) return std::nullopt;
  const char* const first = line.data() + prefix.size();
  const char* const last = line.data() + line.size();
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last || value < least || value > most)
    return std::nullopt;
  return value;
}

}  // namespace

LevelInPlay levelInPlay(const std::string& puzzle, const Board& board,
                        const GuidedPlay& play) {
  const double milliseconds =
      std::min(play.levelSeconds * 1000.0, double(maxLevelMilliseconds));
  return {puzzle, board.levelIndex, LinkHistory::linksOf(board),
          static_cast<int>(std::lround(std::max(milliseconds, 0.0))),
          play.levelHints};
}

std::string formatLevelInPlay(const LevelInPlay& level) {
  std::string text = "puzzle " + level.puzzle + "\nlevel " +
                     std::to_string(level.level) + "\nlinks";
  for (const auto link : level.links) text += " " + std::to_string(link);
  text += "\nmilliseconds " + std::to_string(level.milliseconds) + "\nhints " +
          std::to_string(level.hints) + "\n";
  return text;
}

std::optional<LevelInPlay> parseLevelInPlay(std::string_view text) {
  std::istringstream in{std::string(text)};
  LevelInPlay level;
  std::string line;
  if (!std::getline(in, line) || line.rfind("puzzle ", 0) != 0)
    return std::nullopt;
  level.puzzle = line.substr(7);
  const auto index = numberAfter(in, "level", 0, 1000000);
  if (!index) return std::nullopt;
  level.level = *index;
  if (!std::getline(in, line)) return std::nullopt;
  std::istringstream links(line);
  std::string word;
  if (!(links >> word) || word != "links") return std::nullopt;
  for (int node = 0; node < boardNodeCount; ++node) {
    int link = 0;
    if (!(links >> link) || link < -1 || link >= boardNodeCount || link == node)
      return std::nullopt;
    level.links[node] = static_cast<std::int8_t>(link);
  }
  if (links >> word) return std::nullopt;
  const auto milliseconds =
      numberAfter(in, "milliseconds", 0, maxLevelMilliseconds);
  const auto hints = numberAfter(in, "hints", 0, 1000000);
  if (!milliseconds || !hints || std::getline(in, line)) return std::nullopt;
  level.milliseconds = *milliseconds;
  level.hints = *hints;
  return level;
}

bool resumeLevelInPlay(const LevelInPlay& level, Board& board,
                       GuidedPlay& play) {
  if (level.level != board.levelIndex || play.levelIndex != board.levelIndex)
    return false;
  setLinks(board, level.links);
  play.history.reset(board);
  play.hint = {};
  const double seconds = level.milliseconds / 1000.0;
  play.levelSeconds += seconds;
  play.totalSeconds += seconds;
  play.levelHints += level.hints;
  play.hintsUsed += level.hints;
  return true;
}

void countKeptLevels(const PuzzleProgress& puzzle, int setSize,
                     GuidedPlay& play) {
  play.levelsSolved = 0;
  play.solvedCount = {};
  play.hintsUsed = 0;
  long milliseconds = 0;
  for (const SolvedLevel& level : puzzle.solved) {
    if (level.level >= setSize) continue;
    ++play.levelsSolved;
    play.solvedCount.add(level.hints);
    play.hintsUsed += level.hints;
    milliseconds += level.milliseconds;
  }
  play.totalSeconds = milliseconds / 1000.0;
}
