// Redraw requests: the game draws a frame only when something it shows may
// have changed, and otherwise sleeps until input arrives.
#pragma once

#include <chrono>

// Asks the frame loop for one frame at its next paced slot; requests made
// before that frame is drawn are all answered by it. Callers ask after an
// event that changed what the window shows, and the frame routine asks
// again while the pause between levels runs down.
void askForFrame();

// Asks for a frame once the steady clock reaches at, for what changes with
// time alone: a timer shown in whole seconds asks for its next second. Until
// then the loop sleeps, as it does with no request at all.
void askForFrameAt(std::chrono::steady_clock::time_point at);
