// Long play: a thousand restarts' worth of glyph rebuilds and level loads
// keep the GL objects and the memory they use flat.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/level_progress.h"
#include "puzzle/levels.h"
#include "render/glyph_font.h"
#include "tests/support/gl_stage.h"

namespace {

constexpr const char* fontPath = LINKLOOM_RUN_DIR "/fonts/rabiohead.ttf";

// Live names counted up to the newest glyph set's: names of a leaked set
// would lie below it.
int liveTexturesSoFar() {
  const GlyphFont& font = glyphFont();
  return liveTextures(
      std::max(font.atlas,
               *std::max_element(font.textures.begin(), font.textures.end())));
}

int liveListsSoFar() {
  return liveLists(glyphFont().listBase + GlyphFont::glyphCount - 1);
}

long residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// What one restart from the game-over screen does, after a play-through
// that loaded every level.
void playThroughAndRestart() {
  Board& b = board();
  for (int level = 1; level < levelCount; ++level) {
    b.levelIndex = level;
    b.loadLevel();
  }
  restartPlay(b, gameState());
  glyphFont().load(fontPath, 46);
}

TEST(LongPlay, AThousandRestartsHoldOneSetOfGlObjectsAndFlatMemory) {
  for (int i = 0; i < 20; ++i) playThroughAndRestart();
  drawPlayingFrame();
  const int textures = liveTexturesSoFar();
  const int lists = liveListsSoFar();
  [[maybe_unused]] const long resident = residentKilobytes();

  for (int i = 20; i < 1000; ++i) playThroughAndRestart();
  drawPlayingFrame();
  EXPECT_EQ(liveTexturesSoFar(), textures);
  EXPECT_EQ(liveListsSoFar(), lists);
  EXPECT_EQ(board().levelIndex, 0);
#if !defined(__SANITIZE_ADDRESS__)
  // AddressSanitizer holds freed memory back on purpose, so only a plain
  // build can show the footprint staying flat; its leak checker covers the
  // sanitized one. A leaked glyph set is about 0.5 MB, so 980 of them
  // would be far beyond this slack for allocator noise.
  EXPECT_LT(residentKilobytes() - resident, 16 * 1024);
#endif
}

}  // namespace
