// Board sprites: the shape, node and outline lists every board draw uses,
// and the start-up step that builds them with the board's own two lists.
#pragma once

#include <array>

#include "puzzle/shape.h"

struct Board;

constexpr int shapeSpriteCount = kMaxSides - kMinSides + 1;

struct BoardSprites {
  // Entry i serves shapes with i + 3 sides; -1 while not built.
  std::array<int, shapeSpriteCount> shapeSprites = {-1, -1, -1, -1, -1, -1};
  int nodeSprite = -1;         // node body, tinted with the level colour
  int nodeOutlineSprite = -1;  // node outline, drawn white

  // The list for a shape with this many sides. A count outside 3 to 8 takes
  // the nearest picture instead of reading past the table.
  int shapeSprite(int sides) const;
};

// The process-wide board sprites.
BoardSprites& boardSprites();

// The sprite step of building the board, run by Game::init right before
// Board::build: sets all ten lists (the six shapes, node, outline and the
// board's selector and link) to none, then builds them from "./images" in
// that order, each with a texture of its own.
void buildBoardSprites(Board& board);
