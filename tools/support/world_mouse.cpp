// The game's mouse in world units, placed by the board's own layout.
#include "tools/support/world_mouse.h"

#include "render/world.h"

namespace {
void clickNode(XClient& client, Window window, const Node& node) {
  clickWorld(client, window, node.x, node.y);
}
}  // namespace

const Board& boardLayout() {
  static const Board layout = [] {
    Board built;
    built.build();
    return built;
  }();
  return layout;
}

void clickWorld(XClient& client, Window window, float x, float y) {
  client.clickAt(window, static_cast<int>(pixelX(x)),
                 static_cast<int>(pixelY(y)));
}

void moveToWorld(XClient& client, Window window, float x, float y) {
  client.moveTo(window, static_cast<int>(pixelX(x)),
                static_cast<int>(pixelY(y)));
}

void clickChain(XClient& client, Window window, Cells cells) {
  clickChain(client, window, std::vector<std::pair<int, int>>(cells));
}

void clickChain(XClient& client, Window window,
                const std::vector<std::pair<int, int>>& cells) {
  const Board& board = boardLayout();
  clickNode(client, window, *board.sourceNode);
  for (const auto& [row, column] : cells) {
    const Node& node = *board.gridNode(row, column);
    clickNode(client, window, node);  // links the previous node here
    clickNode(client, window, node);  // selects this node for the next link
  }
  clickNode(client, window, *board.sinkNode);
}
