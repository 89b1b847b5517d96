// The camera's reshape in a real GL context: the viewport, the projection
// and the window size it asks the toolkit for, read back from GL and GLUT.
#include "render/camera.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "tests/support/gl_stage.h"

namespace {

using namespace std::chrono_literals;

struct ViewState {
  std::array<GLint, 4> viewport{};
  std::array<GLdouble, 16> projection{}, modelView{};
  GLint matrixMode = 0;

  bool operator==(const ViewState& other) const {
    return viewport == other.viewport && projection == other.projection &&
           modelView == other.modelView && matrixMode == other.matrixMode;
  }
};

ViewState viewState() {
  ViewState state;
  glGetIntegerv(GL_VIEWPORT, state.viewport.data());
  glGetDoublev(GL_PROJECTION_MATRIX, state.projection.data());
  glGetDoublev(GL_MODELVIEW_MATRIX, state.modelView.data());
  glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
  return state;
}

// Lets the toolkit carry out the size request until the window has it.
bool windowBecomes(int width, int height) {
  return waitUntil(
      [&] {
        glutMainLoopEvent();
        return glutGet(GLUT_WINDOW_WIDTH) == width &&
               glutGet(GLUT_WINDOW_HEIGHT) == height;
      },
      5s);
}

TEST(CameraReshape, At1000By500TheViewAspectIsTwoAndTheRequest1000By750) {
  camera().reshape(1000, 500);
  const ViewState state = viewState();
  EXPECT_EQ(state.viewport, (std::array<GLint, 4>{0, 0, 1000, 500}));
  // gluPerspective at 90 degrees: 1 / aspect across, 1 up.
  EXPECT_NEAR(state.projection[0], 0.5, 1e-9);
  EXPECT_NEAR(state.projection[5], 1.0, 1e-9);
  EXPECT_EQ(state.matrixMode, GL_MODELVIEW);
  EXPECT_NEAR(state.modelView[14], -37.5, 1e-6);
  EXPECT_EQ(camera().width, 1000);
  EXPECT_EQ(camera().height, 500);
  // The stage draws no frame, so its display callback does nothing.
  glutDisplayFunc([] {});
  EXPECT_TRUE(windowBecomes(1000, 750));

  // Back to the stage's size for the other tests.
  camera().reshape(800, 600);
  EXPECT_TRUE(windowBecomes(800, 600));
  camera().reshape(800, 600);
}

TEST(CameraReshape, ANonPositiveSizeLeavesTheViewportAndMatricesAsTheyWere) {
  camera().reshape(800, 600);
  const ViewState before = viewState();
  for (const auto& [width, height] :
       {std::array<int, 2>{0, 0}, {-5, 300}, {300, 0}, {640, -1}}) {
    camera().reshape(width, height);
    EXPECT_TRUE(viewState() == before) << width << " x " << height;
    EXPECT_EQ(camera().width, 800);
    EXPECT_EQ(camera().height, 600);
  }
  camera().reshape(800, 600);
}

}  // namespace
