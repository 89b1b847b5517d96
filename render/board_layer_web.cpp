// Board layer in the browser: WebGL 1 copies no framebuffers, so every
// frame draws the playing field and the board.
#include "render/board_layer.h"
#include "render/scenery.h"

BoardLayer& boardLayer() {
  static BoardLayer instance;
  return instance;
}

void BoardLayer::draw(const Board& board) {
  scenery().drawBackground();
  drawSprites(boardBase(board));
}
