// Benchmark: the frames around a level's start in guided play, where the
// hints' search starts, with the levels of the seed made beside play.
#pragma once

// Plays the six hard levels of a seed in the game's own frame routine, in
// wall time at 60 frames a second, each solved by linking a solution, and
// prints level_start_frame_ms: the longest frame from the last frame of a
// level's pause (or, when play waited for the next level, the frame that
// found it made) to the second frame of the next level, worst over the
// five starts that follow a pause; and level_start_frame_cpu_ms,
// the same frames in the CPU time of the game's thread, which a loaded
// machine leaves alone. Needs the game started up in a window of this
// process.
void measureLevelStarts();
