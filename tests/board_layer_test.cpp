// The kept board layer: every playing frame drawn through it, copied or
// drawn again, matches the same board drawn afresh, pixel for pixel, as
// the board, the window and the playing field change under it.
#include "render/board_layer.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "puzzle/board.h"
#include "render/board_parts.h"
#include "render/camera.h"
#include "render/scenery.h"
#include "tests/support/gl_stage.h"

namespace {

struct BoardLayerTest : testing::Test {
  Board& b = board();

  void SetUp() override {
    loadQuietLevel(0);
    b.hoverValid = true;
  }
  void TearDown() override {
    boardLook().offChainLinkAlpha = 1.0f;
    resizeWindow(800, 600);
    b.loadLevel();
  }

  // The window itself takes the size, as a player's resize gives it.
  static void resizeWindow(int width, int height) {
    glutDisplayFunc([] {});
    glutReshapeWindow(width, height);
    for (int i = 0; i < 400 && (glutGet(GLUT_WINDOW_WIDTH) != width ||
                                glutGet(GLUT_WINDOW_HEIGHT) != height);
         ++i) {
      glutMainLoopEvent();
      usleep(5000);
    }
    ASSERT_EQ(glutGet(GLUT_WINDOW_WIDTH), width);
    camera().reshape(width, height);
  }

  // A playing frame as the game draws it, over a blue buffer, so that a
  // pixel the layer left out shows.
  static std::vector<unsigned char> layerFrame() {
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    camera().apply();
    boardLayer().draw(board());
    drawMarks(board());
    return backBuffer();
  }

  static std::vector<unsigned char> freshFrame() {
    drawPlayingFrame();
    return backBuffer();
  }

  // The frame after a change, and the one after that, where nothing has
  // changed and the kept copy is shown, both against the board drawn
  // afresh.
  static void expectFramesAfter(const std::string& change,
                                const std::function<void()>& apply) {
    apply();
    const std::vector<unsigned char> drawn = layerFrame();
    const std::vector<unsigned char> copied = layerFrame();
    const std::vector<unsigned char> fresh = freshFrame();
    EXPECT_TRUE(drawn == fresh) << change << ": the frame drawn differs";
    EXPECT_TRUE(copied == fresh) << change << ": the copied frame differs";
  }
};

TEST_F(BoardLayerTest, EveryFrameMatchesTheBoardDrawnAfresh) {
  expectFramesAfter("the level's first frame", [] {});
  EXPECT_TRUE(boardLayer().kept) << "nothing was kept to copy";
  expectFramesAfter("hover", [&] { b.hoveredNode = b.gridNode(1, 1); });
  expectFramesAfter("refused hover", [&] { b.hoverValid = false; });
  expectFramesAfter("selection", [&] { b.selectedNode = b.gridNode(2, 3); });
  expectFramesAfter("a link", [&] { b.sourceNode->next = b.gridNode(0, 0); });
  expectFramesAfter("a second link",
                    [&] { b.gridNode(0, 0)->next = b.gridNode(1, 1); });
  expectFramesAfter("a link turned",
                    [&] { b.gridNode(0, 0)->next = b.gridNode(0, 1); });
  expectFramesAfter("a link removed",
                    [&] { b.gridNode(0, 0)->next = nullptr; });
  // Across nodes drawn before and after the link, which it covers and
  // which cover it.
  expectFramesAfter("a link across the grid",
                    [&] { b.gridNode(3, 3)->next = b.gridNode(0, 0); });
  expectFramesAfter("its way back",
                    [&] { b.gridNode(0, 0)->next = b.gridNode(3, 3); });
  expectFramesAfter("both gone", [&] {
    b.gridNode(3, 3)->next = nullptr;
    b.gridNode(0, 0)->next = nullptr;
  });
  expectFramesAfter("the result shown", [&] { b.reachesSink = true; });
  expectFramesAfter("the result grown", [&] { b.resultShape.size += 1.0f; });
  expectFramesAfter("the target's sides", [&] { b.targetShape.sides = 7; });
  expectFramesAfter("dimmed links", [&] {
    b.gridNode(2, 2)->next = b.gridNode(3, 3);
    boardLook().offChainLinkAlpha = 0.4f;
  });
  expectFramesAfter("the next level's colour", [&] { b.levelIndex = 1; });
  expectFramesAfter("the window back", [] {
    resizeWindow(400, 300);
    resizeWindow(800, 600);
  });
  EXPECT_TRUE(boardLayer().kept);
}

// A scaled field blends its edge pixels over what the window held, and a
// translucent one all of it: no kept picture may stand in for those.
TEST_F(BoardLayerTest, NothingIsKeptWhereTheFieldBlendsOverTheLastFrame) {
  Scenery& field = scenery();
  field.backgroundCopy.opaque = false;
  expectFramesAfter("a translucent field", [&] { b.hoveredNode = nullptr; });
  EXPECT_FALSE(boardLayer().kept);
  field.backgroundCopy.opaque = true;
  resizeWindow(400, 300);
  layerFrame();
  EXPECT_FALSE(boardLayer().kept) << "kept in a scaled window";
}

}  // namespace
