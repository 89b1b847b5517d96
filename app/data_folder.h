// Data folder: where the game finds its images/, fonts/ and audio/.
#pragma once

// Makes the first folder that holds images/, fonts/ or audio/ the working
// directory, so the game's relative paths lead there. Looks in the working
// directory, then in the executable's folder (a build tree), then in the
// data folder an installation puts beside that. When none holds any,
// prints one line naming the folders looked in and returns false.
bool enterDataFolder();
