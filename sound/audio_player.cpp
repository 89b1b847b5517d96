// Audio player: device start-up, the click sample and the music stream.
#include "sound/audio_player.h"

#include <SDL_hints.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <utility>

#include "sound/mp3_probe.h"
#include "sound/sound_file.h"

namespace {

constexpr int outputRate = 44100;  // Hz
constexpr int outputChannels = 2;  // stereo
constexpr int bufferFrames = 2048;
// Sample playbacks that may sound together; the click sample's limit.
constexpr int clickPlaybacks = 4;
constexpr const char* clickPath = "./audio/click.wav";
constexpr int loopForever = -1;

}  // namespace

AudioPlayer& audioPlayer() {
  // Never destroyed: the mixer's thread reads the music bytes until the
  // process has ended.
  static AudioPlayer& instance = *new AudioPlayer;
  return instance;
}

void AudioPlayer::init() {
  // SDL would otherwise turn SIGINT and SIGTERM into quit events that
  // nothing reads, and the game could no longer be stopped by them. The
  // browser's SDL, which has no such hint, handles no signals.
#ifdef SDL_HINT_NO_SIGNAL_HANDLERS
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
#endif
  if (Mix_OpenAudio(outputRate, MIX_DEFAULT_FORMAT, outputChannels,
                    bufferFrames) != 0)
    return;
  Mix_AllocateChannels(clickPlaybacks);
  Mix_GroupChannels(0, clickPlaybacks - 1, clickGroup);
  // The mixer is handed the file's bytes, never its path, so it reads
  // nothing but a checked regular file, and decodes it here at once.
  const auto bytes = readSoundFile(clickPath);
  if (bytes)
    clickSample = Mix_LoadWAV_RW(
        SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
}

void AudioPlayer::playMusic(const std::string& path) {
  // Freeing halts the old stream first, so two never mix, and it stops
  // reading the old bytes before they go.
  Mix_FreeMusic(musicStream);
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
  musicStream = Mix_LoadMUSType_RW(
      SDL_RWFromConstMem(musicBytes.data(),
                         static_cast<int>(musicBytes.size())),
      MUS_MP3, 1);
  if (musicStream != nullptr) Mix_PlayMusic(musicStream, loopForever);
}

void AudioPlayer::playClick() {
  if (clickSample == nullptr) return;
  int channel = Mix_GroupAvailable(clickGroup);
  if (channel == -1) channel = Mix_GroupOldest(clickGroup);
  Mix_PlayChannel(channel, clickSample, 0);
}
