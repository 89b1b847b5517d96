// MP3 probe: whether a file holds music the decoder can play, found out
// quietly before the mixer is given it.
#pragma once

#include <vector>

// True when bytes begin with an MPEG audio frame, or with an ID3v2 tag and
// then a frame, and decode to the end as frames without a decoding error;
// a truncated last frame is allowed. Prints nothing: the decoder is asked
// to be quiet.
bool isPlayableMp3(const std::vector<unsigned char>& bytes);
