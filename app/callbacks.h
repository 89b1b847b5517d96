// GLUT callbacks: they translate toolkit events into calls on the game.
#pragma once

void onReshape(int width, int height);
void onDisplay();
void onMouseDrag(int x, int y);
void onMouseMove(int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onKey(unsigned char key, int x, int y);
// Special keys such as F1: guided play's, and otherwise nothing.
void onSpecialKey(int key, int x, int y);
// Key releases and special keys obtain the pointer and do nothing else.
void onOtherKey(unsigned char key, int x, int y);
void onOtherKey(int key, int x, int y);

// Registers the callbacks of drawing on the current window; the frame loop
// that paces the redraws is each platform's own.
void registerDrawingCallbacks();

// Registers the callbacks of input on the current window. The browser page
// takes its input from its own events instead (app/page_input.h).
void registerInputCallbacks();
