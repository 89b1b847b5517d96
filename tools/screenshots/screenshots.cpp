// Takes the README's screenshots from the real game: the title screen and
// level 1 in play with a chain reaching the sink.
// Usage: screenshots BINARY RUN_DIR OUT_DIR
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "render/world.h"
#include "tools/support/world_mouse.h"

int main(int argc, char** argv) {
  using namespace std::chrono_literals;
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BINARY RUN_DIR OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string out = argv[3];
  VirtualDisplay screen;
  GameProcess game;
  XClient client;
  if (!screen.start() || !game.start(argv[1], argv[2], screen.name) ||
      !client.open(screen.name))
    return 1;
  const Window window = client.findWindow(kWindowTitle, 10s);
  if (window == 0) return 1;
  std::this_thread::sleep_for(1s);
  if (!client.savePng(window, out + "/title.png")) return 1;

  clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);  // instructions
  std::this_thread::sleep_for(300ms);
  clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);  // level 1
  std::this_thread::sleep_for(300ms);
  // A chain from the source along the top row to the sink: it reaches the
  // sink with the wrong size, so the result shows and the level stays.
  clickChain(client, window, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  // Leave a selection and a hover mark showing, as in play.
  const Node& selected = *boardLayout().gridNode(2, 1);
  const Node& hovered = *boardLayout().gridNode(2, 2);
  clickWorld(client, window, selected.x, selected.y);
  moveToWorld(client, window, hovered.x, hovered.y);
  std::this_thread::sleep_for(500ms);
  return client.savePng(window, out + "/level1.png") ? 0 : 1;
}
