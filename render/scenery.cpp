// Scenery: the full-screen pictures and where they are drawn.
#include "render/scenery.h"

#include <GL/gl.h>

#include <cmath>

#include "render/picture_files.h"
#include "render/sprite_list.h"

namespace {
// Whole world units, as the rectangle's sides are scaled by.
double wholeLength(double length) { return std::fabs(std::trunc(length)); }
}  // namespace

Scenery& scenery() {
  static Scenery instance;
  return instance;
}

void Scenery::load() {
  makeSpriteFromFile(backgroundSprite, picturePath(backgroundFile).c_str());
  makeSpriteFromFile(titleSprite, picturePath(titleFile).c_str());
  makeSpriteFromFile(instructionsSprite, picturePath(instructionsFile).c_str());
  makeSpriteFromFile(gameOverSprite, picturePath(gameOverFile).c_str());
}

void Scenery::setRect(double newTop, double newRight, double newBottom,
                      double newLeft) {
  top = newTop;
  right = newRight;
  bottom = newBottom;
  left = newLeft;
}

void Scenery::placeOnRect() const {
  glTranslated((right + left) * 0.5, (bottom + top) * 0.5, 0.0);
  glScaled(wholeLength(left - right), wholeLength(top - bottom), 1.0);
}

void Scenery::drawBackground() const {
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glPushMatrix();
  placeOnRect();
  glCallList(static_cast<GLuint>(backgroundSprite));
  glPopMatrix();
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Scenery::drawOpaque(int list) const {
  glEnable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glPushMatrix();
  placeOnRect();
  glCallList(static_cast<GLuint>(list));
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Scenery::drawTitle() const { drawOpaque(titleSprite); }

void Scenery::drawInstructions() const { drawOpaque(instructionsSprite); }

void Scenery::drawGameOver() const { drawOpaque(gameOverSprite); }
