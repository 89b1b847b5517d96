// Board layer on the desktop: a framebuffer that stores its rows from the
// top, as the window does, so the software renderer copies it into the
// window as plain memory and draws into it exactly as into the window.
#define GL_GLEXT_PROTOTYPES
#include "render/board_layer.h"

#include <GL/glext.h>

#include <cstring>
#include <optional>

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

// What else the picture depends on: the window, the camera, the world
// rectangle and the playing field's list.
std::array<double, 10> currentView() {
  const Camera& view = camera();
  const Scenery& field = scenery();
  return {static_cast<double>(view.width),
          static_cast<double>(view.height),
          view.translationX,
          view.translationY,
          view.translationZ,
          field.left,
          field.right,
          field.bottom,
          field.top,
          static_cast<double>(field.backgroundSprite)};
}

}  // namespace

BoardLayer& boardLayer() {
  static BoardLayer instance;
  return instance;
}

// Makes the picture and its framebuffer the window's size; false when the
// driver cannot, which it then never tries again.
bool BoardLayer::fitWindow() {
  const Camera& window = camera();
  if (framebuffer != 0 && width == window.width && height == window.height)
    return true;
  if (unable) return false;
  if (framebuffer == 0) {
    unable = !framebufferBlits() || !hasExtension("GL_MESA_framebuffer_flip_y");
    if (unable) return false;
    glGenTextures(1, &texture);
    glGenRenderbuffers(1, &depth);
    glGenFramebuffers(1, &framebuffer);
  }
  GLint previousTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // The pictures' own layout, so the copies stay plain memory copies.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, window.width, window.height, 0,
               pictureSourceFormat, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
  // A depth buffer as the window has, unused, so the renderer takes the same
  // paths and draws the same pixels.
  glBindRenderbuffer(GL_RENDERBUFFER, depth);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, window.width,
                        window.height);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                         texture, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                            GL_RENDERBUFFER, depth);
  glFramebufferParameteri(GL_FRAMEBUFFER, kFramebufferFlipY, GL_TRUE);
  unable = glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  width = window.width;
  height = window.height;
  return !unable;
}

void BoardLayer::draw(const Board& board) {
  std::vector<SpriteDraw> base = boardBase(board);
  const std::array<double, 10> view = currentView();
  if (!kept || base != shownBoard || view != shownView) {
    const Scenery& field = scenery();
    const bool keepable = field.backgroundCopy.opaque &&
                          field.showsOneToOne(field.backgroundCopy) &&
                          fitWindow();
    if (!keepable) {
      kept = false;
      field.drawBackground();
      drawSprites(base);
      return;
    }
    std::optional<PixelBox> area;
    if (kept && view == shownView)
      area = changedArea(shownBoard, base, camera());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    if (area) {
      drawArea(base, *area);
    } else {
      field.drawBackground();
      drawSprites(base);
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    kept = true;
    shownBoard = std::move(base);
    shownView = view;
  }
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
