// GLUT callbacks: they translate toolkit events into calls on the game.
#pragma once

void onReshape(int width, int height);
void onDisplay();
// Asks for a redraw when the next frame is due, and otherwise waits for it
// or for input.
void onIdle();
// Stops the idle callback while the window is hidden, restores it after.
void onWindowStatus(int status);
void onMouseDrag(int x, int y);
void onMouseMove(int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onKey(unsigned char key, int x, int y);
// Key releases and special keys obtain the pointer and do nothing else.
void onOtherKey(unsigned char key, int x, int y);
void onOtherKey(int key, int x, int y);

// Registers every callback on the current window.
void registerCallbacks();
