// Text for the pictures: TrueType faces set by cairo through FreeType.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

// One TrueType face at one pixel size.
struct Font {
  cairo_scaled_font_t* scaled = nullptr;

  // Throws std::runtime_error when FreeType cannot open path.
  Font(const std::string& path, int size);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Advance width of text in pixels, with kerning.
  double width(const std::string& text) const;
  // Draws text with its baseline at y, starting at x, in the current source.
  void draw(cairo_t* cr, const std::string& text, double x, double y) const;
  // The same, centred on x.
  void drawCentred(cairo_t* cr, const std::string& text, double x,
                   double y) const;
  // Splits text at spaces into lines no wider than maxWidth.
  std::vector<std::string> wrap(const std::string& text, double maxWidth) const;
  // The glyphs of text with the pen starting at (x, y), kerned.
  std::vector<cairo_glyph_t> layout(const std::string& text, double x,
                                    double y) const;
};
