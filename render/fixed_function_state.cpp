// Fixed-function state on the desktop.
#include "render/fixed_function_state.h"

#include <GL/gl.h>

void setFixedFunctionState() {
  glShadeModel(GL_FLAT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}
