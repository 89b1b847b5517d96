// Level packs: writing levels as text and reading them back.
#include "puzzle/level_pack.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

#include "puzzle/board.h"
#include "puzzle/level_set.h"
#include "puzzle/shape.h"

namespace {

// A word of a line and the column (from 1) where it starts.
struct Word {
  std::string_view text;
  int column;
};

struct Fault {
  int line, column;
  std::string what;
};

// A word as it may be quoted in a message: short, printable.
std::string quoted(std::string_view text) {
  std::string shown = "\"";
  for (char c : text.substr(0, 24)) shown += (c >= ' ' && c <= '~') ? c : '?';
  if (text.size() > 24) shown += "...";
  return shown + "\"";
}

std::vector<Word> wordsOf(std::string_view line) {
  std::vector<Word> words;
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == '#') break;
    if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
      ++at;
      continue;
    }
    const std::size_t end = line.find_first_of(" \t\r#", at);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    words.push_back({line.substr(at, stop - at), static_cast<int>(at) + 1});
    at = stop;
  }
  return words;
}

// One whole number with an optional sign, the whole of text.
bool wholeNumber(std::string_view text, int& value) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-')
    text.remove_prefix(1);
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

struct Limits {
  const char* name;
  int low, high;
};

// The three quantities in the order a cell writes them.
struct Triple {
  int size, sides, hue;
};

// Parses "size/sides/hue" within the given limits, or describes the fault.
bool parseTriple(const Word& word, int line, const Limits (&limits)[3],
                 Triple& triple, Fault& fault) {
  int* values[3] = {&triple.size, &triple.sides, &triple.hue};
  std::size_t at = 0;
  for (int part = 0; part < 3; ++part) {
    const std::size_t slash = word.text.find('/', at);
    const bool last = part == 2;
    if (last != (slash == std::string_view::npos)) {
      fault = {line, word.column, quoted(word.text) + " is not size/sides/hue"};
      return false;
    }
    const std::string_view text =
        word.text.substr(at, last ? std::string_view::npos : slash - at);
    const int column = word.column + static_cast<int>(at);
    if (!wholeNumber(text, *values[part])) {
      fault = {line, column,
               std::string(limits[part].name) + " " + quoted(text) +
                   " is not a whole number"};
      return false;
    }
    if (*values[part] < limits[part].low || *values[part] > limits[part].high) {
      fault = {line, column,
               std::string(limits[part].name) + " " + std::string(text) +
                   " is beyond " + std::to_string(limits[part].low) + " to " +
                   std::to_string(limits[part].high)};
      return false;
    }
    at = slash + 1;
  }
  return true;
}

// A shape stays within the limits evaluation clamps to; a delta needs no
// more than the width of those limits.
const Limits shapeLimits[3] = {
    {"size", static_cast<int>(kMinSize), static_cast<int>(kMaxSize)},
    {"sides", kMinSides, kMaxSides},
    {"hue", static_cast<int>(kMinHue), static_cast<int>(kMaxHue)}};
const Limits deltaLimits[3] = {
    {"size delta", -shapeLimits[0].high + shapeLimits[0].low,
     shapeLimits[0].high - shapeLimits[0].low},
    {"sides delta", kMinSides - kMaxSides, kMaxSides - kMinSides},
    {"hue delta", -shapeLimits[2].high, shapeLimits[2].high}};

bool parseChannel(const Word& word, int line, float& value, Fault& fault) {
  const char* end = word.text.data() + word.text.size();
  const auto [stop, error] = std::from_chars(word.text.data(), end, value);
  if (error != std::errc() || stop != end) {
    fault = {line, word.column,
             "colour channel " + quoted(word.text) + " is not a number"};
    return false;
  }
  if (!(value >= 0.0f && value <= 1.0f)) {
    fault = {line, word.column,
             "colour channel " + std::string(word.text) + " is beyond 0 to 1"};
    return false;
  }
  return true;
}

// The pack read line by line: each level is the word "level", then the
// lines "start", "target" and "colour", then four rows of four cells.
struct PackParser {
  std::vector<Level> levels;
  int part = 0;  // 0 "level", 1 start, 2 target, 3 colour, 4 to 7 rows
  int line = 0;
  Fault fault;

  static constexpr const char* partNames[4] = {"level", "start", "target",
                                               "colour"};

  bool fail(int column, std::string what) {
    fault = {line, column, std::move(what)};
    return false;
  }

  std::string levelName() const {
    return "level " + std::to_string(levels.size());
  }

  bool shapeLine(const std::vector<Word>& words, float& size, int& sides,
                 float& hue) {
    if (words.size() != 2)
      return fail(words[0].column, std::string(partNames[part]) +
                                       " takes one size/sides/hue shape");
    Triple triple{};
    if (!parseTriple(words[1], line, shapeLimits, triple, fault)) return false;
    size = static_cast<float>(triple.size);
    sides = triple.sides;
    hue = static_cast<float>(triple.hue);
    return true;
  }

  bool colourLine(const std::vector<Word>& words, Level& level) {
    if (words.size() != 4)
      return fail(words[0].column, "colour takes red, green and blue");
    return parseChannel(words[1], line, level.nodeRed, fault) &&
           parseChannel(words[2], line, level.nodeGreen, fault) &&
           parseChannel(words[3], line, level.nodeBlue, fault);
  }

  bool rowLine(const std::vector<Word>& words, Level& level) {
    const int row = part - 4;
    if (words[0].text.find('/') == std::string_view::npos)
      return fail(words[0].column, levelName() + " has " + std::to_string(row) +
                                       " rows of cells, expected " +
                                       std::to_string(gridRows));
    if (words.size() != gridColumns) {
      const int column = words.size() > gridColumns ? words[gridColumns].column
                                                    : words.back().column;
      return fail(column, "a row has " + std::to_string(gridColumns) +
                              " cells, found " + std::to_string(words.size()));
    }
    for (int column = 0; column < gridColumns; ++column) {
      Triple t{};
      if (!parseTriple(words[column], line, deltaLimits, t, fault))
        return false;
      level.deltas[row * gridColumns + column] = {
          static_cast<float>(t.size), t.sides, static_cast<float>(t.hue)};
    }
    return true;
  }

  bool wordsLine(const std::vector<Word>& words) {
    if (part == 0) {
      if (!levels.empty() && words[0].text.find('/') != std::string_view::npos)
        return fail(words[0].column, levelName() + " has more than " +
                                         std::to_string(gridRows) +
                                         " rows of cells");
      if (words[0].text != "level" || words.size() != 1)
        return fail(words[0].column,
                    "expected \"level\", found " + quoted(words[0].text));
      if (static_cast<int>(levels.size()) == maxLevelsInSet)
        return fail(words[0].column,
                    "more than " + std::to_string(maxLevelsInSet) + " levels");
      levels.emplace_back();
      part = 1;
      return true;
    }
    Level& level = levels.back();
    if (part <= 3 && words[0].text != partNames[part])
      return fail(words[0].column, "expected \"" +
                                       std::string(partNames[part]) +
                                       "\", found " + quoted(words[0].text));
    bool good = false;
    if (part == 1)
      good =
          shapeLine(words, level.startSize, level.startSides, level.startHue);
    else if (part == 2)
      good = shapeLine(words, level.targetSize, level.targetSides,
                       level.targetHue);
    else if (part == 3)
      good = colourLine(words, level);
    else
      good = rowLine(words, level);
    part = part == 3 + gridRows ? 0 : part + 1;
    return good;
  }

  bool parse(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
      ++line;
      const std::size_t end = text.find('\n', at);
      const std::size_t stop =
          end == std::string_view::npos ? text.size() : end;
      if (stop - at > maxPackLineLength)
        return fail(static_cast<int>(maxPackLineLength) + 1,
                    "line is longer than " + std::to_string(maxPackLineLength) +
                        " characters");
      const std::vector<Word> words = wordsOf(text.substr(at, stop - at));
      at = stop + 1;
      if (!words.empty() && !wordsLine(words)) return false;
    }
    ++line;
    if (levels.empty()) return fail(1, "the pack holds no level");
    if (part != 0)
      return fail(
          1, levelName() + " ends early, expected " +
                 (part <= 3 ? "\"" + std::string(partNames[part]) + "\""
                            : "row " + std::to_string(part - 3) + " of cells"));
    return true;
  }
};

std::string describe(const std::string& name, const Fault& fault) {
  return name + ":" + std::to_string(fault.line) + ":" +
         std::to_string(fault.column) + ": " + fault.what;
}

std::string signedWhole(float value) {
  const int whole = static_cast<int>(value);
  return (whole > 0 ? "+" : "") + std::to_string(whole);
}

std::string shapeText(float size, int sides, float hue) {
  return std::to_string(static_cast<int>(size)) + "/" + std::to_string(sides) +
         "/" + std::to_string(static_cast<int>(hue));
}

// The shortest text that reads back as the same float.
std::string channelText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace

PackReading parsePack(std::string_view text, const std::string& name) {
  PackParser parser;
  if (!parser.parse(text)) return {{}, describe(name, parser.fault)};
  return {std::move(parser.levels), ""};
}

PackReading readPackFile(const std::string& path) {
  const auto fileFault = [&](const std::string& what) {
    return PackReading{{}, describe(path, {1, 1, what})};
  };
  // Non-blocking, so opening a FIFO with no writer returns at once.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return fileFault(std::string("cannot read: ") + std::strerror(errno));
  struct stat info {};
  std::string text;
  std::string trouble;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    trouble = "not a regular file";
  } else if (static_cast<std::size_t>(info.st_size) > maxPackBytes) {
    trouble = "larger than " + std::to_string(maxPackBytes) + " bytes";
  } else {
    // The size is read again, bounded, in case the file grows meanwhile.
    text.resize(maxPackBytes + 1);
    std::size_t got = 0;
    ssize_t n = 0;
    while (got < text.size() &&
           (n = read(fd, &text[got], text.size() - got)) > 0)
      got += static_cast<std::size_t>(n);
    if (n < 0) trouble = std::strerror(errno);
    if (got > maxPackBytes)
      trouble = "larger than " + std::to_string(maxPackBytes) + " bytes";
    text.resize(got);
  }
  close(fd);
  if (!trouble.empty()) return fileFault(trouble);
  return parsePack(text, path);
}

std::string formatPack(const std::vector<Level>& levels) {
  std::string text;
  for (std::size_t index = 0; index < levels.size(); ++index) {
    const Level& level = levels[index];
    text += "# level " + std::to_string(index + 1) + "\nlevel\n";
    text += "start " +
            shapeText(level.startSize, level.startSides, level.startHue) + "\n";
    text += "target " +
            shapeText(level.targetSize, level.targetSides, level.targetHue) +
            "\n";
    text += "colour " + channelText(level.nodeRed) + " " +
            channelText(level.nodeGreen) + " " + channelText(level.nodeBlue) +
            "\n";
    for (int k = 0; k < gridNodeCount; ++k) {
      const NodeDeltas& d = level.deltas[k];
      text += signedWhole(d.sizeDelta) + "/" +
              signedWhole(static_cast<float>(d.sidesDelta)) + "/" +
              signedWhole(d.hueDelta);
      text += (k % gridColumns == gridColumns - 1) ? "\n" : " ";
    }
    text += "\n";
  }
  return text;
}
