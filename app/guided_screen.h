// Guided play in the frame routine: starting it, its part of each frame's
// update and drawing, and its view of the mouse. In the classic game none
// of these does anything.
#pragma once

#include <string>

#include "app/spoken_play.h"
#include "puzzle/game_state.h"

// Turns guided play on for the named puzzle, before start-up loads the
// pictures: its own playing field, instructions and game over, links off
// the live chain dimmed, two rings on the selected node, and a hover mark
// that is red wherever a press would do nothing.
void beginGuidedPlay(const std::string& puzzleName);

// After Game::update's level progression, dt seconds after the previous
// frame: the clock, a level loaded afresh with its hints' search started
// beside play, the hover mark judged again, the window title naming it,
// and the frame that shows the clock's next whole second.
void updateGuidedPlay(double dt);
// After a button event that reached the board: an edit becomes undoable.
void noteGuidedPress();
// After a left press on the playing screen, noted before it: the focus
// follows the pointer to the node pressed, and the press is said in words.
void noteGuidedClick(const PressNote& note);
// Back to the first level after the game-over screen.
void restartGuidedPlay();

// Over the board on the playing screen: the numbers of the three shapes,
// the hint, the trace, the keys' focus, the status line, the key list and,
// during the level pause, "Level N cleared".
void drawGuidedPlaying();
// Over the playing field while the level in play is still being made.
void drawLevelWait();
// Over another screen's picture: the count on the game-over screen, the
// levels solved without and with hints, and the daily's result line.
void drawGuidedScreen(ScreenState screen);
