// Sprite lists: loading the picture and compiling its textured square.
#include "render/sprite_list.h"

#include <GL/gl.h>

#include "render/png_texture.h"

void makeSpriteList(int& listSlot, int& textureSlot, const char* path) {
  if (listSlot >= 0) return;
  if (textureSlot < 0) textureSlot = static_cast<int>(loadPngTexture(path));

  listSlot = static_cast<int>(glGenLists(1));
  glNewList(static_cast<GLuint>(listSlot), GL_COMPILE);
  // After a failed load this binds texture 0, which draws untextured.
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureSlot));
  // t = 0 on the top edge, where the loader put the picture's top row.
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2f(-0.5f, -0.5f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2f(0.5f, -0.5f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2f(0.5f, 0.5f);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(-0.5f, 0.5f);
  glEnd();
  glEndList();
}

void makeSpriteFromFile(int& listSlot, const char* path) {
  int textureSlot = -1;
  makeSpriteList(listSlot, textureSlot, path);
}
