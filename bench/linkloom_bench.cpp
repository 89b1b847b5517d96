// Benchmark: the game's frame, chain evaluation and start-up, each measured
// against the least work that could do the same, in one run with the two
// interleaved so machine drift cancels. Run it from the run directory under
// a display: cd build && xvfb-run -a ./linkloom-bench
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game.h"
#include "bench/allocation_counter.h"
#include "bench/floors.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/link_editing.h"
#include "render/camera.h"
#include "render/world.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

void openWindow(int& argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(kWindowWidth, kWindowHeight);
  glutCreateWindow(kWindowTitle);
  glutDisplayFunc([] {});
  camera().reshape(kWindowWidth, kWindowHeight);
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

// One start-up, in a process of its own, since the game starts only once.
// The floor runs the same way, so both pay for fresh memory alike.
double startUpInChild(const char* self, const char* which) {
  const std::string command = std::string(self) + " " + which;
  FILE* child = popen(command.c_str(), "r");
  double ms = -1.0;
  if (child == nullptr) return ms;
  if (std::fscanf(child, "%lf", &ms) != 1) ms = -1.0;
  pclose(child);
  return ms;
}

void measureInit(const char* self) {
  std::vector<double> game, floor;
  for (int round = 0; round < 9; ++round) {
    game.push_back(startUpInChild(self, "--init-once"));
    floor.push_back(startUpInChild(self, "--floor-once"));
  }
  const double gameMs = median(game), floorMs = median(floor);
  std::printf("init_ms: %.1f\n", gameMs);
  std::printf("init_floor_ms: %.1f\n", floorMs);
  std::printf("init_ratio: %.2f\n", gameMs / floorMs);
}

// The child's side of startUpInChild: prints the milliseconds it took.
int startUpOnce(const std::string& which) {
  const auto start = Clock::now();
  if (which == "--init-once") {
    game().init();
  } else if (floorStartUp() == 0) {
    std::printf("nan\n");
    return 1;
  }
  std::printf("%.3f\n", millisecondsSince(start));
  std::fflush(stdout);
  std::_Exit(0);
}

// A playing frame with everything on the board: a chain from source to
// sink with its result shape, a selected and a hovered node.
void setUpPlayingBoard() {
  Board& b = board();
  b.sourceNode->next = b.gridNode(0, 0);
  b.gridNode(0, 0)->next = b.gridNode(0, 1);
  b.gridNode(0, 1)->next = b.gridNode(0, 2);
  b.gridNode(0, 2)->next = b.gridNode(0, 3);
  b.gridNode(0, 3)->next = b.sinkNode;  // size 4: reaches the sink, unsolved
  b.selectedNode = b.gridNode(2, 1);
  linkMode() = LinkMode::Linking;
  b.hoveredNode = b.gridNode(2, 2);
  b.hoverValid = true;
  gameState().screenState = ScreenState::Playing;
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

void measureFrames() {
  game().init();
  setUpPlayingBoard();
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
  std::printf("floor_frame_ms: %.3f\n", median(floorMs));
  std::printf("frame_ratio: %.2f\n", median(gameMs) / median(floorMs));
}

}  // namespace

int main(int argc, char** argv) {
  // Start-up is measured without a sound server's latency, and without the
  // session-bus start that SDL tries on a bare X server (a desktop has one
  // running already).
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
  openWindow(argc, argv);
  if (argc > 1) return startUpOnce(argv[1]);
  measureEvaluate();
  measureInit(argv[0]);
  measureFrames();
  return 0;
}
