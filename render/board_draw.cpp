// Board drawing: nodes in the level colour, links, shapes and the marks on
// the selected and hovered nodes, in that stacking order.
#include <GL/gl.h>

#include <cmath>
#include <tuple>

#include "puzzle/board.h"
#include "puzzle/chain_trace.h"
#include "puzzle/geometry.h"
#include "puzzle/level_set.h"
#include "render/board_parts.h"
#include "render/board_sprites.h"
#include "render/display_list.h"
#include "render/sprite_state.h"

namespace {

constexpr float kNodeSide = 4.0f;  // world units
constexpr float kMarkSide = 8.0f;  // the selector ring, twice a node
// The selection's second ring, clear of the first.
constexpr float kOuterMarkSide = 10.5f;
// A link picture spans this share of the distance between the two node
// centres, along the link and across it, leaving the nodes uncovered.
constexpr double kLinkShare = 0.6;

SpriteDraw tinted(SpriteDraw sprite, float red, float green, float blue,
                  float alpha) {
  sprite.red = red;
  sprite.green = green;
  sprite.blue = blue;
  sprite.alpha = alpha;
  return sprite;
}

}  // namespace

BoardLook& boardLook() {
  static BoardLook look;
  return look;
}

void SpriteDraw::place() const {
  glPushMatrix();
  glTranslatef(x, y, 0.0f);
  if (turned) glRotatef(degrees, 0.0f, 0.0f, 1.0f);
  glScalef(scale, scale, 1.0f);
  callList(list);
  glPopMatrix();
}

void SpriteDraw::draw() const {
  glColor4f(red, green, blue, alpha);
  place();
}

bool SpriteDraw::operator==(const SpriteDraw& other) const {
  const auto fields = [](const SpriteDraw& s) {
    return std::tie(s.list, s.x, s.y, s.turned, s.degrees, s.scale, s.red,
                    s.green, s.blue, s.alpha);
  };
  return fields(*this) == fields(other);
}

SpriteDraw linkDraw(const Node& from, const Node& to, int linkSprite) {
  SpriteDraw link;
  link.list = static_cast<unsigned>(linkSprite);
  link.x = (from.x + to.x) * 0.5f;
  link.y = (from.y + to.y) * 0.5f;
  link.turned = true;
  const double angle = std::atan2(to.y - from.y, to.x - from.x);
  link.degrees = static_cast<float>(angle * kRadiansToDegrees);
  link.scale =
      static_cast<float>(kLinkShare * distance(from.x, from.y, to.x, to.y));
  return link;
}

SpriteDraw markDraw(const Node& node, int selectorSprite) {
  SpriteDraw mark;
  mark.list = static_cast<unsigned>(selectorSprite);
  mark.x = node.x;
  mark.y = node.y;
  mark.scale = kMarkSide;
  return mark;
}

SpriteDraw shapeDraw(const Shape& shape) {
  SpriteDraw sprite;
  sprite.list = static_cast<unsigned>(boardSprites().shapeSprite(shape.sides));
  sprite.x = shape.x;
  sprite.y = shape.y;
  sprite.scale = 2.0f * shape.size;
  return tinted(sprite, shape.red, shape.green, shape.blue, 1.0f);
}

void drawLink(const Node& from, const Node& to, int linkSprite) {
  linkDraw(from, to, linkSprite).place();
}

void drawMark(const Node& node, int selectorSprite) {
  markDraw(node, selectorSprite).place();
}

void Shape::draw() const { shapeDraw(*this).draw(); }

std::vector<SpriteDraw> boardBase(const Board& board) {
  const BoardSprites& sprites = boardSprites();
  // In the one frame after the last level is solved levelIndex is past it;
  // that frame still shows the board, in the last level's colour.
  const Level& level = levelOrLast(board.levelIndex);
  const auto live = liveLinks(board);
  std::vector<SpriteDraw> base;
  base.reserve(board.nodes.size() * 3 + 3);
  for (std::size_t i = 0; i < board.nodes.size(); ++i) {
    const Node& node = *board.nodes[i];
    SpriteDraw body;
    body.list = static_cast<unsigned>(sprites.nodeSprite);
    body.x = node.x;
    body.y = node.y;
    body.scale = kNodeSide;
    base.push_back(
        tinted(body, level.nodeRed, level.nodeGreen, level.nodeBlue, 1.0f));
    SpriteDraw outline = body;
    outline.list = static_cast<unsigned>(sprites.nodeOutlineSprite);
    base.push_back(outline);
    if (node.next == nullptr) continue;
    const float alpha = live[i] ? 1.0f : boardLook().offChainLinkAlpha;
    base.push_back(tinted(linkDraw(node, *node.next, board.linkSprite), 1.0f,
                          1.0f, 1.0f, alpha));
  }
  base.push_back(shapeDraw(board.startShape));
  if (board.reachesSink) base.push_back(shapeDraw(board.resultShape));
  base.push_back(shapeDraw(board.targetShape));
  return base;
}

void drawSprites(const std::vector<SpriteDraw>& sprites) {
  const SpriteState state;
  for (const SpriteDraw& sprite : sprites) sprite.draw();
}

void drawMarks(const Board& board) {
  const SpriteState state;
  if (board.selectedNode != nullptr) {
    drawMark(*board.selectedNode, board.selectorSprite);
    if (boardLook().doubleRingOnSelection) {
      SpriteDraw outer = markDraw(*board.selectedNode, board.selectorSprite);
      outer.scale = kOuterMarkSide;
      outer.place();
    }
  }
  // A press there would be refused: the hover mark turns translucent red.
  if (!board.hoverValid) glColor4f(1.0f, 0.0f, 0.0f, 0.4f);
  if (board.hoveredNode != nullptr)
    drawMark(*board.hoveredNode, board.selectorSprite);
}

void Board::draw() const {
  drawSprites(boardBase(*this));
  drawMarks(*this);
}
