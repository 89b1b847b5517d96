// Sprite lists: building one, the fallback for a missing picture, and the
// order and freshness of the board's ten lists.
#include "render/sprite_list.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "puzzle/board.h"
#include "render/board_sprites.h"
#include "render/camera.h"
#include "tests/support/gl_stage.h"

namespace {

// Draws a list as a square of side units centred on (x, y), textured and
// white, over a cleared window.
void drawSprite(int list, float x, float y, float side) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  camera().apply();
  glEnable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glPushMatrix();
  glTranslatef(x, y, 0.0f);
  glScalef(side, side, 1.0f);
  glCallList(static_cast<GLuint>(list));
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
}

std::vector<int> boardLists() {
  const BoardSprites& sprites = boardSprites();
  std::vector<int> lists(sprites.shapeSprites.begin(),
                         sprites.shapeSprites.end());
  lists.insert(lists.end(), {sprites.nodeSprite, sprites.nodeOutlineSprite,
                             board().selectorSprite, board().linkSprite});
  return lists;
}

TEST(SpriteList, AListAlreadyBuiltIsLeftAloneAndNothingIsLoaded) {
  const int textures = liveTextures();
  int list = static_cast<int>(glGenLists(1));
  const int built = list;
  int texture = -1;
  makeSpriteList(list, texture, picturePath(linkFile).c_str());
  EXPECT_EQ(list, built);
  EXPECT_EQ(texture, -1);
  EXPECT_EQ(liveTextures(), textures);
}

TEST(SpriteList, AMissingPictureGivesAnUntexturedSquareInTheCurrentColour) {
  int list = -1;
  int texture = -1;
  makeSpriteList(list, texture, picturePath("missing.png").c_str());
  EXPECT_EQ(texture, 0);
  ASSERT_GE(list, 0);
  EXPECT_TRUE(glIsList(static_cast<GLuint>(list)));
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  drawSprite(list, 0.0f, 37.5f, 20.0f);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  EXPECT_TRUE(near(worldPixel(9.5f, 47.0f), {255, 255, 255}));
  EXPECT_TRUE(near(worldPixel(10.5f, 47.0f), {0, 0, 0}));
}

TEST(SpriteList, ATextureAlreadyLoadedIsUsedAsItIs) {
  int first = -1;
  int texture = -1;
  makeSpriteList(first, texture, picturePath(linkFile).c_str());
  const int loaded = texture;
  int second = -1;
  makeSpriteList(second, texture, picturePath("missing.png").c_str());
  EXPECT_EQ(texture, loaded);
  drawSprite(second, 0.0f, 37.5f, 40.0f);
  EXPECT_TRUE(near(worldPixel(-10.0f, 47.5f), {255, 0, 0}));
}

TEST(SpriteList, ThePictureStandsUprightAndUnmirroredOnTheSquare) {
  // link.png: red, green over blue, yellow. Texel centres lie a quarter of
  // the side from the middle.
  drawSprite(board().linkSprite, 0.0f, 37.5f, 40.0f);
  EXPECT_TRUE(near(worldPixel(-10.0f, 47.5f), {255, 0, 0}));
  EXPECT_TRUE(near(worldPixel(10.0f, 47.5f), {0, 255, 0}));
  EXPECT_TRUE(near(worldPixel(-10.0f, 27.5f), {0, 0, 255}));
  EXPECT_TRUE(near(worldPixel(10.0f, 27.5f), {255, 255, 0}));
}

TEST(SpriteList, BoardSpritesAreBuiltAnewInTheirOrder) {
  const std::vector<int> first = boardLists();
  buildBoardSprites(board());
  const std::vector<int> second = boardLists();
  ASSERT_EQ(second.size(), 10u);
  // Shapes 3 to 8, node, outline, selector, link: names handed out in turn.
  for (std::size_t i = 0; i < second.size(); ++i) {
    EXPECT_TRUE(glIsList(static_cast<GLuint>(second[i]))) << i;
    EXPECT_NE(second[i], first[i]) << i;
    if (i > 0) {
      EXPECT_GT(second[i], second[i - 1]) << i;
    }
  }
}

}  // namespace
