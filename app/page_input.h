// Input from the browser page: the mouse, touch and pen, and the keys the
// game uses, taken from the page's own events instead of the browser's
// GLUT.
#pragma once

// Registers the page's event handlers. The GLUT input callbacks stay
// unset beside them, so that GLUT neither calls the game nor cancels what
// the browser would do with an event. Call once, after start-up.
void registerPageInput();

// Keeps the browser's GLUT from turning touches on the canvas into mouse
// events of its own, which would press twice for each touch. Call once,
// before glutInit.
void keepTouchesFromToolkit();
