// The audio player on SDL's silent dummy device, from the build's run
// directory where the game's sounds lie.
#include "sound/audio_player.h"

#include <SDL_mixer.h>
#include <SDL_timer.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/run_dir.h"

namespace {

constexpr const char* kMusic = "./audio/backgroundmusic.mp3";

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
  // Four sample channels, all the click's: at most four clicks at once.
  EXPECT_EQ(Mix_AllocateChannels(-1), 4);
  EXPECT_EQ(Mix_GroupCount(AudioPlayer::clickGroup), 4);
}

TEST_F(AudioPlayerTest, AFifthClickTakesTheChannelThatHasPlayedLongest) {
  // Ten seconds of silence in place of the click, so that none ends during
  // the test; the mixer tells playbacks apart by their millisecond.
  std::vector<Uint8> silence(44100 * 2 * 2 * 10);
  Mix_Chunk* const lasting =
      Mix_QuickLoad_RAW(silence.data(), static_cast<Uint32>(silence.size()));
  Mix_Chunk* const click = audioPlayer().clickSample;
  audioPlayer().clickSample = lasting;
  for (int i = 0; i < 4; ++i) {
    audioPlayer().playClick();
    SDL_Delay(5);
  }
  EXPECT_EQ(Mix_Playing(-1), 4);
  EXPECT_EQ(Mix_GroupAvailable(AudioPlayer::clickGroup), -1);
  const int longest = Mix_GroupOldest(AudioPlayer::clickGroup);
  audioPlayer().playClick();
  EXPECT_EQ(Mix_Playing(-1), 4);
  EXPECT_EQ(Mix_GroupNewer(AudioPlayer::clickGroup), longest);
  EXPECT_NE(Mix_GroupOldest(AudioPlayer::clickGroup), longest);

  Mix_HaltChannel(-1);
  audioPlayer().clickSample = click;
  Mix_FreeChunk(lasting);
}

TEST_F(AudioPlayerTest, PlayMusicReplacesTheCurrentStream) {
  audioPlayer().playMusic(kMusic);
  ASSERT_NE(audioPlayer().musicStream, nullptr);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  // A second stream takes the place of the first; a missing file leaves
  // nothing playing, so the old stream was stopped, not left behind.
  audioPlayer().playMusic(kMusic);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  audioPlayer().playMusic("./audio/no-such-music.mp3");
  EXPECT_EQ(audioPlayer().musicStream, nullptr);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(AudioPlayerTest, OnlyPlayableMp3IsPlayedAndAnythingElseIsReportedOnce) {
  // The music behind an ID3 tag still plays; a sound the mixer could play
  // but that is not MP3, a font and an empty file do not.
  std::ifstream in(kMusic, std::ios::binary);
  const std::string music((std::istreambuf_iterator<char>(in)), {});
  const RunDir scratch;
  const std::string tagged = scratch.file("tagged.mp3");
  const std::string empty = scratch.file("empty");
  std::ofstream(tagged, std::ios::binary)
      << std::string("ID3\3\0\0\0\0\0\x10", 10) << std::string(16, '\0')
      << music;
  std::ofstream(empty, std::ios::binary).flush();
  struct Case {
    std::string path;
    bool plays;
  };
  for (const Case& c :
       {Case{kMusic, true}, Case{tagged, true},
        Case{"./audio/click.wav", false}, Case{"./fonts/rabiohead.ttf", false},
        Case{empty, false}}) {
    testing::internal::CaptureStderr();
    audioPlayer().playMusic(c.path);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(audioPlayer().musicStream != nullptr, c.plays) << c.path;
    EXPECT_EQ(Mix_PlayingMusic(), c.plays ? 1 : 0) << c.path;
    EXPECT_EQ(messages,
              c.plays ? "" : c.path + ": not a playable MP3, no music\n");
  }
}

}  // namespace
