// Text from the glyph font's atlas, in world units.
#include "render/text_draw.h"

#include <vector>

namespace {

// The font is rasterised at 96 dpi: an em is points * 96 / 72 pixels.
float pixelsPerEm(const GlyphFont& font) { return font.height * 96.0f / 72.0f; }

bool drawable(char c) {
  return static_cast<unsigned char>(c) < GlyphFont::glyphCount;
}

}  // namespace

float textWidth(const GlyphFont& font, const std::string& text, float emUnits) {
  if (font.height <= 0.0f) return 0.0f;
  float pixels = 0.0f;
  for (const char c : text)
    if (drawable(c)) pixels += font.advances[static_cast<unsigned char>(c)];
  return pixels * emUnits / pixelsPerEm(font);
}

namespace {

float lineLeft(const GlyphFont& font, const TextLine& line, float emUnits,
               TextAlign align) {
  const float width = textWidth(font, line.text, emUnits);
  return align == TextAlign::Left     ? line.x
         : align == TextAlign::Centre ? line.x - width * 0.5f
                                      : line.x - width;
}

// One quad a glyph from the atlas, in world units: the pen moves on by
// whole pixels, as the glyph lists move it.
void addGlyphQuads(const GlyphFont& font, const std::string& text, float left,
                   float baseline, float scale, std::vector<float>& corners) {
  const float across = 1.0f / static_cast<float>(font.atlasWidth);
  const float down = 1.0f / static_cast<float>(font.atlasHeight);
  float pen = 0.0f;
  for (const char c : text) {
    if (!drawable(c)) continue;
    const auto code = static_cast<unsigned char>(c);
    const GlyphCell& cell = font.cells[code];
    if (cell.width > 0 && cell.rows > 0) {
      const float x0 = left + scale * (pen + static_cast<float>(cell.left));
      const float x1 = x0 + scale * static_cast<float>(cell.width);
      const float y1 = baseline + scale * static_cast<float>(cell.top);
      const float y0 = y1 - scale * static_cast<float>(cell.rows);
      const float s0 = static_cast<float>(cell.x) * across;
      const float s1 = static_cast<float>(cell.x + cell.width) * across;
      const float t0 = static_cast<float>(cell.y) * down;
      const float t1 = static_cast<float>(cell.y + cell.rows) * down;
      corners.insert(corners.end(), {x0, y1, s0, t0, x0, y0, s0, t1,  //
                                     x1, y0, s1, t1, x1, y1, s1, t0});
    }
    pen += font.advances[code];
  }
}

}  // namespace

void drawTextLines(const GlyphFont& font, const std::vector<TextLine>& lines,
                   float emUnits, TextAlign align, const TextColour& colour) {
  if (font.atlas == 0 || font.height <= 0.0f) return;
  const float scale = emUnits / pixelsPerEm(font);
  std::vector<float> corners;
  for (const TextLine& line : lines)
    addGlyphQuads(font, line.text, lineLeft(font, line, emUnits, align), line.y,
                  scale, corners);
  drawWorldQuads(corners, font.atlas, colour);
}

void drawText(const GlyphFont& font, const std::string& text, float x, float y,
              float emUnits, TextAlign align, const TextColour& colour) {
  drawTextLines(font, {{text, x, y}}, emUnits, align, colour);
}

void drawPanels(const std::vector<WorldBox>& boxes, const TextColour& colour) {
  std::vector<float> corners;
  for (const WorldBox& box : boxes)
    corners.insert(corners.end(), {box.left, box.bottom, box.right, box.bottom,
                                   box.right, box.top, box.left, box.top});
  drawWorldQuads(corners, 0, colour);
}

void drawPanel(float left, float bottom, float right, float top,
               const TextColour& colour) {
  drawPanels({{left, bottom, right, top}}, colour);
}
