// The audio player on SDL's silent dummy device, from the build's run
// directory where the game's sounds lie.
#include "sound/audio_player.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

struct AudioPlayerTest : ::testing::Test {
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(chdir(LINKLOOM_RUN_DIR), 0);
    audioPlayer().init();
  }
};

TEST_F(AudioPlayerTest, InitOpensTheDeviceAndLoadsTheClick) {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
  EXPECT_EQ(rate, 44100);
  EXPECT_NE(audioPlayer().clickSample, nullptr);
  // Four sample channels: at most four clicks at once.
  EXPECT_EQ(Mix_AllocateChannels(-1), 4);
}

TEST_F(AudioPlayerTest, PlayMusicReplacesTheCurrentStream) {
  audioPlayer().playMusic("./audio/backgroundmusic.mp3");
  ASSERT_NE(audioPlayer().musicStream, nullptr);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  // A second stream takes the place of the first; a missing file leaves
  // nothing playing, so the old stream was stopped, not left behind.
  audioPlayer().playMusic("./audio/backgroundmusic.mp3");
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  audioPlayer().playMusic("./audio/no-such-music.mp3");
  EXPECT_EQ(audioPlayer().musicStream, nullptr);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

}  // namespace
