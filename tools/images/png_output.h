// PNG output of a finished canvas.
#pragma once

#include <string>

#include "tools/images/canvas.h"

// Writes an RGB canvas as opaque 8-bit RGB and an ARGB one as 8-bit
// straight RGBA, white wherever it is fully transparent: the game filters
// its sprites linearly, and white there keeps their edges from darkening.
// Throws std::runtime_error when the file cannot be written.
void writePng(const Canvas& canvas, const std::string& path);
