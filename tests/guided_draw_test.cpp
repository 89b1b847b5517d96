// Guided play's drawing read back: the label traced beside each node of
// the chain, with its shape at a readable size, its numbers in the glyph
// font and its clamp frames; the selection's mark; and the links off the
// chain dimmed.
#include "render/guided_draw.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle/board.h"
#include "puzzle/chain_trace.h"
#include "puzzle/clamp.h"
#include "render/board_parts.h"
#include "render/glyph_font.h"
#include "render/text_draw.h"
#include "render/world.h"
#include "tests/support/gl_stage.h"

namespace {

const Rgb kGround{kBackgroundGrey, kBackgroundGrey, kBackgroundGrey};

struct GuidedDraw : testing::Test {
  Board& b = board();
  // Three grid nodes from the source, along the second row.
  Node* chain[3] = {nullptr, nullptr, nullptr};

  void SetUp() override {
    glyphFont().load(LINKLOOM_RUN_DIR "/fonts/rabiohead.ttf", 46);
    loadQuietLevel(2);  // level 3: start hue 60, 7 sides, size 3
    chain[0] = b.gridNode(1, 0);
    chain[1] = b.gridNode(1, 1);
    chain[2] = b.gridNode(1, 2);
    b.sourceNode->next = chain[0];
    chain[0]->next = chain[1];
    chain[1]->next = chain[2];
    // Sides 7 - 2 = 5, then size 3 - 1 = 2, then hue 60 + 40 = 100.
    setDeltas(*chain[0], 0.0f, -2, 0.0f);
    setDeltas(*chain[1], -1.0f, 0, 0.0f);
    setDeltas(*chain[2], 0.0f, 0, 40.0f);
  }
  void TearDown() override {
    boardLook() = BoardLook{};
    b.levelIndex = 0;
    b.loadLevel();
  }

  static void setDeltas(Node& node, float size, int sides, float hue) {
    node.sizeDelta = size;
    node.sidesDelta = sides;
    node.hueDelta = hue;
  }

  WorldBox labelOf(const Node& node) const {
    return placeTraceLabel(b, node, kTraceLabelWidth, kTraceLabelHeight);
  }

  std::vector<unsigned char> drawnFrame() {
    drawPlayingFrame();
    drawChainTrace(b, Hint{});
    return backBuffer();
  }

  // The test shape pictures are grey 30 * sides, tinted by the colour.
  static Rgb tinted(const Shape& shape) {
    const float grey = static_cast<float>(shapeGrey(shape.sides));
    return {static_cast<int>(shape.red * grey + 0.5f),
            static_cast<int>(shape.green * grey + 0.5f),
            static_cast<int>(shape.blue * grey + 0.5f)};
  }
};

// Window pixels, from the bottom left, of a world box.
struct PixelBox {
  int left, bottom, right, top;
  explicit PixelBox(const WorldBox& box)
      : left(static_cast<int>(pixelX(box.left))),
        bottom(kWindowHeight - static_cast<int>(pixelY(box.bottom))),
        right(static_cast<int>(pixelX(box.right)) + 1),
        top(kWindowHeight - static_cast<int>(pixelY(box.top)) + 1) {}
  bool holds(int x, int y) const {
    return x >= left && x < right && y >= bottom && y < top;
  }
};

int pixelIndex(int x, int y) { return (y * kWindowWidth + x) * 3; }

TEST_F(GuidedDraw, TheWidestLabelHoldsItsNumbers) {
  Shape largest;
  largest.size = kMaxSize;
  largest.sides = kMaxSides;
  largest.hue = kMaxHue;
  WorldBox box{0.0f, 0.0f, kTraceLabelWidth, kTraceLabelHeight};
  for (int line = 0; line < kTraceLineCount; ++line)
    EXPECT_LE(traceTextLeft(box) + textWidth(glyphFont(),
                                             traceLineText(largest, line),
                                             kTraceNumberEm),
              box.right - 0.1f)
        << traceLineText(largest, line);
}

TEST_F(GuidedDraw, ATraceOfSizeTwoIsDrawnAtLeast24PixelsAcross) {
  drawnFrame();
  const Shape leaving = traceChain(b)[2].leaving;
  ASSERT_EQ(leaving.size, 2.0f);
  const WorldBox box = labelOf(*chain[1]);
  const float y = traceShapeY(box);
  int across = 0;
  for (float x = box.left; x < box.right; x += 1.0f / kPixelsPerUnit)
    if (near(worldPixel(x, y), tinted(leaving), 4)) ++across;
  EXPECT_GE(across, 24);
  EXPECT_LE(across, 30);  // the shape, not the whole label
}

TEST_F(GuidedDraw,
       EachLabelIsNearestItsNodeAndItsNumbersAreTheGlyphsOfTheText) {
  const std::vector<unsigned char> traced = drawnFrame();
  const std::vector<TracedNode> trace = traceChain(b);
  ASSERT_EQ(trace.size(), 4u);
  const char* expected[3][2] = {
      {"s3 c5", "h60"}, {"s2 c5", "h60"}, {"s2 c5", "h100"}};
  for (int i = 0; i < 3; ++i) {
    const WorldBox box = labelOf(*chain[i]);
    EXPECT_TRUE(nearestToNode(b, *chain[i], box)) << "node " << i;
    EXPECT_FALSE(coversNodeOrArrowhead(b, box)) << "node " << i;
    for (int line = 0; line < kTraceLineCount; ++line) {
      ASSERT_EQ(traceLineText(trace[i + 1].leaving, line), expected[i][line]);
      // The line's strip of the label, drawn afresh: the label's ground,
      // then the expected text where the label writes it.
      const float baseline = traceLineBaseline(box, line);
      WorldBox strip{traceTextLeft(box), baseline - 0.4f, box.right,
                     baseline + kTraceNumberEm * 0.75f};
      const PixelBox pixels(strip);
      const auto drawFresh = [&](const std::string& text) {
        drawPlayingFrame();
        drawPanel(box.left, box.bottom, box.right, box.top,
                  {1.0f, 1.0f, 1.0f, 0.72f});
        drawText(glyphFont(), text, traceTextLeft(box), baseline,
                 kTraceNumberEm, TextAlign::Left, {0.10f, 0.13f, 0.20f, 1.0f});
        return backBuffer();
      };
      const auto differing = [&](const std::vector<unsigned char>& a) {
        int count = 0, ink = 0;
        for (int y = pixels.bottom; y < pixels.top; ++y)
          for (int x = pixels.left; x < pixels.right; ++x) {
            const int at = pixelIndex(x, y);
            if (traced[at] < 100) ++ink;
            count += std::abs(traced[at] - a[at]) > 8;
          }
        EXPECT_GT(ink, 20) << "no glyph pixels in line " << line;
        return count;
      };
      EXPECT_EQ(differing(drawFresh(expected[i][line])), 0)
          << "node " << i << " line " << line;
      // A number one off draws other pixels: the check can tell.
      EXPECT_GT(differing(drawFresh(line == 0 ? "s4 c5" : "h20")), 10);
    }
  }
}

TEST_F(GuidedDraw, ADeltaTheLimitCutsAwayChangesThatNodesLabelAndNothingElse) {
  // Size 3 and -1 is 2; size 3 and -4 is -1, held at 2. The chain's shapes
  // are the same; only the second node's label says its change was cut.
  const std::vector<unsigned char> uncut = drawnFrame();
  ASSERT_EQ(traceChain(b)[2].clamps, 0u);
  chain[1]->sizeDelta = -4.0f;
  ASSERT_EQ(traceChain(b)[2].clamps, unsigned(sizeRaised));
  const std::vector<unsigned char> cut = drawnFrame();
  const PixelBox label(labelOf(*chain[1]));
  int inside = 0, outside = 0;
  for (int y = 0; y < kWindowHeight; ++y)
    for (int x = 0; x < kWindowWidth; ++x) {
      const int at = pixelIndex(x, y);
      const bool same = uncut[at] == cut[at] && uncut[at + 1] == cut[at + 1] &&
                        uncut[at + 2] == cut[at + 2];
      if (same) continue;
      (label.holds(x, y) ? inside : outside) += 1;
    }
  EXPECT_GT(inside, 40) << "no frame round the cut size";
  EXPECT_EQ(outside, 0);
}

TEST_F(GuidedDraw, TheSelectedNodeWearsTwoRingsAndTheHoveredOne) {
  // The test ring picture is opaque in its outer quarter: 4.8 units out from
  // a node only the selection's second ring reaches.
  boardLook().doubleRingOnSelection = true;
  const Node& node = *b.gridNode(2, 2);
  // A ring's texels blend with the grey ground only at their edges.
  const auto ringAt = [&](float out) {
    const Rgb p = worldPixel(node.x + out, node.y);
    return p.r > 180 && p.g > 180 && p.b > 180;
  };
  b.selectedNode = b.gridNode(2, 2);
  drawPlayingFrame();
  EXPECT_TRUE(ringAt(3.6f));
  EXPECT_TRUE(ringAt(4.8f));
  b.selectedNode = nullptr;
  b.hoveredNode = b.gridNode(2, 2);
  b.hoverValid = true;
  drawPlayingFrame();
  EXPECT_TRUE(ringAt(3.6f));
  EXPECT_TRUE(near(worldPixel(node.x + 4.8f, node.y), kGround));
  // The classic game's look: one ring for both.
  boardLook().doubleRingOnSelection = false;
  b.hoveredNode = nullptr;
  b.selectedNode = b.gridNode(2, 2);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(node.x + 4.8f, node.y), kGround));
  b.selectedNode = nullptr;
}

TEST_F(GuidedDraw, TheStartAndTargetShowTheirNumbersAndTheResultOnceReached) {
  // Dark glyph pixels in the rows under a shape, over the grey ground.
  const auto inkUnder = [](const std::vector<unsigned char>& frame, float x) {
    const PixelBox rows(WorldBox{x - 6.0f, 31.0f, x + 6.0f, 39.0f});
    int ink = 0;
    for (int y = rows.bottom; y < rows.top; ++y)
      for (int px = rows.left; px < rows.right; ++px)
        ink += frame[pixelIndex(px, y)] < 80;
    return ink;
  };
  b.reachesSink = false;
  drawPlayingFrame();
  drawShapeNumbers(b);
  const std::vector<unsigned char> shortOfSink = backBuffer();
  EXPECT_GT(inkUnder(shortOfSink, b.startShape.x), 50);
  EXPECT_EQ(inkUnder(shortOfSink, b.resultShape.x), 0);
  b.reachesSink = true;
  drawPlayingFrame();
  drawShapeNumbers(b);
  EXPECT_GT(inkUnder(backBuffer(), b.resultShape.x), 50);
  b.reachesSink = false;
}

TEST_F(GuidedDraw, NothingIsTracedBesideTheSourceOrANodeOffTheChain) {
  const std::vector<unsigned char> traced = drawnFrame();
  drawPlayingFrame();
  const std::vector<unsigned char> bare = backBuffer();
  const PixelBox idle(labelOf(*b.gridNode(3, 3)));
  const PixelBox source(labelOf(*b.sourceNode));
  for (const PixelBox& box : {idle, source})
    for (int y = box.bottom; y < box.top; ++y)
      for (int x = box.left; x < box.right; ++x) {
        const int at = pixelIndex(x, y);
        ASSERT_EQ(traced[at], bare[at]) << x << ", " << y;
      }
}

TEST_F(GuidedDraw, LinksOffTheLiveChainAreDrawnAtTheChosenOpacity) {
  // (-6, 54) to (6, 54) off the chain, (-18, 66) to (-6, 66) on it; the link
  // picture's top-left texel is red.
  b.sourceNode->next = b.gridNode(0, 0);
  b.gridNode(0, 0)->next = b.gridNode(0, 1);
  b.gridNode(1, 0)->next = nullptr;
  b.gridNode(1, 1)->next = b.gridNode(1, 2);
  boardLook().offChainLinkAlpha = 1.0f / 3.0f;
  drawPlayingFrame();
  const int dimmed = (255 + 2 * kBackgroundGrey) / 3;
  const int faded = (2 * kBackgroundGrey) / 3;
  EXPECT_TRUE(near(worldPixel(-1.8f, 55.8f), {dimmed, faded, faded}, 6));
  EXPECT_TRUE(near(worldPixel(-13.8f, 67.8f), {255, 0, 0}, 6));
}

}  // namespace
