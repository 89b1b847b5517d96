// Sound maker: writes the click sample and the music loop as WAV files.
#include <cstdio>

#include "tools/sounds/click_sound.h"
#include "tools/sounds/music_loop.h"
#include "tools/sounds/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CLICK.wav MUSIC.wav\n", argv[0]);
    return 2;
  }
  if (!writeWav(argv[1], clickSound(), 1, clickRate) ||
      !writeWav(argv[2], musicLoop(), musicChannels, musicRate)) {
    std::perror("make_sounds");
    return 1;
  }
  return 0;
}
