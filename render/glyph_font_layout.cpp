// Glyph texture layout: sizes, texture coordinates and texel bytes.
#include "render/glyph_font_layout.h"

#include <algorithm>
#include <cstddef>

int powerOfTwoCovering(int size) {
  int power = 1;
  while (power < size) power *= 2;
  return power;
}

GlyphLayout glyphLayout(int width, int rows) {
  GlyphLayout layout;
  layout.width = powerOfTwoCovering(width);
  layout.height = powerOfTwoCovering(rows);
  layout.u = static_cast<float>(std::max(width, 0)) / layout.width;
  layout.v = static_cast<float>(std::max(rows, 0)) / layout.height;
  return layout;
}

std::vector<std::uint8_t> glyphTexels(const GlyphBitmap& bitmap,
                                      const GlyphLayout& layout) {
  std::vector<std::uint8_t> texels(
      static_cast<std::size_t>(layout.width) * layout.height * 2, 0);
  const int width = std::min(bitmap.width, layout.width);
  const int rows = std::min(bitmap.rows, layout.height);
  for (int y = 0; y < rows; ++y) {
    const std::uint8_t* source =
        bitmap.coverage + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::uint8_t* target =
        texels.data() + static_cast<std::size_t>(y) * layout.width * 2;
    for (int x = 0; x < width; ++x) {
      target[2 * x] = source[x];
      target[2 * x + 1] = source[x];
    }
  }
  return texels;
}
