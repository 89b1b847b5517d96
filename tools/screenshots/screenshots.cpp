// Takes the README's screenshots from the real game: the title screen,
// level 1 in play with a chain reaching the sink, and guided play with a
// traced chain and a hint; and, for the browser edition's test, the first
// playing frame of a seed.
// Usage: screenshots BINARY RUN_DIR OUT_DIR
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "render/world.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;

// The game started with args on a display of its own, its window found.
struct Session {
  VirtualDisplay screen;
  GameProcess game;
  XClient client;
  Window window = 0;

  bool start(const char* binary, const char* runDir,
             const std::vector<std::string>& args) {
    if (!screen.start() || !game.start(binary, runDir, screen.name, {}, args) ||
        !client.open(screen.name))
      return false;
    window = client.findWindow(kWindowTitle, 10s);
    return window != 0;
  }

  // The title and the instructions clicked away.
  void startPlaying() {
    clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
    std::this_thread::sleep_for(300ms);
    clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
    std::this_thread::sleep_for(300ms);
  }

  // Guided play's level shows once it is made: the window title then names
  // it after the game's name.
  void waitForGuidedLevel() {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (client.title(window) == kWindowTitle &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(50ms);
  }
};

bool classicShots(const char* binary, const char* runDir,
                  const std::string& out) {
  Session session;
  if (!session.start(binary, runDir, {})) return false;
  XClient& client = session.client;
  const Window window = session.window;
  std::this_thread::sleep_for(1s);
  if (!client.savePng(window, out + "/title.png")) return false;

  session.startPlaying();
  // A chain from the source along the top row to the sink: it reaches the
  // sink with the wrong size, so the result shows and the level stays.
  clickChain(client, window, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  // Leave a selection and a hover mark showing, as in play.
  const Node& selected = *boardLayout().gridNode(2, 1);
  const Node& hovered = *boardLayout().gridNode(2, 2);
  clickWorld(client, window, selected.x, selected.y);
  moveToWorld(client, window, hovered.x, hovered.y);
  std::this_thread::sleep_for(500ms);
  return client.savePng(window, out + "/level1.png");
}

// A hard generated level in guided play: the first five links of one of
// its shortest solutions traced node by node, where the second node holds
// the hue at 320 and the third the size at 8 (both framed), an old link off
// the chain dimmed, and a hint asked for.
bool guidedShot(const char* binary, const char* runDir,
                const std::string& out) {
  Session session;
  if (!session.start(binary, runDir,
                     {"--seed", "27182", "--difficulty", "hard"}))
    return false;
  XClient& client = session.client;
  const Window window = session.window;
  std::this_thread::sleep_for(1s);
  session.startPlaying();
  session.waitForGuidedLevel();
  const Board& layout = boardLayout();
  // The off-chain link first: from row 3 column 2 to row 3 column 3.
  clickWorld(client, window, layout.gridNode(3, 2)->x,
             layout.gridNode(3, 2)->y);
  clickWorld(client, window, layout.gridNode(3, 3)->x,
             layout.gridNode(3, 3)->y);
  const Node* chain[] = {layout.sourceNode,     layout.gridNode(2, 0),
                         layout.gridNode(1, 1), layout.gridNode(0, 2),
                         layout.gridNode(0, 1), layout.gridNode(1, 2)};
  for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
    clickWorld(client, window, chain[i]->x, chain[i]->y);
    clickWorld(client, window, chain[i + 1]->x, chain[i + 1]->y);
  }
  client.key("h");
  moveToWorld(client, window, 0.0f, 14.0f);  // the pointer off the board
  std::this_thread::sleep_for(1500ms);
  return client.savePng(window, out + "/guided.png");
}

// Level 1 of seed 42, hard, as it first shows, the pointer off the board,
// as the browser edition must show it at the same address.
bool seedShot(const char* binary, const char* runDir, const std::string& out) {
  Session session;
  if (!session.start(binary, runDir, {"--seed", "42", "--difficulty", "hard"}))
    return false;
  std::this_thread::sleep_for(1s);
  session.startPlaying();
  session.waitForGuidedLevel();
  moveToWorld(session.client, session.window, 0.0f, 14.0f);
  std::this_thread::sleep_for(500ms);
  return session.client.savePng(session.window, out + "/seed42hard.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BINARY RUN_DIR OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string out = argv[3];
  return classicShots(argv[1], argv[2], out) &&
                 guidedShot(argv[1], argv[2], out) &&
                 seedShot(argv[1], argv[2], out)
             ? 0
             : 1;
}
