// Sound maker: writes the click sample and the music loop as 16-bit PCM
// WAV files through libsndfile.
#include <sndfile.h>

#include <cstdio>
#include <vector>

#include "tools/sounds/click_sound.h"
#include "tools/sounds/music_loop.h"

namespace {

// Writes interleaved frames of samples, all within -1 to 1 as the synthesis
// makes them; prints why and returns false when the file cannot be written.
bool writeWav(const char* path, const std::vector<float>& samples, int channels,
              int rate) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path, SFM_WRITE, &info);
  if (file == nullptr) {
    std::fprintf(stderr, "make_sounds: %s: %s\n", path, sf_strerror(nullptr));
    return false;
  }
  const auto count = static_cast<sf_count_t>(samples.size());
  const bool written = sf_write_float(file, samples.data(), count) == count;
  if (!written)
    std::fprintf(stderr, "make_sounds: %s: %s\n", path, sf_strerror(file));
  return sf_close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CLICK.wav MUSIC.wav\n", argv[0]);
    return 2;
  }
  const bool written = writeWav(argv[1], clickSound(), 1, clickRate) &&
                       writeWav(argv[2], musicLoop(), musicChannels, musicRate);
  return written ? 0 : 1;
}
