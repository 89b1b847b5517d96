// The real game under Xvfb shows its title picture on start, and clicks
// given as soon as it shows lead on as ever.
#include <gtest/gtest.h>

#include "render/picture_files.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;

TEST(Screens, TheGameOpensOnItsTitlePicture) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));
  EXPECT_TRUE(game.showsPicture(titleFile, 10s)) << game.process.stderrText();
}

// The title shows before the rest of the game has loaded; a click then must
// still find the instructions, and the next one the board, which leaves the
// corners to the playing field.
TEST(Screens, ClicksRightAfterTheFirstFrameLeadToTheInstructionsAndTheBoard) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));
  ASSERT_TRUE(game.showsPicture(titleFile, 10s, {{400, 180}}));
  game.client.moveTo(game.window, 400, 300);
  game.client.click();
  EXPECT_TRUE(game.showsPicture(instructionsFile, 10s));
  game.client.click();
  EXPECT_TRUE(game.showsPicture(backgroundFile, 10s,
                                {{2, 2}, {797, 2}, {2, 597}, {797, 597}}));
  EXPECT_EQ(game.process.waitExit(0ms), -1);
  EXPECT_EQ(game.process.stderrText(), "");
}

}  // namespace
