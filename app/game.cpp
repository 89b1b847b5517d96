// The game object: start-up order and the frame routine.
#include "app/game.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <new>
#include <stdexcept>

#include "app/display_sync.h"
#include "app/frame_clock.h"
#include "app/guided_screen.h"
#include "app/kept_progress.h"
#include "app/level_supply.h"
#include "app/redraw.h"
#include "app/spoken_play.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/level_progress.h"
#include "puzzle/play_view.h"
#include "render/board_layer.h"
#include "render/board_sprites.h"
#include "render/camera.h"
#include "render/fixed_function_state.h"
#include "render/glyph_font.h"
#include "render/scenery.h"
#include "render/world.h"
#include "sound/audio_player.h"

namespace {
// The glyph set is built at start-up and again at every restart.
constexpr unsigned fontPoints = 46;
constexpr const char* musicPath = "./audio/backgroundmusic.mp3";

// Start-up after the title, in order. The rest of the pictures come first:
// a click on the title needs the instructions. Generated levels are made
// beside play once the rest has loaded, so no thread of ours competes with
// the title on its way to the screen; a player's two clicks take longer.
constexpr void (*startUpSteps[])() = {
    [] { scenery().load(); },
    [] { audioPlayer().init(); },
    [] {
      buildBoardSprites(board());
      board().build();
      resumeKeptLevel(board());
    },
    [] { glyphFont().load(gameFontPath, fontPoints); },
    [] { audioPlayer().playMusic(musicPath); },
    [] { makePlannedLevels(); },
};
constexpr int startUpStepCount = static_cast<int>(std::size(startUpSteps));

// The full-screen picture of a screen other than Playing, on a cleared
// window unless the picture is copied over all of it.
void drawScreenImage(ScreenState screen) {
  const Scenery& pictures = scenery();
  const PictureCopy& copy = screen == ScreenState::Title ? pictures.titleCopy
                            : screen == ScreenState::Instructions
                                ? pictures.instructionsCopy
                                : pictures.gameOverCopy;
  if (!pictures.showsOneToOne(copy))
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  switch (screen) {
    case ScreenState::Title: scenery().drawTitle(); break;
    case ScreenState::Instructions: scenery().drawInstructions(); break;
    case ScreenState::GameOver: scenery().drawGameOver(); break;
    case ScreenState::Playing: break;
  }
}
}  // namespace

Game& game() {
  static Game instance;
  return instance;
}

bool runReportingFailure(void (Game::*step)()) {
  try {
    (game().*step)();
    return true;
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "%s\n", error.what());
  } catch (const std::bad_alloc&) {
    std::fputs("Out of memory\n", stderr);
  }
  return false;
}

void runOrExit(void (Game::*step)()) {
  if (!runReportingFailure(step)) std::exit(1);
}

Game::Game()
    : lastTime(static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME))) {}

void Game::init() {
  setFixedFunctionState();
  // No depth test: every sprite lies in the plane z = 0 and the order of
  // drawing is the stacking order, so it would only cost time per pixel.
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  enableSwapControl();

  // The scenery rectangle is the visible area of the plane z = 0.
  scenery().loadTitle();
  scenery().setRect(kWorldTop, kWorldRight, kWorldBottom, kWorldLeft);
  gameState().screenState = ScreenState::Title;
}

void Game::continueStartUp() {
  if (active) return;
  startUpSteps[startUpStepsRun++]();
  active = startUpStepsRun == startUpStepCount;
}

void Game::finishStartUp() {
  while (!active) continueStartUp();
}

void Game::tickClock() {
  now = static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME));
  const FrameLength frame = measureFrame(now, lastTime);
  frameTime = frame.seconds;
  elapsedTime = static_cast<std::uint32_t>(now - lastTime) / 1000.0;
  if (frame.capped) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  lastTime = now;
}

void Game::display() {
  glPushMatrix();
  tickClock();
  keepWaitingLevels();
  if (gameState().screenState != ScreenState::Playing) {
    drawScreenImage(gameState().screenState);
    drawGuidedScreen(gameState().screenState);
    followPlayInWords();
    glutSwapBuffers();
    titleShown = true;
    glPopMatrix();
    return;
  }
  const PlayView before = viewOf(board(), gameState());
  if (waitsForLevel()) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    camera().apply();
    scenery().drawBackground();
    drawLevelWait();
  } else {
    if (active) update();
    camera().apply();
    boardLayer().draw(board());
    drawMarks(board());
    drawGuidedPlaying();
    followPlayInWords();
  }
  glutSwapBuffers();
  glPopMatrix();
  // The pause runs down frame by frame; a frame that loaded a level or
  // ended the game shows it fully only on the next one.
  const PlayView after = viewOf(board(), gameState());
  if (gameState().levelPause || !after.sameProgress(before)) askForFrame();
}

void Game::update() {
  advancePlay(board(), gameState(), static_cast<float>(frameTime));
  updateGuidedPlay(elapsedTime);
}

void Game::restart() {
  restartPlay(board(), gameState());
  restartGuidedPlay();
  glyphFont().load(gameFontPath, fontPoints);
}
