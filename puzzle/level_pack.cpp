// Level packs: reading levels written as text.
#include "puzzle/level_pack.h"

#include <array>
#include <cstring>

#include "files/read_file.h"
#include "puzzle/board.h"
#include "puzzle/level_set.h"
#include "puzzle/pack_number.h"
#include "puzzle/quantities.h"

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

struct Limits {
  std::string name;
  int low, high;
};

// The quantities in the order a cell writes them, as whole numbers.
using Amounts = std::array<int, kQuantityCount>;
using AllLimits = std::array<Limits, kQuantityCount>;

// "size/sides/hue": how a shape or a cell is written.
std::string cellSpelling() {
  std::string spelling;
  for (const QuantityFacts& facts : kQuantities)
    spelling += (spelling.empty() ? "" : "/") + std::string(facts.packName);
  return spelling;
}

// Parses "size/sides/hue" within the given limits, or describes the fault.
bool parseAmounts(const Word& word, int line, const AllLimits& limits,
                  Amounts& values, Fault& fault) {
  std::size_t at = 0;
  for (std::size_t part = 0; part < kQuantityCount; ++part) {
    const std::size_t slash = word.text.find('/', at);
    const bool last = part + 1 == kQuantityCount;
    if (last != (slash == std::string_view::npos)) {
      fault = {line, word.column,
               quoted(word.text) + " is not " + cellSpelling()};
      return false;
    }
    const std::string_view text =
        word.text.substr(at, last ? std::string_view::npos : slash - at);
    const int column = word.column + static_cast<int>(at);
    if (readWholeNumber(text, values[part]) != NumberReading::Good) {
      fault = {
          line, column,
          limits[part].name + " " + quoted(text) + " is not a whole number"};
      return false;
    }
    if (values[part] < limits[part].low || values[part] > limits[part].high) {
      fault = {line, column,
               limits[part].name + " " + std::string(text) + " is beyond " +
                   std::to_string(limits[part].low) + " to " +
                   std::to_string(limits[part].high)};
      return false;
    }
    at = slash + 1;
  }
  return true;
}

// A shape stays within the limits evaluation clamps to; a delta needs no
// more than the width of those limits.
AllLimits shapeLimits() {
  AllLimits limits;
  for (std::size_t i = 0; i < kQuantityCount; ++i)
    limits[i] = {kQuantities[i].packName, kQuantities[i].lowest,
                 kQuantities[i].highest};
  return limits;
}
AllLimits deltaLimits() {
  AllLimits limits;
  for (std::size_t i = 0; i < kQuantityCount; ++i)
    limits[i] = {kQuantities[i].packName + std::string(" delta"),
                 -kQuantities[i].widestDelta(), kQuantities[i].widestDelta()};
  return limits;
}

bool parseChannel(const Word& word, int line, float& value, Fault& fault) {
  const NumberReading reading = readDecimal(word.text, value);
  if (reading == NumberReading::HasExponent) {
    fault = {line, word.column,
             "colour channel " + quoted(word.text) +
                 " has an exponent; write it as a decimal from 0 to 1"};
    return false;
  }
  if (reading != NumberReading::Good) {
    fault = {line, word.column,
             "colour channel " + quoted(word.text) + " is not a number"};
    return false;
  }
  // The digits decide, not the rounded value: a channel a hair above 1
  // rounds to 1.
  if (!decimalFromZeroToOne(word.text)) {
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
  // A pack that opens with "pack" promises to close with "end", as the
  // level checker writes them, so that a copy cut short is refused rather
  // than read as fewer levels or a shorter last number.
  bool opened = false;
  bool ended = false;
  bool anyWords = false;

  static constexpr const char* partNames[4] = {"level", "start", "target",
                                               "colour"};

  bool fail(int column, std::string what) {
    fault = {line, column, std::move(what)};
    return false;
  }

  std::string levelName() const {
    return "level " + std::to_string(levels.size());
  }

  bool shapeLine(const std::vector<Word>& words, Level& level,
                 LevelShape shape) {
    if (words.size() != 2)
      return fail(words[0].column, std::string(partNames[part]) +
                                       " takes one " + cellSpelling() +
                                       " shape");
    Amounts amounts{};
    if (!parseAmounts(words[1], line, shapeLimits(), amounts, fault))
      return false;
    forEachQuantity([&](const auto& entry) {
      level.*entry.shapeField(shape) =
          entry.ofWhole(amounts[indexOf(entry.facts.quantity)]);
    });
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
      return fail(
          words[0].column,
          row == 0
              ? "expected row 1 of cells, found " + quoted(words[0].text)
              : levelName() + " has " + std::to_string(row) +
                    " rows of cells, expected " + std::to_string(gridRows));
    if (words.size() != gridColumns) {
      const int column = words.size() > gridColumns ? words[gridColumns].column
                                                    : words.back().column;
      return fail(column, "a row has " + std::to_string(gridColumns) +
                              " cells, found " + std::to_string(words.size()));
    }
    const AllLimits limits = deltaLimits();
    for (int column = 0; column < gridColumns; ++column) {
      Amounts amounts{};
      if (!parseAmounts(words[column], line, limits, amounts, fault))
        return false;
      NodeDeltas& cell = level.deltas[row * gridColumns + column];
      forEachQuantity([&](const auto& entry) {
        cell.*entry.cell =
            entry.ofWhole(amounts[indexOf(entry.facts.quantity)]);
      });
    }
    return true;
  }

  bool loneWord(const std::vector<Word>& words) {
    if (words.size() == 1) return true;
    return fail(words[1].column, quoted(words[0].text) +
                                     " takes nothing after it, found " +
                                     quoted(words[1].text));
  }

  // "pack" and "end", the lines around the levels; false when words is
  // neither, or is not well placed (then with the fault set).
  bool bracketLine(const std::vector<Word>& words, bool& good) {
    const bool first = !anyWords;
    anyWords = true;
    if (ended) {
      good = fail(words[0].column,
                  "nothing may follow \"end\", found " + quoted(words[0].text));
      return true;
    }
    if (words[0].text == "pack") {
      good = first
                 ? loneWord(words)
                 : fail(words[0].column, "\"pack\" belongs on the first line");
      opened = true;
      return true;
    }
    if (words[0].text != "end" || part != 0) return false;
    good = levels.empty() ? fail(words[0].column, "\"end\" before any level")
                          : loneWord(words);
    ended = true;
    return true;
  }

  bool wordsLine(const std::vector<Word>& words) {
    bool good = false;
    if (bracketLine(words, good)) return good;
    if (part == 0) {
      if (!levels.empty() && words[0].text.find('/') != std::string_view::npos)
        return fail(words[0].column, levelName() + " has more than " +
                                         std::to_string(gridRows) +
                                         " rows of cells");
      if (words[0].text != "level")
        return fail(words[0].column,
                    "expected \"level\", found " + quoted(words[0].text));
      if (!loneWord(words)) return false;
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
    if (part == 1)
      good = shapeLine(words, level, LevelShape::Start);
    else if (part == 2)
      good = shapeLine(words, level, LevelShape::Target);
    else if (part == 3)
      good = colourLine(words, level);
    else
      good = rowLine(words, level);
    part = part == 3 + gridRows ? 0 : part + 1;
    return good;
  }

  // Text that is not UTF-8 (nor ASCII) is named as such rather than
  // reported as odd words.
  bool notText(std::string_view lineText) {
    if (line == 1 && (lineText.substr(0, 2) == "\xff\xfe" ||
                      lineText.substr(0, 2) == "\xfe\xff"))
      return !fail(1,
                   "the pack is UTF-16 text (it starts with a UTF-16 byte "
                   "order mark); save it as UTF-8");
    const std::size_t zero = lineText.find('\0');
    if (zero == std::string_view::npos) return false;
    return !fail(static_cast<int>(zero) + 1,
                 "a NUL byte, as UTF-16 or binary files hold; save the pack "
                 "as UTF-8 text");
  }

  bool parse(std::string_view text) {
    // Some editors start UTF-8 text with a byte order mark; it is no word.
    if (text.substr(0, 3) == "\xef\xbb\xbf") text.remove_prefix(3);
    std::size_t at = 0;
    while (at < text.size()) {
      ++line;
      const std::size_t end = text.find('\n', at);
      const std::size_t stop =
          end == std::string_view::npos ? text.size() : end;
      std::string_view lineText = text.substr(at, stop - at);
      at = stop + 1;
      // The line ending, LF or CR LF, is no part of the line.
      if (!lineText.empty() && lineText.back() == '\r')
        lineText.remove_suffix(1);
      if (notText(lineText)) return false;
      if (lineText.size() > maxPackLineLength)
        return fail(static_cast<int>(maxPackLineLength) + 1,
                    "line is longer than " + std::to_string(maxPackLineLength) +
                        " characters");
      const std::vector<Word> words = wordsOf(lineText);
      if (!words.empty() && !wordsLine(words)) return false;
    }
    ++line;
    if (levels.empty()) return fail(1, "the pack holds no level");
    if (part != 0)
      return fail(
          1, levelName() + " ends early, expected " +
                 (part <= 3 ? "\"" + std::string(partNames[part]) + "\""
                            : "row " + std::to_string(part - 3) + " of cells"));
    if (opened && !ended)
      return fail(1,
                  "the pack opens with \"pack\" but lacks its closing "
                  "\"end\" line: it was cut short");
    return true;
  }
};

std::string describe(const std::string& name, const Fault& fault) {
  return name + ":" + std::to_string(fault.line) + ":" +
         std::to_string(fault.column) + ": " + fault.what;
}

}  // namespace

PackReading parsePack(std::string_view text, const std::string& name) {
  PackParser parser;
  if (!parser.parse(text)) return {{}, describe(name, parser.fault)};
  return {std::move(parser.levels), ""};
}

PackReading readPackFile(const std::string& path) {
  const FileRead file = readFile(path.c_str(), maxPackBytes);
  std::string trouble;
  switch (file.outcome) {
    case FileOutcome::Read: break;
    case FileOutcome::Missing:
    case FileOutcome::Unreadable:
      trouble = std::string("cannot read: ") + std::strerror(file.error);
      break;
    case FileOutcome::NotRegular: trouble = "not a regular file"; break;
    case FileOutcome::TooLarge:
      trouble = "larger than " + std::to_string(maxPackBytes) + " bytes";
      break;
  }
  if (!trouble.empty()) return {{}, describe(path, {1, 1, trouble})};
  return parsePack(
      std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                       file.bytes.size()),
      path);
}
