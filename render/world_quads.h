// Quads placed in world units over the whole viewport, blended, in one
// draw: guided play's writing and the panels it stands on. The desktop
// draws them through fixed-function GL; the browser with a WebGL program of
// its own, for its GL emulation allocates matrices on every draw.
#pragma once

#include <vector>

struct TextColour {
  float red, green, blue, alpha;
};

// Four corners a quad, each x, y in world units and, with a texture, its
// s, t; texture 0 draws flat quads of the colour. The projection and the
// drawing state are the draw's own and put back after it; the colour is
// left white.
void drawWorldQuads(const std::vector<float>& corners, unsigned texture,
                    const TextColour& colour);
