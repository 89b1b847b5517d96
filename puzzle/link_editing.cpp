// Link editing: selecting nodes and making or removing links with the mouse.
#include "puzzle/link_editing.h"

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/geometry.h"
#include "puzzle/link_reach.h"

LinkMode& linkMode() {
  static LinkMode mode = LinkMode::Idle;
  return mode;
}

HoverRule& hoverRule() {
  static HoverRule rule = HoverRule::ReachOnly;
  return rule;
}

Refusal pressRefusal(const Board& board, const Node* node) {
  if (node == nullptr) return Refusal::NoNode;
  if (gameState().levelPause) return Refusal::Paused;
  if (linkMode() == LinkMode::Idle)
    return node == board.sinkNode ? Refusal::FromSink : Refusal::None;
  // Pressed again, the selected node drops its link and the selection.
  if (node == board.selectedNode) return Refusal::None;
  if (node == board.sourceNode) return Refusal::IntoSource;
  if (!withinLinkReach(*board.selectedNode, *node)) return Refusal::OutOfReach;
  if (node->next == board.selectedNode) return Refusal::LinkBack;
  return Refusal::None;
}

bool pressWouldChange(const Board& board, const Node* node) {
  return pressRefusal(board, node) == Refusal::None;
}

void dropSelection(Board& board) {
  board.selectedNode = nullptr;
  linkMode() = LinkMode::Idle;
}

void judgeHover(Board& board) {
  if (hoverRule() == HoverRule::PressEffect)
    board.hoverValid = pressWouldChange(board, board.hoveredNode);
}

Node* Board::nearestNode(float x, float y) const {
  Node* best = nullptr;
  double bestDistance = -1.0;
  for (const auto& node : nodes) {
    const double d = squaredDistance(x, y, node->x, node->y);
    if (d <= pickRadiusSquared && (bestDistance < 0.0 || d < bestDistance)) {
      best = node.get();
      bestDistance = d;
    }
  }
  return best;
}

void Board::pressAt(float x, float y, bool leftPress, bool /*rightPress*/,
                    bool notRelease) {
  if (!notRelease || !leftPress) return;
  Node* pressed = nearestNode(x, y);
  // A refused press changes nothing: the selection, if any, stays for
  // another try.
  if (pressRefusal(*this, pressed) != Refusal::None) return;

  if (linkMode() == LinkMode::Idle) {
    selectedNode = pressed;
    linkMode() = LinkMode::Linking;
    return;
  }

  if (pressed == selectedNode) {
    // Pressing the selected node again is the one way to remove a link.
    selectedNode->next = nullptr;
  } else {
    selectedNode->next = pressed;
  }
  dropSelection(*this);
}

void Board::hoverAt(float x, float y) {
  Node* hovered = nearestNode(x, y);
  hoveredNode = hovered;
  if (hoverRule() == HoverRule::PressEffect) {
    judgeHover(*this);
    return;
  }
  if (linkMode() == LinkMode::Idle) {
    hoverValid = hovered != sinkNode;
    return;
  }
  if (hovered == nullptr) return;
  // Only the reach is shown: a node that links back to the selected one
  // shows as valid, and the selected node itself as not valid.
  hoverValid =
      hovered != sourceNode && withinLinkReach(*selectedNode, *hovered);
}
