// Text from the glyph font's atlas, in world units.
#include "render/text_draw.h"

#include <GL/gl.h>

#include <vector>

#include "render/sprite_state.h"
#include "render/world.h"

namespace {

// The font is rasterised at 96 dpi: an em is points * 96 / 72 pixels.
float pixelsPerEm(const GlyphFont& font) { return font.height * 96.0f / 72.0f; }

// The world rectangle over the whole viewport, flat, for one draw.
struct WorldProjection {
  WorldProjection() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(kWorldLeft, kWorldRight, kWorldBottom, kWorldTop, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
  }
  ~WorldProjection() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
  }
  WorldProjection(const WorldProjection&) = delete;
  WorldProjection& operator=(const WorldProjection&) = delete;
};

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

// Quads from interleaved client arrays in one draw, each corner x, y and,
// when textured, s, t: the browser's GL emulation makes garbage of every
// number a glVertex call hands it, which a still page pays for in
// collections.
void drawQuads(const std::vector<GLfloat>& corners, bool textured) {
  if (corners.empty()) return;
  const int perCorner = textured ? 4 : 2;
  const auto stride = static_cast<GLsizei>(perCorner * sizeof(GLfloat));
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, stride, corners.data());
  if (textured) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, stride, corners.data() + 2);
  }
  glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size()) / perCorner);
  if (textured) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

// One quad a glyph from the atlas, in world units: the pen moves on by
// whole pixels, as the glyph lists move it.
void addGlyphQuads(const GlyphFont& font, const std::string& text, float left,
                   float baseline, float scale, std::vector<GLfloat>& corners) {
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
  const WorldProjection projection;
  const SpriteState state;
  glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
  glBindTexture(GL_TEXTURE_2D, font.atlas);
  const float scale = emUnits / pixelsPerEm(font);
  std::vector<GLfloat> corners;
  for (const TextLine& line : lines)
    addGlyphQuads(font, line.text, lineLeft(font, line, emUnits, align), line.y,
                  scale, corners);
  drawQuads(corners, true);
}

void drawText(const GlyphFont& font, const std::string& text, float x, float y,
              float emUnits, TextAlign align, const TextColour& colour) {
  drawTextLines(font, {{text, x, y}}, emUnits, align, colour);
}

void drawPanels(const std::vector<WorldBox>& boxes, const TextColour& colour) {
  const WorldProjection projection;
  const SpriteState state(SpriteState::Texture::Off);
  glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
  std::vector<GLfloat> corners;
  for (const WorldBox& box : boxes)
    corners.insert(corners.end(), {box.left, box.bottom, box.right, box.bottom,
                                   box.right, box.top, box.left, box.top});
  drawQuads(corners, false);
}

void drawPanel(float left, float bottom, float right, float top,
               const TextColour& colour) {
  drawPanels({{left, bottom, right, top}}, colour);
}
