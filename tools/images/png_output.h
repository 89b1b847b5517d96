// PNG output of a finished canvas.
#pragma once

#include <string>

#include "tools/images/canvas.h"

// Writes the canvas as 8-bit RGBA, or as opaque RGB when withAlpha is
// false. Throws std::runtime_error when the file cannot be written.
void writePng(const Canvas& canvas, const std::string& path, bool withAlpha);
