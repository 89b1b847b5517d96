// The one drawing state of sprites and text: what it switches on, and
// that every draw through it puts that back and leaves the colour white.
#include "render/sprite_state.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/hint.h"
#include "render/board_parts.h"
#include "render/glyph_font.h"
#include "render/guided_draw.h"
#include "render/text_draw.h"
#include "tests/support/gl_stage.h"

namespace {

int glInteger(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

TEST(SpriteState, BlendsLeavesClearTexelsAloneAndPutsEverythingBack) {
  for (const auto texture :
       {SpriteState::Texture::On, SpriteState::Texture::Off}) {
    const bool textured = texture == SpriteState::Texture::On;
    SCOPED_TRACE(textured ? "textured" : "untextured");
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    {
      const SpriteState state(texture);
      EXPECT_EQ(glState(),
                (GlState{textured, true, true, {1.0f, 1.0f, 1.0f, 1.0f}}));
      EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_SRC_ALPHA);
      EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
      EXPECT_EQ(glInteger(GL_ALPHA_TEST_FUNC), GL_GREATER);
      GLfloat reference = -1.0f;
      glGetFloatv(GL_ALPHA_TEST_REF, &reference);
      EXPECT_EQ(reference, 0.0f);
      glColor4f(1.0f, 0.0f, 0.0f, 0.4f);
    }
    EXPECT_EQ(glState(), kPutBack);
  }
}

// Each routine that draws sprites or text, after a colour of its own.
TEST(SpriteState, EveryDrawOfSpritesOrTextLeavesNothingOnAndWhite) {
  glyphFont().load(LINKLOOM_RUN_DIR "/fonts/rabiohead.ttf", 46);
  loadQuietLevel(0);
  Board& b = board();
  b.hoveredNode = b.gridNode(0, 0);
  b.hoverValid = false;
  Hint hint;
  hint.kind = Hint::Kind::NextLink;
  hint.from = b.sourceNode;
  hint.to = b.gridNode(0, 0);
  b.sourceNode->next = b.gridNode(0, 0);
  const struct {
    const char* name;
    void (*draw)();
  } draws[] = {
      {"sprites", [] { drawSprites(boardBase(board())); }},
      {"marks", [] { drawMarks(board()); }},
      {"text",
       [] {
         drawText(glyphFont(), "12", 0.0f, 0.0f, 4.0f, TextAlign::Left,
                  {0.1f, 0.2f, 0.3f, 1.0f});
       }},
      {"panel",
       [] {
         drawPanel(0.0f, 0.0f, 5.0f, 5.0f, {0.1f, 0.2f, 0.3f, 0.7f});
       }},
  };
  for (const auto& draw : draws) {
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    draw.draw();
    EXPECT_EQ(glState(), kPutBack) << draw.name;
  }
  glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
  drawHint(b, hint);
  EXPECT_EQ(glState(), kPutBack) << "hint";
  glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
  drawChainTrace(b, hint);
  EXPECT_EQ(glState(), kPutBack) << "trace";
  loadQuietLevel(0);
}

}  // namespace
