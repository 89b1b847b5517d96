// Progress kept between games: the state file's text and its records.
#include "puzzle/progress.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numeric>
#include <unordered_set>

#include "puzzle/level_set.h"
#include "puzzle/quantities.h"

namespace {

constexpr std::string_view kHeader = "linkloom progress 1";
constexpr std::size_t kMaxNameLength = 200;
constexpr std::uint64_t kMaxHints = 1000000;

// The next space-separated word of line, taken off its front.
std::string_view nextWord(std::string_view& line) {
  const std::size_t end = std::min(line.find(' '), line.size());
  const std::string_view word = line.substr(0, end);
  line.remove_prefix(std::min(end + 1, line.size()));
  return word;
}

// Digits only, at most max; no sign, no leading zero but for 0 itself.
bool readCount(std::string_view word, std::uint64_t max, std::uint64_t& value) {
  if (word.empty() || (word.size() > 1 && word[0] == '0')) return false;
  const auto [end, error] =
      std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size() &&
         value <= max;
}

// "2026-12-08" as 20261208.
bool readDate(std::string_view word, int& date) {
  if (word.size() != 10 || word[4] != '-' || word[7] != '-') return false;
  int value = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (i == 4 || i == 7) continue;
    if (word[i] < '0' || word[i] > '9') return false;
    value = value * 10 + (word[i] - '0');
  }
  const int month = value / 100 % 100, day = value % 100;
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  date = value;
  return true;
}

bool printableName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength || name.front() == ' ' ||
      name.back() == ' ')
    return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return c >= 0x20 && c <= 0x7e; });
}

ProgressReading failing(int line, const std::string& what) {
  ProgressReading reading;
  reading.error = "line " + std::to_string(line) + ": " + what;
  return reading;
}

// One line after the header: a streak, a puzzle or a solved level. names
// holds the names of the puzzles read so far, views into the text.
std::string readLine(std::string_view line, Progress& progress,
                     std::unordered_set<std::string_view>& names) {
  const std::string_view keyword = nextWord(line);
  if (keyword == "streak") {
    if (!progress.puzzles.empty() || progress.streak.lastDate != 0)
      return "the streak goes once, before the puzzles";
    std::uint64_t days = 0;
    if (!readDate(nextWord(line), progress.streak.lastDate) ||
        !readCount(nextWord(line), maxStreakDays, days) || days == 0 ||
        !line.empty())
      return "a streak is a date YYYY-MM-DD and a count of days";
    progress.streak.days = static_cast<int>(days);
    return "";
  }
  if (keyword == "puzzle") {
    PuzzleProgress puzzle;
    if (!readCount(nextWord(line), UINT64_MAX, puzzle.lastPlayed))
      return "a puzzle line starts with a whole number";
    if (!printableName(line)) return "a puzzle needs a name of plain letters";
    if (!names.insert(line).second) return "the puzzle is named twice";
    puzzle.name = std::string(line);
    progress.puzzles.push_back(std::move(puzzle));
    return "";
  }
  if (keyword == "solved") {
    if (progress.puzzles.empty()) return "a solved level before any puzzle";
    std::uint64_t level = 0, milliseconds = 0, hints = 0;
    if (!readCount(nextWord(line), maxLevelsInSet, level) || level == 0 ||
        !readCount(nextWord(line), maxLevelMilliseconds, milliseconds) ||
        !readCount(nextWord(line), kMaxHints, hints) || !line.empty())
      return "a solved level is its number, milliseconds and hints";
    std::vector<SolvedLevel>& solved = progress.puzzles.back().solved;
    const int index = static_cast<int>(level) - 1;
    if (!solved.empty() && solved.back().level >= index)
      return "solved levels go once each, in order";
    solved.push_back(
        {index, static_cast<int>(milliseconds), static_cast<int>(hints)});
    return "";
  }
  return "unknown line";
}

// Keeps the maxKeptPuzzles puzzles played last, in their order in the
// file; of puzzles played equally long ago, the later in the file stays,
// as recordSolved drops the earlier first.
void keepPlayedLast(std::vector<PuzzleProgress>& puzzles) {
  if (static_cast<int>(puzzles.size()) <= maxKeptPuzzles) return;
  std::vector<std::uint64_t> orders;
  orders.reserve(puzzles.size());
  for (const PuzzleProgress& puzzle : puzzles)
    orders.push_back(puzzle.lastPlayed);
  const auto cut = orders.begin() + (maxKeptPuzzles - 1);
  std::nth_element(orders.begin(), cut, orders.end(), std::greater<>());
  const std::uint64_t oldestKept = *cut;
  // Room for this many of the puzzles exactly as old as the oldest kept.
  int room = maxKeptPuzzles;
  for (const PuzzleProgress& puzzle : puzzles)
    if (puzzle.lastPlayed > oldestKept) --room;
  std::vector<bool> kept(puzzles.size());
  for (std::size_t i = puzzles.size(); i-- > 0;) {
    const std::uint64_t order = puzzles[i].lastPlayed;
    kept[i] = order > oldestKept || (order == oldestKept && room-- > 0);
  }
  std::size_t next = 0;
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    if (!kept[i]) continue;
    if (next != i) puzzles[next] = std::move(puzzles[i]);
    ++next;
  }
  puzzles.resize(next);
}

// Numbers the puzzles 1, 2, ... from the one played longest ago, so that
// the next can be numbered one more than the largest.
void renumberByAge(std::vector<PuzzleProgress>& puzzles) {
  std::vector<std::size_t> byAge(puzzles.size());
  std::iota(byAge.begin(), byAge.end(), 0);
  std::stable_sort(byAge.begin(), byAge.end(),
                   [&](std::size_t a, std::size_t b) {
                     return puzzles[a].lastPlayed < puzzles[b].lastPlayed;
                   });
  for (std::size_t rank = 0; rank < byAge.size(); ++rank)
    puzzles[byAge[rank]].lastPlayed = rank + 1;
}

PuzzleProgress* findMutable(Progress& progress, std::string_view name) {
  for (PuzzleProgress& puzzle : progress.puzzles) {
    if (puzzle.name == name) return &puzzle;
  }
  return nullptr;
}

}  // namespace

ProgressReading parseProgress(std::string_view text) {
  ProgressReading reading;
  if (text.empty()) return reading;
  std::unordered_set<std::string_view> names;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos)
      return failing(number, "the line does not end");
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (number == 1) {
      if (line != kHeader) return failing(1, "not a linkloom progress file");
      continue;
    }
    const std::string what = readLine(line, reading.progress, names);
    if (!what.empty()) return failing(number, what);
  }
  keepPlayedLast(reading.progress.puzzles);
  return reading;
}

std::string formatProgress(const Progress& progress) {
  std::string text = std::string(kHeader) + "\n";
  char line[64];
  if (progress.streak.days > 0) {
    const int date = progress.streak.lastDate;
    std::snprintf(line, sizeof line, "streak %04d-%02d-%02d %d\n", date / 10000,
                  date / 100 % 100, date % 100, progress.streak.days);
    text += line;
  }
  for (const PuzzleProgress& puzzle : progress.puzzles) {
    text += "puzzle " + std::to_string(puzzle.lastPlayed) + " " + puzzle.name +
            "\n";
    for (const SolvedLevel& level : puzzle.solved) {
      std::snprintf(line, sizeof line, "solved %d %d %d\n", level.level + 1,
                    level.milliseconds, level.hints);
      text += line;
    }
  }
  return text;
}

const PuzzleProgress* findPuzzle(const Progress& progress,
                                 std::string_view name) {
  for (const PuzzleProgress& puzzle : progress.puzzles) {
    if (puzzle.name == name) return &puzzle;
  }
  return nullptr;
}

void recordSolved(Progress& progress, const std::string& name,
                  SolvedLevel level) {
  if (level.level < 0 || level.level >= maxLevelsInSet) return;
  level.milliseconds = std::clamp(level.milliseconds, 0, maxLevelMilliseconds);
  level.hints = std::clamp(level.hints, 0, static_cast<int>(kMaxHints));
  const auto latest = [&progress] {
    std::uint64_t order = 0;
    for (const PuzzleProgress& puzzle : progress.puzzles)
      order = std::max(order, puzzle.lastPlayed);
    return order;
  };
  if (latest() == std::numeric_limits<std::uint64_t>::max())
    renumberByAge(progress.puzzles);
  PuzzleProgress* puzzle = findMutable(progress, name);
  if (!puzzle) {
    progress.puzzles.push_back({name, 0, {}});
    puzzle = &progress.puzzles.back();
  }
  puzzle->lastPlayed = latest() + 1;
  std::vector<SolvedLevel>& solved = puzzle->solved;
  const auto at = std::lower_bound(
      solved.begin(), solved.end(), level.level,
      [](const SolvedLevel& kept, int index) { return kept.level < index; });
  if (at == solved.end() || at->level != level.level) solved.insert(at, level);
  if (static_cast<int>(progress.puzzles.size()) > maxKeptPuzzles) {
    progress.puzzles.erase(
        std::min_element(progress.puzzles.begin(), progress.puzzles.end(),
                         [](const PuzzleProgress& a, const PuzzleProgress& b) {
                           return a.lastPlayed < b.lastPlayed;
                         }));
  }
}

int resumeLevel(const Progress& progress, std::string_view name, int setSize) {
  const PuzzleProgress* puzzle = findPuzzle(progress, name);
  if (!puzzle) return 0;
  int level = 0;
  for (const SolvedLevel& solved : puzzle->solved) {
    if (solved.level != level) break;
    ++level;
  }
  return level < setSize ? level : 0;
}

std::string damagedName(const std::string& name,
                        const std::function<bool(const std::string&)>& taken) {
  std::string aside = name + ".damaged";
  for (int n = 2; taken(aside); ++n)
    aside = name + ".damaged." + std::to_string(n);
  return aside;
}

std::string packPuzzleName(const std::vector<Level>& levels) {
  // FNV-1a over every number of every level, floats by their bits.
  std::uint64_t hash = 0xcbf29ce484222325ull;
  const auto add = [&hash](auto number) {
    unsigned char bytes[sizeof number];
    std::memcpy(bytes, &number, sizeof number);
    for (unsigned char byte : bytes) {
      hash ^= byte;
      hash *= 0x100000001b3ull;
    }
  };
  // A shape's amounts go in from the table's last quantity back to its
  // first, as keys were made before the table, so kept progress keeps them.
  const auto addShape = [&add](const Level& level, LevelShape shape) {
    for (std::size_t i = kQuantityCount; i-- > 0;)
      visitQuantity(static_cast<Quantity>(i), [&](const auto& entry) {
        add(level.*entry.shapeField(shape));
      });
  };
  for (const Level& level : levels) {
    addShape(level, LevelShape::Start);
    addShape(level, LevelShape::Target);
    add(level.nodeRed), add(level.nodeGreen), add(level.nodeBlue);
    for (const NodeDeltas& cell : level.deltas)
      forEachQuantity([&](const auto& entry) { add(cell.*entry.cell); });
  }
  char text[24];
  std::snprintf(text, sizeof text, "pack %016llx",
                static_cast<unsigned long long>(hash));
  return text;
}
