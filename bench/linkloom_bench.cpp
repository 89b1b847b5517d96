// Benchmark: the game's frame, first frame, idle cost and chain evaluation,
// each against the least work that could do the same, with game and floor
// interleaved so machine drift cancels. Run it from the run directory under
// a display: cd build && xvfb-run -a ./linkloom-bench
#include <GL/freeglut.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/game.h"
#include "bench/allocation_counter.h"
#include "bench/first_frame.h"
#include "bench/floors.h"
#include "bench/hint_time.h"
#include "bench/level_start.h"
#include "bench/progress_read.h"
#include "puzzle/board.h"
#include "render/camera.h"
#include "render/game_window.h"
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

// Medians of nine interleaved first frames of two programs (or two
// command lines of one), in wall and CPU time; none when no frame was seen.
struct FirstFramePair {
  double wallA = 0, wallB = 0, cpuA = 0, cpuB = 0;
};

std::optional<FirstFramePair> interleavedFirstFrames(
    XClient& client, const std::string& display, const std::string& binaryA,
    const std::vector<std::string>& argsA, const std::string& binaryB) {
  const std::vector<Spot> spots = titleSpots();
  std::vector<double> wallA, wallB, cpuA, cpuB;
  for (int round = 0; round < 9; ++round) {
    const FirstFrame a =
        firstFrame(client, display, binaryA, ".", spots, argsA);
    const FirstFrame b = firstFrame(client, display, binaryB, ".", spots);
    if (a.wallMs > 0 && b.wallMs > 0) {
      wallA.push_back(a.wallMs);
      wallB.push_back(b.wallMs);
      cpuA.push_back(a.cpuMs);
      cpuB.push_back(b.cpuMs);
    }
  }
  if (wallA.empty()) return std::nullopt;
  return FirstFramePair{median(wallA), median(wallB), median(cpuA),
                        median(cpuB)};
}

// Exec to the title on screen, the game's against the minimal program's,
// interleaved. CPU time is the figure that a loaded machine leaves alone;
// wall times are printed beside it.
void measureFirstFrames(XClient& client, const std::string& display) {
  const auto times = interleavedFirstFrames(client, display, LINKLOOM_BINARY,
                                            {}, LINKLOOM_FIRST_FRAME_FLOOR);
  if (!times) {
    std::printf("warning: no first frame seen\n");
    return;
  }
  std::printf("first_frame_ms: %.1f\n", times->wallA);
  std::printf("first_frame_floor_ms: %.1f\n", times->wallB);
  std::printf("first_frame_cpu_ms: %.1f\n", times->cpuA);
  std::printf("first_frame_floor_cpu_ms: %.1f\n", times->cpuB);
  std::printf("first_frame_wall_ratio: %.2f\n", times->wallA / times->wallB);
  std::printf("first_frame_ratio: %.2f\n", times->cpuA / times->cpuB);
}

// Exec to the title on screen of a hard seed, whose levels are made after
// it, against the classic game's, interleaved: wall time, and CPU time.
void measureGeneratedFirstFrame(XClient& client, const std::string& display) {
  const auto times = interleavedFirstFrames(
      client, display, LINKLOOM_BINARY,
      {"--seed", "27182", "--difficulty", "hard"}, LINKLOOM_BINARY);
  if (!times) {
    std::printf("warning: no first frame of a generated puzzle seen\n");
    return;
  }
  std::printf("first_frame_generated_ms: %.1f\n", times->wallA);
  std::printf("first_frame_generated_ratio: %.2f\n",
              times->wallA / times->wallB);
  // CPU time, as for first_frame_ratio: what a loaded machine leaves alone.
  std::printf("first_frame_generated_cpu_ratio: %.2f\n",
              times->cpuA / times->cpuB);
}

// Waits until no frame has reached the window for a second.
void waitUntilStill(SwapCounter& swaps) {
  for (int tries = 0; tries < 20; ++tries) {
    const long before = swaps.count();
    std::this_thread::sleep_for(1s);
    if (swaps.count() == before) return;
  }
  std::printf("warning: the game never stood still\n");
}

// Sweeps the pointer to and fro across the board's middle row of nodes at
// about 90 moves a second, for span; returns the game's CPU share.
double pointerSweepShare(XClient& client, Window window, pid_t pid,
                         std::chrono::milliseconds span) {
  constexpr auto kMoveInterval = 11ms;
  const double cpu = processCpuSeconds(pid);
  const auto start = Clock::now();
  int x = 150, step = 7;
  for (auto next = start; Clock::now() - start < span; next += kMoveInterval) {
    client.moveTo(window, x, 300);
    XFlush(client.display);
    if (x + step < 150 || x + step > 650) step = -step;
    x += step;
    std::this_thread::sleep_until(next + kMoveInterval);
  }
  const double seconds = millisecondsSince(start) / 1000.0;
  return (processCpuSeconds(pid) - cpu) / seconds;
}

// The real game left standing on the title screen, then on level 1, then
// with the pointer sweeping the board.
void measureIdleCost(XClient& client, const std::string& display) {
  GameProcess process;
  SwapCounter swaps;
  if (!process.start(LINKLOOM_BINARY, ".", display)) return;
  const Window window = client.findWindow(kWindowTitle, 10s);
  if (window == 0 || !swaps.watch(client.display, window) ||
      swaps.waitFor(1, 10s) < 1) {
    std::printf("warning: the game did not draw\n");
    return;
  }
  waitUntilStill(swaps);
  const Activity title = watchActivity(swaps, process.pid, 4s);
  client.moveTo(window, 400, 20);
  client.click();  // to the instructions
  std::this_thread::sleep_for(300ms);
  client.click();  // to level 1
  waitUntilStill(swaps);
  const Activity playing = watchActivity(swaps, process.pid, 4s);
  const double pointer = pointerSweepShare(client, window, process.pid, 4s);
  std::printf("cpu_title_pct: %.2f\n",
              100.0 * title.cpuSeconds / title.seconds);
  std::printf("cpu_playing_pct: %.2f\n",
              100.0 * playing.cpuSeconds / playing.seconds);
  std::printf("cpu_pointer_pct: %.2f\n", 100.0 * pointer);
  std::printf(
      "frames_still_per_second: %.2f\n",
      (title.frames + playing.frames) / (title.seconds + playing.seconds));
}

void openWindow(int& argc, char** argv) {
  GameWindow{}.open(argc, argv);
  glutDisplayFunc([] {});
  camera().reshape(kWindowWidth, kWindowHeight);
}

// CPU milliseconds of the whole process, the renderer's threads with it:
// what a frame costs whatever else the machine runs.
double processCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec * 1e-6;
}

template <typename Frame>
double timeFrames(int count, Frame frame) {
  const double start = processCpuMs();
  for (int i = 0; i < count; ++i) {
    frame();
    glFinish();
  }
  return (processCpuMs() - start) / count;
}

// Frames of the busy board in CPU time, against the copy of the playing
// field alone: the pointer moving the hover mark from node to node, as most
// playing frames are, and a link made or removed, which draws the board
// again where the link lies.
void measureFrames() {
  game().init();
  game().finishStartUp();
  setUpBusyBoard();
  FloorFrame floor;
  floor.load();
  Board& shown = board();
  Node* const hoverA = shown.gridNode(2, 2);
  Node* const hoverB = shown.gridNode(2, 3);
  Node* const linkFrom = shown.gridNode(3, 3);
  Node* const linkTo = shown.gridNode(3, 2);
  const auto gameFrame = [&] {
    shown.hoveredNode = shown.hoveredNode == hoverA ? hoverB : hoverA;
    game().display();
  };
  const auto linkFrame = [&] {
    linkFrom->next = linkFrom->next == nullptr ? linkTo : nullptr;
    game().display();
  };
  const auto floorFrame = [&] { floor.draw(); };
  timeFrames(30, gameFrame);
  timeFrames(30, linkFrame);
  timeFrames(30, floorFrame);
  std::vector<double> gameMs, linkMs, floorMs;
  for (int round = 0; round < 21; ++round) {
    gameMs.push_back(timeFrames(10, gameFrame));
    linkMs.push_back(timeFrames(10, linkFrame));
    floorMs.push_back(timeFrames(10, floorFrame));
  }
  if (!shown.reachesSink) std::printf("warning: the chain missed the sink\n");
  std::printf("frame_ms: %.3f\n", median(gameMs));
  std::printf("frame_floor_ms: %.3f\n", median(floorMs));
  std::printf("frame_ratio: %.2f\n", median(gameMs) / median(floorMs));
  std::printf("frame_link_ms: %.3f\n", median(linkMs));
  std::printf("frame_link_ratio: %.2f\n", median(linkMs) / median(floorMs));
}

}  // namespace

int main(int argc, char** argv) {
  // Each figure shows as soon as it is measured.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
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
  measureProgressRead();
  measureFirstFrames(client, display);
  measureGeneratedFirstFrame(client, display);
  measureIdleCost(client, display);
  openWindow(argc, argv);
  measureFrames();
  measureLevelStarts();
  return 0;
}
