// Display lists on the desktop: GL compiles them itself.
#include "render/display_list.h"

#include <GL/gl.h>

void compileList(unsigned list, const std::function<void()>& body) {
  glNewList(list, GL_COMPILE);
  body();
  glEndList();
}
