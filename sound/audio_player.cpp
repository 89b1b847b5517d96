// Audio player: device start-up, the click sample and the music stream.
#include "sound/audio_player.h"

#include <SDL_hints.h>
#include <SDL_mixer.h>

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
  static AudioPlayer instance;
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
  clickSample = Mix_LoadWAV(clickPath);
}

void AudioPlayer::playMusic(const std::string& path) {
  // Freeing halts the old stream first, so two never mix.
  Mix_FreeMusic(musicStream);
  musicStream = Mix_LoadMUS(path.c_str());
  if (musicStream != nullptr) Mix_PlayMusic(musicStream, loopForever);
}
