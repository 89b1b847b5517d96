// The window title on the desktop: the toolkit's.
#include "app/window_title.h"

#include <GL/freeglut.h>

void showWindowTitle(const char* title) { glutSetWindowTitle(title); }
