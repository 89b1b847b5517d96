// Glyph font: one texture and one display list for each character code
// 0 to 127, rasterised from a TrueType font by FreeType, and the same
// glyphs in one atlas texture, from which the game's writing is drawn a
// line to a draw.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/glyph_font_layout.h"

// The game's font, relative to its run directory.
constexpr const char* gameFontPath = "./fonts/rabiohead.ttf";

struct GlyphFont {
  static constexpr int glyphCount = 128;  // character codes 0 to 127

  float height = 0.0f;  // points of the last load
  // textures[code] is that code's texture; 0 until the first load.
  std::array<std::uint32_t, glyphCount> textures{};
  // List listBase + code draws that code's glyph at the pen (pixels, y up,
  // origin on the baseline) and moves the pen right by its whole-pixel
  // advance. It binds its texture and enables nothing: the caller sets
  // texturing, blending and colour. 0 until the first load.
  std::uint32_t listBase = 0;
  // advances[code] is how far that code's list moves the pen, pixels.
  std::array<float, glyphCount> advances{};
  // The atlas texture, atlasWidth x atlasHeight texels, and where each
  // code's bitmap lies in it; 0 until the first load.
  std::uint32_t atlas = 0;
  int atlasWidth = 1;
  int atlasHeight = 1;
  std::array<GlyphCell, glyphCount> cells{};

  // Builds a fresh set of 128 glyphs from the font file at path, rendered
  // at heightPoints and 96 dpi; once the file has opened as a font, the set
  // of any earlier load is released first, so one set exists at a time.
  // Called at start-up and at every restart; needs the current GL context.
  // Throws std::runtime_error with FreeType's failing step when the library
  // cannot start, the file cannot be read (readAssetFile) or opened as a
  // font, or a glyph cannot be loaded or copied.
  void load(const std::string& path, unsigned heightPoints);
};

// The game's one glyph font, created on first use.
GlyphFont& glyphFont();
