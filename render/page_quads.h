// The browser's quads, drawn by a WebGL program of the game's own rather
// than through the GL emulation, which allocates matrices on every draw and
// sets up far more than a quad needs. Browser build only.
#pragma once

#include <vector>

#include "render/world_quads.h"

// Quads as drawWorldQuads takes them (world_quads_web.cpp); unblended, their
// texels replace what lies beneath.
void drawPageQuads(const std::vector<float>& corners, unsigned texture,
                   const TextColour& colour, bool blended);

// Unbinds what a run of quad draws keeps bound, as the GL emulation's next
// draw needs it; the display lists' replay calls it.
void endPageQuads();
