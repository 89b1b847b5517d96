// The sprites' drawing state.
#include "render/sprite_state.h"

#include <GL/gl.h>

SpriteState::SpriteState(Texture texture) {
  if (texture == Texture::On) glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

SpriteState::~SpriteState() {
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
