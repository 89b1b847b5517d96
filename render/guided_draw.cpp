// The traced chain and the hint's marks.
#include "render/guided_draw.h"

#include <GL/gl.h>

#include "puzzle/chain_trace.h"
#include "render/board_parts.h"

namespace {

// Board::draw's state: sprites blended, fully clear texels left alone.
struct SpriteState {
  SpriteState() {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
  }
  ~SpriteState() {
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  }
  SpriteState(const SpriteState&) = delete;
  SpriteState& operator=(const SpriteState&) = delete;
};

}  // namespace

void drawChainTrace(const Board& board) {
  const SpriteState state;
  for (const TracedNode& step : traceChain(board)) {
    if (step.node == board.sourceNode || step.node == board.sinkNode) continue;
    Shape small = step.leaving;
    small.x = step.node->x + kTraceOffsetX;
    small.y = step.node->y + kTraceOffsetY;
    small.size = step.leaving.size * kTraceScale;
    small.draw();
  }
}

void drawHint(const Board& board, const Hint& hint) {
  if (hint.kind == Hint::Kind::None) return;
  const SpriteState state;
  if (hint.kind == Hint::Kind::NextLink) {
    glColor4f(1.0f, 0.8f, 0.1f, 1.0f);
    drawLink(*hint.from, *hint.to, board.linkSprite);
    drawMark(*hint.from, board.selectorSprite);
    drawMark(*hint.to, board.selectorSprite);
  } else {
    glColor4f(1.0f, 0.15f, 0.1f, 1.0f);
    drawLink(*hint.from, *hint.to, board.linkSprite);
    drawMark(*hint.from, board.selectorSprite);
  }
}
