// Board: the eighteen nodes with their links, the three shapes, the link
// editing state and the current level. One process-wide instance.
#pragma once

#include <memory>
#include <vector>

#include "puzzle/levels.h"
#include "puzzle/node.h"
#include "puzzle/shape.h"

// Fixed layout, the same in every level (world units).
constexpr int gridRows = 4;
constexpr int gridColumns = 4;
constexpr float gridLeftX = -18.0f;
constexpr float gridTopY = 66.0f;
constexpr float gridSpacing = 12.0f;
constexpr float sourceX = -30.0f;
constexpr float sinkX = 30.0f;
constexpr float terminalY = 48.0f;
constexpr int boardNodeCount = 18;  // 16 grid nodes, source, sink

struct Board {
  // The 16 grid nodes row by row from the top-left, then source, then sink.
  std::vector<std::unique_ptr<Node>> nodes;
  Shape startShape;
  Shape resultShape;
  Shape targetShape;
  Node* sourceNode = nullptr;
  Node* sinkNode = nullptr;
  int selectorSprite = -1;  // display lists, -1 while not built
  int linkSprite = -1;
  Node* hoveredNode = nullptr;
  Node* selectedNode = nullptr;
  bool hoverValid = false;   // a press on hoveredNode would be accepted
  bool reachesSink = false;  // the last evaluation passed the sink node
  // Index into the level set; its size only once the last level is done.
  int levelIndex = 0;

  // Creates the nodes and shapes and loads level 1 of the level set.
  // Building again replaces the nodes instead of adding a second set, and
  // ends any link editing (the link mode goes back to Idle).
  void build();
  // Only the nodes and shapes of build, without a level or the process-wide
  // link mode: a board of its own for a search on another thread.
  void layOut();
  // Writes the deltas and shapes of the level set's levelIndex and removes
  // every link. Keeps positions, the result shape, selection and hover. An
  // index outside the set, or of a level not made yet, loads nothing.
  void loadLevel();
  // The same for a level given directly (the level checker and generator).
  void setLevel(const Level& level);
  // Level 1 with no links.
  void restart();

  // Walks the chain from the source node, adding and clamping the deltas.
  // True when it reaches the sink without a loop and the result equals the
  // target. Updates reachesSink, and resultShape when the sink is reached.
  bool evaluate();
  // True when the chain from the source node runs into a loop.
  bool hasCycle() const;

  // The node within the pick radius of (x, y), nearest first, the first in
  // list order on a tie; null when none is in range.
  Node* nearestNode(float x, float y) const;
  // A mouse button event at world (x, y). Only a left press outside the
  // level pause edits: it selects a node, links the selected node to the
  // pressed one, or removes the selected node's link when pressed again.
  void pressAt(float x, float y, bool leftPress, bool rightPress,
               bool notRelease);
  // Pointer motion to world (x, y): updates hoveredNode and hoverValid.
  void hoverAt(float x, float y);

  Node* node(int index) const { return nodes[index].get(); }
  Node* gridNode(int row, int column) const {
    return node(row * gridColumns + column);
  }
  // The node's place in nodes, -1 for null or a node of another board.
  int indexOf(const Node* of) const {
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
      if (nodes[i].get() == of) return i;
    return -1;
  }

  // Draws nodes, links, shapes and marks (render/, needs GL).
  void draw() const;
};

// The process-wide board.
Board& board();
