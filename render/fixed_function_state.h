// Fixed-function state that only the desktop's GL has, set apart for the
// browser build.
#pragma once

// Sets flat shading, filled polygons and the most careful perspective
// correction. WebGL fills every polygon and always corrects for
// perspective, refusing the hint as an unknown enum; its GL emulation
// ignores the shade model with a note on the console, and each of the
// game's quads is one colour, which flat and smooth shading draw alike. So
// the browser build sets nothing.
void setFixedFunctionState();
