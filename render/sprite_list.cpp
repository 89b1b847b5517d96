// Sprite lists: loading the picture and compiling its textured square.
#include "render/sprite_list.h"

#include <GL/gl.h>

#include "render/display_list.h"
#include "render/png_texture.h"

namespace {

struct SquareCorner {
  float x, y;  // on the unit square
  float s, t;  // texture coordinates
};

// Counter-clockwise from the bottom left, seen from +z.
constexpr SquareCorner squareCorners[] = {{-0.5f, -0.5f, 0.0f, 1.0f},
                                          {0.5f, -0.5f, 1.0f, 1.0f},
                                          {0.5f, 0.5f, 1.0f, 0.0f},
                                          {-0.5f, 0.5f, 0.0f, 0.0f}};

}  // namespace

void makeSpriteList(int& listSlot, int& textureSlot, const char* path) {
  if (listSlot >= 0) return;
  if (textureSlot < 0) textureSlot = static_cast<int>(loadPngTexture(path));

  listSlot = static_cast<int>(newLists(1));
  const auto texture = static_cast<GLuint>(textureSlot);
  compileList(static_cast<GLuint>(listSlot), [texture] {
    // After a failed load this binds texture 0, which draws untextured.
    glBindTexture(GL_TEXTURE_2D, texture);
    // t = 0 on the top edge, where the loader put the picture's top row.
    // Every vertex names its normal: the browser's GL emulation keeps
    // only attributes that each vertex of a glBegin block gives.
    glBegin(GL_QUADS);
    for (const SquareCorner& corner : squareCorners) {
      glNormal3f(0.0f, 0.0f, 1.0f);
      glTexCoord2f(corner.s, corner.t);
      glVertex2f(corner.x, corner.y);
    }
    glEnd();
  });
}

void makeSpriteFromFile(int& listSlot, const char* path) {
  int textureSlot = -1;
  makeSpriteList(listSlot, textureSlot, path);
}
