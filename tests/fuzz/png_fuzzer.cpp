// Fuzz target: arbitrary bytes through the PNG decoder that runs before any
// texture upload.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/png_decode.h"

namespace {
// The largest texture of the software renderer: a header may claim up to
// 16384 x 16384 pixels, and the run's malloc limit (scripts/test.sh) fails
// any decode that allocates for a claim its few bytes cannot back.
constexpr int maxSide = 16384;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  for (const PngPixels layout :
       {PngPixels::AsFile, PngPixels::AlwaysRgba, PngPixels::AlwaysBgra}) {
    const auto image =
        decodePng(data, size, maxSide, kDefaultScreenGamma, layout);
    if (!image) continue;
    const std::size_t expected = static_cast<std::size_t>(image->width) *
                                 image->height * image->channels();
    if (image->width <= 0 || image->height <= 0 || image->width > maxSide ||
        image->height > maxSide || image->pixels.size() != expected ||
        (layout != PngPixels::AsFile && image->channels() != 4))
      std::abort();
  }
  return 0;
}
