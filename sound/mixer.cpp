// Mixer on the desktop: SDL_mixer opened with dlopen when sound starts, its
// functions found by name with the types of its own header.
#include "sound/mixer.h"

#include <SDL_hints.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>

namespace {

// The run-time name of SDL_mixer 2; SDL itself comes in beneath it.
constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

struct MixerLibrary {
  decltype(&SDL_SetHint) setHint = nullptr;
  decltype(&SDL_RWFromConstMem) fromMemory = nullptr;
  decltype(&Mix_OpenAudio) openAudio = nullptr;
  decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
  decltype(&Mix_GroupChannels) groupChannels = nullptr;
  decltype(&Mix_GroupAvailable) groupAvailable = nullptr;
  decltype(&Mix_GroupOldest) groupOldest = nullptr;
  decltype(&Mix_LoadWAV_RW) loadWav = nullptr;
  decltype(&Mix_PlayChannel) playChannel = nullptr;
  decltype(&Mix_LoadMUSType_RW) loadMusic = nullptr;
  decltype(&Mix_PlayMusic) playMusic = nullptr;
  decltype(&Mix_FreeMusic) freeMusic = nullptr;
};

MixerLibrary& library() {
  static MixerLibrary instance;
  return instance;
}

template <typename Function>
bool find(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  return function != nullptr;
}

// The library stays loaded for good: its threads play until the end.
bool loadLibrary() {
  void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  MixerLibrary& l = library();
  const bool found = handle != nullptr &&
                     find(handle, "SDL_SetHint", l.setHint) &&
                     find(handle, "SDL_RWFromConstMem", l.fromMemory) &&
                     find(handle, "Mix_OpenAudio", l.openAudio) &&
                     find(handle, "Mix_AllocateChannels", l.allocateChannels) &&
                     find(handle, "Mix_GroupChannels", l.groupChannels) &&
                     find(handle, "Mix_GroupAvailable", l.groupAvailable) &&
                     find(handle, "Mix_GroupOldest", l.groupOldest) &&
                     find(handle, "Mix_LoadWAV_RW", l.loadWav) &&
                     find(handle, "Mix_PlayChannel", l.playChannel) &&
                     find(handle, "Mix_LoadMUSType_RW", l.loadMusic) &&
                     find(handle, "Mix_PlayMusic", l.playMusic) &&
                     find(handle, "Mix_FreeMusic", l.freeMusic);
  if (!found) std::fprintf(stderr, "no sound: %s\n", dlerror());
  return found;
}

}  // namespace

Mixer& mixer() {
  static Mixer instance;
  return instance;
}

bool Mixer::open(int rate, int outputChannels, int bufferFrames,
                 int sampleChannels) {
  if (opened) return true;
  if (!loadLibrary()) return false;
  const MixerLibrary& l = library();
  // SDL would otherwise turn SIGINT and SIGTERM into quit events that
  // nothing reads, and the game could no longer be stopped by them.
  l.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (l.openAudio(rate, MIX_DEFAULT_FORMAT, outputChannels, bufferFrames) != 0)
    return false;
  l.allocateChannels(sampleChannels);
  opened = true;
  return true;
}

void Mixer::groupChannels(int from, int to, int tag) {
  if (opened) library().groupChannels(from, to, tag);
}

int Mixer::groupAvailable(int tag) {
  return opened ? library().groupAvailable(tag) : -1;
}

int Mixer::groupOldest(int tag) {
  return opened ? library().groupOldest(tag) : -1;
}

Mix_Chunk* Mixer::loadWav(const unsigned char* bytes, std::size_t size) {
  if (!opened) return nullptr;
  const MixerLibrary& l = library();
  return l.loadWav(l.fromMemory(bytes, static_cast<int>(size)), 1);
}

void Mixer::playSample(int channel, Mix_Chunk* sample) {
  if (opened) library().playChannel(channel, sample, 0);
}

_Mix_Music* Mixer::loadMp3(const unsigned char* bytes, std::size_t size) {
  if (!opened) return nullptr;
  const MixerLibrary& l = library();
  return l.loadMusic(l.fromMemory(bytes, static_cast<int>(size)), MUS_MP3, 1);
}

void Mixer::playLooping(_Mix_Music* music) {
  if (opened) library().playMusic(music, -1);
}

void Mixer::freeMusic(_Mix_Music* music) {
  if (opened && music != nullptr) library().freeMusic(music);
}
