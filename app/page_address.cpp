// The browser page's address, read into the command line's options.
#include "app/page_address.h"

#include <cstdint>
#include <vector>

#include "app/option_reader.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_set.h"

namespace {

constexpr std::size_t kLongestName = 100;
// Far longer than any fragment the page writes.
constexpr std::size_t kLongestFragment = 1000;

bool nameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
}

bool fileName(std::string_view name) {
  if (name.empty() || name.size() > kLongestName || name[0] == '.')
    return false;
  for (char c : name)
    if (!nameCharacter(c)) return false;
  return true;
}

bool levelNumber(std::string_view text, int& level) {
  if (text.empty() || text.size() > 3) return false;
  level = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    level = level * 10 + (c - '0');
  }
  return level >= 1 && level <= maxLevelsInSet;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Text as the person who typed it wrote it: each %XX becomes its byte, but
// for a control character, which stays written out, so that a line about
// the address stays one line.
std::string decoded(std::string_view text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const int high = at + 2 < text.size() ? hexDigit(text[at + 1]) : -1;
    const int low = at + 2 < text.size() ? hexDigit(text[at + 2]) : -1;
    const int byte = high * 16 + low;
    if (text[at] == '%' && high >= 0 && low >= 0 && byte >= 0x20 &&
        byte != 0x7f) {
      plain += static_cast<char>(byte);
      at += 2;
    } else {
      plain += text[at];
    }
  }
  return plain;
}

// said in a player's words, why in the address's own, for the console.
PageAddress failing(const std::string& said, const std::string& why) {
  PageAddress address;
  address.said = said;
  address.error = "This address names no puzzle: " + why;
  return address;
}

}  // namespace

PageAddress readPageAddress(std::string_view fragment) {
  if (!fragment.empty() && fragment[0] == '#') fragment.remove_prefix(1);
  PageAddress address;
  if (fragment.empty()) return address;
  if (fragment.size() > kLongestFragment)
    return failing("This link is too long to be a puzzle.", "it is too long");
  // The command line the address stands for, read by the game's own rules.
  std::vector<std::string> args = {"linkloom"};
  bool named = false, seeded = false, difficultyGiven = false;
  while (!fragment.empty()) {
    const std::size_t amp = fragment.find('&');
    const std::string part(fragment.substr(0, amp));
    fragment = amp == std::string_view::npos ? std::string_view()
                                             : fragment.substr(amp + 1);
    const std::size_t equals = part.find('=');
    const bool hasValue = equals != std::string::npos;
    const std::string key = decoded(part.substr(0, equals));
    const std::string value = hasValue ? decoded(part.substr(equals + 1)) : "";
    const bool namesPuzzle =
        key == "daily" || key == "seed" || key == "pack" || key == "file";
    if (namesPuzzle && named)
      return failing("This link names two puzzles at once.",
                     "it names two puzzles");
    named = named || namesPuzzle;
    if (key == "daily" && !hasValue) {
      seeded = true;
      args.push_back("--daily");
    } else if ((key == "seed" || key == "difficulty") && hasValue) {
      // Checked here, so that the line says what the address, not the
      // command line, got wrong.
      std::uint64_t seed = 0;
      if (key == "seed" && !readSeed(value, seed))
        return failing("This link's seed is not a number.",
                       "seed takes a whole number, not " + clipped(value));
      if (key == "difficulty" && !difficultyNamed(value))
        return failing(
            "This link's difficulty is not easy, medium or hard.",
            "difficulty takes easy, medium or hard, not " + clipped(value));
      seeded = seeded || key == "seed";
      difficultyGiven = difficultyGiven || key == "difficulty";
      args.push_back("--" + key);
      args.push_back(value);
    } else if ((key == "pack" || key == "file") && hasValue) {
      if (!fileName(value))
        return failing("This link's pack name is not a file name.",
                       "\"" + clipped(value) + "\" is not a file name");
      const bool served = key == "pack";
      address.pack =
          served ? PageAddress::Pack::Served : PageAddress::Pack::Opened;
      address.packName = value;
      args.push_back("--levels");
      args.push_back((served ? servedPackFolder : openedPackFolder) + value);
    } else if (key == "level" && hasValue) {
      if (!levelNumber(value, address.level))
        return failing("This link's level is not a level number.",
                       "level takes a number from 1 to " +
                           std::to_string(maxLevelsInSet) + ", not " +
                           clipped(value));
    } else {
      return failing("This link has a part the game does not know.",
                     "\"" + clipped(decoded(part)) + "\" is unknown");
    }
  }
  if (!named)
    return failing("This link names no puzzle.",
                   "daily, seed, pack or file is missing");
  if (difficultyGiven && !seeded)
    return failing("This link gives a difficulty but no puzzle.",
                   "difficulty goes with seed or daily");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  const int level = address.level;
  address.options =
      parseCommandLine(static_cast<int>(argv.size()), argv.data());
  address.level = level;
  if (address.options.action != CommandLine::Action::Play)
    return failing("This link names no puzzle the game can play.",
                   address.options.error);
  // The toolkit's arguments point into args, which ends here; the page
  // passes the toolkit none.
  address.options.toolkitArgs.clear();
  return address;
}

std::string placeFragment(const PageAddress& address, int level) {
  const CommandLine& options = address.options;
  const std::string difficulty =
      std::string("&difficulty=") + difficultyName(options.difficulty);
  std::string fragment;
  switch (address.pack) {
    case PageAddress::Pack::Served:
      fragment = "#pack=" + address.packName;
      break;
    case PageAddress::Pack::Opened:
      fragment = "#file=" + address.packName;
      break;
    case PageAddress::Pack::None:
      if (!options.seeded) return "";
      if (options.daily)
        fragment = "#daily" + (options.difficultyGiven ? difficulty : "");
      else
        fragment = "#seed=" + std::to_string(options.seed) + difficulty;
      break;
  }
  return fragment + "&level=" + std::to_string(level);
}

std::string addressFileName(std::string_view name) {
  std::string safe(name.substr(0, kLongestName));
  for (char& c : safe)
    if (!nameCharacter(c)) c = '-';
  if (!safe.empty() && safe[0] == '.') safe[0] = '-';
  return safe.empty() ? "pack" : safe;
}
