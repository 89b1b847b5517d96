// Board sprites: the process-wide lists and their start-up build.
#include "render/board_sprites.h"

#include <algorithm>

#include "puzzle/board.h"
#include "render/sprite_list.h"

namespace {
constexpr std::array<const char*, shapeSpriteCount> shapePaths = {
    "./images/shape3.png", "./images/shape4.png", "./images/shape5.png",
    "./images/shape6.png", "./images/shape7.png", "./images/shape8.png"};
}  // namespace

BoardSprites& boardSprites() {
  static BoardSprites instance;
  return instance;
}

int BoardSprites::shapeSprite(int sides) const {
  return shapeSprites[std::clamp(sides, kMinSides, kMaxSides) - kMinSides];
}

void buildBoardSprites(Board& board) {
  BoardSprites& sprites = boardSprites();
  sprites.shapeSprites.fill(-1);
  sprites.nodeSprite = -1;
  sprites.nodeOutlineSprite = -1;
  board.selectorSprite = -1;
  board.linkSprite = -1;

  for (int i = 0; i < shapeSpriteCount; ++i)
    makeSpriteFromFile(sprites.shapeSprites[i], shapePaths[i]);
  makeSpriteFromFile(sprites.nodeSprite, "./images/node.png");
  makeSpriteFromFile(sprites.nodeOutlineSprite, "./images/nodeoutline.png");
  makeSpriteFromFile(board.selectorSprite, "./images/selector.png");
  makeSpriteFromFile(board.linkSprite, "./images/link.png");
}
