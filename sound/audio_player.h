// Audio player: the output device, the click sample and the looping
// background music, on SDL_mixer.
#pragma once

#include <string>

struct Mix_Chunk;
struct _Mix_Music;

struct AudioPlayer {
  // The music playing now; null before playMusic or when its file failed.
  _Mix_Music* musicStream = nullptr;
  // The click sample; null when the device or the file failed.
  Mix_Chunk* clickSample = nullptr;

  // Called once at start-up, before the board is built. Opens the output
  // device at 44100 Hz with four sample channels, so at most four clicks
  // sound at once, and loads "./audio/click.wav" as the click sample.
  // Without a device or the file the game stays silent.
  void init();
  // Replaces the current music with the file at path, looping from its
  // start at once. A missing or unreadable file leaves no music playing.
  void playMusic(const std::string& path);
};

// The game's one audio player, created on first use.
AudioPlayer& audioPlayer();
