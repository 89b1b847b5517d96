// Changed area: where a board's sprite draws differ from the last ones, in
// window pixels, so a kept picture of them need be drawn again only there.
#pragma once

#include <optional>
#include <vector>

#include "render/board_parts.h"

struct Camera;

// Window pixels from left to right and bottom to top, counted from the
// bottom-left; right and top excluded.
struct PixelBox {
  int left = 0;
  int bottom = 0;
  int right = 0;
  int top = 0;

  bool empty() const { return right <= left || top <= bottom; }
  bool meets(const PixelBox& other) const;
  // Grows to cover other as well.
  void add(const PixelBox& other);
};

// Every pixel the sprite can touch, within the window, with a pixel to
// spare; the whole window for a sprite placed beyond any reckoning.
PixelBox spriteBox(const SpriteDraw& sprite, const Camera& view);

// The pixels where `now` drawn over the playing field can differ from
// `before` drawn over it: the boxes of the draws in one list and not in the
// other. Elsewhere the same draws cover each pixel in the same order. Empty
// when the lists are equal; nothing when the draws both lists hold come in
// a different order, so that only drawing everything again is safe.
std::optional<PixelBox> changedArea(const std::vector<SpriteDraw>& before,
                                    const std::vector<SpriteDraw>& now,
                                    const Camera& view);
