// Text drawn with the glyph font, placed in world units over whatever the
// frame shows: the status line, the key list and the screens' messages.
#pragma once

#include <string>
#include <vector>

#include "puzzle/trace_place.h"
#include "render/glyph_font.h"
#include "render/world_quads.h"

enum class TextAlign { Left, Centre, Right };

// The width of text in world units when its em is emUnits high. Codes the
// font has no glyph for (128 and above) take no room and are not drawn.
float textWidth(const GlyphFont& font, const std::string& text, float emUnits);

// Draws text with its baseline at world y and its left edge, middle or
// right edge at world x, an em emUnits high. It sets its own projection of
// the world rectangle onto the viewport (the camera's view of the plane
// z = 0, so it works on every screen), enables texturing and blending,
// and puts both matrices and that state back; the colour is left white.
void drawText(const GlyphFont& font, const std::string& text, float x, float y,
              float emUnits, TextAlign align, const TextColour& colour);

// Lines of text of one em and colour, each placed as drawText places it,
// in a single draw: the browser's GL emulation pays for every draw.
struct TextLine {
  std::string text;
  float x = 0.0f;  // world units, as drawText's x and y
  float y = 0.0f;
};
void drawTextLines(const GlyphFont& font, const std::vector<TextLine>& lines,
                   float emUnits, TextAlign align, const TextColour& colour);

// A flat rectangle between two world corners, blended, for text to stand
// on; the same projection and state rules as drawText.
void drawPanel(float left, float bottom, float right, float top,
               const TextColour& colour);
// Rectangles of one colour in a single draw.
void drawPanels(const std::vector<WorldBox>& boxes, const TextColour& colour);
