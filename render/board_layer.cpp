// Board layer: drawing the playing field and the board, or copying them.
#include "render/board_layer.h"

#include "render/camera.h"
#include "render/scenery.h"
#include "render/texture_params.h"

namespace {

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

void BoardLayer::draw(const Board& board) {
  std::vector<SpriteDraw> base = boardBase(board);
  const std::array<double, 10> view = currentView();
  if (kept && base == shownBoard && view == shownView) {
    copy.copyToWindow();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    return;
  }
  scenery().drawBackground();
  drawSprites(base);

  kept = false;
  if (!scenery().backgroundCopy.opaque) return;
  const Camera& window = camera();
  if (copy.framebuffer == 0 || copy.width != window.width ||
      copy.height != window.height) {
    if (unable) return;
    if (texture == 0) glGenTextures(1, &texture);
    GLint previousTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // The pictures' own layout, so the copies stay plain memory copies.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, window.width, window.height, 0,
                 pictureSourceFormat, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
    // The framebuffer follows its texture to the new size.
    if (copy.framebuffer == 0) copy.wrap(texture);
    copy.width = window.width;
    copy.height = window.height;
    unable = copy.framebuffer == 0;
    if (unable) return;
  }
  copy.copyFromWindow();
  kept = true;
  shownBoard = std::move(base);
  shownView = view;
}
