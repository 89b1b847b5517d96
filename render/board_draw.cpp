// Board drawing: nodes in the level colour, links, shapes and the marks on
// the selected and hovered nodes, in that stacking order.
#include <GL/gl.h>

#include <cmath>

#include "puzzle/board.h"
#include "puzzle/chain_trace.h"
#include "puzzle/geometry.h"
#include "puzzle/level_set.h"
#include "render/board_parts.h"
#include "render/board_sprites.h"
#include "render/display_list.h"

namespace {

constexpr float kNodeSide = 4.0f;  // world units
constexpr float kMarkSide = 8.0f;  // the selector ring, twice a node
// A link picture spans this share of the distance between the two node
// centres, along the link and across it, leaving the nodes uncovered.
constexpr double kLinkShare = 0.6;

}  // namespace

BoardLook& boardLook() {
  static BoardLook look;
  return look;
}

void drawLink(const Node& from, const Node& to, int linkSprite) {
  glPushMatrix();
  glTranslatef((from.x + to.x) * 0.5f, (from.y + to.y) * 0.5f, 0.0f);
  const double angle = std::atan2(to.y - from.y, to.x - from.x);
  glRotatef(static_cast<float>(angle * kRadiansToDegrees), 0.0f, 0.0f, 1.0f);
  const auto scale =
      static_cast<float>(kLinkShare * distance(from.x, from.y, to.x, to.y));
  glScalef(scale, scale, 1.0f);
  callList(static_cast<unsigned>(linkSprite));
  glPopMatrix();
}

void drawMark(const Node& node, int selectorSprite) {
  glPushMatrix();
  glTranslatef(node.x, node.y, 0.0f);
  glScalef(kMarkSide, kMarkSide, 1.0f);
  callList(static_cast<unsigned>(selectorSprite));
  glPopMatrix();
}

void Node::draw() const {
  const BoardSprites& sprites = boardSprites();
  glPushMatrix();
  glTranslatef(x, y, 0.0f);
  glScalef(kNodeSide, kNodeSide, 1.0f);
  callList(static_cast<unsigned>(sprites.nodeSprite));
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  callList(static_cast<unsigned>(sprites.nodeOutlineSprite));
  glPopMatrix();
}

void Shape::draw() const {
  glColor4f(red, green, blue, 1.0f);
  glPushMatrix();
  glTranslatef(x, y, 0.0f);
  glScalef(2.0f * size, 2.0f * size, 1.0f);
  callList(static_cast<unsigned>(boardSprites().shapeSprite(sides)));
  glPopMatrix();
}

void Board::draw() const {
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.0f);

  // In the one frame after the last level is solved levelIndex is past it; that
  // frame still shows the board, in the last level's colour.
  const Level& level = levelOrLast(levelIndex);
  const auto live = liveLinks(*this);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const Node& node = *nodes[i];
    glColor4f(level.nodeRed, level.nodeGreen, level.nodeBlue, 1.0f);
    node.draw();
    if (node.next == nullptr) continue;
    glColor4f(1.0f, 1.0f, 1.0f, live[i] ? 1.0f : boardLook().offChainLinkAlpha);
    drawLink(node, *node.next, linkSprite);
  }

  startShape.draw();
  if (reachesSink) resultShape.draw();
  targetShape.draw();

  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  if (selectedNode != nullptr) drawMark(*selectedNode, selectorSprite);
  // A press there would be refused: the hover mark turns translucent red.
  if (!hoverValid) glColor4f(1.0f, 0.0f, 0.0f, 0.4f);
  if (hoveredNode != nullptr) drawMark(*hoveredNode, selectorSprite);

  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_TEXTURE_2D);
}
