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

namespace {

// Both bytes of each texel from (x, y) on carry the coverage of its bitmap
// pixel, within columns x to right and rows y to bottom.
void copyCoverage(const GlyphBitmap& bitmap, int x, int y, int right,
                  int bottom, int rowTexels,
                  std::vector<std::uint8_t>& texels) {
  const int width = std::min(bitmap.width, right - x);
  const int rows = std::min(bitmap.rows, bottom - y);
  for (int row = 0; row < rows; ++row) {
    const std::uint8_t* source =
        bitmap.coverage + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    std::uint8_t* target =
        texels.data() + (static_cast<std::size_t>(y + row) * rowTexels + x) * 2;
    for (int column = 0; column < width; ++column) {
      target[2 * column] = source[column];
      target[2 * column + 1] = source[column];
    }
  }
}

}  // namespace

std::vector<std::uint8_t> glyphTexels(const GlyphBitmap& bitmap,
                                      const GlyphLayout& layout) {
  std::vector<std::uint8_t> texels(
      static_cast<std::size_t>(layout.width) * layout.height * 2, 0);
  copyCoverage(bitmap, 0, 0, layout.width, layout.height, layout.width, texels);
  return texels;
}

AtlasLayout packGlyphs(const std::vector<std::pair<int, int>>& sizes) {
  AtlasLayout layout;
  int widest = 0;
  for (const auto& [width, rows] : sizes) widest = std::max(widest, width);
  layout.width = powerOfTwoCovering(std::max(kAtlasWidth, widest + 2));
  int x = 1;
  int y = 1;
  int shelf = 0;  // the tallest bitmap on the current shelf
  for (const auto& [width, rows] : sizes) {
    GlyphCell cell;
    cell.width = std::max(width, 0);
    cell.rows = std::max(rows, 0);
    if (x + cell.width + 1 > layout.width) {
      x = 1;
      y += shelf + 1;
      shelf = 0;
    }
    cell.x = x;
    cell.y = y;
    x += cell.width + 1;
    shelf = std::max(shelf, cell.rows);
    layout.cells.push_back(cell);
  }
  layout.height = powerOfTwoCovering(y + shelf + 1);
  return layout;
}

std::vector<std::uint8_t> atlasTexels(const std::vector<GlyphBitmap>& bitmaps,
                                      const AtlasLayout& layout) {
  std::vector<std::uint8_t> texels(
      static_cast<std::size_t>(layout.width) * layout.height * 2, 0);
  for (std::size_t i = 0; i < bitmaps.size() && i < layout.cells.size(); ++i) {
    const GlyphCell& cell = layout.cells[i];
    copyCoverage(bitmaps[i], cell.x, cell.y, cell.x + cell.width,
                 cell.y + cell.rows, layout.width, texels);
  }
  return texels;
}
