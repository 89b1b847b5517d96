// The board's picture on the desktop: a framebuffer that stores its rows
// from the top, as the window does, so the software renderer copies it
// into the window as plain memory and draws into it exactly as into the
// window.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>
#include <optional>

#include "render/board_layer.h"
#include "render/camera.h"
#include "render/picture_copy.h"
#include "render/scenery.h"
#include "render/texture_params.h"

namespace {

// Mesa's switch that makes a framebuffer store its rows from the top.
constexpr GLenum kFramebufferFlipY = 0x8BBB;

bool hasExtension(const char* name) {
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  for (GLint i = 0; i < count; ++i) {
    const auto* each = reinterpret_cast<const char*>(
        glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
    if (each != nullptr && std::strcmp(each, name) == 0) return true;
  }
  return false;
}

}  // namespace

// A scaled field blends its edges, and a translucent one all of it, over
// the last frame, which the window has and a kept picture would not.
bool BoardLayer::keepable() {
  const Scenery& field = scenery();
  return field.backgroundCopy.opaque &&
         field.showsOneToOne(field.backgroundCopy) && fitWindow();
}

bool BoardLayer::makePicture(int newWidth, int newHeight) {
  if (framebuffer == 0) {
    if (!framebufferBlits() || !hasExtension("GL_MESA_framebuffer_flip_y"))
      return false;
    glGenTextures(1, &texture);
    glGenRenderbuffers(1, &depth);
    glGenFramebuffers(1, &framebuffer);
  }
  GLint previousTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // The pictures' own layout, so the copies stay plain memory copies.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, newWidth, newHeight, 0,
               pictureSourceFormat, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
  // A depth buffer as the window has, unused, so the renderer takes the same
  // paths and draws the same pixels.
  glBindRenderbuffer(GL_RENDERBUFFER, depth);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, newWidth,
                        newHeight);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                         texture, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                            GL_RENDERBUFFER, depth);
  glFramebufferParameteri(GL_FRAMEBUFFER, kFramebufferFlipY, GL_TRUE);
  const bool complete =
      glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  return complete;
}

void BoardLayer::redraw(const std::vector<SpriteDraw>& base, bool sameView) {
  std::optional<PixelBox> area;
  if (sameView) area = changedArea(shownBoard, base, camera());
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
  if (area) {
    drawArea(base, *area);
  } else {
    scenery().drawBackground();
    drawSprites(base);
  }
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
}

void BoardLayer::show() const {
  // Both store their rows from the top: a copy row for row.
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
  glBlitFramebuffer(0, 0, width, height, 0, 0, width, height,
                    GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}

// Every pixel of the area as drawing everything would leave it: the field
// copied, then each draw that reaches the area, in order, cut to it.
void BoardLayer::drawArea(const std::vector<SpriteDraw>& base,
                          const PixelBox& area) const {
  if (area.empty()) return;
  scenery().backgroundCopy.copyAreaIntoFrame(area.left, area.bottom, area.right,
                                             area.top);
  std::vector<SpriteDraw> reaching;
  for (const SpriteDraw& sprite : base)
    if (spriteBox(sprite, camera()).meets(area)) reaching.push_back(sprite);
  glEnable(GL_SCISSOR_TEST);
  glScissor(area.left, area.bottom, area.right - area.left,
            area.top - area.bottom);
  drawSprites(reaching);
  glDisable(GL_SCISSOR_TEST);
}
