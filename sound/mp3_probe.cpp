// MP3 probe: the whole file through libmpg123, the decoder the mixer uses,
// with resynchronisation off so junk between frames counts as an error.
#include "sound/mp3_probe.h"

#include <mpg123.h>

#include <cstddef>
#include <cstring>
#include <memory>

namespace {

using DecoderHandle = std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)>;

// Where the first frame must begin: at the start, or after an ID3v2 tag
// ("ID3", version, flags with a footer bit, then the tag's size in four
// 7-bit bytes). The decoder alone would hunt through junk for a frame.
std::size_t firstFrameOffset(const std::vector<unsigned char>& bytes) {
  constexpr std::size_t tagHeader = 10;
  if (bytes.size() < tagHeader || std::memcmp(bytes.data(), "ID3", 3) != 0)
    return 0;
  std::size_t size = 0;
  for (std::size_t i = 6; i < tagHeader; ++i)
    size = size << 7 | (bytes[i] & 0x7f);
  const bool footer = (bytes[5] & 0x10) != 0;
  return tagHeader + size + (footer ? tagHeader : 0);
}

// The 11 set bits of an MPEG audio frame's sync word.
bool startsWithFrame(const std::vector<unsigned char>& bytes) {
  const std::size_t at = firstFrameOffset(bytes);
  return at + 1 < bytes.size() && bytes[at] == 0xff &&
         (bytes[at + 1] & 0xe0) == 0xe0;
}

}  // namespace

bool isPlayableMp3(const std::vector<unsigned char>& bytes) {
  if (!startsWithFrame(bytes)) return false;
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
