// Glyph texture layout, on its arithmetic alone.
#include "render/glyph_font_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A bitmap whose every pixel has its own nonzero coverage, and whose row
// padding is 0xee, so a texel read from the wrong pixel or row shows.
struct NumberedBitmap {
  std::vector<std::uint8_t> bytes;
  GlyphBitmap bitmap;

  NumberedBitmap(int width, int rows, int pitch) : bytes(pitch * rows, 0xee) {
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < width; ++x) bytes[y * pitch + x] = coverage(x, y);
    bitmap = {width, rows, pitch, bytes.data()};
  }
  static std::uint8_t coverage(int x, int y) {
    return static_cast<std::uint8_t>(1 + x + 16 * y);
  }
};

// Luminance and alpha of texel (x, y).
std::pair<int, int> texel(const std::vector<std::uint8_t>& texels,
                          const GlyphLayout& layout, int x, int y) {
  const int at = 2 * (y * layout.width + x);
  return {texels[at], texels[at + 1]};
}

TEST(GlyphLayout, TextureSidesAreTheSmallestCoveringPowersOfTwo) {
  EXPECT_EQ(powerOfTwoCovering(0), 1);
  EXPECT_EQ(powerOfTwoCovering(1), 1);
  EXPECT_EQ(powerOfTwoCovering(2), 2);
  EXPECT_EQ(powerOfTwoCovering(5), 8);
  EXPECT_EQ(powerOfTwoCovering(9), 16);
  EXPECT_EQ(powerOfTwoCovering(16), 16);
  EXPECT_EQ(powerOfTwoCovering(17), 32);
  EXPECT_EQ(powerOfTwoCovering(61), 64);
}

TEST(GlyphLayout, FiveByNineBitmapFillsPartOfAnEightBySixteenTexture) {
  const GlyphLayout layout = glyphLayout(5, 9);
  EXPECT_EQ(layout.width, 8);
  EXPECT_EQ(layout.height, 16);
  EXPECT_FLOAT_EQ(layout.u, 0.625f);
  EXPECT_FLOAT_EQ(layout.v, 0.5625f);

  const NumberedBitmap source(5, 9, 5);
  const std::vector<std::uint8_t> texels = glyphTexels(source.bitmap, layout);
  ASSERT_EQ(texels.size(), 8u * 16u * 2u);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int expected = x < 5 && y < 9 ? NumberedBitmap::coverage(x, y) : 0;
      EXPECT_EQ(texel(texels, layout, x, y), std::make_pair(expected, expected))
          << "texel " << x << "," << y;
    }
  }
}

TEST(GlyphLayout, OnePixelWideBitmapHasTwoByteRows) {
  const NumberedBitmap source(1, 3, 1);
  const GlyphLayout layout = glyphLayout(1, 3);
  EXPECT_EQ(layout.width, 1);
  EXPECT_EQ(layout.height, 4);
  const std::vector<std::uint8_t> texels = glyphTexels(source.bitmap, layout);
  const std::vector<std::uint8_t> expected = {1, 1, 17, 17, 33, 33, 0, 0};
  EXPECT_EQ(texels, expected);
}

TEST(GlyphLayout, EmptyBitmapIsOneClearTexel) {
  const GlyphLayout layout = glyphLayout(0, 0);
  EXPECT_EQ(layout.width, 1);
  EXPECT_EQ(layout.height, 1);
  EXPECT_FLOAT_EQ(layout.u, 0.0f);
  EXPECT_FLOAT_EQ(layout.v, 0.0f);
  const GlyphBitmap empty;
  EXPECT_EQ(glyphTexels(empty, layout), std::vector<std::uint8_t>(2, 0));
}

TEST(GlyphLayout, RowPaddingOfTheBitmapIsSkipped) {
  const NumberedBitmap source(3, 2, 4);  // one padding byte a row
  const GlyphLayout layout = glyphLayout(3, 2);
  const std::vector<std::uint8_t> texels = glyphTexels(source.bitmap, layout);
  EXPECT_EQ(texel(texels, layout, 0, 1), std::make_pair(17, 17));
  EXPECT_EQ(texel(texels, layout, 2, 1), std::make_pair(19, 19));
  EXPECT_EQ(texel(texels, layout, 3, 1), std::make_pair(0, 0));
}

TEST(GlyphLayout, AtlasKeepsEachBitmapWholeWithAClearTexelRoundIt) {
  // Enough 300-texel bitmaps to need a second shelf, one taller than the
  // rest, an empty one, and one wider than a shelf.
  const std::vector<std::pair<int, int>> sizes = {
      {300, 5}, {300, 9}, {0, 0}, {300, 4}, {300, 6}, {1500, 2}};
  std::vector<NumberedBitmap> sources;
  std::vector<GlyphBitmap> bitmaps;
  for (const auto& [width, rows] : sizes)
    sources.emplace_back(width, rows, width);
  for (const NumberedBitmap& source : sources) bitmaps.push_back(source.bitmap);
  const AtlasLayout atlas = packGlyphs(sizes);
  EXPECT_EQ(atlas.width, 2048);
  const std::vector<std::uint8_t> texels = atlasTexels(bitmaps, atlas);
  const GlyphLayout whole{atlas.width, atlas.height, 1.0f, 1.0f};
  // Each bitmap's texels hold its own pixels, and its border is clear.
  for (size_t i = 0; i < sizes.size(); ++i) {
    const GlyphCell& cell = atlas.cells[i];
    EXPECT_EQ(cell.width, sizes[i].first);
    for (int y = cell.y - 1; y <= cell.y + cell.rows; ++y)
      for (int x = cell.x - 1; x <= cell.x + cell.width; ++x) {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < atlas.width && y < atlas.height);
        const bool inside = x >= cell.x && x < cell.x + cell.width &&
                            y >= cell.y && y < cell.y + cell.rows;
        const int expected =
            inside ? NumberedBitmap::coverage(x - cell.x, y - cell.y) : 0;
        ASSERT_EQ(texel(texels, whole, x, y).first, expected) << i;
      }
  }
}

}  // namespace
