// Fuzz target: arbitrary sequences of presses, releases, motions, "t" keys
// and frames fed to the puzzle and screen logic, with the board's
// invariants checked after every event.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/level_progress.h"
#include "puzzle/levels.h"
#include "puzzle/link_editing.h"
#include "puzzle/screen_flow.h"

namespace {

// Reads the fuzzer's bytes one at a time; zero once they run out.
struct ByteReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  bool done() const { return at >= size; }
  std::uint8_t next() { return at < size ? data[at++] : 0; }
};

void require(bool condition) {
  if (!condition) std::abort();
}

void checkInvariants(const Board& board, const GameState& state) {
  require(board.sinkNode->next == nullptr);
  for (const auto& node : board.nodes) {
    require(node->next != board.sourceNode);
    if (node->next != nullptr) require(node->next->next != node.get());
  }
  require(board.levelIndex >= 0 && board.levelIndex <= levelCount);
  require((board.levelIndex == levelCount) ==
          (state.screenState == ScreenState::GameOver));
}

// A pointer position: mostly near a node, so links really get made, and
// sometimes anywhere in (and a little beyond) the visible world.
void aimPointer(ByteReader& in, const Board& board, float& x, float& y) {
  const std::uint8_t choice = in.next();
  if (choice < 200) {
    const Node* node = board.node(choice % boardNodeCount);
    x = node->x + (static_cast<int>(in.next() % 9) - 4);
    y = node->y + (static_cast<int>(in.next() % 9) - 4);
  } else {
    x = static_cast<float>(in.next()) * 0.5f - 60.0f;
    y = static_cast<float>(in.next()) * 0.4f - 10.0f;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static Board board;
  board.build();
  GameState& state = gameState();
  state = GameState{};
  linkMode() = LinkMode::Idle;
  float x = 0.0f, y = 0.0f;

  ByteReader in{data, size};
  while (!in.done()) {
    const std::uint8_t op = in.next() % 5;
    if (op == 0 || op == 1) {
      const auto button = static_cast<MouseButton>(in.next() % 3);
      const ButtonEffect effect =
          routeButton(board, state, button, op == 0, x, y);
      if (effect == ButtonEffect::Restart) restartPlay(board, state);
    } else if (op == 2) {
      aimPointer(in, board, x, y);
      board.hoverAt(x, y);
    } else if (op == 3) {
      board.evaluate();
    } else if (state.screenState == ScreenState::Playing) {
      // A frame of up to 0.255 s, beyond the clock's 0.12 s cap on purpose.
      advancePlay(board, state, static_cast<float>(in.next()) / 1000.0f);
    }
    checkInvariants(board, state);
  }
  return 0;
}
