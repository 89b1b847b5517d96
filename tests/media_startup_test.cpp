// The real binary's start-up with and without its font, sounds and audio
// device, under a private Xvfb server.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/run_dir.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The SDL disk driver records what the game plays: 16-bit stereo frames
// at 44100 Hz.
constexpr std::uintmax_t recordedBytesPerSecond = 44100 * 2 * 2;

std::vector<std::int16_t> recordedSamples(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(
        static_cast<unsigned char>(bytes[2 * i]) |
        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return samples;
}

bool recordedAtLeast(const std::string& path, double seconds) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  return !error && size >= seconds * recordedBytesPerSecond;
}

double rootMeanSquare(const std::int16_t* samples, size_t count) {
  double sum = 0.0;
  for (size_t i = 0; i < count; ++i) sum += double(samples[i]) * samples[i];
  return count == 0 ? 0.0 : std::sqrt(sum / count);
}

// The game started from runDir with env, on a screen of its own, and a
// client that has found its window.

// The game alone in a folder with its pictures and sounds but no font: no
// folder it looks in has its data, and it says what each lacks.
TEST(MediaStartup, MissingFontEndsTheGameWithStatusOneNamingTheFont) {
  const RunDir run({"images", "audio"});
  const fs::path binary = run.path / "linkloom";
  fs::create_hard_link(LINKLOOM_BINARY, binary);
  VirtualDisplay screen;
  ASSERT_TRUE(screen.start());
  GameProcess game;
  ASSERT_TRUE(game.start(binary.string(), run.path.string(), screen.name));
  EXPECT_EQ(game.waitExit(15s), 1);
  const std::string installed =
      (run.path / LINKLOOM_DATA_FROM_PROGRAM).lexically_normal().string();
  EXPECT_EQ(game.stderrText(),
            "No game data found: " + run.path.string() +
                " lacks fonts/rabiohead.ttf; " + installed +
                " lacks fonts/rabiohead.ttf and images/titlescreen.png\n");
}

// Starts the game with its sound written to a file instead of a device.
void startRecorded(RunningGame& game, const std::string& runDir,
                   const std::string& recording) {
  game.start(LINKLOOM_BINARY, runDir,
             {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + recording});
}

TEST(MediaStartup, MusicPlaysFromStartUp) {
  const RunDir scratch({});
  const std::string recording = scratch.file("output.raw");
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(startRecorded(game, LINKLOOM_RUN_DIR, recording));
  ASSERT_TRUE(waitUntil([&] { return recordedAtLeast(recording, 3.0); }, 20s));
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();

  const std::vector<std::int16_t> samples = recordedSamples(recording);
  const size_t lastSecond = recordedBytesPerSecond / 2;
  ASSERT_GE(samples.size(), lastSecond);
  // The music is on by the last second: clearly audible, not clipped.
  const double loudness =
      rootMeanSquare(samples.data() + samples.size() - lastSecond, lastSecond);
  EXPECT_GT(loudness, 1000.0);
  EXPECT_LT(loudness, 20000.0);
}

TEST(MediaStartup, WithoutSoundFilesTheGameRunsInSilence) {
  const RunDir run({"images", "fonts"});
  const std::string recording = run.file("output.raw");
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(startRecorded(game, run.path.string(), recording));
  // Past the title and instructions onto the board.
  for (int press = 0; press < 3; ++press) {
    game.client.moveTo(game.window, 400, 300);
    game.client.click();
  }
  ASSERT_TRUE(waitUntil([&] { return recordedAtLeast(recording, 1.0); }, 20s));
  EXPECT_EQ(game.process.waitExit(300ms), -1) << game.process.stderrText();
  for (std::int16_t sample : recordedSamples(recording)) ASSERT_EQ(sample, 0);
}

TEST(MediaStartup, WithoutAnAudioDeviceTheGameRuns) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR,
                                     {"SDL_AUDIODRIVER=no-such-driver"}));
  EXPECT_EQ(game.process.waitExit(1s), -1) << game.process.stderrText();
}

TEST(MediaStartup, TerminationSignalStillEndsTheGameWithSoundOn) {
  const RunDir scratch({});
  const std::string recording = scratch.file("output.raw");
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(startRecorded(game, LINKLOOM_RUN_DIR, recording));
  // Once sound is on, SDL has started up with the game.
  ASSERT_TRUE(waitUntil([&] { return recordedAtLeast(recording, 0.1); }, 20s));
  ASSERT_EQ(kill(game.process.pid, SIGTERM), 0);
  EXPECT_EQ(game.process.waitExit(3s), 128 + SIGTERM);
}

}  // namespace
