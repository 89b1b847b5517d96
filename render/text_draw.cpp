// Text from the glyph font's atlas, in world units.
#include "render/text_draw.h"

#include <GL/gl.h>

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

void drawText(const GlyphFont& font, const std::string& text, float x, float y,
              float emUnits, TextAlign align, const TextColour& colour) {
  if (font.atlas == 0 || font.height <= 0.0f) return;
  const float width = textWidth(font, text, emUnits);
  const float left = align == TextAlign::Left     ? x
                     : align == TextAlign::Centre ? x - width * 0.5f
                                                  : x - width;
  const WorldProjection projection;
  const SpriteState state;
  glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
  glTranslatef(left, y, 0.0f);
  const float scale = emUnits / pixelsPerEm(font);
  glScalef(scale, scale, 1.0f);
  // One quad a glyph from the atlas, all in one draw: the pen moves on by
  // whole pixels, as the glyph lists move it.
  const float across = 1.0f / static_cast<float>(font.atlasWidth);
  const float down = 1.0f / static_cast<float>(font.atlasHeight);
  glBindTexture(GL_TEXTURE_2D, font.atlas);
  glBegin(GL_QUADS);
  float pen = 0.0f;
  for (const char c : text) {
    if (!drawable(c)) continue;
    const auto code = static_cast<unsigned char>(c);
    const GlyphCell& cell = font.cells[code];
    const float x0 = pen + static_cast<float>(cell.left);
    const float x1 = x0 + static_cast<float>(cell.width);
    const float top = static_cast<float>(cell.top);
    const float bottom = top - static_cast<float>(cell.rows);
    const float s0 = static_cast<float>(cell.x) * across;
    const float s1 = static_cast<float>(cell.x + cell.width) * across;
    const float t0 = static_cast<float>(cell.y) * down;
    const float t1 = static_cast<float>(cell.y + cell.rows) * down;
    if (cell.width > 0 && cell.rows > 0) {
      glTexCoord2f(s0, t0);
      glVertex2f(x0, top);
      glTexCoord2f(s0, t1);
      glVertex2f(x0, bottom);
      glTexCoord2f(s1, t1);
      glVertex2f(x1, bottom);
      glTexCoord2f(s1, t0);
      glVertex2f(x1, top);
    }
    pen += font.advances[code];
  }
  glEnd();
}

void drawPanel(float left, float bottom, float right, float top,
               const TextColour& colour) {
  const WorldProjection projection;
  const SpriteState state(SpriteState::Texture::Off);
  glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
  glBegin(GL_QUADS);
  glVertex2f(left, bottom);
  glVertex2f(right, bottom);
  glVertex2f(right, top);
  glVertex2f(left, top);
  glEnd();
}
