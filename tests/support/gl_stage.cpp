// Test support: the in-process drawing stage, set up once per process as a
// gtest environment.
#include "tests/support/gl_stage.h"

#include <GL/freeglut.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "puzzle/board.h"
#include "render/board_sprites.h"
#include "render/camera.h"
#include "render/scenery.h"
#include "tests/support/png_files.h"

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr float kPixelsPerUnit = 8.0f;

// Eight texels a side: the outer two rows and columns opaque white.
std::vector<unsigned char> ringPicture() {
  std::vector<unsigned> rgba;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool edge = x < 2 || x > 5 || y < 2 || y > 5;
      rgba.insert(rgba.end(), {255u, 255u, 255u, edge ? 255u : 0u});
    }
  }
  return rgbaPng(8, 8, rgba);
}

void writeTestPictures() {
  std::filesystem::create_directory("images");
  writeFile(picturePath("background.png"),
            solidPng(kWindowWidth, kWindowHeight, kBackgroundGrey,
                     kBackgroundGrey, kBackgroundGrey));
  writeFile(picturePath("titlescreen.png"),
            solidPng(kWindowWidth, kWindowHeight, 0, 0, 255, 0));
  writeFile(picturePath("instructions.png"),
            solidPng(kWindowWidth, kWindowHeight, 0, 255, 0, 0));
  writeFile(picturePath("gameover.png"),
            solidPng(kWindowWidth, kWindowHeight, 255, 0, 0, 0));
  for (int sides = 3; sides <= 8; ++sides) {
    const unsigned grey = static_cast<unsigned>(shapeGrey(sides));
    writeFile(picturePath("shape" + std::to_string(sides) + ".png"),
              solidPng(32, 32, grey, grey, grey));
  }
  writeFile(picturePath("node.png"), solidPng(2, 2, 255, 255, 255));
  writeFile(picturePath("nodeoutline.png"), ringPicture());
  writeFile(picturePath("selector.png"), ringPicture());
  writeFile(picturePath("link.png"),
            rgbaPng(2, 2,
                    {255, 0, 0, 255, 0, 255, 0, 255,  //
                     0, 0, 255, 255, 255, 255, 0, 255}));
}

struct GlStage : testing::Environment {
  VirtualDisplay screen;
  std::string runDir;

  void SetUp() override {
    ASSERT_TRUE(screen.start());
    setenv("DISPLAY", screen.name.c_str(), 1);
    char pattern[] = "/tmp/linkloom-draw-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    runDir = pattern;
    ASSERT_EQ(chdir(runDir.c_str()), 0);
    writeTestPictures();

    int argc = 1;
    char name[] = "draw_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowWidth, kWindowHeight);
    glutCreateWindow("draw tests");
    // The state Game::init sets before it builds anything.
    glShadeModel(GL_FLAT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    camera().reshape(kWindowWidth, kWindowHeight);

    scenery().load();
    scenery().setRect(75.0, 50.0, 0.0, -50.0);
    buildBoardSprites(board());
    board().build();
  }

  // The toolkit lets go of the server before it stops; freeglut would
  // otherwise end the process when the connection breaks.
  void TearDown() override {
    glutExit();
    if (!runDir.empty()) std::filesystem::remove_all(runDir);
  }
};

// gtest owns and deletes the environment.
testing::Environment* const stage =
    testing::AddGlobalTestEnvironment(new GlStage);

}  // namespace

int shapeGrey(int sides) { return 30 * sides; }

std::string picturePath(const std::string& name) { return "./images/" + name; }

void drawPlayingFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  camera().apply();
  scenery().drawBackground();
  board().draw();
}

Rgb windowPixel(int x, int y) {
  glFinish();
  GLubyte rgb[3] = {0, 0, 0};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

Rgb worldPixel(float x, float y) {
  return windowPixel(static_cast<int>((x + 50.0f) * kPixelsPerUnit),
                     static_cast<int>(y * kPixelsPerUnit));
}

testing::AssertionResult near(const Rgb& actual, const Rgb& expected,
                              int tolerance) {
  const bool close = std::abs(actual.r - expected.r) <= tolerance &&
                     std::abs(actual.g - expected.g) <= tolerance &&
                     std::abs(actual.b - expected.b) <= tolerance;
  std::ostringstream text;
  text << "(" << actual.r << ", " << actual.g << ", " << actual.b
       << ") against (" << expected.r << ", " << expected.g << ", "
       << expected.b << ")";
  return close ? testing::AssertionSuccess() << text.str()
               : testing::AssertionFailure() << text.str();
}

int liveTextures() {
  int count = 0;
  for (GLuint name = 1; name <= 4096; ++name) count += glIsTexture(name);
  return count;
}
