// The scenery on screen: the playing field and the three screen pictures
// over the visible area, their opacity, and the GL state they leave.
#include "render/scenery.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <vector>

#include "render/camera.h"
#include "render/world.h"
#include "tests/support/gl_stage.h"
#include "tests/support/png_files.h"

namespace {

const Rgb kGround{kBackgroundGrey, kBackgroundGrey, kBackgroundGrey};

// The window's four corner pixels and its centre.
const std::array<std::array<int, 2>, 5> kSpots = {
    {{0, 0}, {799, 0}, {0, 599}, {799, 599}, {400, 300}}};

template <typename Draw>
void drawOnBlack(Draw draw) {
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  camera().apply();
  draw();
}

TEST(Scenery, TheBackgroundCoversTheWholeWindow) {
  drawOnBlack([] { scenery().drawBackground(); });
  for (const auto& [x, y] : kSpots)
    EXPECT_TRUE(near(windowPixel(x, y), kGround)) << x << "," << y;
}

TEST(Scenery, ScreenPicturesCoverTheWindowOpaqueWhateverTheirAlpha) {
  // Each test picture is fully transparent; drawn opaque, its colour shows.
  struct Screen {
    void (Scenery::*draw)() const;
    Rgb colour;
  };
  for (const Screen& screen : {Screen{&Scenery::drawTitle, {0, 0, 255}},
                               Screen{&Scenery::drawInstructions, {0, 255, 0}},
                               Screen{&Scenery::drawGameOver, {255, 0, 0}}}) {
    drawOnBlack([&] { (scenery().*screen.draw)(); });
    for (const auto& [x, y] : kSpots)
      EXPECT_TRUE(near(windowPixel(x, y), screen.colour)) << x << "," << y;
  }
}

TEST(Scenery, EveryDrawTurnsOffWhatItTurnedOnAndLeavesTheColourWhite) {
  for (void (Scenery::*draw)() const :
       {&Scenery::drawBackground, &Scenery::drawTitle,
        &Scenery::drawInstructions, &Scenery::drawGameOver}) {
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    (scenery().*draw)();
    EXPECT_EQ(glState(), kPutBack);
  }
}

TEST(Scenery, PicturesFillWhateverRectangleIsSet) {
  // The lower-left quarter of the view, with sides cut to whole units:
  // 50.9 wide becomes 50, centred on the rectangle's middle.
  Scenery& s = scenery();
  s.setRect(37.5, 0.9, 0.0, -50.0);
  drawOnBlack([&] { s.drawTitle(); });
  s.setRect(kWorldTop, kWorldRight, kWorldBottom, kWorldLeft);
  // Centre x -24.55, half width 25: x from -49.55 to 0.45.
  EXPECT_TRUE(near(worldPixel(-49.4f, 1.0f), {0, 0, 255}));
  EXPECT_TRUE(near(worldPixel(0.3f, 37.0f), {0, 0, 255}));
  EXPECT_TRUE(near(worldPixel(0.6f, 20.0f), {0, 0, 0}));
  EXPECT_TRUE(near(worldPixel(-20.0f, 38.0f), {0, 0, 0}));
}

TEST(Scenery, WithoutItsPictureTheBackgroundIsAWhiteSquareOverTheView) {
  const std::string background = picturePath(backgroundFile);
  const std::string aside = picturePath(backgroundFile) + ".aside";
  std::filesystem::rename(background, aside);
  Scenery& s = scenery();
  const int built = s.backgroundSprite;
  s.backgroundSprite = -1;
  s.load();
  std::filesystem::rename(aside, background);
  drawOnBlack([&] { s.drawBackground(); });
  s.backgroundSprite = built;
  for (const auto& [x, y] : kSpots)
    EXPECT_TRUE(near(windowPixel(x, y), {255, 255, 255})) << x << "," << y;
}

TEST(Scenery, ABackgroundWithClearTexelsLetsWhatLiesBeneathShow) {
  // The left half clear, the right half opaque grey: no longer a picture
  // that can be copied over the window.
  std::vector<unsigned> rgba;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      const unsigned grey = kBackgroundGrey;
      rgba.insert(rgba.end(), {grey, grey, grey, x < 400 ? 0u : 255u});
    }
  }
  Scenery& s = scenery();
  EXPECT_TRUE(s.backgroundCopy.opaque);
  const int built = s.backgroundSprite;
  const PictureCopy copy = s.backgroundCopy;
  writeFile(picturePath("background.png"), rgbaPng(800, 600, rgba));
  s.backgroundSprite = -1;
  s.load();
  writeFile(
      picturePath("background.png"),
      solidPng(800, 600, kBackgroundGrey, kBackgroundGrey, kBackgroundGrey));
  EXPECT_FALSE(s.backgroundCopy.opaque);
  drawOnBlack([&] { s.drawBackground(); });
  s.backgroundSprite = built;
  s.backgroundCopy = copy;
  EXPECT_TRUE(near(windowPixel(100, 300), {0, 0, 0}));
  EXPECT_TRUE(near(windowPixel(700, 300), kGround));
}

}  // namespace
