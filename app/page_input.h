// Input from the browser page: the mouse and the keys the game uses, taken
// from the page's own events instead of the browser's GLUT.
#pragma once

// Registers the page's event handlers. The GLUT input callbacks stay
// unset beside them, so that GLUT neither calls the game nor cancels what
// the browser would do with an event. Call once, after start-up.
void registerPageInput();
