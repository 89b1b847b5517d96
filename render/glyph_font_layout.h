// Glyph texture layout: power-of-two texture sizes and the luminance-alpha
// texel bytes of one glyph bitmap, as plain arithmetic without GL.
#pragma once

#include <cstdint>
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
