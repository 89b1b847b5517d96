// Board construction and level loading.
#include "puzzle/board.h"

#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"
#include "puzzle/quantities.h"

namespace {
Board theBoard;

Node* addNode(std::vector<std::unique_ptr<Node>>& nodes, float x, float y) {
  nodes.push_back(std::make_unique<Node>());
  Node* node = nodes.back().get();
  node->x = x;
  node->y = y;
  return node;
}
}  // namespace

Board& board() { return theBoard; }

void Board::layOut() {
  nodes.clear();
  for (int row = 0; row < gridRows; ++row) {
    for (int column = 0; column < gridColumns; ++column) {
      addNode(nodes, gridLeftX + gridSpacing * column,
              gridTopY - gridSpacing * row);
    }
  }
  sourceNode = addNode(nodes, sourceX, terminalY);
  sinkNode = addNode(nodes, sinkX, terminalY);

  startShape.init();
  startShape.x = -41.0f;
  startShape.y = 48.0f;
  resultShape.init();
  resultShape.x = 41.0f;
  resultShape.y = 48.0f;
  targetShape.init();
  targetShape.x = -22.0f;
  targetShape.y = 10.0f;
}

void Board::build() {
  layOut();
  // A second build leaves no selection pointing at a node it replaced.
  linkMode() = LinkMode::Idle;
  hoveredNode = nullptr;
  selectedNode = nullptr;
  hoverValid = false;
  reachesSink = false;
  levelIndex = 0;
  loadLevel();
}

void Board::loadLevel() {
  if (!levelReady(levelIndex)) return;
  setLevel(levelSet()[levelIndex]);
}

void Board::setLevel(const Level& level) {
  for (int k = 0; k < gridNodeCount; ++k) {
    Node& grid = *nodes[k];
    forEachQuantity([&](const auto& entry) {
      grid.*entry.delta = level.deltas[k].*entry.cell;
    });
    grid.next = nullptr;
  }
  sourceNode->next = nullptr;

  forEachQuantity([&](const auto& entry) {
    startShape.*entry.amount = level.*entry.start;
    targetShape.*entry.amount = level.*entry.target;
  });
  startShape.refreshColour();
  targetShape.refreshColour();
}

void Board::restart() {
  levelIndex = 0;
  loadLevel();
}
