// Audio player: device start-up, the click sample and the music stream.
#include "sound/audio_player.h"

#include <cstdio>
#include <utility>

#include "sound/mixer.h"
#include "sound/mp3_probe.h"
#include "sound/sound_file.h"

namespace {

constexpr int outputRate = 44100;  // Hz
constexpr int outputChannels = 2;  // stereo
constexpr int bufferFrames = 2048;
// Sample playbacks that may sound together; the click sample's limit.
constexpr int clickPlaybacks = 4;
constexpr const char* clickPath = "./audio/click.wav";

}  // namespace

AudioPlayer& audioPlayer() {
  // Never destroyed: the mixer's thread reads the music bytes until the
  // process has ended.
  static AudioPlayer& instance = *new AudioPlayer;
  return instance;
}

void AudioPlayer::init() {
  if (!mixer().open(outputRate, outputChannels, bufferFrames, clickPlaybacks))
    return;
  mixer().groupChannels(0, clickPlaybacks - 1, clickGroup);
  // The mixer is handed the file's bytes, never its path, so it reads
  // nothing but a checked regular file, and decodes it here at once.
  const auto bytes = readSoundFile(clickPath);
  if (bytes) clickSample = mixer().loadWav(bytes->data(), bytes->size());
}

void AudioPlayer::playMusic(const std::string& path) {
  // Freeing halts the old stream first, so two never mix, and it stops
  // reading the old bytes before they go.
  mixer().freeMusic(musicStream);
  musicStream = nullptr;
  musicBytes.clear();
  auto bytes = readSoundFile(path.c_str());
  if (!bytes) return;
  // The decoder would complain of a file it cannot play at every pass of
  // the loop; it is asked once, quietly, first.
  if (!isPlayableMp3(*bytes)) {
    std::fprintf(stderr, "%s: not a playable MP3, no music\n", path.c_str());
    return;
  }
  musicBytes = std::move(*bytes);
  musicStream = mixer().loadMp3(musicBytes.data(), musicBytes.size());
  if (musicStream != nullptr) mixer().playLooping(musicStream);
}

void AudioPlayer::playClick() {
  if (clickSample == nullptr) return;
  int channel = mixer().groupAvailable(clickGroup);
  if (channel == -1) channel = mixer().groupOldest(clickGroup);
  mixer().playSample(channel, clickSample);
}
