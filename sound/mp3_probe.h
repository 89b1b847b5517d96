// MP3 probe: whether a file holds music the decoder can play, found out
// quietly before the mixer is given it.
#pragma once

#include <vector>

// True when bytes decode, start to end, as MPEG audio frames (at least one)
// without a decoding error; a truncated last frame is allowed. Prints
// nothing: the decoder is asked to be quiet.
bool isPlayableMp3(const std::vector<unsigned char>& bytes);
