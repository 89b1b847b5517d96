// Guided play in the frame routine.
#include "app/guided_screen.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <utility>

#include "app/background_job.h"
#include "app/guided_keys.h"
#include "app/kept_progress.h"
#include "app/redraw.h"
#include "app/window_title.h"
#include "puzzle/board.h"
#include "puzzle/guided_play.h"
#include "puzzle/hint_search.h"
#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"
#include "render/board_parts.h"
#include "render/glyph_font.h"
#include "render/guided_draw.h"
#include "render/picture_files.h"
#include "render/scenery.h"
#include "render/text_draw.h"
#include "render/world.h"

namespace {

// Links off the live chain at a third of their opacity.
constexpr float kOffChainLinkAlpha = 1.0f / 3.0f;

// Text sizes and places, world units (8 pixels each at 800 x 600): the
// status line in the top left corner and the key list along the bottom
// edge, where the board, the shapes and the field's labels leave room.
constexpr float kStatusEm = 2.4f;
constexpr float kKeysEm = 1.9f;
constexpr float kMargin = 1.5f;
constexpr TextColour kInk{0.16f, 0.21f, 0.30f, 1.0f};
constexpr TextColour kPaleInk{0.80f, 0.90f, 1.0f, 1.0f};
constexpr TextColour kPanel{0.06f, 0.09f, 0.20f, 0.78f};
constexpr TextColour kWhite{1.0f, 1.0f, 1.0f, 1.0f};
// The game-over count stands where the classic picture has its sentence.
constexpr float kSummaryBaseline = kWorldTop - 282.0f / kPixelsPerUnit;
// The levels solved with and without hints a line below it, and the
// daily's result line below that.
constexpr float kHelpLineDrop = 3.8f;
constexpr float kResultLineDrop = 6.9f;

// While playing, a frame comes at least every second for the clock, so a
// longer gap is time away from the level (the instructions, a hidden
// window) and counts no more than this.
constexpr double kLongestClockStep = 1.5;

// Asks for the frame that shows the level clock's next whole second, once
// a second: a busy second's frames would otherwise each add a timer.
void askForNextSecond(double levelSeconds) {
  using Clock = std::chrono::steady_clock;
  static Clock::time_point askedFor;
  const double untilNext = std::floor(levelSeconds) + 1.0 - levelSeconds;
  const Clock::time_point at =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(untilNext));
  if (at - askedFor < std::chrono::milliseconds(50) &&
      askedFor - at < std::chrono::milliseconds(50))
    return;
  askedFor = at;
  askForFrameAt(at);
}

// The window title shown last, so it is set again only when it changes.
std::string& shownTitle() {
  static std::string title;
  return title;
}

void showTitle() {
  const std::string title =
      std::string(kWindowTitle) + " - " + guidedPlay().placeText(board());
  if (title == shownTitle()) return;
  shownTitle() = title;
  showWindowTitle(title.c_str());
}

// The search for the hints of the level in play, 0 when none runs.
JobId& hintSearchJob() {
  static JobId id = 0;
  return id;
}

// Leaving a level before its search has ended stops that search.
void stopHintSearch() {
  cancelJob(hintSearchJob());
  hintSearchJob() = 0;
}

// The level just started is searched beside play, on a copy of it.
void startHintSearch() {
  stopHintSearch();
  auto search = std::make_shared<HintSearch>();
  search->start(board());
  hintSearchJob() = startJob(
      [search](long steps) { return search->advance(steps); },
      [search] {
        hintSearchJob() = 0;
        // Its shortest chains point into the search's own board,
        // which goes with it; hints read the indices of every one.
        LevelSolutions found = std::move(search->search.found);
        found.shortest.clear();
        guidedPlay().takeSolutions(board(), gameState(), std::move(found));
        askForFrame();
      });
}

}  // namespace

void beginGuidedPlay(const std::string& puzzleName) {
  GuidedPlay& play = guidedPlay();
  play.on = true;
  play.puzzleName = puzzleName;
  scenery().files = {guidedBackgroundFile, guidedInstructionsFile,
                     guidedGameOverFile};
  boardLook().offChainLinkAlpha = kOffChainLinkAlpha;
  boardLook().doubleRingOnSelection = true;
  hoverRule() = HoverRule::PressEffect;
}

void updateGuidedPlay(double dt) {
  GuidedPlay& play = guidedPlay();
  if (!play.on) return;
  const int solvedBefore = play.levelsSolved;
  const int startsBefore = play.levelStarts;
  play.advance(board(), gameState(), std::min(dt, kLongestClockStep));
  if (play.levelStarts != startsBefore) startHintSearch();
  if (board().levelIndex >= levelSetSize()) stopHintSearch();
  // A press, a key or the level pause may have changed what a press under
  // the still pointer would do.
  judgeHover(board());
  if (play.levelsSolved != solvedBefore)
    keepSolvedLevel(play.levelIndex, play.levelSeconds, play.levelHints);
  showTitle();
  if (!gameState().levelPause) askForNextSecond(play.levelSeconds);
}

void noteGuidedPress() {
  if (guidedPlay().on) guidedPlay().afterPress(board());
}

void noteGuidedClick(const PressNote& note) {
  GuidedPlay& play = guidedPlay();
  if (!play.on || note.pressed == nullptr) return;
  play.focus = board().indexOf(note.pressed);
  sayPress(note);
}

void restartGuidedPlay() {
  if (!guidedPlay().on) return;
  // The restart starts level 1 at once, so its search starts with it.
  guidedPlay().restart(board());
  startHintSearch();
}

void drawLevelWait() {
  const std::string words =
      "Making level " + std::to_string(board().levelIndex + 1) + "...";
  drawText(glyphFont(), words, kWorldMiddleX, 40.0f, 4.0f, TextAlign::Centre,
           kInk);
}

void drawGuidedPlaying() {
  const GuidedPlay& play = guidedPlay();
  if (!play.on) return;
  const Board& shown = board();
  drawShapeNumbers(shown);
  // The hint under the labels, which keep clear of its link's head.
  drawHint(shown, play.hint);
  drawChainTrace(shown, play.hint);
  const GlyphFont& font = glyphFont();
  drawText(font, play.statusText(shown), kWorldLeft + kMargin,
           kWorldTop - kMargin - kStatusEm * 0.75f, kStatusEm, TextAlign::Left,
           kInk);
  drawFocus(*shown.node(play.focus));
  // The key list's last line along the bottom edge, the others above it.
  const std::vector<std::string> keys = guidedKeyLines();
  std::vector<TextLine> lines;
  float baseline = kWorldBottom + kMargin;
  for (auto line = keys.rbegin(); line != keys.rend(); ++line) {
    lines.push_back({*line, kWorldRight - kMargin, baseline});
    baseline += kKeysEm * 1.2f;
  }
  drawTextLines(font, lines, kKeysEm, TextAlign::Right, kInk);
  if (gameState().levelPause) {
    const std::string cleared = play.clearedText(shown);
    constexpr float em = 5.0f;
    const float half = textWidth(font, cleared, em) * 0.5f + 3.0f;
    drawPanel(kWorldMiddleX - half, 42.0f, kWorldMiddleX + half, 52.0f, kPanel);
    drawText(font, cleared, kWorldMiddleX, 45.5f, em, TextAlign::Centre,
             kWhite);
  }
}

void drawGuidedScreen(ScreenState screen) {
  const GuidedPlay& play = guidedPlay();
  if (!play.on || screen != ScreenState::GameOver) return;
  drawText(glyphFont(), play.summaryText(), kWorldMiddleX, kSummaryBaseline,
           3.6f, TextAlign::Centre, kPaleInk);
  drawText(glyphFont(), play.helpText(), kWorldMiddleX,
           kSummaryBaseline - kHelpLineDrop, 2.6f, TextAlign::Centre, kPaleInk);
  // The daily's result line below the count, as it was printed.
  if (!dailyResult().empty())
    drawText(glyphFont(), dailyResult(), kWorldMiddleX,
             kSummaryBaseline - kResultLineDrop, 1.9f, TextAlign::Centre,
             kPaleInk);
}
