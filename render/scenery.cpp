// Scenery: the full-screen pictures and where they are drawn.
#define GL_GLEXT_PROTOTYPES
#include "render/scenery.h"

#include <GL/gl.h>

#include <cmath>

#include "render/camera.h"
#include "render/display_list.h"
#include "render/picture_files.h"
#include "render/sprite_list.h"
#include "render/sprite_state.h"

namespace {
// Whole world units, as the rectangle's sides are scaled by.
double wholeLength(double length) { return std::fabs(std::trunc(length)); }

// A rectangle edge this close to a window edge lies on it.
constexpr double kEdgePixels = 1e-3;

bool sameEdge(double a, double b) { return std::fabs(a - b) < kEdgePixels; }

void loadPicture(int& list, PictureCopy& copy, const char* file) {
  if (list >= 0) return;
  int texture = -1;
  makeSpriteList(list, texture, picturePath(file).c_str());
  copy.wrap(static_cast<GLuint>(texture));
}
}  // namespace

Scenery& scenery() {
  static Scenery instance;
  return instance;
}

void Scenery::loadTitle() { loadPicture(titleSprite, titleCopy, titleFile); }

void Scenery::load() {
  loadPicture(backgroundSprite, backgroundCopy, files.background);
  loadPicture(titleSprite, titleCopy, titleFile);
  loadPicture(instructionsSprite, instructionsCopy, files.instructions);
  loadPicture(gameOverSprite, gameOverCopy, files.gameOver);
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

bool Scenery::showsOneToOne(const PictureCopy& copy) const {
  const Camera& view = camera();
  if (copy.framebuffer == 0 || copy.width != view.width ||
      copy.height != view.height)
    return false;
  // The rectangle as placeOnRect puts it, in window pixels.
  const double centreX = view.windowX((right + left) * 0.5);
  const double centreY = view.windowY((bottom + top) * 0.5);
  const double halfWidth =
      wholeLength(left - right) * 0.5 * view.pixelsPerUnit();
  const double halfHeight =
      wholeLength(top - bottom) * 0.5 * view.pixelsPerUnit();
  return sameEdge(centreX - halfWidth, 0.0) &&
         sameEdge(centreX + halfWidth, view.width) &&
         sameEdge(centreY - halfHeight, 0.0) &&
         sameEdge(centreY + halfHeight, view.height);
}

void Scenery::drawBackground() const {
  // Blending and the alpha test change nothing where every texel is opaque.
  if (backgroundCopy.opaque && showsOneToOne(backgroundCopy)) {
    backgroundCopy.copyIntoFrame();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    return;
  }
  const SpriteState state;
  glPushMatrix();
  placeOnRect();
  callList(static_cast<unsigned>(backgroundSprite));
  glPopMatrix();
}

void Scenery::drawOpaque(int list, const PictureCopy& copy) const {
  if (showsOneToOne(copy)) {
    copy.copyIntoFrame();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    return;
  }
  glEnable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glPushMatrix();
  placeOnRect();
  callList(static_cast<unsigned>(list));
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Scenery::drawTitle() const { drawOpaque(titleSprite, titleCopy); }

void Scenery::drawInstructions() const {
  drawOpaque(instructionsSprite, instructionsCopy);
}

void Scenery::drawGameOver() const { drawOpaque(gameOverSprite, gameOverCopy); }
