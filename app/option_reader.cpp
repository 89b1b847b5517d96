// Command lines by the usual rules: each long option read by getopt_long.
#include "app/option_reader.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>

namespace {

// getopt_long returns this plus the option's index, clear of ':' and '?'.
constexpr int kFirstOption = 256;

const ToolkitOption* toolkitOption(const std::vector<ToolkitOption>& toolkit,
                                   const char* word) {
  for (const ToolkitOption& option : toolkit)
    if (std::strcmp(option.name, word) == 0) return &option;
  return nullptr;
}

// Why getopt_long refused word: a missing value, a value it does not take,
// or a name that matches no option, or more than one by its prefix.
std::string refusal(int found, const std::vector<LongOption>& options,
                    const std::string& word) {
  const int index = optopt - kFirstOption;
  if (index >= 0 && index < static_cast<int>(options.size())) {
    const std::string name = std::string("--") + options[index].name;
    return found == ':' ? name + " needs a value" : name + " takes no value";
  }
  const std::string prefix = word.substr(2, word.find('=') - 2);
  int matches = 0;
  for (const LongOption& option : options)
    matches += std::strncmp(option.name, prefix.c_str(), prefix.size()) == 0;
  return (matches > 1 ? "ambiguous option " : "unknown option ") +
         clipped(word);
}

}  // namespace

OptionReading readOptions(int argc, char** argv,
                          const std::vector<LongOption>& options,
                          const std::vector<ToolkitOption>& toolkit) {
  std::vector<option> table;
  for (std::size_t i = 0; i < options.size(); ++i)
    table.push_back({options[i].name,
                     options[i].takesValue ? required_argument : no_argument,
                     nullptr, kFirstOption + static_cast<int>(i)});
  table.push_back({nullptr, 0, nullptr, 0});
  int help = -1;
  for (std::size_t i = 0; i < options.size(); ++i)
    if (std::strcmp(options[i].name, "help") == 0) help = static_cast<int>(i);

  OptionReading reading;
  reading.passedOn.push_back(argv[0]);
  bool optionsEnded = false;
  for (int at = 1; at < argc && reading.ok(); ++at) {
    const std::string word = argv[at];
    if (optionsEnded || word.empty() || word[0] != '-') {
      if (word.empty()) reading.error = "an empty file name";
      reading.files.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (const ToolkitOption* passed = toolkitOption(toolkit, argv[at])) {
      if (at + passed->valueCount >= argc) {
        reading.error = word + " needs a value";
      } else {
        reading.passedOn.insert(reading.passedOn.end(), argv + at,
                                argv + at + 1 + passed->valueCount);
        at += passed->valueCount;
      }
    } else if (word == "-h" && help >= 0) {
      reading.given.push_back({help, ""});
      break;
    } else if (word.rfind("--", 0) != 0) {
      reading.error = "unknown option " + clipped(word);
    } else {
      // getopt_long reads this word, and the next when it is the value: a
      // fresh start for each keeps no state from one reading to the next.
      char* words[] = {argv[0], argv[at],
                       at + 1 < argc ? argv[at + 1] : nullptr, nullptr};
      optind = 0;
      opterr = 0;
      const int found = getopt_long(at + 1 < argc ? 3 : 2, words,
                                    "+:", table.data(), nullptr);
      if (found < kFirstOption) {
        reading.error = refusal(found, options, word);
        break;
      }
      const int index = found - kFirstOption;
      reading.given.push_back({index, optarg ? optarg : ""});
      if (index == help) break;
      at += optind - 2;
    }
  }
  return reading;
}

std::string clipped(const std::string& text) {
  constexpr std::size_t kMostShown = 200;
  return text.size() <= kMostShown ? text : text.substr(0, kMostShown) + "...";
}

int reportMisuse(const char* program, const std::string& error,
                 const char* usage) {
  std::fprintf(stderr, "%s: %s\n%s", program, error.c_str(), usage);
  return 2;
}
