// Guided play from the keyboard alone in the real window: the focus moved
// by the arrows from the source, Enter pressing, Escape dropping, and with
// --describe every step said on standard output in the same sentences the
// puzzle's own word functions build.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "puzzle/key_focus.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"
#include "puzzle/pack_format.h"
#include "puzzle/play_words.h"
#include "render/world.h"
#include "tests/chain.h"
#include "tests/solving_chains.h"
#include "tests/support/running_game.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;

// A place the focus can be: a grid cell, or column -1 for the source and
// gridColumns for the sink.
struct Place {
  int row;
  int column;
};
constexpr Place kSource{1, -1};
constexpr Place kSink{1, gridColumns};

// The arrow keys that move the focus from one place to another as a player
// would find them: up or down first, then sideways. Never into the source.
std::vector<const char*> arrowsBetween(Place from, Place to) {
  std::vector<const char*> keys;
  if (from.column < 0) {
    keys.push_back("Right");
    from = {1, 0};
  }
  const int lastRow = to.column == gridColumns ? from.row : to.row;
  for (; from.row < lastRow; ++from.row) keys.push_back("Down");
  for (; from.row > lastRow; --from.row) keys.push_back("Up");
  for (; from.column < to.column; ++from.column) keys.push_back("Right");
  for (; from.column > to.column; --from.column) keys.push_back("Left");
  return keys;
}

struct KeyboardPlay : ::testing::Test {
  RunningGame game;
  XClient& client = game.client;
  std::string packPath = std::string(LINKLOOM_RUN_DIR) + "/keyboard_test_" +
                         std::to_string(getpid()) + ".pack";

  void SetUp() override {
    std::ofstream(packPath) << formatPack({builtInLevels[0], builtInLevels[1]});
  }
  // The game on the pack with --describe, through a shell that sends its
  // standard output where the test says.
  void start(const std::string& output = "") {
    ASSERT_NO_FATAL_FAILURE(
        game.start("/bin/bash", LINKLOOM_RUN_DIR, {},
                   {"-c", "exec \"$0\" --levels \"$1\" --describe " + output,
                    LINKLOOM_BINARY, packPath}));
    ASSERT_TRUE(game.showsTitle(10s));
  }
  void TearDown() override {
    if (HasFailure() && game.window != 0)
      client.savePng(game.window, std::string(LINKLOOM_RUN_DIR) +
                                      "/keyboard_window_test_failure.png");
    std::remove(packPath.c_str());
  }

  // The lines the game has said so far.
  std::vector<std::string> said() const {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : game.process.stdoutText()) {
      if (c != '\n') {
        line += c;
        continue;
      }
      lines.push_back(line);
      line.clear();
    }
    return lines;
  }
  bool hasSaid(const std::string& sentence) const {
    for (const std::string& line : said())
      if (line == sentence) return true;
    return false;
  }
  bool comesToSay(const std::string& sentence) {
    return waitUntil([&] { return hasSaid(sentence); }, 10s);
  }
};

TEST_F(KeyboardPlay, AFirstLevelIsSolvedByKeysFromTheSourceAndEveryStepSaid) {
  ASSERT_NO_FATAL_FAILURE(start());
  client.key("Return");
  ASSERT_TRUE(comesToSay("Press Enter to play")) << game.process.stdoutText();
  client.key("space");
  ASSERT_TRUE(comesToSay("Focus on the source")) << game.process.stdoutText();

  // The focus mark stands on the source: its corner brackets are dark
  // where the playing field is light.
  const Board& layout = boardLayout();
  const float corner = 3.6f - 0.15f;
  const Rgb mark = client.pixel(
      game.window, static_cast<int>(pixelX(layout.sourceNode->x - corner)),
      static_cast<int>(pixelY(layout.sourceNode->y + corner)));
  EXPECT_LT(mark.r + mark.g + mark.b, 240)
      << mark.r << ", " << mark.g << ", " << mark.b;

  // Selected, then dropped by Escape.
  client.key("Return");
  client.key("Escape");
  EXPECT_TRUE(comesToSay("Selection dropped"));

  // The level's solving chain, node by node: select, move, link.
  Board mirror;
  mirror.build();
  mirror.setLevel(builtInLevels[0]);
  std::vector<Place> places = {kSource};
  for (const auto& [row, column] : solvingChains[0])
    places.push_back({row, column});
  places.push_back(kSink);
  for (std::size_t i = 0; i + 1 < places.size(); ++i) {
    client.key("Return");
    for (const char* arrow : arrowsBetween(places[i], places[i + 1]))
      client.key(arrow);
    client.key("Return");
  }
  linkChain(mirror, solvingChains[0]);
  // The same sentences as the word functions give for the same chain.
  EXPECT_TRUE(comesToSay("Linked the source to row 1, column 1"));
  EXPECT_TRUE(comesToSay("Linked row 3, column 4 to the sink"));
  EXPECT_TRUE(comesToSay(resultWords(mirror)));
  EXPECT_TRUE(comesToSay("Level 1 cleared")) << game.process.stdoutText();
  EXPECT_TRUE(waitUntil(
      [&] {
        return client.title(game.window).find("level 2 of 2") !=
               std::string::npos;
      },
      10s));
  // The next level starts with the focus on the source again, and d reads
  // it whole.
  mirror.setLevel(builtInLevels[1]);
  client.key("d");
  EXPECT_TRUE(comesToSay("Limits: " + std::string("size 2 to 8, 3 to 8 "
                                                  "corners, hue 0 to 320")));
  EXPECT_TRUE(comesToSay("Focus on the source"));
  EXPECT_TRUE(comesToSay("Start " + shapeWords(mirror.startShape) +
                         "; target " + shapeWords(mirror.targetShape)));
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

// The words' output closed, or a pipe nobody reads: the game plays on, with
// at most one line on standard error and never a signal.
TEST_F(KeyboardPlay, WordsToAClosedOutputAreDroppedSilently) {
  ASSERT_NO_FATAL_FAILURE(start(">&-"));
  for (const char* key : {"Return", "Return", "Right", "d", "Return"})
    client.key(key);
  EXPECT_TRUE(waitUntil(
      [&] {
        return client.title(game.window).find("level 1") != std::string::npos;
      },
      5s));
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(game.process.stderrText(), "");
  EXPECT_EQ(game.process.waitExit(0ms), -1);
}

TEST_F(KeyboardPlay, WordsToADeadPipeCostOneLineAndPlayGoesOn) {
  ASSERT_NO_FATAL_FAILURE(start("> >(exit 0)"));
  for (const char* key : {"Return", "Return", "Right", "d", "Return", "d"})
    client.key(key);
  EXPECT_TRUE(waitUntil(
      [&] {
        return game.process.stderrText() ==
               "linkloom: cannot write the words: Broken pipe\n";
      },
      5s))
      << game.process.stderrText();
  EXPECT_EQ(game.process.waitExit(0ms), -1);
}

}  // namespace
