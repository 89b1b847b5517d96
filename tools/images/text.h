// Text for the screen pictures: FreeType glyphs laid into coverage masks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/images/canvas.h"

struct FontFace;

// One TrueType face at one pixel size.
struct Font {
  std::unique_ptr<FontFace> face;
  int pixelSize = 0;

  // Throws std::runtime_error when FreeType cannot open path.
  Font(const std::string& path, int size);
  ~Font();

  // Advance width of text in pixels, with kerning.
  float width(const std::string& text) const;
  // Lays text into the mask with its baseline at y, starting at x.
  void draw(Mask& mask, const std::string& text, float x, float y) const;
  // The same, centred on x.
  void drawCentred(Mask& mask, const std::string& text, float x, float y) const;
  // Splits text at spaces into lines no wider than maxWidth.
  std::vector<std::string> wrap(const std::string& text, float maxWidth) const;
};
