// The browser's GLUT is the standard API alone, which is all the game uses.
#pragma once

#include <GL/glut.h>
