// The browser page around the game: its address, its notes and the packs
// it hands the game. The page's own script (web/index.html) defines the
// Module functions called here.
#include <emscripten.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/browser_storage.h"
#include "app/command_line.h"
#include "app/kept_level.h"
#include "app/kept_progress.h"
#include "app/page_address.h"
#include "app/page_place.h"
#include "app/progress_file.h"
#include "app/puzzle_start.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"
#include "puzzle/play_stats.h"

namespace {

// A pack the player opened: waiting to be read, and once read, kept so that
// its address still plays after a reload.
constexpr const char* kPackToOpen = "linkloom pack to open";
constexpr const char* kPackToOpenName = "linkloom pack to open name";
constexpr const char* kOpenedPack = "linkloom opened pack";
constexpr const char* kOpenedPackName = "linkloom opened pack name";

struct PagePlace {
  PageAddress address;
  int shownLevel = 0;  // the level the address names, from 1
  bool resultShown = false;
  bool statsShown = false;
  std::string notice;  // guided play's notice last told the page
  void (*play)() = nullptr;
};

PagePlace& pagePlace() {
  static PagePlace place;
  return place;
}

// clang-format off
EM_JS(int, fragmentLength, (), { return location.hash.length; });
EM_JS(void, copyFragment, (char* buffer, int length), {
  const hash = location.hash;
  for (let i = 0; i < length; ++i)
    HEAPU8[buffer + i] = i < hash.length ? hash.charCodeAt(i) : 0;
});
// Text from the game is UTF-8: a pack's error line may quote the pack.
EM_JS(void, callPage, (const char* what, const char* text, int length), {
  const decoded = new TextDecoder().decode(HEAPU8.slice(text, text + length));
  Module[UTF8ToString(what)](decoded);
});
// clang-format on

// More than any address names a puzzle with; the address reader refuses it.
constexpr int kLongestFragmentRead = 2000;

std::string pageFragment() {
  const int length = std::min(fragmentLength(), kLongestFragmentRead);
  std::string fragment(static_cast<std::size_t>(length), '\0');
  copyFragment(fragment.data(), static_cast<int>(fragment.size()));
  return fragment;
}

void tellPage(const char* what, const std::string& text) {
  callPage(what, text.data(), static_cast<int>(text.size()));
}

// Writes an opened pack's bytes where the pack reader finds them; false
// when it cannot.
bool writeOpenedPack(const std::string& path, const std::string& bytes) {
  mkdir(openedPackFolder, 0700);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// A pack's error line names the pack as the player knows it, without the
// folder the page put it in.
std::string asPlayerSees(std::string error) {
  for (const std::string folder : {servedPackFolder, openedPackFolder})
    if (error.rfind(folder, 0) == 0) error.erase(0, folder.size());
  return error;
}

// The note says what went wrong in a player's words; the console keeps the
// line that says it exactly.
void tellFault(const std::string& said, const std::string& detail) {
  tellPage("showNote", said);
  tellPage("logDetail", asPlayerSees(detail));
}

// A pack's fault, as the player meets it.
std::string packFault(const std::string& name) {
  return name + " is not a level pack the game can read.";
}

void playClassic(const std::string& said, const std::string& detail) {
  PagePlace& place = pagePlace();
  tellFault(said, detail);
  tellPage("showPlace", "");
  place.address = PageAddress{};
  place.play();
}

void playAddress() {
  PagePlace& place = pagePlace();
  std::string error;
  if (!startPuzzle(place.address.options, std::time(nullptr), error)) {
    const std::string& pack = place.address.packName;
    playClassic(pack.empty() ? "This puzzle could not start." : packFault(pack),
                error);
    return;
  }
  const int asked = place.address.level;
  if (asked > levelSetSize()) {
    // Past the last level: the last is played, and the address says so.
    place.address.level = levelSetSize();
    tellPage("showPlace", placeFragment(place.address, place.address.level));
    tellPage("showNote", "This puzzle has no level " + std::to_string(asked) +
                             "; its last is level " +
                             std::to_string(levelSetSize()));
  }
  if (place.address.level > 0) startKeptAt(place.address.level - 1);
  place.play();
}

void onPackServed(const char*) { playAddress(); }

void onPackMissing(const char*) {
  const std::string& pack = pagePlace().address.packName;
  playClassic(pack + " could not be downloaded.",
              pack + " could not be downloaded from beside the page");
}

}  // namespace

void startPagePuzzle(void (*play)()) {
  PagePlace& place = pagePlace();
  place.play = play;
  place.address = readPageAddress(pageFragment());
  const PageAddress& address = place.address;
  if (!address.ok()) {
    playClassic(address.said, address.error);
    return;
  }
  switch (address.pack) {
    case PageAddress::Pack::Served:
      mkdir(servedPackFolder, 0700);
      emscripten_async_wget(address.packName.c_str(),
                            address.options.levelsFile.c_str(), onPackServed,
                            onPackMissing);
      return;
    case PageAddress::Pack::Opened: {
      const auto name = readStored(kOpenedPackName);
      const auto bytes = readStored(kOpenedPack);
      if (!name || !bytes || *name != address.packName ||
          !writeOpenedPack(address.options.levelsFile, *bytes)) {
        const std::string said =
            address.packName +
            " is not kept in this browser; open the file again.";
        playClassic(said, said);
        return;
      }
      break;
    }
    case PageAddress::Pack::None: break;
  }
  playAddress();
}

// On a daily's page, the player's statistics as the progress keeps them.
void showStats() {
  if (!guidedPlay().on || !isKeptDaily()) return;
  const int today = static_cast<int>(dailySeed(std::time(nullptr)));
  tellPage("showStats", playStats(progressFile().progress, today).text());
}

void followPlayer() {
  keepLevelInPlay();
  PagePlace& place = pagePlace();
  if (!place.statsShown) {
    place.statsShown = true;
    showStats();
  }
  const int index = board().levelIndex;
  if (guidedPlay().on && gameState().screenState == ScreenState::Playing &&
      index >= 0 && index < levelSetSize() && index + 1 != place.shownLevel) {
    place.shownLevel = index + 1;
    tellPage("showPlace", placeFragment(place.address, place.shownLevel));
    showStats();
  }
  // The page's note speaks, so a lasting notice is heard as well as drawn.
  // The search's passing word is no notice: in the note it would stay after
  // the search, over a line the player needs.
  const std::string& notice = guidedPlay().notice;
  if (notice != place.notice) {
    place.notice = notice;
    if (!notice.empty()) tellPage("showNote", notice);
  }
  if (!place.resultShown && !dailyResult().empty()) {
    place.resultShown = true;
    tellPage("showResult", dailyResult());
    showStats();
  }
}

// Called by the page once it has put a file the player chose under
// kPackToOpen: the same reader as the desktop's reads it, and a good pack
// is kept and its address played; a bad one is shown as one line.
extern "C" EMSCRIPTEN_KEEPALIVE void linkloomOpenPack() {
  const auto bytes = readStored(kPackToOpen);
  const auto chosenName = readStored(kPackToOpenName);
  forgetStored(kPackToOpen);
  forgetStored(kPackToOpenName);
  if (!bytes || !chosenName) {
    tellPage("showNote", "The browser's storage could not hold that file");
    return;
  }
  const std::string name = addressFileName(*chosenName);
  const std::string path = openedPackFolder + name;
  if (!writeOpenedPack(path, *bytes)) {
    tellPage("showNote", name + " could not be read");
    return;
  }
  const PackReading pack = readPackFile(path);
  if (!pack.ok()) {
    tellFault(packFault(name), pack.error);
    return;
  }
  if (!store(kOpenedPack, *bytes) || !store(kOpenedPackName, name)) {
    tellPage("showNote", name + " is too large to keep in this browser");
    return;
  }
  tellPage("goTo", "#file=" + name);
}
