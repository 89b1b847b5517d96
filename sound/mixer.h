// Mixer: the few calls the audio player makes of the sound library, behind
// our own interface. The desktop loads SDL_mixer only when sound starts, so
// it and its codecs cost nothing before the first frame; the browser makes
// the calls of what its built-in SDL_mixer has.
#pragma once

#include <cstddef>

// The library's sample and music, handled only through these pointers.
struct Mix_Chunk;
struct _Mix_Music;

struct Mixer {
  bool opened = false;  // the library loaded and the output device open

  // Opens the output device at rate Hz with that many output channels and
  // sampleChannels channels for samples. False leaves the game silent: a
  // library that cannot be loaded says so in one line on standard error, a
  // device that cannot be opened says nothing.
  bool open(int rate, int outputChannels, int bufferFrames, int sampleChannels);
  // Tags the sample channels from to to (inclusive) as one group.
  void groupChannels(int from, int to, int tag);
  // A channel of the group playing nothing, or -1 when all are busy.
  int groupAvailable(int tag);
  // The channel of the group whose playback started first, or -1.
  int groupOldest(int tag);
  // A sample decoded from a WAV file's bytes at once; null on failure or
  // without an open mixer.
  Mix_Chunk* loadWav(const unsigned char* bytes, std::size_t size);
  void playSample(int channel, Mix_Chunk* sample);
  // Music from MP3 bytes, which the mixer reads while it plays, so they must
  // outlive it; null on failure or without an open mixer.
  _Mix_Music* loadMp3(const unsigned char* bytes, std::size_t size);
  void playLooping(_Mix_Music* music);
  // Halts the music first when it plays; null does nothing.
  void freeMusic(_Mix_Music* music);
};

// The game's one mixer, created on first use.
Mixer& mixer();
