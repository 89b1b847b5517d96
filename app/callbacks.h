// GLUT callbacks: they translate toolkit events into calls on the game.
#pragma once

void onReshape(int width, int height);
void onDisplay();
void onIdle();
void onMouseDrag(int x, int y);
void onMouseMove(int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onKey(unsigned char key, int x, int y);
// Key releases and special keys do nothing.
void onOtherKey(unsigned char key, int x, int y);
void onOtherKey(int key, int x, int y);

// Registers every callback on the current window.
void registerCallbacks();
