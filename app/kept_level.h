// The browser page keeps the level in play beside the progress, so that a
// reload resumes it part-way, and opens a finished daily at its end.
#pragma once

// Once start-up has finished, before the first frame: a daily with every
// level solved opens on its game-over screen, with its result line, and
// guided play's counts as the kept progress has them.
void openFinishedDaily();

// After each frame in guided play: on the first frame of play, the daily's
// counts come from the kept progress and the level kept part-way, if it is
// the one play starts on, gets back its links, time and hints. Then the
// level is kept whenever its links or its hints change, every five seconds
// of its clock, and as it stands when the page is hidden or left; it is
// forgotten once it is solved.
void keepLevelInPlay();
