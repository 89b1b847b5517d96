// Board sprites: the process-wide lists and their start-up build.
#include "render/board_sprites.h"

#include <algorithm>

#include "puzzle/board.h"
#include "render/picture_files.h"
#include "render/sprite_list.h"

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
    makeSpriteFromFile(sprites.shapeSprites[i],
                       picturePath(shapeFiles[i]).c_str());
  makeSpriteFromFile(sprites.nodeSprite, picturePath(nodeFile).c_str());
  makeSpriteFromFile(sprites.nodeOutlineSprite,
                     picturePath(nodeOutlineFile).c_str());
  makeSpriteFromFile(board.selectorSprite, picturePath(selectorFile).c_str());
  makeSpriteFromFile(board.linkSprite, picturePath(linkFile).c_str());
}
