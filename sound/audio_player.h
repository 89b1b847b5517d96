// Audio player: the output device, the click sample and the looping
// background music, through the mixer (sound/mixer.h).
#pragma once

#include <string>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

struct AudioPlayer {
  // The mixer's tag on the click sample's four channels.
  static constexpr int clickGroup = 1;

  // The music playing now; null before playMusic or when its file failed.
  _Mix_Music* musicStream = nullptr;
  // The file of musicStream, which the mixer reads from as it plays.
  std::vector<unsigned char> musicBytes;
  // The click sample; null when the device or the file failed.
  Mix_Chunk* clickSample = nullptr;

  // Called once at start-up, before the board is built. Opens the output
  // device at 44100 Hz with four sample channels, grouped as the click's,
  // and loads "./audio/click.wav" as the click sample. Without the mixer
  // library, a device or the file the game stays silent.
  void init();
  // Replaces the current music with the file at path, looping from its
  // start at once. A missing or unreadable file leaves no music playing;
  // so does a file that is not playable MP3, with one line on standard
  // error saying so.
  void playMusic(const std::string& path);
  // Plays the click sample once on a free channel of its four, or, when
  // all four are busy, in place of the playback that has played longest.
  // Nothing in the game calls it: the click is loaded and never played.
  void playClick();
};

// The game's one audio player, created on first use.
AudioPlayer& audioPlayer();
