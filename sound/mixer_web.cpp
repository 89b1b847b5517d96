// Mixer in the browser: Emscripten's built-in SDL_mixer, which lacks
// channel groups and music of a named type; groups are kept here, made of
// the calls it has.
#include <SDL_mixer.h>

#include <vector>

#include "sound/mixer.h"

namespace {

struct ChannelGroups {
  std::vector<int> tags;  // by channel; -1 for none
  int lastTaken = -1;     // the channel groupOldest gave last
};

ChannelGroups& channelGroups() {
  static ChannelGroups instance;
  return instance;
}

}  // namespace

Mixer& mixer() {
  static Mixer instance;
  return instance;
}

bool Mixer::open(int rate, int outputChannels, int bufferFrames,
                 int sampleChannels) {
  if (opened) return true;
  if (Mix_OpenAudio(rate, MIX_DEFAULT_FORMAT, outputChannels, bufferFrames) !=
      0)
    return false;
  Mix_AllocateChannels(sampleChannels);
  opened = true;
  return true;
}

void Mixer::groupChannels(int from, int to, int tag) {
  if (from < 0 || to < from) return;
  std::vector<int>& tags = channelGroups().tags;
  if (tags.size() <= static_cast<std::size_t>(to)) tags.resize(to + 1, -1);
  for (int channel = from; channel <= to; ++channel) tags[channel] = tag;
}

int Mixer::groupAvailable(int tag) {
  const std::vector<int>& tags = channelGroups().tags;
  for (int channel = 0; channel < static_cast<int>(tags.size()); ++channel)
    if (tags[channel] == tag && Mix_Playing(channel) == 0) return channel;
  return -1;
}

// The browser's mixer keeps no start times, so the group's channels are
// taken in turn: while they stay busy, that is the one that started first.
int Mixer::groupOldest(int tag) {
  ChannelGroups& groups = channelGroups();
  const int count = static_cast<int>(groups.tags.size());
  for (int step = 1; step <= count; ++step) {
    const int channel = (groups.lastTaken + step) % count;
    if (groups.tags[channel] == tag) return groups.lastTaken = channel;
  }
  return -1;
}

Mix_Chunk* Mixer::loadWav(const unsigned char* bytes, std::size_t size) {
  if (!opened) return nullptr;
  return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1);
}

void Mixer::playSample(int channel, Mix_Chunk* sample) {
  if (opened) Mix_PlayChannel(channel, sample, 0);
}

// The browser tells the type from the bytes.
_Mix_Music* Mixer::loadMp3(const unsigned char* bytes, std::size_t size) {
  if (!opened) return nullptr;
  return Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)));
}

void Mixer::playLooping(_Mix_Music* music) {
  if (opened) Mix_PlayMusic(music, -1);
}

void Mixer::freeMusic(_Mix_Music* music) {
  if (opened && music != nullptr) Mix_FreeMusic(music);
}
