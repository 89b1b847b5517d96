// The traced chain, the shapes' numbers and the hint's marks.
#include "render/guided_draw.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/chain_trace.h"
#include "puzzle/shape_numbers.h"
#include "render/board_parts.h"
#include "render/glyph_font.h"
#include "render/sprite_state.h"
#include "render/text_draw.h"

namespace {

constexpr TextColour kInk{0.10f, 0.13f, 0.20f, 1.0f};
// A pale ground under each label, so its numbers read over a dimmed link
// and its extent shows which square of the grid it stands in.
constexpr TextColour kLabelGround{1.0f, 1.0f, 1.0f, 0.72f};
// The frame round a number a limit cut: dark red, but its shape tells.
constexpr TextColour kClampFrame{0.70f, 0.05f, 0.05f, 1.0f};
constexpr float kClampLine = 0.22f;  // the frame's stroke, world units
constexpr float kTextGap = 0.3f;     // between the shape and its numbers
constexpr float kLineStep = 1.75f;   // from one baseline to the next

// The four strokes of a frame round a box.
void addFrame(const WorldBox& round, std::vector<WorldBox>& strokes) {
  const float w = kClampLine;
  strokes.push_back({round.left, round.bottom, round.right, round.bottom + w});
  strokes.push_back({round.left, round.top - w, round.right, round.top});
  strokes.push_back({round.left, round.bottom, round.left + w, round.top});
  strokes.push_back({round.right - w, round.bottom, round.right, round.top});
}

// A trace's numbers, a line of its label at a time, and the frames round
// each cut number; each kind drawn at once.
void drawTraceNumbers(const TracedNode& step, const WorldBox& box) {
  const GlyphFont& font = glyphFont();
  const float space = textWidth(font, " ", kTraceNumberEm);
  std::vector<TextLine> numbers;
  std::vector<WorldBox> frames;
  for (int line = 0; line < kTraceLineCount; ++line) {
    const float baseline = traceLineBaseline(box, line);
    float x = traceTextLeft(box);
    const TraceLine& parts = kTraceLines[line];
    for (int i = parts.first; i < parts.first + parts.count; ++i) {
      const QuantityFacts& facts = kQuantities[i];
      std::string number = shortNumber(step.leaving, facts);
      const float width = textWidth(font, number, kTraceNumberEm);
      if (wasClamped(step.clamps, facts))
        addFrame({x - 0.25f, baseline - 0.35f, x + width + 0.25f,
                  baseline + kTraceNumberEm * 0.8f},
                 frames);
      numbers.push_back({std::move(number), x, baseline});
      x += width + space;
    }
  }
  drawPanels(frames, kClampFrame);
  drawTextLines(font, numbers, kTraceNumberEm, TextAlign::Left, kInk);
}

// A shape's three numbers in words, one a line, the first line's baseline
// at topBaseline.
void drawLongNumbers(const Shape& shape, float x, float topBaseline,
                     TextAlign align) {
  std::vector<TextLine> lines;
  float baseline = topBaseline;
  for (const QuantityFacts& facts : kQuantities) {
    lines.push_back({longNumber(shape, facts), x, baseline});
    baseline -= kShapeNumberEm * 1.05f;
  }
  drawTextLines(glyphFont(), lines, kShapeNumberEm, align, kInk);
}

}  // namespace

float traceShapeX(const WorldBox& box) {
  return box.left + kTraceShapeSide * 0.5f;
}

float traceShapeY(const WorldBox& box) { return (box.bottom + box.top) * 0.5f; }

float traceTextLeft(const WorldBox& box) {
  return box.left + kTraceShapeSide + kTextGap;
}

float traceLineBaseline(const WorldBox& box, int line) {
  return box.top - 1.45f - kLineStep * static_cast<float>(line);
}

std::string traceLineText(const Shape& shape, int line) {
  std::string text;
  const TraceLine& parts = kTraceLines[line];
  for (int i = parts.first; i < parts.first + parts.count; ++i) {
    if (!text.empty()) text += ' ';
    text += shortNumber(shape, kQuantities[i]);
  }
  return text;
}

void drawChainTrace(const Board& board, const Hint& hint) {
  ShownLink shown;
  if (hint.kind != Hint::Kind::None) shown = {hint.from, hint.to};
  for (const TracedNode& step : traceChain(board)) {
    if (step.node == board.sourceNode || step.node == board.sinkNode) continue;
    const WorldBox box = placeTraceLabel(board, *step.node, kTraceLabelWidth,
                                         kTraceLabelHeight, shown);
    drawPanel(box.left, box.bottom, box.right, box.top, kLabelGround);
    {
      const SpriteState state;
      Shape copy = step.leaving;
      copy.x = traceShapeX(box);
      copy.y = traceShapeY(box);
      copy.size = kTraceShapeSide * 0.5f;  // a shape is twice its size across
      copy.draw();
    }
    drawTraceNumbers(step, box);
  }
}

void drawShapeNumbers(const Board& board) {
  // Under the start and result shapes, which reach kMaxSize units below
  // their centres.
  const float below = board.startShape.y - kMaxSize - 2.0f;
  drawLongNumbers(board.startShape, board.startShape.x, below,
                  TextAlign::Centre);
  if (board.reachesSink)
    drawLongNumbers(board.resultShape, board.resultShape.x, below,
                    TextAlign::Centre);
  // Over the target's name, which the playing field writes to the right of
  // the target, from x -11.5.
  drawLongNumbers(board.targetShape, -11.5f, 16.6f, TextAlign::Left);
}

void drawFocus(const Node& node) {
  // Outside the selection's outer ring, 23 pixels out at 800 x 600.
  constexpr float half = 3.6f;
  constexpr float arm = 1.5f;
  constexpr float w = 0.35f;
  std::vector<WorldBox> strokes;
  for (const float sx : {-1.0f, 1.0f})
    for (const float sy : {-1.0f, 1.0f}) {
      const float x = node.x + sx * half;
      const float y = node.y + sy * half;
      strokes.push_back({std::min(x, x - sx * arm), std::min(y, y - sy * w),
                         std::max(x, x - sx * arm), std::max(y, y - sy * w)});
      strokes.push_back({std::min(x, x - sx * w), std::min(y, y - sy * arm),
                         std::max(x, x - sx * w), std::max(y, y - sy * arm)});
    }
  drawPanels(strokes, kInk);
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
