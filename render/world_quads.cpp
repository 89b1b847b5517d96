// World quads through fixed-function GL and client arrays.
#include "render/world_quads.h"

#include <GL/gl.h>

#include "render/sprite_state.h"
#include "render/world.h"

namespace {

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

}  // namespace

void drawWorldQuads(const std::vector<float>& corners, unsigned texture,
                    const TextColour& colour) {
  if (corners.empty()) return;
  const bool textured = texture != 0;
  const WorldProjection projection;
  const SpriteState state(textured ? SpriteState::Texture::On
                                   : SpriteState::Texture::Off);
  glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
  if (textured) glBindTexture(GL_TEXTURE_2D, texture);
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
