// Benchmark: the game's frame, first frame, idle cost and chain evaluation,
// each against the least work that could do the same, with game and floor
// interleaved so machine drift cancels. Run it from the run directory under
// a display: cd build && xvfb-run -a ./linkloom-bench
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/game.h"
#include "bench/allocation_counter.h"
#include "bench/first_frame.h"
#include "bench/floors.h"
#include "bench/hint_time.h"
#include "puzzle/board.h"
#include "render/camera.h"
#include "render/picture_files.h"
#include "render/png_decode.h"
#include "render/world.h"
#include "tools/support/busy_board.h"
#include "tools/support/frame_watch.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

// The longest chain the rules allow: down the first column, up the second
// and so on, through all sixteen grid nodes.
void linkLongestChain(Board& board) {
  Node* from = board.sourceNode;
  for (int column = 0; column < gridColumns; ++column) {
    for (int step = 0; step < gridRows; ++step) {
      const int row = column % 2 == 0 ? step : gridRows - 1 - step;
      from->next = board.gridNode(row, column);
      from = from->next;
    }
  }
  from->next = board.sinkNode;
}

void measureEvaluate() {
  Board board;
  board.build();
  linkLongestChain(board);
  constexpr int batch = 100000;
  volatile bool sink = false;
  std::vector<double> perEvaluation;
  for (int round = 0; round < 31; ++round) {
    const auto start = Clock::now();
    for (int i = 0; i < batch; ++i) sink = board.evaluate();
    perEvaluation.push_back(millisecondsSince(start) * 1e6 / batch);
  }
  const std::size_t before = heapAllocations();
  for (int i = 0; i < 1000000; ++i) sink = board.evaluate();
  const std::size_t allocations = heapAllocations() - before;
  std::printf("evaluate_ns: %.1f\n", median(perEvaluation));
  std::printf("evaluate_allocs: %zu\n", allocations);
  (void)sink;
}

// Spots across the title picture that its first frame must show.
std::vector<Spot> titleSpots() {
  const auto title = decodePngFile(picturePath(titleFile).c_str(), 8192);
  std::vector<Spot> spots;
  if (!title) return spots;
  for (const auto& [x, y] : {std::pair{2, 2}, {797, 597}, {400, 180}}) {
    const std::size_t at =
        (static_cast<std::size_t>(y) * title->width + x) * title->channels();
    spots.push_back(
        {x,
         y,
         {title->pixels[at], title->pixels[at + 1], title->pixels[at + 2]}});
  }
  return spots;
}

void measureFirstFrames(XClient& client, const std::string& display) {
  const std::vector<Spot> spots = titleSpots();
  std::vector<double> game, floor;
  for (int round = 0; round < 9; ++round) {
    const double gameMs =
        firstFrameMs(client, display, LINKLOOM_BINARY, ".", spots);
    const double floorMs =
        firstFrameMs(client, display, LINKLOOM_FIRST_FRAME_FLOOR, ".", spots);
    if (gameMs > 0) game.push_back(gameMs);
    if (floorMs > 0) floor.push_back(floorMs);
  }
  if (game.empty() || floor.empty()) {
    std::printf("warning: no first frame seen\n");
    return;
  }
  std::printf("first_frame_ms: %.1f\n", median(game));
  std::printf("first_frame_floor_ms: %.1f\n", median(floor));
  std::printf("first_frame_ratio: %.2f\n", median(game) / median(floor));
}

// The real game left standing on the title screen, then on level 1.
void measureIdleCost(XClient& client, const std::string& display) {
  GameProcess process;
  SwapCounter swaps;
  if (!process.start(LINKLOOM_BINARY, ".", display)) return;
  const Window window = client.findWindow(kWindowTitle, 10s);
  if (window == 0 || !swaps.watch(client.display, window) ||
      swaps.waitFor(3, 10s) < 3) {
    std::printf("warning: the game did not draw\n");
    return;
  }
  const Activity title = watchActivity(swaps, process.pid, 4s);
  client.moveTo(window, 400, 300);
  client.click();  // to the instructions
  std::this_thread::sleep_for(300ms);
  client.click();  // to level 1
  std::this_thread::sleep_for(500ms);
  const Activity playing = watchActivity(swaps, process.pid, 4s);
  std::printf("cpu_title_pct: %.1f\n",
              100.0 * title.cpuSeconds / title.seconds);
  std::printf("cpu_playing_pct: %.1f\n",
              100.0 * playing.cpuSeconds / playing.seconds);
  std::printf("frames_per_second: %.1f\n", playing.frames / playing.seconds);
}

void openWindow(int& argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(kWindowWidth, kWindowHeight);
  glutCreateWindow(kWindowTitle);
  glutDisplayFunc([] {});
  camera().reshape(kWindowWidth, kWindowHeight);
}

template <typename Frame>
double timeFrames(int count, Frame frame) {
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    frame();
    glFinish();
  }
  return millisecondsSince(start) / count;
}

// A playing frame with everything on the board against the copy of the
// playing field alone.
void measureFrames() {
  game().init();
  game().finishStartUp();
  setUpBusyBoard();
  FloorFrame floor;
  floor.load();
  const auto gameFrame = [] { game().display(); };
  const auto floorFrame = [&] { floor.draw(); };
  timeFrames(30, gameFrame);
  timeFrames(30, floorFrame);
  std::vector<double> gameMs, floorMs;
  for (int round = 0; round < 21; ++round) {
    gameMs.push_back(timeFrames(10, gameFrame));
    floorMs.push_back(timeFrames(10, floorFrame));
  }
  if (!board().reachesSink) std::printf("warning: the chain missed the sink\n");
  std::printf("frame_ms: %.3f\n", median(gameMs));
  std::printf("frame_floor_ms: %.3f\n", median(floorMs));
  std::printf("frame_ratio: %.2f\n", median(gameMs) / median(floorMs));
}

}  // namespace

int main(int argc, char** argv) {
  // Start-up is measured without a sound server's latency, and without the
  // session-bus start that SDL tries on a bare X server (a desktop has one
  // running already). Child processes inherit both.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
  const char* display = std::getenv("DISPLAY");
  XClient client;
  if (display == nullptr || !client.open(display)) {
    std::fprintf(stderr, "linkloom-bench: needs an X display\n");
    return 1;
  }
  measureEvaluate();
  measureHint();
  measureFirstFrames(client, display);
  measureIdleCost(client, display);
  openWindow(argc, argv);
  measureFrames();
  return 0;
}
