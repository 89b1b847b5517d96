// Data folder: where the game finds its images/, fonts/ and audio/.
#pragma once

// Makes the first folder that holds the game's data the working directory,
// so the game's relative paths lead there. A folder holds the data when it
// has what the game needs to start, the font and the title picture, as
// regular files: an images/ folder of another program is not enough. Looks
// in the working directory, then in the executable's folder (a build tree),
// then in the data folder an installation puts beside that. When none
// holds it, prints one line naming each folder looked in and what it
// lacks, and returns false.
bool enterDataFolder();
