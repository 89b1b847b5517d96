// The game object: start-up order and the frame routine.
#include "app/game.h"

#include <GL/freeglut.h>

#include "app/frame_clock.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/level_progress.h"

Game& game() {
  static Game instance;
  return instance;
}

Game::Game()
    : lastTime(static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME))) {}

void Game::init() {
  glShadeModel(GL_FLAT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glClearDepth(1.0);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_DEPTH_TEST);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);

  board().build();

  gameState().screenState = ScreenState::Title;
  active = true;
}

void Game::tickClock() {
  now = static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME));
  const FrameLength frame = measureFrame(now, lastTime);
  frameTime = frame.seconds;
  if (frame.capped) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  lastTime = now;
}

void Game::display() {
  glPushMatrix();
  tickClock();
  if (gameState().screenState != ScreenState::Playing) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    glPopMatrix();
    return;
  }
  if (active) update();
  glutSwapBuffers();
  glPopMatrix();
}

void Game::update() {
  advancePlay(board(), gameState(), static_cast<float>(frameTime));
}

void Game::restart() { restartPlay(board(), gameState()); }
