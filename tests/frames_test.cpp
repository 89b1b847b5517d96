// The game's own frames, drawn by Game::display from the generated pictures
// and read back: each screen and a busy playing frame match the committed
// reference pixel for pixel at 800 x 600, and closely when the window is
// scaled. With LINKLOOM_WRITE_FRAMES=dir the test writes the reference
// instead, for when the pictures themselves change on purpose. The clock's
// clear after a long frame and the keys are tested in the same window.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/callbacks.h"
#include "app/game.h"
#include "puzzle/game_state.h"
#include "render/camera.h"
#include "render/png_decode.h"
#include "render/world.h"
#include "tests/chain.h"
#include "tests/solving_chains.h"
#include "tests/support/gl_window.h"
#include "tests/support/png_files.h"
#include "tools/support/busy_board.h"
#include "tools/support/x_session.h"

// Xlib's macros would break gtest's templates above.
#include <GL/glx.h>
#include <X11/Xutil.h>

namespace {

// One sample a grid cell, a hundred cells across at every window size.
constexpr int kGridColumns = 100;
constexpr int kGridRows = 75;
// Scaled windows sample the picture bilinearly at other points; rounding
// may move a channel by a step or two, a changed picture by far more.
constexpr int kScaledTolerance = 6;

struct Frame {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;  // rows top first

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

struct FrameStage : testing::Environment {
  GlWindow window;

  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(chdir(LINKLOOM_RUN_DIR), 0);
    ASSERT_NO_FATAL_FAILURE(
        window.open(kWindowWidth, kWindowHeight, "frames test"));
    glutReshapeFunc(onReshape);
    glutDisplayFunc([] {});
    game().init();
    game().finishStartUp();
    // Pixels cannot be read back from a window that is not shown yet.
    glutWindowStatusFunc([](int status) { shown = status != GLUT_HIDDEN; });
    for (int i = 0; i < 400 && !shown; ++i) {
      glutMainLoopEvent();
      usleep(5000);
    }
    ASSERT_TRUE(shown);
  }

  static inline bool shown = false;

  void TearDown() override { window.close(); }
};

testing::Environment* const stage =
    testing::AddGlobalTestEnvironment(new FrameStage);

// Asks for a window size and lets the toolkit deliver the reshape.
void resizeWindow(int width, int height) {
  glutReshapeWindow(width, height);
  for (int i = 0;
       i < 200 && (camera().width != width || camera().height != height); ++i) {
    glutMainLoopEvent();
    usleep(5000);
  }
  ASSERT_EQ(camera().width, width);
  ASSERT_EQ(camera().height, height);
}

// What the player sees after Game::display, read from the window itself.
// The first frame after a resize still goes to the buffers of the old size,
// so the screen is drawn twice.
Frame shownFrame() {
  game().display();
  game().display();
  glFinish();
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  XSync(display, False);
  Frame frame{camera().width, camera().height, {}};
  XImage* image = XGetImage(display, window, 0, 0, frame.width, frame.height,
                            AllPlanes, ZPixmap);
  if (image == nullptr) return frame;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const unsigned long value = XGetPixel(image, x, y);
      frame.rgb.insert(frame.rgb.end(),
                       {static_cast<unsigned char>(value >> 16),
                        static_cast<unsigned char>(value >> 8),
                        static_cast<unsigned char>(value)});
    }
  }
  XDestroyImage(image);
  return frame;
}

std::uint64_t fingerprint(const Frame& frame) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
  for (unsigned char byte : frame.rgb) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

// The centre pixel of each grid cell, as an RGB sample list.
std::vector<unsigned> gridSamples(const Frame& frame) {
  std::vector<unsigned> samples;
  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      const Rgb p = frame.at((2 * column + 1) * frame.width / kGridColumns / 2,
                             (2 * row + 1) * frame.height / kGridRows / 2);
      samples.insert(samples.end(),
                     {unsigned(p.r), unsigned(p.g), unsigned(p.b)});
    }
  }
  return samples;
}

std::string referencePath(const std::string& name) {
  return std::string(LINKLOOM_FRAMES_DIR) + "/" + name;
}

std::map<std::string, std::string> referenceFingerprints() {
  std::map<std::string, std::string> prints;
  std::ifstream in(referencePath("fingerprints.txt"));
  std::string key, value;
  while (in >> key >> value) prints[key] = value;
  return prints;
}

std::string hex(std::uint64_t value) {
  std::ostringstream text;
  text << std::hex << value;
  return text.str();
}

struct Screen {
  const char* name;
  ScreenState state;
};
const Screen kScreens[] = {{"title", ScreenState::Title},
                           {"instructions", ScreenState::Instructions},
                           {"gameover", ScreenState::GameOver},
                           {"playing", ScreenState::Playing}};

// Names a screen's reference at a window size, such as "title_800x600".
std::string referenceKey(const Screen& screen, int width, int height) {
  return std::string(screen.name) + "_" + std::to_string(width) + "x" +
         std::to_string(height);
}

Frame frameOf(const Screen& screen) {
  if (screen.state == ScreenState::Playing) setUpBusyBoard();
  gameState().screenState = screen.state;
  return shownFrame();
}

// Writes the reference at every size when asked to; true when it did.
bool writeReferenceIfAsked(int width, int height) {
  const char* out = std::getenv("LINKLOOM_WRITE_FRAMES");
  if (out == nullptr) return false;
  std::ofstream prints(std::string(out) + "/fingerprints.txt", std::ios::app);
  for (const Screen& screen : kScreens) {
    const Frame frame = frameOf(screen);
    const std::string key = referenceKey(screen, width, height);
    PngPicture grid{kGridColumns,
                    kGridRows,
                    PNG_COLOR_TYPE_RGB,
                    8,
                    false,
                    gridSamples(frame),
                    {},
                    {},
                    0.0};
    writeFile(std::string(out) + "/" + key + ".png", encodePng(grid));
    prints << key << " " << hex(fingerprint(frame)) << "\n";
  }
  return true;
}

// Every screen against its reference grid; at 800 x 600 also the whole
// frame's fingerprint, so a single changed pixel fails.
void expectReferenceFrames(int width, int height, bool exact) {
  ASSERT_NO_FATAL_FAILURE(resizeWindow(width, height));
  if (writeReferenceIfAsked(width, height)) return;
  const auto prints = referenceFingerprints();
  for (const Screen& screen : kScreens) {
    const std::string key = referenceKey(screen, width, height);
    const Frame frame = frameOf(screen);
    const auto reference =
        decodePngFile(referencePath(key + ".png").c_str(), kGridColumns);
    ASSERT_TRUE(reference) << key;
    ASSERT_EQ(frame.rgb.size(), std::size_t(width) * height * 3) << key;
    const std::vector<unsigned> samples = gridSamples(frame);
    ASSERT_EQ(samples.size(), reference->pixels.size()) << key;
    int worst = 0, differing = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const int off = std::abs(int(samples[i]) - int(reference->pixels[i]));
      worst = std::max(worst, off);
      differing += off > 0;
    }
    if (exact) {
      EXPECT_EQ(hex(fingerprint(frame)), prints.at(key))
          << key << ": " << differing << " grid samples differ, by up to "
          << worst;
    } else {
      EXPECT_LE(worst, kScaledTolerance)
          << key << ": " << differing << " grid samples differ";
    }
  }
}

TEST(Frames, EveryScreenShowsExactlyTheReferenceAt800By600) {
  expectReferenceFrames(800, 600, true);
}

TEST(Frames, ScaledWindowsShowTheReferenceWithinRounding) {
  expectReferenceFrames(1000, 750, false);
  expectReferenceFrames(400, 300, false);
  resizeWindow(800, 600);
}

// The back buffer's centre after the frame clock has ticked at this many
// milliseconds since the last tick, over a blue buffer.
Rgb centreAfterFrameOf(std::uint32_t milliseconds) {
  glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  game().lastTime =
      static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME)) - milliseconds;
  game().tickClock();
  GLubyte rgb[3] = {0, 0, 0};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(400, 300, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

TEST(Frames, OnlyAnOverLongFrameClearsTheBuffersToWhite) {
  const Rgb afterShort = centreAfterFrameOf(50);
  EXPECT_EQ(afterShort.b - afterShort.r, 255) << "a short frame cleared";
  const Rgb afterLong = centreAfterFrameOf(1000);
  EXPECT_EQ(afterLong.r + afterLong.g + afterLong.b, 3 * 255);
  EXPECT_DOUBLE_EQ(game().lastFrameTime(), 0.12);
}

// On the title screen no frame evaluates, so only the key can.
TEST(Keys, TAloneEvaluatesTheChainAndNothingFollowsFromIt) {
  gameState().screenState = ScreenState::Title;
  board().restart();
  board().reachesSink = false;
  linkChain(board(), solvingChains[0]);
  onKey('x', 0, 0);
  onOtherKey('t', 0, 0);
  onOtherKey(GLUT_KEY_F1, 0, 0);
  EXPECT_FALSE(board().reachesSink) << "another key evaluated";
  onKey('t', 0, 0);
  EXPECT_TRUE(board().reachesSink);
  EXPECT_TRUE(board().resultShape.equals(board().targetShape));
  EXPECT_FALSE(gameState().levelPause) << "a solved chain started the pause";
  EXPECT_EQ(gameState().screenState, ScreenState::Title);
  board().restart();
}

}  // namespace
