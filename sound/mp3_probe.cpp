// MP3 probe: the whole file through libmpg123, the decoder the mixer uses,
// with resynchronisation off so junk between frames counts as an error.
#include "sound/mp3_probe.h"

#include <mpg123.h>

#include <memory>

namespace {
using DecoderHandle = std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)>;
}  // namespace

bool isPlayableMp3(const std::vector<unsigned char>& bytes) {
  int error = MPG123_OK;
  const DecoderHandle decoder(mpg123_new(nullptr, &error), &mpg123_delete);
  if (!decoder ||
      mpg123_param(decoder.get(), MPG123_ADD_FLAGS,
                   MPG123_QUIET | MPG123_NO_RESYNC, 0.0) != MPG123_OK ||
      mpg123_open_feed(decoder.get()) != MPG123_OK ||
      mpg123_feed(decoder.get(), bytes.data(), bytes.size()) != MPG123_OK)
    return false;
  int frames = 0;
  for (;;) {
    off_t frame = 0;
    unsigned char* audio = nullptr;
    size_t audioBytes = 0;
    const int result =
        mpg123_decode_frame(decoder.get(), &frame, &audio, &audioBytes);
    // Every byte was fed at once: asking for more means all has decoded.
    if (result == MPG123_NEED_MORE) return frames > 0;
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) return false;
    if (result == MPG123_OK) ++frames;
  }
}
