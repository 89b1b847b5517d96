// The drawing state every sprite and every text is drawn in, set up in
// this one place.
#pragma once

// While it lives: blended, fully clear texels left alone, textured unless
// Texture::Off is asked for (plain panels), and white until a draw sets its
// colour. When it goes it puts back what it enabled and leaves the colour
// white, whatever the draws between set.
struct SpriteState {
  enum class Texture { On, Off };

  explicit SpriteState(Texture texture = Texture::On);
  ~SpriteState();
  SpriteState(const SpriteState&) = delete;
  SpriteState& operator=(const SpriteState&) = delete;
};
