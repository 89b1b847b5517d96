// Glyph texture layout: power-of-two texture sizes and the luminance-alpha
// texel bytes of one glyph bitmap, as plain arithmetic without GL.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// One 8-bit coverage bitmap as the font rasteriser hands it over: rows top
// first, each pitch bytes apart (pitch >= width), 0 empty to 255 full.
struct GlyphBitmap {
  int width = 0;  // pixels
  int rows = 0;   // pixels
  int pitch = 0;  // bytes from one row to the next
  const std::uint8_t* coverage = nullptr;
};

// The texture a bitmap is uploaded into.
struct GlyphLayout {
  int width = 1;   // texels, a power of two
  int height = 1;  // texels, a power of two
  float u = 0.0f;  // bitmap width / texture width: right edge of the glyph
  float v = 0.0f;  // bitmap rows / texture height: bottom edge of the glyph
};

// The smallest power of two not below size; 1 for sizes 0 and 1.
int powerOfTwoCovering(int size);

// The texture layout of a bitmap of width x rows pixels.
GlyphLayout glyphLayout(int width, int rows);

// Texture bytes for GL_LUMINANCE_ALPHA, rows top first and tightly packed
// (layout.width * 2 bytes each): both bytes of a texel carry the coverage
// of its bitmap pixel, and texels beyond the bitmap are 0.
std::vector<std::uint8_t> glyphTexels(const GlyphBitmap& bitmap,
                                      const GlyphLayout& layout);

// Where one glyph's bitmap lies in the font's atlas, and how it stands on
// the pen: texels of the atlas, rows counted from its top.
struct GlyphCell {
  int x = 0;
  int y = 0;
  int width = 0;  // bitmap pixels; 0 for a glyph with nothing to draw
  int rows = 0;
  int left = 0;  // pixels from the pen to the bitmap's left edge
  int top = 0;   // pixels from the baseline up to the bitmap's top row
};

// Every glyph of a font in one texture, so that a line of text is drawn
// with one texture and one draw.
struct AtlasLayout {
  int width = 1;   // texels, a power of two
  int height = 1;  // texels, a power of two
  std::vector<GlyphCell> cells;
};

// Places bitmaps of the sizes given (width, rows), in order, in shelves of
// kAtlasWidth texels (wider if one bitmap needs it), with a clear texel
// round each so that no filtered sample of one glyph reaches another.
constexpr int kAtlasWidth = 1024;
AtlasLayout packGlyphs(const std::vector<std::pair<int, int>>& sizes);

// Atlas bytes for GL_LUMINANCE_ALPHA, as glyphTexels gives them for one
// glyph: bitmaps[i] lies at layout.cells[i], all else is clear.
std::vector<std::uint8_t> atlasTexels(const std::vector<GlyphBitmap>& bitmaps,
                                      const AtlasLayout& layout);
