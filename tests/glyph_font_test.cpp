// The glyph set built from the game's font in a real GL context, under a
// private Xvfb server.
#include <GL/gl.h>
#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/glyph_font.h"
#include "render/glyph_font_layout.h"
#include "render/sprite_state.h"
#include "render/text_draw.h"
#include "render/world.h"
#include "tests/support/gl_window.h"
#include "tests/support/run_dir.h"

namespace {

constexpr const char* fontPath = LINKLOOM_RUN_DIR "/fonts/rabiohead.ttf";
constexpr unsigned fontPoints = 46;
constexpr const char* faceMessage =
    "FT_New_Face failed (there is probably a problem with your font file)";

// What FreeType itself makes of one character, to hold the GL set against.
struct Reference {
  int advance = 0;  // whole pixels
  int width = 0;    // bitmap pixels
  int rows = 0;
};

Reference reference(unsigned code) {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  Reference result;
  if (FT_Init_FreeType(&library) != 0) return result;
  if (FT_New_Face(library, fontPath, 0, &face) == 0) {
    FT_Set_Char_Size(face, fontPoints * 64, fontPoints * 64, 96, 96);
    if (FT_Load_Char(face, code, FT_LOAD_RENDER) == 0) {
      result.advance = static_cast<int>(face->glyph->advance.x >> 6);
      result.width = static_cast<int>(face->glyph->bitmap.width);
      result.rows = static_cast<int>(face->glyph->bitmap.rows);
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return result;
}

struct Texture {
  int width = 0;
  int height = 0;
  std::vector<GLubyte> rgba;
};

Texture textureOf(unsigned code) {
  Texture texture;
  glBindTexture(GL_TEXTURE_2D, glyphFont().textures[code]);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texture.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT,
                           &texture.height);
  texture.rgba.resize(static_cast<size_t>(texture.width) * texture.height * 4);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                texture.rgba.data());
  return texture;
}

// The pen's x after calling the lists of codes from the origin.
float penAfter(std::initializer_list<unsigned> codes) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  for (unsigned code : codes) glCallList(glyphFont().listBase + code);
  GLfloat matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  return matrix[12];
}

// One GL window for the suite, and the glyph set built once in it.
struct GlyphFontTest : ::testing::Test {
  static GlWindow* window;

  static void SetUpTestSuite() {
    window = new GlWindow;
    ASSERT_NO_FATAL_FAILURE(window->open(256, 256, "glyph font test"));
    glyphFont().load(fontPath, fontPoints);
  }
  static void TearDownTestSuite() {
    window->close();
    delete window;
    window = nullptr;
  }
};
GlWindow* GlyphFontTest::window = nullptr;

TEST_F(GlyphFontTest, SpaceIsOneClearTexelAndStillMovesThePen) {
  const Texture space = textureOf(' ');
  EXPECT_EQ(space.width, 1);
  EXPECT_EQ(space.height, 1);
  EXPECT_EQ(space.rgba, std::vector<GLubyte>(4, 0));
  const int advance = reference(' ').advance;
  EXPECT_GT(advance, 0);
  EXPECT_FLOAT_EQ(penAfter({' '}), advance);
}

TEST_F(GlyphFontTest, LetterTextureCarriesCoverageInEveryChannel) {
  const Reference a = reference('A');
  const Texture texture = textureOf('A');
  EXPECT_EQ(texture.width, powerOfTwoCovering(a.width));
  EXPECT_EQ(texture.height, powerOfTwoCovering(a.rows));
  int covered = 0;
  for (size_t i = 0; i < texture.rgba.size(); i += 4) {
    const GLubyte* t = &texture.rgba[i];
    ASSERT_TRUE(t[0] == t[3] && t[1] == t[3] && t[2] == t[3]) << "texel " << i;
    covered += t[3] > 0;
  }
  EXPECT_GT(covered, a.width);
  // Beyond the bitmap the texture is clear.
  EXPECT_EQ(texture.rgba.back(), 0);
}

TEST_F(GlyphFontTest, ListsMoveThePenByWholePixelAdvances) {
  const int a = reference('A').advance;
  const int b = reference('B').advance;
  EXPECT_FLOAT_EQ(penAfter({'A'}), a);
  EXPECT_FLOAT_EQ(penAfter({'A', 'B'}), a + b);
}

TEST_F(GlyphFontTest, UnmappedCodesGetTheMissingGlyphShape) {
  // Control codes have no glyph in the font: each gets glyph 0, the
  // font's box, not an empty texture.
  const Texture first = textureOf(1);
  const Texture second = textureOf(2);
  EXPECT_GT(first.width * first.height, 1);
  EXPECT_EQ(first.width, second.width);
  EXPECT_EQ(first.rgba, second.rgba);
  EXPECT_NE(first.rgba, std::vector<GLubyte>(first.rgba.size(), 0));
  EXPECT_GT(penAfter({1}), 0.0f);
}

TEST_F(GlyphFontTest, GlyphDrawsUprightOnTheBaseline) {
  // "T" in white on black, 1 unit a pixel with the pen at (20, 60): the
  // bar on top is wider than the stem, and nothing lies below the line.
  glViewport(0, 0, 256, 256);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 256, 0, 256, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  glColor3f(1, 1, 1);
  glTranslatef(20, 60, 0);
  glCallList(glyphFont().listBase + 'T');
  glDisable(GL_TEXTURE_2D);
  glFinish();

  std::vector<GLubyte> red(256 * 256);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 256, 256, GL_RED, GL_UNSIGNED_BYTE, red.data());
  auto litInRow = [&](int y) {
    int lit = 0;
    for (int x = 0; x < 256; ++x) lit += red[y * 256 + x] > 128;
    return lit;
  };
  int lowest = -1, highest = -1;
  for (int y = 0; y < 256; ++y) {
    if (litInRow(y) == 0) continue;
    if (lowest < 0) lowest = y;
    highest = y;
  }
  ASSERT_GE(lowest, 0) << "nothing drawn";
  EXPECT_GE(lowest, 59);
  EXPECT_LE(lowest, 61);
  EXPECT_GT(litInRow(highest - 2), 2 * litInRow(lowest + 2));
}

// The window's red channel after draw, white on black, the world rectangle
// over the whole window.
std::vector<GLubyte> redAfter(const std::function<void()>& draw) {
  glViewport(0, 0, 256, 256);
  glDisable(GL_DEPTH_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  draw();
  glFinish();
  std::vector<GLubyte> red(256 * 256);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 256, 256, GL_RED, GL_UNSIGNED_BYTE, red.data());
  return red;
}

TEST_F(GlyphFontTest, TextFromTheAtlasLooksAsTheGlyphListsDrawIt) {
  // Glyphs with descenders, tall ones and a space, scaled down as in play.
  const std::string text = "Ag |j{W";
  constexpr float em = 9.0f;
  constexpr float x = kWorldLeft + 3.0f;
  constexpr float y = 30.0f;
  const std::vector<GLubyte> atlas = redAfter([&] {
    drawText(glyphFont(), text, x, y, em, TextAlign::Left, {1, 1, 1, 1});
  });
  const std::vector<GLubyte> lists = redAfter([&] {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(kWorldLeft, kWorldRight, kWorldBottom, kWorldTop, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const SpriteState state;
    glTranslatef(x, y, 0);
    const float scale = em / (fontPoints * 96.0f / 72.0f);
    glScalef(scale, scale, 1);
    for (const char c : text) glCallList(glyphFont().listBase + c);
  });
  int lit = 0;
  int apart = 0;
  for (size_t i = 0; i < atlas.size(); ++i) {
    lit += lists[i] > 128;
    apart += std::abs(atlas[i] - lists[i]) > 16;
  }
  EXPECT_GT(lit, 100);
  EXPECT_EQ(apart, 0);
}

TEST_F(GlyphFontTest, ReloadsReplaceTheSetInsteadOfAddingOne) {
  // A texture for each glyph, and the atlas.
  ASSERT_EQ(liveLists(), GlyphFont::glyphCount);
  ASSERT_EQ(liveTextures(), GlyphFont::glyphCount + 1);
  for (int restart = 0; restart < 3; ++restart)
    glyphFont().load(fontPath, fontPoints);
  EXPECT_EQ(liveLists(), GlyphFont::glyphCount);
  EXPECT_EQ(liveTextures(), GlyphFont::glyphCount + 1);
  EXPECT_TRUE(glIsTexture(glyphFont().atlas));
  EXPECT_TRUE(glIsList(glyphFont().listBase + 127));
  EXPECT_TRUE(glIsTexture(glyphFont().textures[127]));
}

TEST_F(GlyphFontTest, LoadPutsBackTheCallersUnpackAlignment) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
  glyphFont().load(fontPath, fontPoints);
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 8);
}

TEST_F(GlyphFontTest, FileThatIsNoFontFailsWithTheFaceMessage) {
  const RunDir scratch;
  const std::string notAFont = scratch.file("not_a_font.ttf");
  std::ofstream(notAFont) << "plain text, no outlines";
  for (const std::string& path :
       {std::string("./no/such/font.ttf"), notAFont}) {
    try {
      glyphFont().load(path, fontPoints);
      ADD_FAILURE() << path << " loaded";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), faceMessage) << path;
    }
  }
  // The set from before the failed loads is still whole.
  EXPECT_EQ(liveLists(), GlyphFont::glyphCount);
  EXPECT_FLOAT_EQ(penAfter({' '}), reference(' ').advance);
}

}  // namespace
