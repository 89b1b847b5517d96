// A player's test of kept progress: level 1 of a seed solved in one game is
// not asked again in the next, which opens on level 2 (window title and
// status line), while --from-start opens on level 1; and the daily's last
// level, once solved, prints the result line with the streak gone on. A
// level solved while another game holds the lock is saved once it is free.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "puzzle/chain_search.h"
#include "puzzle/daily.h"
#include "puzzle/level_generator.h"
#include "render/picture_files.h"
#include "render/png_decode.h"
#include "render/world.h"
#include "tests/solving_chains.h"
#include "tests/support/run_dir.h"
#include "tests/support/running_game.h"
#include "tools/support/world_mouse.h"

// After gtest, whose names Xlib's macros would spoil.
#include <X11/Xutil.h>

namespace {

using namespace std::chrono_literals;

// The status line's strip along the top edge, pixels.
constexpr int kStripWidth = 560;
constexpr int kStripHeight = 40;
// Rows of the game-over screen below the count, where the daily's result
// line stands, pixels.
constexpr int kResultTop = 324;
constexpr int kResultBottom = 344;
// The clock at the line's end ("0:00") is narrower than this, pixels.
constexpr int kClockWidth = 60;

using Strip = std::vector<std::uint32_t>;

// The cells of a shortest chain that solves the level.
std::vector<std::pair<int, int>> solvingChain(const Level& level) {
  Board board;
  board.build();
  board.setLevel(level);
  const LevelSolutions solutions = solveLoadedLevel(board);
  std::vector<std::pair<int, int>> cells;
  if (solutions.shortest.empty()) return cells;
  const std::vector<Node*>& chain = solutions.shortest.front();
  for (std::size_t i = 1; i + 1 < chain.size(); ++i) {
    const int index = board.indexOf(chain[i]);
    cells.emplace_back(index / gridColumns, index % gridColumns);
  }
  return cells;
}

struct KeptPlayTest : ::testing::Test {
  RunDir state{};
  const std::string title = std::string(kWindowTitle) + " - Seed 5 - easy";

  // Starts the game, on seed 5 unless told otherwise, and clicks through
  // to the playing screen. A binary other than the game's is a shell that
  // runs the game, named as its $0, with the args.
  void start(RunningGame& game, const std::vector<std::string>& extra = {},
             std::vector<std::string> args = {"--seed", "5", "--difficulty",
                                              "easy"},
             const std::string& binary = LINKLOOM_BINARY) {
    args.insert(args.end(), extra.begin(), extra.end());
    ASSERT_NO_FATAL_FAILURE(
        game.start(binary, LINKLOOM_RUN_DIR,
                   {"XDG_STATE_HOME=" + state.path.string()}, args));
    ASSERT_TRUE(game.showsTitle(10s));
    for (int screen = 0; screen < 2; ++screen) {
      clickWorld(game.client, game.window, kWorldMiddleX, kWorldMiddleY);
      std::this_thread::sleep_for(300ms);
    }
  }
  // Whether the window is titled with level of the seed within a time-out.
  bool titled(RunningGame& game, int level, const std::string& of = "") {
    const std::string expected = (of.empty() ? title : of) + " - level " +
                                 std::to_string(level) + " of 6";
    return game.client.findWindow(expected, 10s) == game.window;
  }
  // The window's pixels in rows top to top + height, from the left edge.
  Strip pixels(RunningGame& game, int top, int width, int height) {
    XImage* image = XGetImage(game.client.display, game.window, 0, top, width,
                              height, AllPlanes, ZPixmap);
    Strip pixels;
    if (image == nullptr) return pixels;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        pixels.push_back(XGetPixel(image, x, y) & 0xffffff);
    XDestroyImage(image);
    return pixels;
  }
  Strip strip(RunningGame& game) {
    return pixels(game, 0, kStripWidth, kStripHeight);
  }
  // Starts the game and clicks the chain in on level 1, which it solves.
  void solveLevelOne(RunningGame& game,
                     const std::vector<std::pair<int, int>>& chain) {
    ASSERT_NO_FATAL_FAILURE(start(game));
    ASSERT_TRUE(titled(game, 1)) << game.process.stderrText();
    clickChain(game.client, game.window, chain);
    ASSERT_TRUE(titled(game, 2)) << "level 1 was not solved";
  }
  void close(RunningGame& game) {
    game.client.close(game.window);
    EXPECT_EQ(game.process.waitExit(10s), 0) << game.process.stderrText();
  }
};

// Whether two strips differ left of a column.
bool differBefore(const Strip& a, const Strip& b, int column) {
  if (a.size() != b.size()) return true;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && int(i % kStripWidth) < column) return true;
  }
  return false;
}

// The rightmost column with the status line's dark ink.
int lastInk(const Strip& strip) {
  int last = -1;
  for (std::size_t i = 0; i < strip.size(); ++i) {
    const std::uint32_t p = strip[i];
    if ((p >> 16) + (p >> 8 & 0xff) + (p & 0xff) < 250)
      last = std::max(last, int(i % kStripWidth));
  }
  return last;
}

TEST_F(KeptPlayTest, ASolvedLevelIsNotAskedAgainUnlessFromTheStart) {
  const auto chain = solvingChain(generateLevels(5, 1, Difficulty::Easy)[0]);
  ASSERT_FALSE(chain.empty());
  Strip solvedInPlay;
  {
    RunningGame game;
    ASSERT_NO_FATAL_FAILURE(solveLevelOne(game, chain));
    std::this_thread::sleep_for(300ms);
    solvedInPlay = strip(game);
    close(game);
  }
  std::ifstream file(state.path / "linkloom" / "progress");
  std::stringstream kept;
  kept << file.rdbuf();
  EXPECT_NE(kept.str().find("puzzle 1 seed 5 easy\nsolved 1 "),
            std::string::npos)
      << kept.str();
  const int clockStart = lastInk(solvedInPlay) - kClockWidth;
  ASSERT_GT(clockStart, 100) << "no status line in the top left corner";
  {
    RunningGame game;
    ASSERT_NO_FATAL_FAILURE(start(game));
    EXPECT_TRUE(titled(game, 2)) << "the seed did not resume at level 2";
    std::this_thread::sleep_for(300ms);
    // The same status line as after solving level 1; only the clock may
    // have moved on.
    EXPECT_FALSE(differBefore(strip(game), solvedInPlay, clockStart));
    close(game);
  }
  {
    RunningGame game;
    ASSERT_NO_FATAL_FAILURE(start(game, {"--from-start"}));
    EXPECT_TRUE(titled(game, 1)) << "--from-start did not start at level 1";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(differBefore(strip(game), solvedInPlay, clockStart));
    close(game);
  }
  {
    // What was solved stays kept after playing from the start.
    RunningGame game;
    ASSERT_NO_FATAL_FAILURE(start(game));
    EXPECT_TRUE(titled(game, 2));
    close(game);
  }
}

TEST_F(KeptPlayTest, ALevelSolvedWhileTheLockIsHeldIsSavedOnceItIsFree) {
  const std::vector<Level> seed = generateLevels(5, 6, Difficulty::Easy);
  const auto chain = solvingChain(seed[0]), second = solvingChain(seed[1]);
  ASSERT_FALSE(chain.empty() || second.empty());
  const std::filesystem::path file = state.path / "linkloom" / "progress";
  std::filesystem::create_directories(file.parent_path());
  const std::string lock = file.string() + ".lock";
  int held = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  const auto kept = [&file] {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(solveLevelOne(game, chain));
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(kept().find("seed 5 easy"), std::string::npos) << kept();
  // Let go, and leave the game alone: it saves by itself.
  ::close(held);
  const auto giveUp = std::chrono::steady_clock::now() + 10s;
  while (kept().find("seed 5 easy\nsolved 1 ") == std::string::npos &&
         std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(100ms);
  EXPECT_NE(kept().find("puzzle 1 seed 5 easy\nsolved 1 "), std::string::npos)
      << kept();
  // Closed while the lock is held again, the game says what it could not
  // save.
  held = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  clickChain(game.client, game.window, second);
  ASSERT_TRUE(titled(game, 3)) << "level 2 was not solved";
  close(game);
  ::close(held);
  EXPECT_EQ(kept().find("solved 2 "), std::string::npos) << kept();
  const std::string waits = "linkloom: another game holds " + lock +
                            "; progress is saved once it is free\n";
  EXPECT_EQ(game.process.stderrText(),
            waits + waits + "linkloom: another game still holds " + lock +
                "; what was solved since it took it is not saved\n");
}

TEST_F(KeptPlayTest, TheClassicGameKeepsNothing) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(
      LINKLOOM_BINARY, LINKLOOM_RUN_DIR,
      {"XDG_STATE_HOME=" + state.file("state"), "HOME=" + state.file("home")}));
  ASSERT_TRUE(game.showsTitle(10s));
  for (int screen = 0; screen < 2; ++screen) {
    clickWorld(game.client, game.window, kWorldMiddleX, kWorldMiddleY);
    std::this_thread::sleep_for(300ms);
  }
  clickChain(game.client, game.window, solvingChains[0]);
  std::this_thread::sleep_for(1500ms);
  close(game);
  EXPECT_TRUE(std::filesystem::is_empty(state.path));
}

// The UTC date some days from now, YYYYMMDD.
int utcDate(int daysFromNow) {
  const std::time_t when = std::time(nullptr) + daysFromNow * 86400;
  std::tm date{};
  gmtime_r(&when, &date);
  return (date.tm_year + 1900) * 10000 + (date.tm_mon + 1) * 100 + date.tm_mday;
}

std::string dateText(int date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date / 10000,
                date / 100 % 100, date % 100);
  return text;
}

// Plays today's daily from its last level, the five before it solved
// earlier today after a streak of two days that ended yesterday, to its
// end; binary and args as KeptPlayTest::start takes them.
void finishDaily(KeptPlayTest& test, RunningGame& game,
                 const std::vector<std::string>& args = {"--daily"},
                 const std::string& binary = LINKLOOM_BINARY) {
  const int today = utcDate(0);
  const std::string day = dateText(today);
  // In a minute each with one hint among them.
  std::filesystem::create_directories(test.state.path / "linkloom");
  std::string kept = "linkloom progress 1\nstreak " + dateText(utcDate(-1)) +
                     " 2\npuzzle 1 daily " + day + "\n";
  for (int level = 1; level <= 5; ++level)
    kept += "solved " + std::to_string(level) + " 60000 " +
            (level == 3 ? "1" : "0") + "\n";
  std::ofstream(test.state.path / "linkloom" / "progress") << kept;

  const auto chain = solvingChain(dailyLevels(today)[5]);
  ASSERT_FALSE(chain.empty());
  ASSERT_NO_FATAL_FAILURE(test.start(game, {}, args, binary));
  ASSERT_TRUE(
      test.titled(game, 6, std::string(kWindowTitle) + " - Daily " + day))
      << "the daily did not resume at its last level";
  clickChain(game.client, game.window, chain);
}

// The game-over screen's corners, which the daily's end leads to.
bool showsGameOver(RunningGame& game) {
  return game.showsPicture(guidedGameOverFile, 10s,
                           {{2, 2}, {797, 2}, {2, 597}, {797, 597}});
}

TEST_F(KeptPlayTest, TheDailyFinishedPrintsItsResultLineAndTheStreakGoesOn) {
  const std::string day = dateText(utcDate(0));
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(finishDaily(*this, game));
  const std::string start = "Linkloom daily " + day + ": 6/6 in 5:";
  const std::string end = ", 5 without a hint, 1 with 1 hint, streak 3\n";
  ASSERT_TRUE(waitUntil(
      [&] { return game.process.stdoutText().find(end) != std::string::npos; },
      10s))
      << game.process.stdoutText();
  const std::string line = game.process.stdoutText();
  EXPECT_EQ(line.rfind(start, 0), 0u) << line;
  EXPECT_EQ(line.size(), start.size() + 2 + end.size()) << line;

  // The game-over screen shows it too, in the rows below the count, where
  // the picture alone has nothing to say.
  const std::string over =
      std::string(LINKLOOM_RUN_DIR "/images/") + guidedGameOverFile;
  const auto picture = decodePngFile(over.c_str(), 4096);
  ASSERT_TRUE(picture && picture->width == kWindowWidth);
  ASSERT_TRUE(showsGameOver(game)) << "no game-over screen";
  const auto lettersInResultRows = [&] {
    const Strip shown =
        pixels(game, kResultTop, kWindowWidth, kResultBottom - kResultTop);
    int letters = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const std::size_t at =
          (kResultTop * std::size_t(kWindowWidth) + i) * picture->channels();
      const int drawn =
          (shown[i] >> 16) + (shown[i] >> 8 & 0xff) + (shown[i] & 0xff);
      const int painted = picture->pixels[at] + picture->pixels[at + 1] +
                          picture->pixels[at + 2];
      letters += std::abs(drawn - painted) > 90;
    }
    return letters;
  };
  EXPECT_TRUE(waitUntil([&] { return lettersInResultRows() > 300; }, 10s))
      << lettersInResultRows();
  close(game);
  std::ifstream file(state.path / "linkloom" / "progress");
  std::stringstream saved;
  saved << file.rdbuf();
  EXPECT_NE(saved.str().find("streak " + day + " 3\n"), std::string::npos)
      << saved.str();
}

// Standard output closed at the start: nothing else may take its number (the
// display's connection did, and the result line written into it hung the
// game), so the game plays to its game-over screen and closes as usual.
TEST_F(KeptPlayTest, TheDailyEndsAsUsualWithStandardOutputClosed) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(finishDaily(
      *this, game, {"-c", "exec \"$0\" --daily >&-", LINKLOOM_BINARY},
      "/bin/sh"));
  EXPECT_TRUE(showsGameOver(game)) << game.process.stderrText();
  close(game);
  EXPECT_EQ(game.process.stderrText(), "");
}

// Standard output a pipe nobody reads: the result line's write fails, which
// is one line on standard error, not a SIGPIPE that ends the game.
TEST_F(KeptPlayTest, TheDailyEndsAsUsualWhenItsResultMeetsADeadPipe) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(finishDaily(
      *this, game, {"-c", "exec \"$0\" --daily > >(exit 0)", LINKLOOM_BINARY},
      "/bin/bash"));
  EXPECT_TRUE(showsGameOver(game)) << game.process.stderrText();
  close(game);
  EXPECT_EQ(game.process.stderrText(),
            "linkloom: cannot write the daily's result: Broken pipe\n");
}

}  // namespace
