// Board layer: the picture of the playing field and the board is drawn
// again only when they or the view change, and shown otherwise.
#include "render/board_layer.h"

#include "render/camera.h"
#include "render/scenery.h"

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

bool BoardLayer::fitWindow() {
  const Camera& window = camera();
  if (framebuffer != 0 && width == window.width && height == window.height)
    return true;
  if (unable) return false;
  unable = !makePicture(window.width, window.height);
  width = window.width;
  height = window.height;
  return !unable;
}

void BoardLayer::draw(const Board& board) {
  std::vector<SpriteDraw> base = boardBase(board);
  const std::array<double, 10> view = currentView();
  if (!kept || base != shownBoard || view != shownView) {
    if (!keepable()) {
      kept = false;
      scenery().drawBackground();
      drawSprites(base);
      return;
    }
    redraw(base, kept && view == shownView);
    kept = true;
    shownBoard = std::move(base);
    shownView = view;
  }
  show();
}
