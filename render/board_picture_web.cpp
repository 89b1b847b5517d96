// The board's picture in the browser: a texture the canvas's size, drawn
// into through a framebuffer and shown as one quad, for WebGL 1 copies no
// framebuffers. Drawing every sprite again through the GL emulation costs a
// still level's once-a-second clock frame most of its time.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "render/board_layer.h"
#include "render/page_quads.h"
#include "render/scenery.h"
#include "render/world.h"

// The canvas is cleared after every frame it shows, so no draw blends over
// the last frame: the picture can always be kept.
bool BoardLayer::keepable() { return fitWindow(); }

bool BoardLayer::makePicture(int newWidth, int newHeight) {
  if (framebuffer == 0) {
    glGenTextures(1, &texture);
    glGenFramebuffers(1, &framebuffer);
  }
  GLint previousTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // Any size, as WebGL 1 allows it: no mipmaps, edges clamped. Shown texel
  // for pixel.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, newWidth, newHeight, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                         texture, 0);
  const bool complete =
      glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  return complete;
}

void BoardLayer::redraw(const std::vector<SpriteDraw>& base, bool) {
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  // Cleared as the browser clears the canvas, whatever the game's colour.
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
  scenery().drawBackground();
  drawSprites(base);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void BoardLayer::show() const {
  // Texel for pixel over the whole viewport, unblended.
  drawPageQuads({kWorldLeft, kWorldTop, 0.0f, 1.0f,      //
                 kWorldLeft, kWorldBottom, 0.0f, 0.0f,   //
                 kWorldRight, kWorldBottom, 1.0f, 0.0f,  //
                 kWorldRight, kWorldTop, 1.0f, 1.0f},
                texture, {1.0f, 1.0f, 1.0f, 1.0f}, false);
}
