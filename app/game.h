// Game: the frame clock, the per-frame routine and start-up of the objects.
#pragma once

#include <cstdint>

struct Game {
  std::uint32_t lastTime = 0;  // toolkit ms at the previous tick
  std::uint32_t now = 0;       // toolkit ms at this tick
  double frameTime = 0.0;      // seconds, at most maxFrameSeconds
  // Seconds since the previous tick, uncapped: frames are drawn only on
  // change, so a clock that shows time cannot count frames.
  double elapsedTime = 0.0;
  // Set once start-up has finished; update runs only then.
  bool active = false;
  bool titleShown = false;  // the first frame has been swapped
  int startUpStepsRun = 0;  // steps of finishStartUp already run

  Game();  // reads the toolkit clock into lastTime

  // Sets the GL state and loads the title picture, all that the first frame
  // draws, so the window shows it soon; needs the window.
  void init();
  // The rest of start-up, one step per call, in this order: the playing
  // field, instructions and game-over pictures; the audio device; the board
  // sprites and the board; the glyph font; the music. The last step sets
  // active. Throws std::runtime_error when the glyph font cannot be built.
  void continueStartUp();
  // Every step of the rest of start-up not yet run; throws likewise.
  void finishStartUp();
  // Advances the clock; clears the buffers after an over-long frame.
  void tickClock();
  // One redraw: clock, update on the playing screen, drawing, swap.
  void display();
  // Per-frame logic on the playing screen: evaluation or the level pause.
  void update();
  // Back to level 1 from the game-over screen, with the glyph font built
  // again; throws std::runtime_error when that fails.
  void restart();

  double lastFrameTime() const { return frameTime; }
};

Game& game();

// Runs a start-up step or restart on the game. A font that cannot be built or a
// lack of memory is printed as one line on standard error and gives false, so
// the caller ends the game with status 1 rather than through an abort, and
// no exception crosses the toolkit's C frames.
bool runReportingFailure(void (Game::*step)());
// runReportingFailure, ending the game with status 1 when the step fails.
void runOrExit(void (Game::*step)());
