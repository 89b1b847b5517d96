// Test support: the in-process drawing stage, set up once per process as a
// gtest environment.
#include "tests/support/gl_stage.h"

#include <GL/gl.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "puzzle/board.h"
#include "render/board_sprites.h"
#include "render/camera.h"
#include "render/picture_files.h"
#include "render/scenery.h"
#include "render/world.h"
#include "tests/support/png_files.h"
#include "tests/support/run_dir.h"

namespace {

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
  writeFile(picturePath(backgroundFile),
            solidPng(kWindowWidth, kWindowHeight, kBackgroundGrey,
                     kBackgroundGrey, kBackgroundGrey));
  writeFile(picturePath(titleFile),
            solidPng(kWindowWidth, kWindowHeight, 0, 0, 255, 0));
  writeFile(picturePath(instructionsFile),
            solidPng(kWindowWidth, kWindowHeight, 0, 255, 0, 0));
  writeFile(picturePath(gameOverFile),
            solidPng(kWindowWidth, kWindowHeight, 255, 0, 0, 0));
  for (int sides = kMinSides; sides <= kMaxSides; ++sides) {
    const unsigned grey = static_cast<unsigned>(shapeGrey(sides));
    writeFile(picturePath(shapeFiles[sides - kMinSides]),
              solidPng(32, 32, grey, grey, grey));
  }
  writeFile(picturePath(nodeFile), solidPng(2, 2, 255, 255, 255));
  writeFile(picturePath(nodeOutlineFile), ringPicture());
  writeFile(picturePath(selectorFile), ringPicture());
  writeFile(picturePath(linkFile), rgbaPng(2, 2,
                                           {255, 0, 0, 255, 0, 255, 0, 255,  //
                                            0, 0, 255, 255, 255, 255, 0, 255}));
}

struct GlStage : testing::Environment {
  GlWindow window;
  std::optional<RunDir> runDir;

  void SetUp() override {
    runDir.emplace();
    ASSERT_EQ(chdir(runDir->path.c_str()), 0);
    writeTestPictures();

    ASSERT_NO_FATAL_FAILURE(
        window.open(kWindowWidth, kWindowHeight, "draw tests"));
    // The state Game::init sets before it builds anything.
    glShadeModel(GL_FLAT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    camera().reshape(kWindowWidth, kWindowHeight);

    scenery().load();
    scenery().setRect(kWorldTop, kWorldRight, kWorldBottom, kWorldLeft);
    buildBoardSprites(board());
    board().build();
  }

  void TearDown() override {
    window.close();
    runDir.reset();
  }
};

// gtest owns and deletes the environment.
testing::Environment* const stage =
    testing::AddGlobalTestEnvironment(new GlStage);

}  // namespace

int shapeGrey(int sides) { return 30 * sides; }

void loadQuietLevel(int index) {
  Board& b = board();
  b.levelIndex = index;
  b.loadLevel();
  b.selectedNode = nullptr;
  b.hoveredNode = nullptr;
  b.reachesSink = false;
}

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

std::vector<unsigned char> backBuffer() {
  glFinish();
  std::vector<unsigned char> rgb(static_cast<std::size_t>(camera().width) *
                                 camera().height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, camera().width, camera().height, GL_RGB, GL_UNSIGNED_BYTE,
               rgb.data());
  return rgb;
}

Rgb worldPixel(float x, float y) {
  // Read back from the bottom-left, where the window counts from the top.
  return windowPixel(static_cast<int>(pixelX(x)),
                     static_cast<int>(kWindowHeight - pixelY(y)));
}

bool GlState::operator==(const GlState& other) const {
  return texture == other.texture && blend == other.blend &&
         alphaTest == other.alphaTest && colour == other.colour;
}

GlState glState() {
  GlState state{glIsEnabled(GL_TEXTURE_2D) == GL_TRUE,
                glIsEnabled(GL_BLEND) == GL_TRUE,
                glIsEnabled(GL_ALPHA_TEST) == GL_TRUE,
                {}};
  glGetFloatv(GL_CURRENT_COLOR, state.colour.data());
  return state;
}

void PrintTo(const GlState& state, std::ostream* out) {
  *out << "texture " << state.texture << ", blend " << state.blend
       << ", alpha test " << state.alphaTest << ", colour (" << state.colour[0]
       << ", " << state.colour[1] << ", " << state.colour[2] << ", "
       << state.colour[3] << ")";
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
